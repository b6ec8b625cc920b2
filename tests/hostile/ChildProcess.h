// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <functional>
#include <string>

namespace paginor::test {

// How a child process ended.
struct ChildResult
{
    enum class End
    {
        Exited,    // `status` is the exit code; 0 after the work returned
        Signalled, // `status` is the signal (a crash)
        TimedOut,  // killed at the deadline (a hang)
    };
    End end = End::Exited;
    int status = 0;
    std::string report; // what the work returned
    long peakKb = 0;    // the child's peak resident memory
    // "exited 0", "killed by signal 11", "no answer after 30 s", for failure messages.
    std::string describe() const;
    bool ok() const { return end == End::Exited && status == 0; }
};

struct ChildLimits
{
    double seconds = 60; // the deadline, before the sanitizer slowdown is applied
    int openFiles = 0;   // RLIMIT_NOFILE in the child; 0 = inherited
};

// Runs `work` in a forked child so that a crash or a hang fails the calling test instead of
// ending or blocking the whole suite. The child has no test framework state: `work` reports
// by its returned text, and a thrown exception ends the child with status 3. In sanitizer
// builds the child checks for leaks before it exits (status 23 on a leak) and the deadline
// grows by sanitizerSlowdown().
ChildResult runInChild(const std::function<std::string()>& work, const ChildLimits& limits = {});

// How much slower the sanitizer build runs, roughly: 1 in the normal build.
double sanitizerSlowdown();

// True in the AddressSanitizer build.
bool underSanitizer();

} // namespace paginor::test
