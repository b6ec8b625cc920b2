// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/Messages.h"
#include "split/PageCountProbe.h"
#include "split/SplitOptions.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace paginor {

// What the summary says when the split would write nothing.
inline const char* const kWritesNoFileText = QT_TRANSLATE_NOOP("Messages", "Writes no file.");
// What precedes the first item of a page list the engine refuses.
inline const char* const kListNotValidText =
    QT_TRANSLATE_NOOP("Messages", "This page list is not valid: ");
// What precedes the items of a page list that lie past the last page.
inline const char* const kLeftOutText =
    QT_TRANSLATE_NOOP("Messages", "Past the end, so left out: ");
// What it says of a range typed backwards from a page past the last one: "40 to 5" of 36 pages.
inline const char* const kRangeStartsPastEndText =
    QT_TRANSLATE_NOOP("Messages", "The range starts past the end, so it selects nothing.");
// What it says at bookmarks when the source's outline cannot be read: the split would fail.
inline const char* const kOutlineUnreadableText =
    QT_TRANSLATE_NOOP("Messages", "The bookmarks can not be read");

// One output file a split will write.
struct PlannedPart
{
    QString pageList;      // the page-list text it is cut with; names it in the pages-per-file mode
    int32_t pageCount = 0; // the pages it will hold
    QString holds;         // those pages as runs ("301-311"); "" when they make more than a few
    bool cutShort = false; // its list names pages past the last one
    QString title;         // at bookmarks: the title of the bookmark that names it
};

// What "&Split" will do with a mode and its boxes on a source of a known page count.
struct SplitPlan
{
    SplitMode mode = SplitMode::PageRange;
    int32_t pageTotal = 0;
    QString refusal;                // the option check's message when the split stops there
    bool outlineUnreadable = false; // at bookmarks: the split would fail reading the outline
    bool listRefused = false;       // the engine refuses the page list...
    QString badItem;                // ...at this item
    std::vector<PlannedPart> parts; // the files written, in order; empty when none is
    QStringList pastEnd;            // what a single list names past the last page: "37-999", "40"
    bool backwardsFromPastEnd = false; // the page range runs backwards from past the last page
    QString sizeText;                  // by size: the size box as typed, blanks trimmed ("10")
    int64_t aboutFiles = 0; // by size: the files the source's size makes likely, at least 1
};

// Works the plan out for a counted source with the split job's own steps: the option check,
// the page-list texts and the engine's page-list reader, or at bookmarks the parts of the
// source's outline. Pure; `options` is taken as the panel holds it.
SplitPlan planSplit(const SplitOptions& options, const SourceCount& source);

// The summary line for the split panel, such as "311 pages. Writes 7 files: Page 1-50,
// Page 51-100, … Page 301-350 (holds 301-311)." or "36 pages. Writes 1 file with 32 pages
// (5-36). Pages 37-999 are past the end."
QString summaryText(const SplitPlan& plan);

// The summary's closing remark on what lies past the end or is not valid; "" when none.
QString remarkText(const SplitPlan& plan);

// The file that part `index` is written to when the save dialog answered `chosenPath`.
QString plannedPath(const SplitPlan& plan, size_t index, const QString& chosenPath);

// By size: "Writes files of at most 10 MB, about 3 or more.", from the source's size; only
// the written files tell exactly, as what pages share (fonts, pictures) goes into each file.
QString sizePartsText(const SplitPlan& plan);

// "1 page", "311 pages".
QString pagesText(int64_t count);

} // namespace paginor
