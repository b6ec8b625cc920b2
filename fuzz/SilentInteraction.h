// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"
#include "jobs/UserQuestions.h"

#include <cstdlib>

namespace paginor::fuzz {

// A user who answers OK to every message and cancels every prompt; the file dialog answers
// `chosen`. It checks that busy and wait states are always undone.
class SilentInteraction : public UserQuestions, public JobFeedback
{
public:
    QStringList chosen;
    int busy = 0;
    int wait = 0;

    Reply message(const QString&, Icon, const QString&, Buttons b) override
    {
        return b == Buttons::YesNo ? Reply::No : Reply::Ok;
    }
    bool inputBox(const QString&, const QString&, QString&) override { return false; }
    QStringList fileDialog(const FileDialogRequest&) override { return chosen; }
    void setBusy(bool on) override { busy += on ? 1 : -1; }
    void setWaitCursor(bool on) override { wait += on ? 1 : -1; }

    // Aborts unless every busy or wait state that was entered was left again.
    void checkIdle() const
    {
        if (busy != 0 || wait != 0)
            std::abort();
    }
};

} // namespace paginor::fuzz
