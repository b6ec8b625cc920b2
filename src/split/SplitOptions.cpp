// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitOptions.h"

#include "jobs/Messages.h"
#include "jobs/UserQuestions.h"
#include "split/AfterPages.h"
#include "split/NumberText.h"

#include <cmath>
#include <limits>

namespace paginor {

namespace {

constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

QString everyOther(int32_t first, int32_t pageTotal)
{
    QString out;
    for (int64_t k = first; k <= pageTotal; k += 2)
        out += QString::number(k) + u',';
    return out;
}

ValidationResult refuse(const char* text, OptionField focus)
{
    ValidationResult result;
    result.goOn = false;
    result.focus = focus;
    result.refusal = shownText(text);
    return result;
}

} // namespace

int32_t pagesPerFile(const QString& textEvery)
{
    const double n = roundHalfEven(readLeadingNumber(textEvery));
    if (!std::isfinite(n) || n < 1 || n > double(kMax32))
        return 0;
    return int32_t(n);
}

int64_t sizeLimitBytes(const QString& textSize)
{
    // Either mark stands for the decimal point: much of the world writes "1,5".
    QString t = textSize.trimmed();
    t.replace(u',', u'.');
    const qsizetype dot = t.indexOf(u'.');
    bool digits = !t.isEmpty() && t != QStringLiteral(".") && t.lastIndexOf(u'.') == dot;
    for (QChar c : t)
        digits = digits && (c.isDigit() || c == u'.');
    bool ok = false;
    const double megabytes = digits ? t.toDouble(&ok) : 0;
    if (!ok || !(megabytes > 0) || megabytes > 1024 * 1024)
        return 0;
    return int64_t(std::llround(megabytes * double(kBytesPerMegabyte)));
}

CheckedOptions readSplitOptions(const SplitOptions& options)
{
    CheckedOptions checked;
    checked.mode = options.mode;
    switch (options.mode) {
    case SplitMode::EveryN:
        checked.pagesPerFile = pagesPerFile(options.TextEvery);
        break;
    case SplitMode::PageRange:
        checked.pageList = options.TextFrom + u'-' + options.TextTo;
        break;
    case SplitMode::CustomPages:
        checked.pageList = options.TextCustom.trimmed();
        break;
    case SplitMode::Bookmarks:
        checked.level = pagesPerFile(options.TextLevel); // the same whole number from 1 on
        break;
    case SplitMode::AfterPages:
        checked.cuts = cutPages(options.TextAfter).value_or(std::vector<int32_t>{});
        break;
    case SplitMode::SizeParts:
        checked.sizeLimit = sizeLimitBytes(options.TextSize);
        break;
    case SplitMode::OddPages:
    case SplitMode::EvenPages:
        break;
    }
    return checked;
}

ValidationResult checkSplitOptions(SplitOptions& options)
{
    switch (options.mode) {
    case SplitMode::EveryN:
        options.TextEvery = normaliseNumberText(options.TextEvery);
        break;
    case SplitMode::PageRange:
        options.TextFrom = normaliseNumberText(options.TextFrom);
        options.TextTo = normaliseNumberText(options.TextTo);
        break;
    case SplitMode::Bookmarks:
        options.TextLevel = normaliseNumberText(options.TextLevel);
        break;
    case SplitMode::CustomPages:
    case SplitMode::OddPages:
    case SplitMode::EvenPages:
    case SplitMode::AfterPages:
    case SplitMode::SizeParts:
        break;
    }
    ValidationResult result;
    result.checked = readSplitOptions(options);
    const CheckedOptions& checked = result.checked;
    if (checked.mode == SplitMode::EveryN && checked.pagesPerFile == 0)
        return refuse(kMsgInvalidNumber, OptionField::TextEvery);
    if (checked.mode == SplitMode::CustomPages && checked.pageList.isEmpty())
        return refuse(kMsgInputPageNumber, OptionField::TextCustom);
    if (checked.mode == SplitMode::Bookmarks && checked.level == 0)
        return refuse(kMsgInvalidNumber, OptionField::TextLevel);
    if (checked.mode == SplitMode::AfterPages && checked.cuts.empty())
        return refuse(kMsgInputPageNumber, OptionField::TextAfter);
    if (checked.mode == SplitMode::SizeParts && checked.sizeLimit == 0)
        return refuse(kMsgInvalidNumber, OptionField::TextSize);
    return result;
}

ValidationResult ValidateSplitInputs(SplitOptions& options, UserQuestions& ui)
{
    ValidationResult result = checkSplitOptions(options);
    if (!result.goOn)
        ui.message(result.refusal, UserQuestions::Icon::Exclamation, shownText(kTitleError));
    return result;
}

QStringList CheckedOptions::pageLists(int32_t pageTotal) const
{
    switch (mode) {
    case SplitMode::EveryN: {
        QStringList lists;
        const int64_t n = pagesPerFile;
        if (n < 1)
            return lists;
        lists.reserve(int(std::min<int64_t>(pageTotal > 0 ? pageTotal / n + 1 : 0, 1 << 20)));
        // 64-bit counters: the run ends before a start would leave the 32-bit range.
        for (int64_t i = 1; i <= pageTotal && i <= kMax32; i += n) {
            const int64_t e = std::min(i + n - 1, kMax32);
            lists << QString::number(i) + u'-' + QString::number(e);
        }
        return lists;
    }
    case SplitMode::PageRange:
    case SplitMode::CustomPages:
        return {pageList};
    case SplitMode::OddPages:
        return {everyOther(1, pageTotal)};
    case SplitMode::EvenPages:
        return {everyOther(2, pageTotal)};
    case SplitMode::AfterPages:
        return afterPageLists(cuts, pageTotal);
    case SplitMode::Bookmarks:
    case SplitMode::SizeParts:
        break;
    }
    return {};
}

QStringList BuildPageLists(const SplitOptions& options, int32_t pageTotal)
{
    return readSplitOptions(options).pageLists(pageTotal);
}

} // namespace paginor
