// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PageList.h"

#include <gtest/gtest.h>

using paginor::EngineError;
using paginor::parsePageList;

namespace {

struct Case
{
    const char* text;
    int total;
    std::vector<int32_t> pages; // one-based, as a user writes them
    EngineError error;
};

std::vector<int32_t> oneBased(std::vector<int32_t> pages)
{
    for (auto& p : pages)
        ++p;
    return pages;
}

} // namespace

TEST(PageList, FollowsTheListRules)
{
    const EngineError ok = EngineError::None;
    const EngineError bad = EngineError::BadPageList;
    const EngineError none = EngineError::EmptySelection;
    const std::vector<Case> cases = {
        {"1,3,5-7", 10, {1, 3, 5, 6, 7}, ok},
        {"3,1,3", 5, {3, 1, 3}, ok}, // list order, duplicates kept
        {"12-3", 12, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3}, ok},
        {"4-4", 5, {4}, ok},
        {"1,,2,", 5, {1, 2}, ok},          // empty items skipped
        {" 2 , 4 - 5 ", 5, {2, 4, 5}, ok}, // blanks around numbers
        {"8-20", 10, {8, 9, 10}, ok},      // stops at the last page
        {"11,2", 10, {2}, ok},             // starts past the last page: nothing
        {"15-3", 10, {}, none},
        {"11-20", 10, {}, none},
        {"", 10, {}, none},
        {",,", 10, {}, none},
        {"1", 0, {}, none},
        {"007", 10, {7}, ok},
        {"1-2147483647", 3, {1, 2, 3}, ok},
        {"0", 10, {}, bad},
        {"0-3", 10, {}, bad},
        {"-3", 10, {}, bad},
        {"+3", 10, {}, bad},
        {"5-", 10, {}, bad},
        {"1--3", 10, {}, bad},
        {"1-2-3", 10, {}, bad},
        {"a", 10, {}, bad},
        {"1,x,2", 10, {}, bad},
        {"2147483648", 10, {}, bad},
        {"99999999999999999999", 10, {}, bad},
        {"1.5", 10, {}, bad},
        {"1;2", 10, {}, bad},
        {"\xd9\xa3", 10, {}, bad}, // a non-ASCII digit
        {"1 2", 10, {}, bad},
    };
    for (const auto& c : cases) {
        const auto result = parsePageList(c.text, c.total);
        EXPECT_EQ(result.error, c.error) << '"' << c.text << '"';
        EXPECT_EQ(oneBased(result.pages), c.pages) << '"' << c.text << '"';
    }
}

TEST(PageList, HugeSelectionsAreRefusedNotExhaustingMemory)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "1-100000,";
    const auto result = parsePageList(text, 100000);
    EXPECT_EQ(result.error, EngineError::BadPageList);
    EXPECT_TRUE(result.pages.empty());
}

TEST(PageList, NamesTheRefusedItemAndWhatLiesPastTheEnd)
{
    struct Told
    {
        const char* text;
        int total;
        const char* badItem;
        const char* pastEnd; // "first-last" per span, joined by ","
    };
    const Told cases[] = {
        {"5-999", 36, "", "37-999"},  {"1,50-60, 40 ,36-37", 36, "", "50-60,40-40,37-37"},
        {"999-5,3", 36, "", "999-5"}, // starts past the end: all of it is left out
        {"20-5", 36, "", ""},         {"1,3, x-2 ,0", 36, "x-2", ""},
        {"40,0", 36, "0", ""}, // a refused list reports nothing left out
    };
    for (const auto& c : cases) {
        const auto result = parsePageList(c.text, c.total);
        std::string spans;
        for (const auto& s : result.pastEnd)
            spans +=
                (spans.empty() ? "" : ",") + std::to_string(s.first) + '-' + std::to_string(s.last);
        EXPECT_EQ(result.badItem, c.badItem) << c.text;
        EXPECT_EQ(spans, c.pastEnd) << c.text;
    }
}
