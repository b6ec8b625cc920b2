#include "split/SplitOptions.h"

#include "jobs/Interaction.h"
#include "jobs/Messages.h"
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

} // namespace

int32_t pagesPerFile(const QString& textEvery)
{
    const double n = roundHalfEven(readLeadingNumber(textEvery));
    if (!std::isfinite(n) || n < 1 || n > double(kMax32))
        return 0;
    return int32_t(n);
}

int32_t bookmarkLevel(const QString& textLevel)
{
    return pagesPerFile(textLevel); // the same whole number from 1 on
}

ValidationResult ValidateSplitInputs(SplitOptions& options, Interaction& ui)
{
    switch (options.mode) {
    case SplitMode::EveryN:
        options.TextEvery = normaliseNumberText(options.TextEvery);
        if (pagesPerFile(options.TextEvery) == 0) {
            ui.message(QString::fromLatin1(kMsgInvalidNumber), Interaction::Icon::Exclamation,
                       QStringLiteral("Error"));
            return {false, OptionField::TextEvery};
        }
        break;
    case SplitMode::PageRange:
        options.TextFrom = normaliseNumberText(options.TextFrom);
        options.TextTo = normaliseNumberText(options.TextTo);
        break;
    case SplitMode::CustomPages:
        if (options.TextCustom.trimmed().isEmpty()) {
            ui.message(QString::fromLatin1(kMsgInputPageNumber), Interaction::Icon::Exclamation,
                       QStringLiteral("Error"));
            return {false, OptionField::TextCustom};
        }
        break;
    case SplitMode::Bookmarks:
        options.TextLevel = normaliseNumberText(options.TextLevel);
        if (bookmarkLevel(options.TextLevel) == 0) {
            ui.message(QStringLiteral("Please input a valid number"),
                       Interaction::Icon::Exclamation, QStringLiteral("Error"));
            return {false, OptionField::TextLevel};
        }
        break;
    case SplitMode::AfterPages:
        if (!cutPages(options.TextAfter)) {
            ui.message(QString::fromLatin1(kMsgInputPageNumber), Interaction::Icon::Exclamation,
                       QStringLiteral("Error"));
            return {false, OptionField::TextAfter};
        }
        break;
    case SplitMode::OddPages:
    case SplitMode::EvenPages:
        break;
    }
    return {};
}

QStringList BuildPageLists(const SplitOptions& options, int32_t pageTotal)
{
    switch (options.mode) {
    case SplitMode::EveryN: {
        QStringList lists;
        const int64_t n = pagesPerFile(options.TextEvery);
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
        return {options.TextFrom + u'-' + options.TextTo};
    case SplitMode::OddPages:
        return {everyOther(1, pageTotal)};
    case SplitMode::EvenPages:
        return {everyOther(2, pageTotal)};
    case SplitMode::CustomPages:
        return {options.TextCustom.trimmed()};
    case SplitMode::AfterPages:
        return afterPageLists(options.TextAfter, pageTotal);
    case SplitMode::Bookmarks:
        break;
    }
    return {};
}

} // namespace paginor
