// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// paginor-cli: the split and merge jobs of the window, driven from a terminal.
#include "cli/CommandLine.h"
#include "cli/DryRun.h"
#include "cli/TerminalInteraction.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "settings/Language.h"
#include "settings/Product.h"
#include "split/SourcePassword.h"
#include "split/SplitJob.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace paginor;
using namespace paginor::cli;

namespace {

void printTo(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// What the engine left out of the outputs, one line each.
void printWarnings(PDFLibrary& engine)
{
    for (const QString& warning : engine.takeWarnings())
        printTo(stderr, QCoreApplication::translate("cli", "Warning: %1").arg(warning) + u'\n');
}

int runSplit(const CommandLine& line)
{
    if (line.dryRun)
        return dryRunSplit(line);
    PDFLibrary engine;
    engine.setBookmarkMode(line.bookmarks);
    engine.setKeepEncryption(!line.decrypt);
    engine.setKeepAttachments(line.keepAttachments);
    engine.setStructureKept(line.structure);
    engine.setObjectStreams(!line.compat);
    engine.setRotation(line.rotateAngle, line.rotatePages);
    Session session;
    TerminalInteraction ui(line.output, line.hasPassword, line.password, line.progress);
    SplitJob job(engine, session, ui);
    SplitRequest request;
    request.TextFile = line.source;
    request.options = line.options;
    job.run(request);
    ui.progress(QString());
    printWarnings(engine);
    switch (request.outcome) {
    case SplitRequest::Outcome::Succeeded:
        return 0;
    case SplitRequest::Outcome::PasswordRefused:
        // An empty password ends the prompt without a word from the job.
        if (line.hasPassword && line.password.isEmpty())
            printTo(stderr, QCoreApplication::translate(
                                "cli", "Need password: an empty password was given") +
                                u'\n');
        return 1;
    default:
        return 1;
    }
}

// Prints "level<TAB>page<TAB>title" per bookmark, "-" for a page it leads nowhere.
int runOutline(const CommandLine& line)
{
    PDFLibrary engine;
    Session session;
    TerminalInteraction ui(QString(), line.hasPassword, line.password);
    if (!QFileInfo(line.source).isFile()) {
        ui.message(shownText(kMsgSelectSource), UserQuestions::Icon::Critical,
                   shownText(kTitleError), UserQuestions::Buttons::Ok);
        return 1;
    }
    SourcePassword password(engine, session, ui);
    if (!password.TestPassword(line.source, QString()) && !password.AskSourcePassword(line.source))
        return 1;
    std::vector<BookmarkLevel> marks;
    if (!engine.OpenDocument(line.source, session.SourcePassword) || !engine.readBookmarks(marks)) {
        printTo(stderr,
                QCoreApplication::translate("cli", "Can not read the bookmarks\r\nError code: %1")
                        .arg(engine.LastErrorNumber()) +
                    u'\n');
        return 1;
    }
    QString text;
    for (const BookmarkLevel& mark : marks) {
        QString title = mark.title; // a line break in a title would start a false line
        for (QChar& c : title)
            if (c.category() == QChar::Other_Control)
                c = u' ';
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(mark.level)
                    .arg(mark.page == BookmarkLevel::kNowhere ? QStringLiteral("-")
                                                              : QString::number(mark.page + 1))
                    .arg(title);
    }
    printTo(stdout, text);
    return 0;
}

int runMerge(const CommandLine& line)
{
    PDFLibrary engine;
    engine.setBookmarkMode(line.bookmarks);
    engine.setKeepAttachments(line.keepAttachments);
    engine.setStructureKept(line.structure);
    engine.setObjectStreams(!line.compat);
    Session session;
    TerminalInteraction ui(line.output, false, QString(), line.progress);
    // The engine counts the inputs joined, then the output written, as two halves of `total`.
    engine.setProgressHandler([&ui, &line](int done, int total) {
        const int files = int(line.inputs.size());
        if (done >= 1 && done <= files)
            ui.progress(QCoreApplication::translate("cli", "Joining file %1 of %2: %3")
                            .arg(done)
                            .arg(files)
                            .arg(QFileInfo(line.inputs.at(done - 1)).fileName()));
        else if (done > files && total > 0)
            ui.progress(QCoreApplication::translate("cli", "Writing %1: %2%")
                            .arg(QFileInfo(line.output).fileName())
                            .arg(100 * done / total));
    });
    MergeList list(session, ui);
    for (const QString& input : line.inputs)
        list.AddListRow(input);
    for (auto it = line.inputPages.begin(); it != line.inputPages.end(); ++it)
        list.setPageList(it.key() - 1, it.value());
    for (auto it = line.inputRotations.begin(); it != line.inputRotations.end(); ++it)
        list.setRotation(it.key() - 1, it.value());
    for (int n : line.reversedInputs)
        list.setReverse(n - 1, true);
    MergeJob job(engine, session, ui, list);
    MergeShape shape;
    shape.interleave = line.interleave;
    shape.padOdd = line.padOdd;
    shape.contents = line.contents;
    job.setShape(shape);
    job.setKnownPasswords(line.passwords);
    const MergeResult outcome = job.CmdMerge_Click();
    ui.progress(QString());
    printWarnings(engine);
    return outcome.kind == MergeResult::Kind::Merged ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    useLanguage(QLocale::system());
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    CommandLine line = parseCommandLine(args);
    if ((line.command == CommandLine::Command::Split ||
         line.command == CommandLine::Command::Outline) &&
        !line.hasPassword && qEnvironmentVariableIsSet("PAGINOR_PASSWORD")) {
        line.hasPassword = true;
        line.password = qEnvironmentVariable("PAGINOR_PASSWORD");
    }
    if (line.command == CommandLine::Command::Merge && line.passwords.isEmpty() &&
        qEnvironmentVariableIsSet("PAGINOR_PASSWORD"))
        line.passwords << qEnvironmentVariable("PAGINOR_PASSWORD");
    for (const QString& hint : line.hints)
        printTo(stderr, QStringLiteral("paginor-cli: %1\n").arg(hint));
    switch (line.command) {
    case CommandLine::Command::Help:
        printTo(stdout, usageText());
        return 0;
    case CommandLine::Command::Version:
        printTo(stdout, QStringLiteral("paginor-cli %1\nLicense: %2\n")
                            .arg(QLatin1String(kProductVersion), QLatin1String(kLicenseId)));
        return 0;
    case CommandLine::Command::Split:
        return runSplit(line);
    case CommandLine::Command::Merge:
        return runMerge(line);
    case CommandLine::Command::Outline:
        return runOutline(line);
    case CommandLine::Command::Usage:
        break;
    }
    printTo(stderr, QStringLiteral("paginor-cli: %1\n").arg(line.error) +
                        QCoreApplication::translate("cli", "Try 'paginor-cli --help'.") + u'\n');
    return 2;
}
