// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"

#include <QString>

namespace paginor {

// Holds a job's panel busy for as long as it lives, and leaves the busy state on every way
// out, before the job shows its outcome. It may show a status text meanwhile (after letting
// the window paint once) and start the progress bar at a value; both are cleared again.
class BusyGuard
{
public:
    explicit BusyGuard(JobFeedback& feedback, const QString& status = QString(), int progress = -1)
        : m_feedback(feedback), m_status(!status.isEmpty()), m_progress(progress >= 0)
    {
        if (m_status) {
            m_feedback.yield();
            m_feedback.setStatus(status);
        }
        m_feedback.setBusy(true);
        if (m_progress)
            m_feedback.setProgress(progress);
    }
    ~BusyGuard()
    {
        if (m_status)
            m_feedback.setStatus(QString());
        m_feedback.setBusy(false);
        if (m_progress)
            m_feedback.setProgress(-1);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    JobFeedback& m_feedback;
    bool m_status;
    bool m_progress;
};

} // namespace paginor
