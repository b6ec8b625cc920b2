// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/AfterPages.h"

#include <algorithm>

namespace paginor {

std::optional<std::vector<int32_t>> cutPages(const QString& textAfter)
{
    std::vector<int32_t> cuts;
    for (const QString& raw : textAfter.split(u',')) {
        const QString item = raw.trimmed();
        if (item.isEmpty())
            continue;
        bool ok = std::all_of(item.begin(), item.end(), [](QChar c) { return c.isDigit(); });
        const qlonglong page = ok ? item.toLongLong(&ok) : 0;
        if (!ok || page < 1 || page > INT32_MAX)
            return std::nullopt;
        cuts.push_back(int32_t(page));
    }
    if (cuts.empty())
        return std::nullopt;
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

QStringList afterPageLists(const QString& textAfter, int32_t pageTotal)
{
    return afterPageLists(cutPages(textAfter).value_or(std::vector<int32_t>{}), pageTotal);
}

QStringList afterPageLists(const std::vector<int32_t>& cuts, int32_t pageTotal)
{
    QStringList lists;
    if (cuts.empty() || pageTotal < 1)
        return lists;
    int64_t first = 1;
    for (int32_t cut : cuts) {
        if (cut >= pageTotal)
            break;
        lists << QString::number(first) + u'-' + QString::number(cut);
        first = int64_t(cut) + 1;
    }
    lists << QString::number(first) + u'-' + QString::number(pageTotal);
    return lists;
}

} // namespace paginor
