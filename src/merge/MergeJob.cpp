// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/MergeJob.h"

#include "engine/EngineError.h"
#include "engine/PDFLibrary.h"
#include "engine/PageList.h"
#include "jobs/BusyGuard.h"
#include "jobs/FileDialogs.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "merge/MergeList.h"
#include "merge/RowPasswords.h"

#include <QFileInfo>

namespace paginor {

namespace {

const QString kListName = QStringLiteral("TmpList");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

MergeJob::MergeJob(PDFLibrary& engine, Session& session, JobSeam seam, MergeList& list)
    : m_engine(engine), m_session(session), m_seam(seam), m_list(list)
{
}

MergeResult MergeJob::CmdMerge_Click()
{
    MergeResult outcome;
    if (m_list.rowCount() < 2) {
        m_seam.questions.message(shownText(kMsgAddMoreFiles), UserQuestions::Icon::Information,
                                 QStringLiteral("Paginor"));
        m_list.AddPdfFiles();
        outcome.kind = MergeResult::Kind::TooFewFiles;
        return outcome;
    }
    // A file known to be unreadable would only fail the merge after every question.
    if (const int bad = m_list.firstUnusableRow(); bad >= 0) {
        m_seam.questions.message(unusableRowText(m_list, bad), UserQuestions::Icon::Critical,
                                 shownText(kTitleError));
        outcome.kind = MergeResult::Kind::Refused;
        return outcome;
    }

    if (!pageListsHold(nullptr)) {
        outcome.kind = MergeResult::Kind::BadPageList;
        return outcome;
    }

    FileDialogs dialogs(m_session, m_seam.questions);
    QString output = dialogs.ChooseOutputPdf();
    while (IsListedFile(output)) {
        m_seam.questions.message(shownText(kMsgCanNotOverwrite), UserQuestions::Icon::Critical,
                                 shownText(kTitleError));
        output = dialogs.ChooseOutputPdf();
    }
    if (output.isEmpty())
        return outcome;
    // The password tests and prompts come before any writing, with the panel already disabled.
    BusyGuard busy(m_seam.feedback, QString(), 1);
    RowPasswords rowPasswords(m_engine, m_seam, m_list);
    rowPasswords.setKnownPasswords(m_knownPasswords);
    QStringList passwords;
    if (!rowPasswords.settle(passwords)) {
        outcome.output = output;
        return outcome;
    }
    if (!pageListsHold(&passwords)) {
        outcome.kind = MergeResult::Kind::BadPageList;
        outcome.output = output;
        return outcome;
    }
    MergeLayout layout;
    layout.shape = m_shape;
    for (int i = 0; i < m_list.rowCount(); ++i) {
        layout.rotations << m_list.row(i).rotation;
        layout.reverses << m_list.row(i).reverse;
    }
    return joinWhileBusy(m_engine, m_seam, m_list.fullPaths(), output, passwords,
                         m_list.pageLists(), layout);
}

bool MergeJob::pageListsHold(const QStringList* passwords)
{
    for (int i = 0; i < m_list.rowCount(); ++i) {
        const QString list = m_list.row(i).pageList;
        if (list.trimmed().isEmpty())
            continue;
        // Without the file's page count only the form is checked.
        int32_t pageTotal = INT32_MAX;
        if (passwords) {
            const int32_t probe = m_engine.ProbeOpen(m_list.fullPath(i), passwords->value(i));
            bool counted = false;
            pageTotal = m_engine.ProbeInfo(probe, 20).toInt(&counted);
            m_engine.ProbeClose(probe);
            if (!counted)
                continue; // an unreadable file fails in the merge, with its own message
        }
        const PageListResult read = parsePageList(list.toStdString(), pageTotal);
        if (read.error == EngineError::None)
            continue;
        const QString why =
            read.error == EngineError::BadPageList
                ? shownText(kMsgRowPagesNotValid) + QString::fromStdString(read.badItem)
                : shownText(kMsgRowPagesSelectNothing) + list.trimmed();
        m_seam.questions.message(shownText(kMsgCanNotMerge) + MergeList::NumberText(i + 1) +
                                     QStringLiteral(" - ") + m_list.fullPath(i) + kCrLf + why,
                                 UserQuestions::Icon::Exclamation, shownText(kTitleError));
        return false;
    }
    return true;
}

bool MergeJob::IsListedFile(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    // Another spelling of an input (a link, "..") would otherwise let the output replace it.
    const QString canonical = target.exists() ? target.canonicalFilePath() : QString();
    for (int i = 0; i < m_list.rowCount(); ++i) {
        const QString listed = m_list.fullPath(i);
        if (listed.compare(path, Qt::CaseInsensitive) == 0)
            return true;
        if (!canonical.isEmpty() && QFileInfo(listed).canonicalFilePath() == canonical)
            return true;
    }
    return false;
}

MergeResult MergeJob::merge(PDFLibrary& engine, JobSeam seam, const QStringList& paths,
                            const QString& output, const QStringList& passwords,
                            const QStringList& pageLists, const MergeLayout& layout)
{
    BusyGuard busy(seam.feedback, QString(), 1);
    return joinWhileBusy(engine, seam, paths, output, passwords, pageLists, layout);
}

MergeResult MergeJob::joinWhileBusy(PDFLibrary& engine, JobSeam seam, const QStringList& paths,
                                    const QString& output, const QStringList& passwords,
                                    const QStringList& pageLists, const MergeLayout& layout)
{
    MergeShape shape = layout.shape;
    shape.contentsTitle = shownText(kMsgContentsTitle).toStdString();
    engine.setMergeShape(shape);
    MergeResult outcome;
    outcome.output = output;

    const int n = int(paths.size());
    engine.NewPathList(kListName);
    bool unlocked = false;
    for (int i = 0; i < n; ++i) {
        engine.AppendToPathList(kListName, paths.at(i), passwords.value(i),
                                pageLists.value(i).trimmed(), layout.rotations.value(i),
                                layout.reverses.value(i));
        unlocked = unlocked || !passwords.value(i).isEmpty();
    }
    seam.feedback.setProgress(70);

    int joined = 0;
    seam.feedback.runWhileYielding([&] { joined = engine.MergePathList(kListName, output); });
    outcome.joined = joined;

    if (joined < n) {
        outcome.kind = MergeResult::Kind::Failed;
        const bool notWritten = engine.LastErrorNumber() == int32_t(EngineError::WriteFailed);
        seam.questions.message(notWritten ? writeFailureText(output) : failureText(engine, joined),
                               UserQuestions::Icon::Critical, shownText(kTitleError));
        return outcome;
    }
    outcome.kind = MergeResult::Kind::Merged;
    seam.feedback.setProgress(100);
    engine.DropDocument(engine.DocumentIdAt(1));
    QString text = shownText(kMsgMergeSucceeded);
    if (unlocked)
        text += kCrLf + shownText(kMsgProtectedMerged);
    seam.questions.message(text, UserQuestions::Icon::Information, shownText(kTitleOk));
    return outcome;
}

QString MergeJob::failureText(PDFLibrary& engine, int joined)
{
    if (joined > 0) {
        return shownText(kMsgCanNotMerge) + MergeList::NumberText(joined + 1) +
               QStringLiteral(" - ") + engine.PathListEntry(kListName, joined + 1) + kCrLf +
               shownText(kMsgMergeCheckOne);
    }
    return shownText(kMsgCanNotMerge) + kCrLf + MergeList::NumberText(1) + QStringLiteral(" - ") +
           engine.PathListEntry(kListName, 1) + kCrLf + MergeList::NumberText(2) +
           QStringLiteral(" - ") + engine.PathListEntry(kListName, 2) + kCrLf + kCrLf +
           shownText(kMsgMergeCheckTwo);
}

QString MergeJob::unusableRowText(const MergeList& list, int index)
{
    return shownText(kMsgCanNotMerge) + MergeList::NumberText(index + 1) + QStringLiteral(" - ") +
           list.fullPath(index) + kCrLf + list.row(index).check.reason + kCrLf +
           shownText(kMsgRemoveRow);
}

QString MergeJob::writeFailureText(const QString& output)
{
    return shownText(kMsgCanNotWritePdf) + output + kCrLf + shownText(kMsgCheckDiskAndFolder);
}

} // namespace paginor
