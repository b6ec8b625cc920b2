// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitSummary.h"

#include "engine/PageList.h"
#include "jobs/Messages.h"
#include "split/BookmarkParts.h"
#include "split/SplitJob.h"

#include <QCoreApplication>

namespace paginor {

namespace {

const QChar kEllipsis(0x2026);

// More runs than this make a description longer than it helps.
constexpr size_t kMaxRuns = 3;
// Items past the end named before the rest go unnamed.
constexpr qsizetype kMaxPastEnd = 3;

QString spanText(int64_t first, int64_t last)
{
    return first == last ? QString::number(first)
                         : QString::number(first) + u'-' + QString::number(last);
}

// Zero-based pages as runs of neighbours in either direction, "5-36" or "12-3,40";
// "" when there are more than kMaxRuns.
QString runsText(const std::vector<int32_t>& pages)
{
    QStringList runs;
    size_t start = 0;
    while (start < pages.size()) {
        size_t end = start;
        if (end + 1 < pages.size()) {
            const int64_t step = int64_t(pages[end + 1]) - pages[end];
            if (step == 1 || step == -1)
                while (end + 1 < pages.size() && int64_t(pages[end + 1]) - pages[end] == step)
                    ++end;
        }
        if (size_t(runs.size()) == kMaxRuns)
            return QString();
        runs << spanText(int64_t(pages[start]) + 1, int64_t(pages[end]) + 1);
        start = end + 1;
    }
    return runs.join(u',');
}

// What part `index` adds to the chosen name: "Page 51-100", or "02 Getting started".
QString partName(const SplitPlan& plan, size_t index)
{
    const PlannedPart& part = plan.parts[index];
    return plan.mode == SplitMode::Bookmarks ? bookmarkPartLabel(int(index + 1), part.title)
                                             : QStringLiteral("Page ") + part.pageList;
}

// The files of a mode that writes several, named as the split names them: the first two and
// the last.
QString namesText(const SplitPlan& plan)
{
    const auto& parts = plan.parts;
    QStringList names;
    for (size_t i = 0; i < parts.size() && i < 2; ++i)
        names << partName(plan, i);
    QString text = names.join(QStringLiteral(", "));
    if (parts.size() > 3)
        text += QStringLiteral(", ") + kEllipsis + u' ' + partName(plan, parts.size() - 1);
    else if (parts.size() == 3)
        text += QStringLiteral(", ") + partName(plan, 2);
    const PlannedPart& last = parts.back();
    if (last.cutShort && !last.holds.isEmpty())
        text += QCoreApplication::translate("SplitSummary", " (holds %1)").arg(last.holds);
    return text;
}

// The parts of a split at bookmarks, as the split job finds them in the outline.
void planBookmarkParts(SplitPlan& plan, int32_t level, const QString& textLevel,
                       const SourceCount& source)
{
    if (!source.outlineRead) {
        plan.outlineUnreadable = true;
        return;
    }
    const auto found = bookmarkParts(source.bookmarks, level, source.pageTotal);
    if (found.empty())
        plan.refusal = shownText(kMsgNoBookmarksAtLevel) + textLevel;
    for (const BookmarkPart& mark : found) {
        PlannedPart part;
        part.pageList = mark.pageList();
        part.pageCount = mark.last - mark.first + 1;
        part.holds = part.pageList;
        part.title = mark.title;
        plan.parts.push_back(std::move(part));
    }
}

} // namespace

QString pagesText(int64_t count)
{
    return (count == 1 ? QCoreApplication::translate("SplitSummary", "%L1 page")
                       : QCoreApplication::translate("SplitSummary", "%L1 pages"))
        .arg(count);
}

SplitPlan planSplit(const SplitOptions& options, const SourceCount& source)
{
    SplitPlan plan;
    plan.mode = options.mode;
    const int32_t pageTotal = source.pageTotal;
    plan.pageTotal = pageTotal;
    // The check rewrites the number boxes, as the split's own check does.
    SplitOptions boxes = options;
    const ValidationResult valid = checkSplitOptions(boxes);
    if (!valid.goOn) {
        plan.refusal = valid.refusal;
        return plan;
    }
    const CheckedOptions& checked = valid.checked;
    if (checked.mode == SplitMode::Bookmarks) {
        planBookmarkParts(plan, checked.level, boxes.TextLevel, source);
        return plan;
    }
    if (checked.mode == SplitMode::SizeParts) {
        plan.sizeText = boxes.TextSize.trimmed();
        if (pageTotal > 0)
            plan.aboutFiles = std::max<int64_t>(
                (source.fileBytes + checked.sizeLimit - 1) / checked.sizeLimit, 1);
        return plan;
    }
    const QStringList lists = checked.pageLists(pageTotal);
    for (const QString& list : lists) {
        const PageListResult read = parsePageList(list.toStdString(), pageTotal);
        if (read.error == EngineError::BadPageList) {
            plan.listRefused = true;
            plan.badItem = QString::fromStdString(read.badItem);
            plan.parts.clear();
            plan.pastEnd.clear();
            return plan;
        }
        // The single file's leftovers are told apart; a part's show in its own description.
        if (!writesParts(checked.mode))
            for (const PageSpan& span : read.pastEnd) {
                plan.pastEnd << spanText(span.first, span.last);
                // "40-5" of 36 pages names pages that exist, yet selects none of them.
                plan.backwardsFromPastEnd =
                    checked.mode == SplitMode::PageRange && span.first > span.last;
            }
        if (read.pages.empty())
            continue;
        PlannedPart part;
        part.pageList = list;
        part.pageCount = int32_t(read.pages.size());
        part.holds = runsText(read.pages);
        part.cutShort = !read.pastEnd.empty();
        plan.parts.push_back(std::move(part));
    }
    return plan;
}

QString remarkText(const SplitPlan& plan)
{
    if (plan.listRefused)
        return shownText(kListNotValidText) + plan.badItem;
    if (plan.pastEnd.isEmpty())
        return QString();
    if (plan.backwardsFromPastEnd)
        return shownText(kRangeStartsPastEndText);
    if (plan.mode == SplitMode::PageRange) {
        const QString& span = plan.pastEnd.first();
        return span.contains(u'-')
                   ? QCoreApplication::translate("SplitSummary", "Pages %1 are past the end.")
                         .arg(span)
                   : QCoreApplication::translate("SplitSummary", "Page %1 is past the end.")
                         .arg(span);
    }
    QString named = plan.pastEnd.mid(0, kMaxPastEnd).join(QStringLiteral(", "));
    if (plan.pastEnd.size() > kMaxPastEnd)
        named += QStringLiteral(", ") + kEllipsis;
    return shownText(kLeftOutText) + named + u'.';
}

QString summaryText(const SplitPlan& plan)
{
    QString text = pagesText(plan.pageTotal) + QStringLiteral(". ");
    if (!plan.refusal.isEmpty())
        return text + plan.refusal + u'.';
    if (plan.outlineUnreadable)
        return text + shownText(kOutlineUnreadableText) + u'.';
    if (plan.listRefused)
        return text + remarkText(plan);
    if (plan.mode == SplitMode::SizeParts) {
        text += sizePartsText(plan);
    } else if (plan.parts.empty()) {
        text += shownText(kWritesNoFileText);
    } else if (writesParts(plan.mode)) {
        const size_t files = plan.parts.size();
        text +=
            (files == 1
                 ? QCoreApplication::translate("SplitSummary", "Writes 1 file: ")
                 : QCoreApplication::translate("SplitSummary", "Writes %L1 files: ").arg(files)) +
            namesText(plan) + u'.';
    } else {
        const PlannedPart& part = plan.parts.front();
        text += QCoreApplication::translate("SplitSummary", "Writes 1 file with %1")
                    .arg(pagesText(part.pageCount));
        if (plan.mode == SplitMode::PageRange && !part.holds.isEmpty())
            text += QStringLiteral(" (") + part.holds + u')';
        text += u'.';
    }
    const QString remark = remarkText(plan);
    return remark.isEmpty() ? text : text + u' ' + remark;
}

QString sizePartsText(const SplitPlan& plan)
{
    if (plan.aboutFiles == 0)
        return shownText(kWritesNoFileText);
    return QCoreApplication::translate("SplitSummary",
                                       "Writes files of at most %1 MB, about %L2 or more.")
        .arg(plan.sizeText)
        .arg(plan.aboutFiles);
}

QString plannedPath(const SplitPlan& plan, size_t index, const QString& chosenPath)
{
    if (index >= plan.parts.size())
        return chosenPath;
    if (plan.mode == SplitMode::EveryN || plan.mode == SplitMode::AfterPages)
        return SplitJob::partFileName(chosenPath, plan.parts[index].pageList);
    if (plan.mode == SplitMode::Bookmarks)
        return bookmarkPartFileName(chosenPath, int(index + 1), plan.parts[index].title);
    return chosenPath;
}

} // namespace paginor
