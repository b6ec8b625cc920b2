// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "jobs/JobFeedback.h"

namespace paginor {

void JobFeedback::setStatus(const QString&) {}

void JobFeedback::setBusy(bool) {}

void JobFeedback::setWaitCursor(bool) {}

void JobFeedback::setProgress(int) {}

void JobFeedback::yield() {}

void JobFeedback::runWhileYielding(const std::function<void()>& work)
{
    work();
}

} // namespace paginor
