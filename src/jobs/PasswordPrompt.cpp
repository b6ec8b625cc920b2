#include "jobs/PasswordPrompt.h"

#include "engine/PDFLibrary.h"
#include "jobs/Interaction.h"

namespace paginor {

bool testPassword(PDFLibrary& engine, const QString& path, const QString& password)
{
    const int32_t handle = engine.ProbeOpen(path, password);
    bool isNumber = false;
    engine.ProbeInfo(handle, 20).toInt(&isNumber);
    const bool closed = engine.ProbeClose(handle);
    return handle > 0 && isNumber && closed;
}

bool askPassword(Interaction& ui, const QString& path, QString& password,
                 const std::function<bool(const QString&)>& accepts)
{
    const QString prompt = QString::fromUtf8(kPasswordPrompt) + path;
    for (;;) {
        QString answer = password;
        if (!ui.inputBox(prompt, QString::fromUtf8(kPasswordTitle), answer))
            answer.clear();
        password = answer;
        if (answer.isEmpty())
            return false;
        if (accepts(answer))
            return true;
    }
}

} // namespace paginor
