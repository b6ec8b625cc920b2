// paginor-cli: the split and merge jobs of the window, driven from a terminal.
#include "cli/CommandLine.h"
#include "cli/TerminalInteraction.h"
#include "engine/PDFLibrary.h"
#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "jobs/Session.h"
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

int runSplit(const CommandLine& line)
{
    PDFLibrary engine;
    engine.setBookmarkMode(line.bookmarks);
    Session session;
    TerminalInteraction ui(line.output, line.hasPassword, line.password);
    SplitJob job(engine, session, ui);
    SplitRequest request;
    request.TextFile = line.source;
    request.options = line.options;
    job.run(request);
    ui.progress(QString());
    switch (request.outcome) {
    case SplitRequest::Outcome::Succeeded:
        return 0;
    case SplitRequest::Outcome::PasswordRefused:
        // An empty password ends the prompt without a word from the job.
        if (line.hasPassword && line.password.isEmpty())
            printTo(stderr, QStringLiteral("Need password: an empty password was given\n"));
        return 1;
    default:
        return 1;
    }
}

int runMerge(const CommandLine& line)
{
    PDFLibrary engine;
    engine.setBookmarkMode(line.bookmarks);
    Session session;
    TerminalInteraction ui(line.output, false, QString());
    // The engine counts the inputs joined, then the output written, as two halves of `total`.
    engine.setProgressHandler([&ui, &line](int done, int total) {
        const int files = int(line.inputs.size());
        if (done >= 1 && done <= files)
            ui.progress(QStringLiteral("Joining file %1 of %2: %3")
                            .arg(done)
                            .arg(files)
                            .arg(QFileInfo(line.inputs.at(done - 1)).fileName()));
        else if (done > files && total > 0)
            ui.progress(QStringLiteral("Writing %1: %2%")
                            .arg(QFileInfo(line.output).fileName())
                            .arg(100 * done / total));
    });
    MergeList list(session, ui);
    for (const QString& input : line.inputs)
        list.AddListRow(input);
    MergeJob job(engine, session, ui, list);
    const MergeResult outcome = job.CmdMerge_Click();
    ui.progress(QString());
    return outcome.kind == MergeResult::Kind::Merged ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    CommandLine line = parseCommandLine(args);
    if (line.command == CommandLine::Command::Split && !line.hasPassword &&
        qEnvironmentVariableIsSet("PAGINOR_PASSWORD")) {
        line.hasPassword = true;
        line.password = qEnvironmentVariable("PAGINOR_PASSWORD");
    }
    switch (line.command) {
    case CommandLine::Command::Help:
        printTo(stdout, usageText());
        return 0;
    case CommandLine::Command::Version:
        printTo(stdout, QStringLiteral("paginor-cli 4.0\n"));
        return 0;
    case CommandLine::Command::Split:
        return runSplit(line);
    case CommandLine::Command::Merge:
        return runMerge(line);
    case CommandLine::Command::Usage:
        break;
    }
    printTo(stderr, QStringLiteral("paginor-cli: %1\n\n").arg(line.error) + usageText());
    return 2;
}
