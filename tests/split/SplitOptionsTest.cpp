// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitOptions.h"
#include "split/NumberText.h"
#include "support/FakeInteraction.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace paginor;
using paginor::test::FakeInteraction;

TEST(NumberText, NormalisesLikeALeadingNumberReading)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"", "0"},
        {"007", "7"},
        {"000", "0"},
        {"abc", "0"},
        {"12abc", "12"},
        {" 1 2\t3\n", "123"}, // blanks, tabs and line feeds count nowhere
        {"- 5", "-5"},
        {"+8", "8"},
        {"-0", "0"},
        {"1.5", "1.5"},
        {"1.2.3", "1.2"},
        {".25", "0.25"},
        {"5.", "5"},
        {"1e3", "1000"},
        {"1E+2x", "100"},
        {"25e-1", "2.5"},
        {"1e", "1"},
        {"2e-", "2"},
        {"&H1F", "31"},
        {"&hff", "255"},
        {"&O17", "15"},
        {"& H 10", "16"},
        {"&H", "0"},
        {"&X5", "0"},
        {"--5", "0"},
        {"1,000", "1"},
        {"99999999999", "99999999999"},
        {"1e20", "100000000000000000000"},
        {"0.1", "0.1"},
        {"1e-5", "0.00001"},
        {"1.23456789012345678", "1.23456789012346"},
        {"1e-999", "0"},
        {"0e99999", "0"},
        {"\xC2\xBD", "0"}, // a non-ASCII character reads as no number
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseNumberText(QString::fromUtf8(c.in)), QString::fromUtf8(c.out))
            << "input: " << c.in;
}

TEST(NumberText, OverflowKeepsTheTextAndNeverGivesNaN)
{
    EXPECT_EQ(normaliseNumberText("1e999"), "1e999");
    EXPECT_TRUE(std::isinf(readLeadingNumber("1e999")));
    EXPECT_TRUE(std::isinf(readLeadingNumber("-" + QString(400, '9'))));
    EXPECT_FALSE(std::isnan(readLeadingNumber("&H" + QString(400, 'F'))));
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(0.6), 1);
}

TEST(SplitOptions, CountsThatAreNotAWholePositiveNumberAreRefused)
{
    const struct
    {
        const char* text;
        const char* normalised;
        bool ok;
    } cases[] = {
        {"", "0", false},
        {"000", "0", false},
        {"x", "0", false},
        {"0.4", "0.4", false},
        {"0.5", "0.5", false},
        {"-3", "-3", false},
        {"99999999999", "99999999999", false},
        {"2147483648", "2147483648", false},
        {"1e999", "1e999", false},
        {"0.6", "0.6", true},
        {"007", "7", true},
        {"2147483647", "2147483647", true},
    };
    // The pages-per-file count and the bookmark level follow the same rule.
    for (const bool level : {false, true})
        for (const auto& c : cases) {
            FakeInteraction ui;
            SplitOptions o;
            o.mode = level ? SplitMode::Bookmarks : SplitMode::EveryN;
            QString& box = level ? o.TextLevel : o.TextEvery;
            box = c.text;
            ValidationResult r = ValidateSplitInputs(o, ui);
            EXPECT_EQ(box, c.normalised) << c.text;
            EXPECT_EQ(r.goOn, c.ok) << c.text;
            if (c.ok) {
                EXPECT_TRUE(ui.calls.empty());
                continue;
            }
            EXPECT_EQ(r.focus, level ? OptionField::TextLevel : OptionField::TextEvery);
            ASSERT_EQ(ui.calls.size(), 1u) << c.text;
            EXPECT_EQ(ui.calls[0].text, "Please input a valid number");
            EXPECT_EQ(ui.calls[0].icon, UserQuestions::Icon::Exclamation);
            EXPECT_EQ(ui.calls[0].title, "Error");
        }
}

TEST(SplitOptions, OtherModesCheckOnlyWhatTheyUse)
{
    FakeInteraction ui;
    SplitOptions range;
    range.TextFrom = "";
    range.TextTo = "0010";
    range.TextEvery = "junk"; // not the selected mode: left alone
    EXPECT_TRUE(ValidateSplitInputs(range, ui).goOn);
    EXPECT_EQ(range.TextFrom, "0");
    EXPECT_EQ(range.TextTo, "10");
    EXPECT_EQ(range.TextEvery, "junk");
    EXPECT_EQ(BuildPageLists(range, 5), QStringList{"0-10"});

    SplitOptions custom;
    custom.mode = SplitMode::CustomPages;
    custom.TextCustom = "  4-6,9  ";
    EXPECT_TRUE(ValidateSplitInputs(custom, ui).goOn);
    EXPECT_EQ(custom.TextCustom, "  4-6,9  ");
    EXPECT_EQ(BuildPageLists(custom, 3), QStringList{"4-6,9"});
    EXPECT_TRUE(ui.calls.empty());

    custom.TextCustom = " \t ";
    ValidationResult r = ValidateSplitInputs(custom, ui);
    EXPECT_FALSE(r.goOn);
    EXPECT_EQ(r.focus, OptionField::TextCustom);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Please input the page number"});
    EXPECT_EQ(ui.calls[0].icon, UserQuestions::Icon::Exclamation);
}

