// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SourcePassword.h"

#include "engine/EngineError.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/PasswordPrompt.h"
#include "jobs/Session.h"
#include "jobs/UserQuestions.h"

namespace paginor {

SourcePassword::SourcePassword(PDFLibrary& engine, Session& session, UserQuestions& ui)
    : m_engine(engine), m_session(session), m_ui(ui), m_dialogs(session, ui)
{
}

bool SourcePassword::TestPassword(const QString& FileName, const QString& Password)
{
    // Called directly, not through runWhileYielding: the panel is not disabled at this point,
    // and letting events through would let another job reach the engine meanwhile.
    return testPassword(m_engine, FileName, Password);
}

bool SourcePassword::passwordIsTheReason(const QString& path)
{
    if (m_engine.LastErrorNumber() == int32_t(EngineError::PasswordRequired))
        return true;
    // No password can open it, so asking for one would only send the user round in circles.
    m_ui.message(shownText(kMsgCanNotOpenFile) + path + QStringLiteral("\r\n") +
                     shownText(kMsgNotPdfOrDamaged),
                 UserQuestions::Icon::Critical, shownText(kTitleError));
    return false;
}

bool SourcePassword::AskSourcePassword(const QString& path)
{
    const auto judge = [&](const QString& answer) {
        if (TestPassword(path, answer))
            return PasswordCheck::Accepted;
        return passwordIsTheReason(path) ? PasswordCheck::Wrong : PasswordCheck::Unusable;
    };
    if (askPassword(m_ui, path, m_session.SourcePassword, judge) != PasswordCheck::Accepted)
        return false;
    m_session.SourcePasswordFile = path;
    return true;
}

void SourcePassword::CmdBrowse_Click(QString& TextFile)
{
    useSource(m_dialogs.ChoosePdfToOpen(), TextFile);
}

void SourcePassword::useSource(const QString& path, QString& TextFile)
{
    if (path.isEmpty())
        return;
    TextFile = path;
    m_session.SourcePassword.clear();
    m_session.SourcePasswordFile.clear();
    if (TestPassword(path, QString()) || !passwordIsTheReason(path))
        return;
    AskSourcePassword(path);
}

} // namespace paginor
