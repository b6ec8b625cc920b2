#include "jobs/HookedInteraction.h"

namespace paginor {

HookedInteraction::HookedInteraction(Interaction& inner) : m_inner(inner) {}

void HookedInteraction::setBeforeModal(std::function<void()> hook)
{
    m_beforeModal = std::move(hook);
}

void HookedInteraction::beforeModal()
{
    if (m_beforeModal)
        m_beforeModal();
}

Interaction::Reply HookedInteraction::message(const QString& text, Icon icon, const QString& title,
                                              Buttons buttons)
{
    beforeModal();
    return m_inner.message(text, icon, title, buttons);
}

bool HookedInteraction::inputBox(const QString& prompt, const QString& title, QString& text)
{
    beforeModal();
    return m_inner.inputBox(prompt, title, text);
}

QStringList HookedInteraction::fileDialog(const FileDialogRequest& request)
{
    beforeModal();
    return m_inner.fileDialog(request);
}

void HookedInteraction::setStatus(const QString& text)
{
    m_inner.setStatus(text);
}

void HookedInteraction::setBusy(bool busy)
{
    m_inner.setBusy(busy);
}

void HookedInteraction::setWaitCursor(bool wait)
{
    m_inner.setWaitCursor(wait);
}

void HookedInteraction::setProgress(int value)
{
    m_inner.setProgress(value);
}

void HookedInteraction::yield()
{
    m_inner.yield();
}

void HookedInteraction::runWhileYielding(const std::function<void()>& work)
{
    m_inner.runWhileYielding(work);
}

} // namespace paginor
