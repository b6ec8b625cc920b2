#include "split/SourcePassword.h"

#include "engine/PDFLibrary.h"
#include "jobs/Interaction.h"
#include "jobs/Messages.h"
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
    const int32_t handle = m_engine.ProbeOpen(FileName, Password);
    bool isNumber = false;
    m_engine.ProbeInfo(handle, 20).toInt(&isNumber);
    const bool closed = m_engine.ProbeClose(handle);
    return handle > 0 && isNumber && closed;
}

bool SourcePassword::AskSourcePassword(const QString& path)
{
    const QString prompt = QString::fromLatin1(kMsgPasswordPrompt) + path;
    for (;;) {
        QString answer = m_session.SourcePassword;
        if (!m_ui.inputBox(prompt, QStringLiteral("Need password"), answer))
            answer.clear();
        m_session.SourcePassword = answer;
        if (answer.isEmpty())
            return false;
        if (TestPassword(path, answer)) {
            m_session.SourcePasswordFile = path;
            return true;
        }
    }
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
    if (TestPassword(path, QString()))
        return;
    AskSourcePassword(path);
}

} // namespace paginor