TEST(SplitOptions, PageLists)
{
    auto lists = [](SplitMode mode, int total, const char* every = "10") {
        SplitOptions o;
        o.mode = mode;
        o.TextEvery = every;
        return BuildPageLists(o, total);
    };
    EXPECT_EQ(lists(SplitMode::EveryN, 20, "7"), (QStringList{"1-7", "8-14", "15-21"}));
    EXPECT_EQ(lists(SplitMode::EveryN, 30), (QStringList{"1-10", "11-20", "21-30"}));
    EXPECT_EQ(lists(SplitMode::EveryN, 25), (QStringList{"1-10", "11-20", "21-30"}));
    EXPECT_EQ(lists(SplitMode::EveryN, 5), QStringList{"1-10"});
    EXPECT_EQ(lists(SplitMode::EveryN, 0), QStringList{});
    EXPECT_EQ(lists(SplitMode::EveryN, 3, "2.5"), (QStringList{"1-2", "3-4"}));
    EXPECT_EQ(lists(SplitMode::EveryN, 4, "1").size(), 4);
    EXPECT_EQ(lists(SplitMode::OddPages, 8), QStringList{"1,3,5,7,"});
    EXPECT_EQ(lists(SplitMode::OddPages, 7), QStringList{"1,3,5,7,"});
    EXPECT_EQ(lists(SplitMode::OddPages, 1), QStringList{"1,"});
    EXPECT_EQ(lists(SplitMode::OddPages, 0), QStringList{""});
    EXPECT_EQ(lists(SplitMode::EvenPages, 9), QStringList{"2,4,6,8,"});
    EXPECT_EQ(lists(SplitMode::EvenPages, 1), QStringList{""});
    EXPECT_EQ(BuildPageLists(SplitOptions{}, 3), QStringList{"1-10"});
}

TEST(SplitOptions, SplitAfterPagesCutsAfterEachListedPage)
{
    const struct
    {
        const char* text;
        int32_t total;
        QStringList lists; // empty: refused
    } cases[] = {
        {"5,12,40", 50, {"1-5", "6-12", "13-40", "41-50"}},
        {" 40,5 ,,12,5", 50, {"1-5", "6-12", "13-40", "41-50"}}, // any order, blanks, repeats
        {"5,12,40", 12, {"1-5", "6-12"}},                        // cuts at or past the end
        {"1", 1, {"1-1"}},
        {"2147483647", 3, {"1-3"}},
        {"", 9, {}},
        {" , ", 9, {}},
        {"0,4", 9, {}},
        {"4-6", 9, {}},
        {"+4", 9, {}},
        {"2147483648", 9, {}},
    };
    for (const auto& c : cases) {
        FakeInteraction ui;
        SplitOptions o;
        o.mode = SplitMode::AfterPages;
        o.TextAfter = c.text;
        const ValidationResult r = ValidateSplitInputs(o, ui);
        EXPECT_EQ(r.goOn, !c.lists.isEmpty()) << c.text;
        EXPECT_EQ(BuildPageLists(o, c.total), c.lists) << c.text;
        if (!r.goOn) {
            EXPECT_EQ(r.focus, OptionField::TextAfter);
            EXPECT_EQ(ui.messageTexts(), QStringList{"Please input the page number"});
        }
    }
}

TEST(SplitOptions, SizeIsAWholeOrDecimalNumberOfMegabytesAboveZero)
{
    const struct
    {
        const char* text;
        int64_t bytes; // 0: refused
    } cases[] = {
        {"10", 10 * 1048576},
        {" 2.5 ", 2621440},
        {".5", 524288},
        {"5.", 5 * 1048576},
        {"0.000001", 1},
        {"1048576", int64_t(1) << 40},
        {"", 0},
        {"0", 0},
        {"0.0000001", 0}, // rounds to no byte
        {".", 0},
        {"1.2.3", 0},
        {"abc", 0},
        {"1e3", 0},
        {"-1", 0},
        {"1,5", 1572864}, // a decimal comma
        {"1,5.2", 0},
        {"1048577", 0},
    };
    for (const auto& c : cases) {
        FakeInteraction ui;
        SplitOptions o;
        o.mode = SplitMode::SizeParts;
        o.TextSize = c.text;
        const ValidationResult r = ValidateSplitInputs(o, ui);
        EXPECT_EQ(r.goOn, c.bytes != 0) << c.text;
        EXPECT_EQ(o.TextSize, c.text); // never rewritten
        EXPECT_EQ(r.checked.sizeLimit, c.bytes) << c.text;
        if (!r.goOn) {
            EXPECT_EQ(r.focus, OptionField::TextSize);
            EXPECT_EQ(ui.messageTexts(), QStringList{"Please input a valid number"});
        }
    }
}

TEST(SplitOptions, CountingStopsBeforeLeavingThe32BitRange)
{
    SplitOptions o;
    o.mode = SplitMode::EveryN;
    o.TextEvery = "2147483647";
    EXPECT_EQ(BuildPageLists(o, 2147483647), QStringList{"1-2147483647"});
    o.TextEvery = "1073741824";
    EXPECT_EQ(BuildPageLists(o, 2147483647),
              (QStringList{"1-1073741824", "1073741825-2147483647"}));
}
