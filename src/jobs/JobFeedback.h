// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <functional>

namespace paginor {

// How a running job shows that it works: the status text, the busy state, the hourglass, the
// progress bar, and keeping the window painting. None of it waits for anyone. Each call does
// nothing unless overridden and runWhileYielding runs its work inline, so a plain JobFeedback
// is a job that nobody watches; an implementation overrides only what it shows.
class JobFeedback
{
public:
    virtual ~JobFeedback() = default;

    // The status label of the split panel.
    virtual void setStatus(const QString& text);

    // Busy: the job's panel and the tab strip are disabled and the pointer is the hourglass.
    virtual void setBusy(bool busy);

    // The hourglass pointer alone, with nothing disabled.
    virtual void setWaitCursor(bool wait);

    // The merge progress bar: a value from 0 to 100, or -1 to hide it.
    virtual void setProgress(int value);

    // Lets the event loop run once.
    virtual void yield();

    // Runs `work` to its end while the window keeps repainting. The work must not touch the
    // user interface. An exception thrown by `work` reaches the caller.
    virtual void runWhileYielding(const std::function<void()>& work);
};

} // namespace paginor
