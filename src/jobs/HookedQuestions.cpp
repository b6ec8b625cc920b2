// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "jobs/HookedQuestions.h"

namespace paginor {

HookedQuestions::HookedQuestions(UserQuestions& inner) : m_inner(inner) {}

void HookedQuestions::setBeforeModal(std::function<void()> hook)
{
    m_beforeModal = std::move(hook);
}

void HookedQuestions::beforeModal()
{
    if (m_beforeModal)
        m_beforeModal();
}

UserQuestions::Reply HookedQuestions::message(const QString& text, Icon icon, const QString& title,
                                              Buttons buttons)
{
    beforeModal();
    return m_inner.message(text, icon, title, buttons);
}

bool HookedQuestions::inputBox(const QString& prompt, const QString& title, QString& text)
{
    beforeModal();
    return m_inner.inputBox(prompt, title, text);
}

QStringList HookedQuestions::fileDialog(const FileDialogRequest& request)
{
    beforeModal();
    return m_inner.fileDialog(request);
}

} // namespace paginor
