#pragma once

#include "split/SplitOptions.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace paginor {

// What the summary says when the split would write nothing.
inline const char* const kWritesNoFileText = "Writes no file.";

// One output file a split will write.
struct PlannedPart
{
    QString pageList;      // the page-list text it is cut with; names it in the pages-per-file mode
    int32_t pageCount = 0; // the pages it will hold
    QString holds;         // those pages as runs ("301-311"); "" when they make more than a few
    bool cutShort = false; // its list names pages past the last one
};

// What "&Split" will do with a mode and its boxes on a source of a known page count.
struct SplitPlan
{
    SplitMode mode = SplitMode::PageRange;
    int32_t pageTotal = 0;
    QString refusal;                // the option check's message when the split stops there
    bool listRefused = false;       // the engine refuses the page list...
    QString badItem;                // ...at this item
    std::vector<PlannedPart> parts; // the files written, in order; empty when none is
    QStringList pastEnd;            // what a single list names past the last page: "37-999", "40"
};

// Works the plan out with the split job's own steps: the option check, the page-list texts
// and the engine's page-list reader. Pure; `options` is taken as the panel holds it.
SplitPlan planSplit(const SplitOptions& options, int32_t pageTotal);

// The summary line for the split panel, such as "311 pages. Writes 7 files: Page 1-50,
// Page 51-100, … Page 301-350 (holds 301-311)." or "36 pages. Writes 1 file with 32 pages
// (5-36). Pages 37-999 are past the end."
QString summaryText(const SplitPlan& plan);

// The summary's closing remark on what lies past the end or is not valid; "" when none.
QString remarkText(const SplitPlan& plan);

// The file that part `index` is written to when the save dialog answered `chosenPath`.
QString plannedPath(const SplitPlan& plan, size_t index, const QString& chosenPath);

// "1 page", "311 pages".
QString pagesText(int64_t count);

} // namespace paginor
