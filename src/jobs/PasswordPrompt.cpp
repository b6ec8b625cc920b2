// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "jobs/PasswordPrompt.h"

#include "engine/EngineError.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/UserQuestions.h"

namespace paginor {

bool testPassword(PDFLibrary& engine, const QString& path, const QString& password)
{
    const int32_t handle = engine.ProbeOpen(path, password);
    bool isNumber = false;
    engine.ProbeInfo(handle, 20).toInt(&isNumber);
    const bool closed = engine.ProbeClose(handle);
    return handle > 0 && isNumber && closed;
}

PasswordCheck judgePassword(PDFLibrary& engine, const QString& path, const QString& password)
{
    if (testPassword(engine, path, password))
        return PasswordCheck::Accepted;
    return engine.LastErrorNumber() == int32_t(EngineError::PasswordRequired)
               ? PasswordCheck::Wrong
               : PasswordCheck::Unusable;
}

PasswordCheck askPassword(UserQuestions& ui, const QString& path, QString& password,
                          const std::function<PasswordCheck(const QString&)>& judge)
{
    const QString prompt = shownText(kMsgPasswordPrompt) + path;
    for (;;) {
        QString answer = password;
        if (!ui.inputBox(prompt, shownText(kMsgPasswordTitle), answer))
            answer.clear();
        password = answer;
        if (answer.isEmpty())
            return PasswordCheck::Cancelled;
        const PasswordCheck check = judge(answer);
        if (check == PasswordCheck::Unusable)
            password.clear();
        if (check != PasswordCheck::Wrong)
            return check;
    }
}

} // namespace paginor
