// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitJob.h"

#include "engine/EngineError.h"
#include "engine/PDFLibrary.h"
#include "jobs/BusyGuard.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "settings/Product.h"
#include "split/BookmarkParts.h"
#include "split/PartStem.h"
#include "split/SizeParts.h"

#include <QFile>
#include <QFileInfo>

namespace paginor {

namespace {

// Holds a flag up for as long as it lives, whatever way the scope is left.
class FlagUp
{
public:
    explicit FlagUp(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagUp() { m_flag = false; }
    FlagUp(const FlagUp&) = delete;
    FlagUp& operator=(const FlagUp&) = delete;

private:
    bool& m_flag;
};

// Shows the job's view of the inputs before each modal call for as long as it lives.
class ShownScope
{
public:
    ShownScope(HookedQuestions& ask, std::function<void()> show) : m_ask(ask)
    {
        m_ask.setBeforeModal(std::move(show));
    }
    ~ShownScope() { m_ask.setBeforeModal({}); }
    ShownScope(const ShownScope&) = delete;
    ShownScope& operator=(const ShownScope&) = delete;

private:
    HookedQuestions& m_ask;
};

// The first failure decides the code shown; a failure is never shown as code 0.
void noteFailure(SplitRequest& request, int32_t code)
{
    if (request.errorCode == 0)
        request.errorCode = code != 0 ? code : int32_t(EngineError::Internal);
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (!fa.exists() || !fb.exists())
        return false;
#ifdef Q_OS_WIN
    if (fa.absoluteFilePath().compare(fb.absoluteFilePath(), Qt::CaseInsensitive) == 0)
        return true;
#endif
    return fa.canonicalFilePath() == fb.canonicalFilePath();
}

} // namespace

SplitJob::SplitJob(PDFLibrary& engine, Session& session, JobSeam seam)
    : m_engine(engine), m_session(session), m_ask(seam.questions), m_feedback(seam.feedback),
      m_password(engine, session, m_ask), m_dialogs(session, m_ask)
{
}

QString SplitJob::infoText()
{
    return QString::fromLatin1(kProductName) + QStringLiteral(" (") +
           QString::fromLatin1(kMakerWebSite) + u')';
}

bool SplitJob::isSource(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() && !info.isHidden();
}

QString SplitJob::partFileName(const QString& chosenPath, const QString& pageList)
{
    const PartStem stem = partStem(chosenPath);
    return stem.folder + stem.name + QStringLiteral(" Page ") + pageList + QStringLiteral(".pdf");
}

void SplitJob::CmdBrowse_Click(QString& TextFile)
{
    if (m_running)
        return;
    FlagUp up(m_running);
    ShownScope shown(m_ask, [this, &TextFile] {
        if (m_inputsShown)
            m_inputsShown(TextFile, nullptr);
    });
    m_password.CmdBrowse_Click(TextFile);
}

void SplitJob::useSource(const QString& path, QString& TextFile)
{
    if (m_running)
        return;
    FlagUp up(m_running);
    m_password.useSource(path, TextFile);
}

void SplitJob::run(SplitRequest& request)
{
    if (m_running) {
        request.outcome = SplitRequest::Outcome::HeldOff;
        return;
    }
    FlagUp up(m_running);
    ShownScope shown(m_ask, [this, &request] {
        if (m_inputsShown)
            m_inputsShown(request.TextFile, &request.options);
    });
    request.focus = OptionField::None;
    request.errorCode = 0;
    request.written.clear();
    request.unprotected = false;
    request.oversized.clear();

    const QString source = request.TextFile.trimmed();
    request.TextFile = source;
    if (!isSource(source)) {
        m_ask.message(shownText(kMsgSelectSource), UserQuestions::Icon::Critical,
                      shownText(kTitleError));
        m_password.CmdBrowse_Click(request.TextFile);
        request.outcome = SplitRequest::Outcome::NoSource;
        return;
    }
    if (!settlePassword(source, request.outcome))
        return;
    const ValidationResult valid = ValidateSplitInputs(request.options, m_ask);
    if (!valid.goOn) {
        request.focus = valid.focus;
        request.outcome = SplitRequest::Outcome::InvalidOptions;
        return;
    }
    const CheckedOptions& options = valid.checked;
    if (options.mode == SplitMode::Bookmarks && !bookmarksAtLevel(source, options.level, request))
        return;
    const QString output = chooseOutput(source, options.mode);
    if (output.isEmpty()) {
        request.outcome = SplitRequest::Outcome::Cancelled;
        return;
    }

    {
        BusyGuard busy(m_feedback, shownText(kMsgPleaseWait));
        produce(request, options, source, output);
    }

    if (request.written.isEmpty())
        noteFailure(request, int32_t(EngineError::Internal));
    if (request.errorCode != 0) {
        request.outcome = SplitRequest::Outcome::Failed;
        m_ask.message(shownText(kMsgSplitFailed) + QString::number(request.errorCode),
                      UserQuestions::Icon::Critical, shownText(kTitleError));
    } else {
        request.outcome = SplitRequest::Outcome::Succeeded;
        QString text = shownText(kMsgSplitSucceeded);
        if (request.unprotected)
            text += QStringLiteral("\r\n") + shownText(kMsgProtectedSplit);
        if (!request.oversized.isEmpty()) {
            QStringList pages;
            for (int32_t page : request.oversized)
                pages << QString::number(page);
            text += QStringLiteral("\r\n") + shownText(kMsgPagesOverLimit) +
                    pages.join(QStringLiteral(", "));
        }
        m_ask.message(text, UserQuestions::Icon::Information, shownText(kTitleOk));
    }
}

bool SplitJob::settlePassword(const QString& source, SplitRequest::Outcome& refusal)
{
    if (m_password.TestPassword(source, QString()))
        return true;
    if (!m_password.passwordIsTheReason(source)) {
        refusal = SplitRequest::Outcome::Unreadable;
        return false;
    }
    if (m_session.SourcePasswordFile.compare(source, Qt::CaseInsensitive) == 0)
        return true;
    m_session.SourcePassword.clear();
    m_session.SourcePasswordFile.clear();
    refusal = SplitRequest::Outcome::PasswordRefused;
    return m_password.AskSourcePassword(source);
}

QString SplitJob::chooseOutput(const QString& source, SplitMode mode)
{
    for (;;) {
        const QString output = m_dialogs.ChooseOutputPdf();
        // Replacing the source with a part of itself would lose it.
        if (output.isEmpty() || writesParts(mode) || !sameFile(output, source))
            return output;
        m_ask.message(shownText(kMsgCanNotOverwrite), UserQuestions::Icon::Critical,
                      shownText(kTitleError));
    }
}

void SplitJob::produce(SplitRequest& request, const CheckedOptions& options, const QString& source,
                       const QString& output)
{
    const QString password = m_session.SourcePassword;
    bool opened = false;
    int32_t pageTotal = 0;
    m_feedback.runWhileYielding([&] {
        opened = m_engine.OpenDocument(source, password);
        pageTotal = m_engine.GetPageTotal();
        m_engine.PostOpenStep();
        if (!opened)
            noteFailure(request, m_engine.LastErrorNumber());
    });
    if (!opened)
        return;

    if (options.mode == SplitMode::SizeParts) {
        produceBySize(request, options.sizeLimit, source, output);
        return;
    }
    // Each part's page list and file.
    std::vector<std::pair<QString, QString>> parts;
    if (options.mode == SplitMode::Bookmarks) {
        std::vector<BookmarkLevel> marks;
        if (!m_engine.readBookmarks(marks)) {
            noteFailure(request, m_engine.LastErrorNumber());
            return;
        }
        const auto found = bookmarkParts(marks, options.level, pageTotal);
        for (size_t i = 0; i < found.size(); ++i)
            parts.emplace_back(found[i].pageList(),
                               bookmarkPartFileName(output, int(i + 1), found[i].title));
    } else {
        const QStringList lists = options.pageLists(pageTotal);
        if (!lists.isEmpty() && !writesParts(options.mode)) {
            m_feedback.runWhileYielding([&] { writePart(lists.first(), output, request); });
            return;
        }
        for (const QString& list : lists)
            parts.emplace_back(list, partFileName(output, list));
    }
    if (parts.empty()) {
        noteFailure(request, int32_t(EngineError::EmptySelection));
        return;
    }

    for (const auto& part : parts) {
        // Named, not bound: lambdas may not capture structured bindings in C++17.
        const QString& list = part.first;
        const QString& target = part.second;
        m_feedback.setStatus(shownText(kMsgSplittingPage) + list + shownText(kMsgSplittingPageEnd));
        m_feedback.yield();
        // Reopening the unchanged source with the same password reuses what was parsed.
        m_feedback.runWhileYielding([&] {
            if (!m_engine.OpenDocument(source, password)) {
                noteFailure(request, m_engine.LastErrorNumber());
                return;
            }
            if (sameFile(target, source)) {
                noteFailure(request, int32_t(EngineError::WriteFailed));
                m_engine.DropDocument(m_engine.DocumentIdAt(1));
                return;
            }
            writePart(list, target, request);
        });
    }
}

bool SplitJob::bookmarksAtLevel(const QString& source, int32_t level, SplitRequest& request)
{
    bool found = true; // a source the engine cannot open fails later, as in the other modes
    m_feedback.setWaitCursor(true);
    m_feedback.runWhileYielding([&] {
        if (!m_engine.OpenDocument(source, m_session.SourcePassword))
            return;
        std::vector<BookmarkLevel> marks;
        if (m_engine.readBookmarks(marks))
            found = !bookmarkParts(marks, level, m_engine.GetPageTotal()).empty();
        m_engine.DropDocument(m_engine.DocumentIdAt(1));
    });
    m_feedback.setWaitCursor(false);
    if (found)
        return true;
    m_ask.message(shownText(kMsgNoBookmarksAtLevel) + request.options.TextLevel,
                  UserQuestions::Icon::Exclamation, shownText(kTitleError));
    request.focus = OptionField::TextLevel;
    request.outcome = SplitRequest::Outcome::InvalidOptions;
    return false;
}

void SplitJob::produceBySize(SplitRequest& request, int64_t limit, const QString& source,
                             const QString& output)
{
    const QString password = m_session.SourcePassword;
    PageWeights weights;
    bool weighed = false;
    m_feedback.runWhileYielding([&] {
        weighed = m_engine.pageWeights(weights);
        if (!weighed)
            noteFailure(request, m_engine.LastErrorNumber());
        m_engine.DropDocument(m_engine.DocumentIdAt(1));
    });
    if (!weighed)
        return;
    if (weights.pageObjects.empty()) {
        noteFailure(request, int32_t(EngineError::EmptySelection));
        return;
    }
    const auto listOf = [](int32_t first, int32_t last) {
        return QString::number(first) + u'-' + QString::number(last);
    };
    SizeTrials trials;
    trials.write = [&](int32_t first, int32_t last, const std::function<bool(int64_t)>& keep) {
        const QString list = listOf(first, last);
        const QString target = partFileName(output, list);
        m_feedback.setStatus(shownText(kMsgSplittingPage) + list + shownText(kMsgSplittingPageEnd));
        m_feedback.yield();
        int64_t size = -1;
        m_feedback.runWhileYielding([&] {
            if (!m_engine.OpenDocument(source, password)) {
                noteFailure(request, m_engine.LastErrorNumber());
            } else if (sameFile(target, source)) {
                noteFailure(request, int32_t(EngineError::WriteFailed));
                m_engine.DropDocument(m_engine.DocumentIdAt(1));
            } else {
                size = writePart(list, target, request, keep);
            }
        });
        return size;
    };
    trials.isNew = [&](int32_t first, int32_t last) {
        return !QFileInfo::exists(partFileName(output, listOf(first, last)));
    };
    trials.remove = [&](int32_t first, int32_t last) {
        const QString target = partFileName(output, listOf(first, last));
        QFile::remove(target);
        request.written.removeAll(target);
    };
    SizeEstimate estimate(std::move(weights));
    std::vector<SizedPart> parts;
    cutBySize(estimate, limit, trials, parts);
    for (const SizedPart& part : parts)
        if (part.bytes > limit)
            request.oversized << part.first;
}

int64_t SplitJob::writePart(const QString& pageList, const QString& target, SplitRequest& request,
                            const std::function<bool(int64_t)>& keep)
{
    int64_t size = -1;
    bool ok = m_engine.PickPages(pageList) == 1;
    if (ok) {
        m_engine.SetInfoEntry(5, infoText());
        m_engine.SetInfoEntry(6, infoText());
        ok = keep ? m_engine.WriteToFile(target,
                                         [&](int64_t bytes) {
                                             size = bytes;
                                             return keep(bytes);
                                         })
                  : m_engine.WriteToFile(target);
    }
    if (ok) {
        request.written << target;
        request.unprotected = request.unprotected || m_engine.dropsProtection();
        if (!keep)
            size = 0;
    } else if (m_engine.LastErrorNumber() != int32_t(EngineError::Declined) || size < 0) {
        noteFailure(request, m_engine.LastErrorNumber());
        size = -1;
    }
    m_engine.DropDocument(m_engine.DocumentIdAt(1));
    return size;
}

} // namespace paginor
