// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"
#include "jobs/UserQuestions.h"

#include <type_traits>

namespace paginor {

// What a job is given, with the engine, to reach the person in front of it: whom to ask and
// where to show how it goes. The window gives two objects (its dialogs and a panel's state);
// the terminal and the tests' script are both in one, which converts on its own.
struct JobSeam
{
    JobSeam(UserQuestions& ask, JobFeedback& show) : questions(ask), feedback(show) {}

    template <class Both, std::enable_if_t<std::is_base_of_v<UserQuestions, Both> &&
                                               std::is_base_of_v<JobFeedback, Both>,
                                           int> = 0>
    JobSeam(Both& both) : questions(both), feedback(both)
    {
    }

    UserQuestions& questions;
    JobFeedback& feedback;
};

} // namespace paginor
