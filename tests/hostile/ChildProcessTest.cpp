// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The watchdog must turn a crash or a hang into a failed result, or the hostile suite would
// pass (or block) without telling.
#include "hostile/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using paginor::test::ChildLimits;
using paginor::test::ChildResult;
using paginor::test::runInChild;

TEST(ChildProcess, ReportsHowTheWorkEnded)
{
    const ChildResult fine = runInChild([] { return std::string("done"); });
    EXPECT_TRUE(fine.ok()) << fine.describe();
    EXPECT_EQ(fine.report, "done");

    const ChildResult crashed = runInChild([]() -> std::string {
        std::raise(SIGSEGV);
        return "not reached";
    });
    // Under the sanitizer the crash becomes its report and a failing exit code.
    EXPECT_FALSE(crashed.ok());
    EXPECT_NE(crashed.end, ChildResult::End::TimedOut);

    const ChildResult threw = runInChild([]() -> std::string { throw std::runtime_error("x"); });
    EXPECT_EQ(threw.status, 3);

    ChildLimits quick;
    quick.seconds = 0.3;
    const ChildResult hung = runInChild(
        [] {
            for (;;)
                ::pause();
            return std::string();
        },
        quick);
    EXPECT_EQ(hung.end, ChildResult::End::TimedOut);
}

TEST(ChildProcess, AppliesTheOpenFileLimit)
{
    ChildLimits limits;
    limits.openFiles = 32;
    const ChildResult r = runInChild(
        [] {
            int opened = 0;
            while (opened < 100 && ::open("/dev/null", O_RDONLY) >= 0)
                ++opened;
            return std::to_string(opened);
        },
        limits);
    ASSERT_TRUE(r.ok()) << r.describe();
    EXPECT_LT(std::stoi(r.report), 32);
}
