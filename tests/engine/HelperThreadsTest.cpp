// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/HelperThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

using namespace paginor;

TEST(HelperThreads, EveryTaskRunsAndHandsBackItsResultOrFailure)
{
    std::atomic<int> ran{0};
    std::vector<std::future<int>> results;
    {
        HelperThreads helpers(2);
        for (int i = 0; i < 40; ++i)
            results.push_back(helpers.run([i, &ran] {
                ++ran;
                if (i == 7)
                    throw std::runtime_error("seven");
                return i * i;
            }));
        EXPECT_EQ(results[3].get(), 9);
        EXPECT_THROW(results[7].get(), std::runtime_error);
        // Tasks still queued when the helpers go are run first.
        for (int i = 0; i < 40; ++i)
            helpers.run([&ran] { ++ran; });
    }
    EXPECT_EQ(ran, 80);
    for (int i : {0, 20, 39})
        EXPECT_EQ(results[size_t(i)].get(), i * i);
}
