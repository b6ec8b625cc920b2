#pragma once

#include "jobs/Interaction.h"

#include <QCursor>
#include <QPointer>
#include <vector>

class QLabel;
class QProgressBar;
class QWidget;

namespace paginor {

// The window's side of the interaction seam for one job panel: the status label, the busy
// state of that panel and the tab strip, the hourglass, the merge progress bar, and yielding.
// The modal prompts are passed on to `prompter` (the real dialogs, or a scripted fake).
// The hourglass covers the panel's window only, so message boxes keep the normal pointer.
class WindowInteraction : public Interaction
{
public:
    explicit WindowInteraction(Interaction& prompter);
    ~WindowInteraction() override;

    // The widgets this interaction drives; any may be null (then that part does nothing).
    void setWidgets(QWidget* jobPanel, QWidget* tabStrip, QLabel* status, QProgressBar* progress);

    Reply message(const QString& text, Icon icon, const QString& title,
                  Buttons buttons = Buttons::Ok) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;

    void setStatus(const QString& text) override;
    void setBusy(bool busy) override;
    void setWaitCursor(bool wait) override;
    void setProgress(int value) override;
    void yield() override;
    // Runs `work` on a worker thread while a local event loop keeps the window painting.
    // An exception thrown by `work` is rethrown here.
    void runWhileYielding(const std::function<void()>& work) override;

private:
    void pushCursor();
    void popCursor();

    Interaction& m_prompter;
    QPointer<QWidget> m_panel;
    QPointer<QWidget> m_tabStrip;
    QPointer<QLabel> m_status;
    QPointer<QProgressBar> m_progress;
    int m_cursorDepth = 0;
    // While the hourglass shows: its window and the pointers put aside for it.
    struct SavedCursor
    {
        QPointer<QWidget> widget;
        QCursor cursor;
        bool own = false; // set on the widget itself, not inherited
    };
    std::vector<SavedCursor> m_savedCursors;
    bool m_busy = false;
    bool m_wait = false;
};

} // namespace paginor
