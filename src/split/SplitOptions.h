// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace paginor {

class UserQuestions;

// The ways to cut a source, in the order of the option buttons.
enum class SplitMode
{
    EveryN = 0,  // one file per run of n pages
    PageRange,   // one file: from-to
    OddPages,    // one file: 1,3,5,...
    EvenPages,   // one file: 2,4,6,...
    CustomPages, // one file: the user's page list
    Bookmarks,   // one file per bookmark of the level in TextLevel
    AfterPages,  // one file per run of pages between the cuts after the pages in TextAfter
    SizeParts,   // one file per run of pages that fits in the megabytes of TextSize
};

// True for the modes that write a file per part, named after the chosen output.
inline bool writesParts(SplitMode mode)
{
    return mode == SplitMode::EveryN || mode == SplitMode::Bookmarks ||
           mode == SplitMode::AfterPages || mode == SplitMode::SizeParts;
}

// The option boxes that can receive the focus.
enum class OptionField
{
    None,
    TextEvery,
    TextFrom,
    TextTo,
    TextCustom,
    TextLevel,
    TextAfter,
    TextSize,
};

// What the option panel holds: the selected mode and the texts of its four boxes. The
// defaults are those of a freshly opened window.
struct SplitOptions
{
    SplitMode mode = SplitMode::PageRange;
    QString TextEvery = QStringLiteral("10");
    QString TextFrom = QStringLiteral("1");
    QString TextTo = QStringLiteral("10");
    QString TextCustom = QStringLiteral("1,3,10-25,30-47");
    QString TextLevel = QStringLiteral("1");
    QString TextAfter = QStringLiteral("5,12,40");
    QString TextSize = QStringLiteral("10");
};

// The options of the selected mode once read: the mode, its numbers and its page list. The
// split job, the summary line and the command line all work from this, never from the boxes.
struct CheckedOptions
{
    SplitMode mode = SplitMode::PageRange;
    int32_t pagesPerFile = 0;  // EveryN: the pages of each file, 0 when not a usable count
    int32_t level = 0;         // Bookmarks: the outline level, 0 when not a usable level
    QString pageList;          // PageRange: "from-to"; CustomPages: the list, blanks trimmed
    std::vector<int32_t> cuts; // AfterPages: the pages cut after, ascending; empty when not valid
    int64_t sizeLimit = 0;     // SizeParts: the most bytes a file may have, 0 when not valid

    // The page-list texts of the output files for a source of `pageTotal` pages, in order; one
    // per file. EveryN gives "1-n", "(n+1)-(2n)", ... while the start is at most pageTotal, the
    // last end not cut back; PageRange and CustomPages their pageList; Odd/EvenPages every such
    // page up to pageTotal, each followed by ","; Bookmarks nothing, its parts come from the
    // source's outline; AfterPages the runs between the cuts (see afterPageLists); SizeParts
    // nothing, its parts come from the written sizes.
    QStringList pageLists(int32_t pageTotal) const;
};

struct ValidationResult
{
    bool goOn = true;
    OptionField focus = OptionField::None; // where the focus goes when !goOn
    QString refusal;                       // the message shown when !goOn
    CheckedOptions checked;                // what the boxes hold, when goOn
};

// The boxes of the selected mode read as they stand, without rewriting or refusing anything.
CheckedOptions readSplitOptions(const SplitOptions& options);

// Checks the inputs of the selected mode before the output is asked for, and shows nothing.
// Rewrites the number boxes of that mode (TextEvery; TextFrom and TextTo; TextLevel) as plain
// decimals, even when it stops, then reads them. Stops, with the message it would show, when:
// - EveryN and TextEvery is not a whole number from 1 to 2147483647 once rounded half to even
//   ("Please input a valid number", focus TextEvery);
// - CustomPages and TextCustom is empty or blank ("Please input the page number", focus
//   TextCustom);
// - Bookmarks and TextLevel is no level from 1 on (the same message as TextEvery, focus
//   TextLevel);
// - AfterPages and TextAfter names no page, or has an item that is no page number
//   ("Please input the page number", focus TextAfter);
// - SizeParts and TextSize is no number of megabytes above 0 (the same message as TextEvery,
//   focus TextSize).
ValidationResult checkSplitOptions(SplitOptions& options);

// checkSplitOptions, showing its message through `ui` (exclamation, "Error") when it stops.
ValidationResult ValidateSplitInputs(SplitOptions& options, UserQuestions& ui);

// The page lists (see CheckedOptions::pageLists) of the boxes as they stand. Expects options
// that passed ValidateSplitInputs.
QStringList BuildPageLists(const SplitOptions& options, int32_t pageTotal);

// The pages-per-file count of TextEvery, or 0 when it is not a usable count. A bookmark level
// follows the same rule.
int32_t pagesPerFile(const QString& textEvery);

// One megabyte, as the size box counts it.
constexpr int64_t kBytesPerMegabyte = 1024 * 1024;

// The bytes of TextSize, a whole or decimal number of megabytes ("10", "2.5", ".5", blanks
// around it allowed), rounded to a whole byte; 0 when it is not such a number, is 0 or rounds
// to 0 bytes, or is above 1048576 (a terabyte).
int64_t sizeLimitBytes(const QString& textSize);

} // namespace paginor
