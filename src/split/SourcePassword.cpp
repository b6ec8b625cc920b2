#include "split/SourcePassword.h"

#include "engine/PDFLibrary.h"
#include "jobs/Interaction.h"
#include "jobs/PasswordPrompt.h"
#include "jobs/Session.h"

namespace paginor {

SourcePassword::SourcePassword(PDFLibrary& engine, Session& session, Interaction& ui)
    : m_engine(engine), m_session(session), m_ui(ui), m_dialogs(session, ui)
{
}

bool SourcePassword::TestPassword(const QString& FileName, const QString& Password)
{
    // Called directly, not through runWhileYielding: the panel is not disabled at this point,
    // and letting events through would let another job reach the engine meanwhile.
    return testPassword(m_engine, FileName, Password);
}

bool SourcePassword::AskSourcePassword(const QString& path)
{
    if (!askPassword(m_ui, path, m_session.SourcePassword,
                     [&](const QString& answer) { return TestPassword(path, answer); }))
        return false;
    m_session.SourcePasswordFile = path;
    return true;
}

void SourcePassword::CmdBrowse_Click(QString& TextFile)
{
    const QString path = m_dialogs.ChoosePdfToOpen();
    if (path.isEmpty())
        return;
    TextFile = path;
    m_session.SourcePassword.clear();
    m_session.SourcePasswordFile.clear();
    if (TestPassword(path, QString()))
        return;
    AskSourcePassword(path);
}

} // namespace paginor
