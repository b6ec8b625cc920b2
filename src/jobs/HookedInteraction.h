#pragma once

#include "jobs/Interaction.h"

#include <functional>

namespace paginor {

// Passes every call on to another Interaction, and runs a hook just before each modal one
// (message, input box, file dialog). A job uses it to put what it has rewritten so far (a
// trimmed path, normalised numbers) on screen before the user is asked anything.
class HookedInteraction : public Interaction
{
public:
    explicit HookedInteraction(Interaction& inner);

    // The hook for the modal calls from now on; an empty function clears it.
    void setBeforeModal(std::function<void()> hook);

    Reply message(const QString& text, Icon icon, const QString& title,
                  Buttons buttons = Buttons::Ok) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;
    void setStatus(const QString& text) override;
    void setBusy(bool busy) override;
    void setWaitCursor(bool wait) override;
    void setProgress(int value) override;
    void yield() override;
    void runWhileYielding(const std::function<void()>& work) override;

private:
    void beforeModal();

    Interaction& m_inner;
    std::function<void()> m_beforeModal;
};

} // namespace paginor
