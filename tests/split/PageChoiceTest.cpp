// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The page window's model: choosing pages, marking cuts, and the texts they give the boxes.
#include "split/PageChoice.h"

#include <gtest/gtest.h>

using namespace paginor;
using Click = PageChoice::Click;

TEST(PageChoiceTest, PageListTextIsTheShortestForm)
{
    const struct
    {
        std::vector<int32_t> pages;
        const char* text;
    } cases[] = {
        {{}, ""},
        {{7}, "7"},
        {{1, 3, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}, "1,3,10-25"},
        {{4, 5}, "4,5"},          // a pair is no shorter joined
        {{5, 4, 6, 6, 4}, "4-6"}, // any order, repeats once
        {{0, -3, 2}, "2"},        // pages count from 1
        {{9, 10, 11, 13, 14}, "9-11,13,14"},
        {{2147483646, 2147483647}, "2147483646,2147483647"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageListText(c.pages).toStdString(), c.text) << c.text;
}

TEST(PageChoiceTest, ClicksChooseAsInAFileManager)
{
    PageChoice choice(20);
    const struct
    {
        int32_t page;
        Click how;
        const char* after;
    } steps[] = {
        {4, Click::Shift, "5"},         // no anchor yet: a plain click
        {9, Click::Shift, "5-10"},      // from the anchor
        {2, Click::Shift, "3-5"},       // backwards, replacing
        {7, Click::Ctrl, "3-5,8"},      // adds, and moves the anchor
        {4, Click::Ctrl, "3,4,8"},      // removes
        {10, Click::ShiftCtrl, "3-11"}, // from the anchor the Ctrl click left
        {15, Click::Plain, "16"},       {15, Click::Ctrl, ""},
        {25, Click::Plain, ""}, // outside the document: ignored
    };
    for (const auto& s : steps) {
        choice.click(s.page, s.how);
        EXPECT_EQ(choice.customText().toStdString(), s.after) << "page " << s.page;
    }
    choice.selectAll();
    EXPECT_EQ(choice.customText(), "1-20");
    EXPECT_EQ(choice.selectedCount(), 20);
}

TEST(PageChoiceTest, RubberBandReplacesOrAdds)
{
    PageChoice choice(10);
    choice.click(0, Click::Plain);
    choice.beginBand(false);
    choice.setBand({4, 5});
    choice.setBand({4, 5, 6}); // the band grows: still only what it covers
    EXPECT_EQ(choice.customText(), "5-7");
    choice.beginBand(true);
    choice.setBand({8, 9});
    choice.setBand({9});
    EXPECT_EQ(choice.customText(), "5-7,10");
}

TEST(PageChoiceTest, CutsGiveTheSplitAfterList)
{
    PageChoice choice(50);
    for (int32_t page : {39, 4, 11, 20, 49})
        choice.toggleCut(page);
    choice.toggleCut(20);                     // a second click takes it away
    EXPECT_EQ(choice.afterText(), "5,12,40"); // none after the last page
    EXPECT_TRUE(choice.hasCutAfter(11));

    // The boxes' texts go back in as they came out; what is not a page here is skipped.
    PageChoice again(50);
    again.takeAfterText(QStringLiteral("40, 5,x,12,50,0,99"));
    EXPECT_EQ(again.afterText(), "5,12,40");
    again.takeCustomText(QStringLiteral("1,3,10-25,45-60"));
    EXPECT_EQ(again.customText(), "1,3,10-25,45-50");
    again.takeCustomText(QStringLiteral("1,x"));
    EXPECT_EQ(again.customText(), "");

    again.reset(3);
    EXPECT_EQ(again.afterText(), "");
    EXPECT_EQ(again.pageCount(), 3);
}
