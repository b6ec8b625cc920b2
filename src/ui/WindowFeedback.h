// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"

#include <QCursor>
#include <QPointer>
#include <vector>

class QLabel;
class QProgressBar;
class QWidget;

namespace paginor {

// How one job panel shows that its job works: the status label, the busy state of that panel
// and the tab strip, the hourglass, the merge progress bar, and yielding. The hourglass covers
// the panel's window only, so message boxes keep the normal pointer.
class WindowFeedback : public JobFeedback
{
public:
    WindowFeedback() = default;
    ~WindowFeedback() override;

    // The widgets this interaction drives; any may be null (then that part does nothing).
    void setWidgets(QWidget* jobPanel, QWidget* tabStrip, QLabel* status, QProgressBar* progress);

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
