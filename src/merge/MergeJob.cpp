#include "merge/MergeJob.h"

#include "engine/EngineError.h"
#include "engine/PDFLibrary.h"
#include "engine/PageList.h"
#include "jobs/FileDialogs.h"
#include "jobs/Interaction.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "merge/MergeList.h"
#include "merge/RowPasswords.h"

#include <QFileInfo>

namespace paginor {

namespace {

const QString kListName = QStringLiteral("TmpList");
const QString kCrLf = QStringLiteral("\r\n");

// Leaves the busy state however the job ends.
class BusyScope
{
public:
    explicit BusyScope(Interaction& ui) : m_ui(ui)
    {
        m_ui.setBusy(true);
        m_ui.setProgress(1);
    }
    ~BusyScope()
    {
        m_ui.setBusy(false);
        m_ui.setProgress(-1);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Interaction& m_ui;
};

} // namespace

MergeJob::MergeJob(PDFLibrary& engine, Session& session, Interaction& ui, MergeList& list)
    : m_engine(engine), m_session(session), m_ui(ui), m_list(list)
{
}

MergeResult MergeJob::CmdMerge_Click()
{
    MergeResult outcome;
    if (m_list.rowCount() < 2) {
        m_ui.message(QString::fromLatin1(kMsgAddMoreFiles), Interaction::Icon::Information,
                     QStringLiteral("Paginor"));
        m_list.AddPdfFiles();
        outcome.kind = MergeResult::Kind::TooFewFiles;
        return outcome;
    }

    if (!pageListsHold(nullptr)) {
        outcome.kind = MergeResult::Kind::BadPageList;
        return outcome;
    }

    FileDialogs dialogs(m_session, m_ui);
    QString output = dialogs.ChooseOutputPdf();
    while (IsListedFile(output)) {
        m_ui.message(QString::fromLatin1(kMsgCanNotOverwrite), Interaction::Icon::Critical,
                     QStringLiteral("Error"));
        output = dialogs.ChooseOutputPdf();
    }
    if (output.isEmpty())
        return outcome;
    // The password tests and prompts come before any writing, with the panel already disabled.
    BusyScope busy(m_ui);
    RowPasswords rowPasswords(m_engine, m_ui, m_list);
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
    return joinWhileBusy(m_engine, m_ui, m_list.fullPaths(), output, passwords, m_list.pageLists());
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
                ? QString::fromLatin1(kMsgRowPagesNotValid) + QString::fromStdString(read.badItem)
                : QString::fromLatin1(kMsgRowPagesSelectNothing) + list.trimmed();
        m_ui.message(QString::fromLatin1(kMsgCanNotMerge) + MergeList::NumberText(i + 1) +
                         QStringLiteral(" - ") + m_list.fullPath(i) + kCrLf + why,
                     Interaction::Icon::Exclamation, QStringLiteral("Error"));
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

MergeResult MergeJob::merge(PDFLibrary& engine, Interaction& ui, const QStringList& paths,
                            const QString& output, const QStringList& passwords,
                            const QStringList& pageLists)
{
    BusyScope busy(ui);
    return joinWhileBusy(engine, ui, paths, output, passwords, pageLists);
}

MergeResult MergeJob::joinWhileBusy(PDFLibrary& engine, Interaction& ui, const QStringList& paths,
                                    const QString& output, const QStringList& passwords,
                                    const QStringList& pageLists)
{
    MergeResult outcome;
    outcome.output = output;

    const int n = int(paths.size());
    engine.NewPathList(kListName);
    bool unlocked = false;
    for (int i = 0; i < n; ++i) {
        engine.AppendToPathList(kListName, paths.at(i), passwords.value(i),
                                pageLists.value(i).trimmed());
        unlocked = unlocked || !passwords.value(i).isEmpty();
    }
    ui.setProgress(70);

    int joined = 0;
    ui.runWhileYielding([&] { joined = engine.MergePathList(kListName, output); });
    outcome.joined = joined;

    if (joined < n) {
        outcome.kind = MergeResult::Kind::Failed;
        const bool notWritten = engine.LastErrorNumber() == int32_t(EngineError::WriteFailed);
        ui.message(notWritten ? writeFailureText(output) : failureText(engine, joined),
                   Interaction::Icon::Critical, QStringLiteral("Error"));
        return outcome;
    }
    outcome.kind = MergeResult::Kind::Merged;
    ui.setProgress(100);
    engine.DropDocument(engine.DocumentIdAt(1));
    QString text = QString::fromLatin1(kMsgMergeSucceeded);
    if (unlocked)
        text += kCrLf + QString::fromLatin1(kMsgProtectedMerged);
    ui.message(text, Interaction::Icon::Information, QStringLiteral("OK"));
    return outcome;
}

QString MergeJob::failureText(PDFLibrary& engine, int joined)
{
    if (joined > 0) {
        return QString::fromLatin1(kMsgCanNotMerge) + MergeList::NumberText(joined + 1) +
               QStringLiteral(" - ") + engine.PathListEntry(kListName, joined + 1) + kCrLf +
               QString::fromLatin1(kMsgMergeCheckOne);
    }
    return QString::fromLatin1(kMsgCanNotMerge) + kCrLf + MergeList::NumberText(1) +
           QStringLiteral(" - ") + engine.PathListEntry(kListName, 1) + kCrLf +
           MergeList::NumberText(2) + QStringLiteral(" - ") + engine.PathListEntry(kListName, 2) +
           kCrLf + kCrLf + QString::fromLatin1(kMsgMergeCheckTwo);
}

QString MergeJob::writeFailureText(const QString& output)
{
    return QString::fromLatin1(kMsgCanNotWritePdf) + output + kCrLf +
           QString::fromLatin1(kMsgCheckDiskAndFolder);
}

} // namespace paginor
