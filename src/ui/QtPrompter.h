#pragma once

#include "jobs/Interaction.h"

class QWidget;

namespace paginor {

// The real modal prompts: message boxes, the masked input box and the file dialogs, each shown
// over `owner`. Only message(), inputBox() and fileDialog() do anything; the window state
// calls are left to WindowInteraction.
class QtPrompter : public Interaction
{
public:
    explicit QtPrompter(QWidget* owner);

    Reply message(const QString& text, Icon icon, const QString& title,
                  Buttons buttons = Buttons::Ok) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;

    void setStatus(const QString&) override {}
    void setBusy(bool) override {}
    void setWaitCursor(bool) override {}
    void setProgress(int) override {}
    void yield() override {}
    void runWhileYielding(const std::function<void()>& work) override { work(); }

private:
    QWidget* m_owner;
};

} // namespace paginor
