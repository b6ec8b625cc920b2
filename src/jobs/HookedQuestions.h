// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/UserQuestions.h"

#include <functional>

namespace paginor {

// Passes every question on to another UserQuestions, and runs a hook just before each one. A
// job uses it to put what it has rewritten so far (a trimmed path, normalised numbers) on
// screen before the user is asked anything.
class HookedQuestions : public UserQuestions
{
public:
    explicit HookedQuestions(UserQuestions& inner);

    // The hook for the questions from now on; an empty function clears it.
    void setBeforeModal(std::function<void()> hook);

    Reply message(const QString& text, Icon icon, const QString& title,
                  Buttons buttons = Buttons::Ok) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;

private:
    void beforeModal();

    UserQuestions& m_inner;
    std::function<void()> m_beforeModal;
};

} // namespace paginor
