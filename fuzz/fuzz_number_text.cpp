// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The option boxes' number reading: whatever is pasted, normalising twice gives what normalising
// once gave, the plain text reads back as the same number, and the page lists stay sane.
#include "SilentInteraction.h"
#include "split/NumberText.h"
#include "split/SplitOptions.h"

#include <QRegularExpression>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace paginor;

namespace {

void checkPlain(double value)
{
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    const QString text = plainDecimal(value);
    if (!std::isfinite(value)) {
        if (!text.isEmpty())
            abort();
        return;
    }
    if (!plain.match(text).hasMatch())
        abort();
    const double back = readLeadingNumber(text);
    if (std::fabs(back - value) > 1e-13 * std::fabs(value) + 1e-300)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double value = readLeadingNumber(text);
    if (std::isnan(value))
        abort();
    checkPlain(value);

    const QString once = normaliseNumberText(text);
    if (normaliseNumberText(once) != once)
        abort(); // pressing "&Split" again would change the box once more

    const int32_t n = pagesPerFile(once);
    if (n < 0)
        abort();

    fuzz::SilentInteraction ui;
    SplitOptions every;
    every.mode = SplitMode::EveryN;
    every.TextEvery = text;
    const ValidationResult v = ValidateSplitInputs(every, ui);
    if (v.goOn != (pagesPerFile(every.TextEvery) > 0))
        abort();
    if (v.goOn) {
        const int32_t total = 1000, per = pagesPerFile(every.TextEvery);
        const QStringList lists = BuildPageLists(every, total);
        if (lists.size() != (int64_t(total) + per - 1) / per)
            abort();
        if (!lists.first().startsWith(QStringLiteral("1-")))
            abort();
    }

    SplitOptions range;
    range.mode = SplitMode::PageRange;
    range.TextFrom = text;
    range.TextTo = text + text;
    ValidateSplitInputs(range, ui);
    if (BuildPageLists(range, 1000).size() != 1)
        abort();
    ui.checkIdle();
    return 0;
}
