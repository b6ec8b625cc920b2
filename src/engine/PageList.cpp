// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PageList.h"

#include <algorithm>
#include <optional>

namespace paginor {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A page number: ASCII digits only, 1 to INT32_MAX.
std::optional<int64_t> pageNumber(std::string_view s)
{
    s = trim(s);
    if (s.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > INT32_MAX)
            return std::nullopt;
    }
    if (value == 0)
        return std::nullopt;
    return value;
}

// Appends the pages of one item; false when the item is malformed or the selection too long.
bool appendItem(std::string_view item, int64_t total, PageListResult& result)
{
    std::vector<int32_t>& pages = result.pages;
    const auto dash = item.find('-');
    const auto first = pageNumber(item.substr(0, dash));
    if (!first)
        return false;
    int64_t last = *first;
    if (dash != std::string_view::npos) {
        const auto second = pageNumber(item.substr(dash + 1));
        if (!second)
            return false;
        last = *second;
    }
    if (*first > total) {
        result.pastEnd.push_back({int32_t(*first), int32_t(last)});
        return true;
    }
    const int64_t step = last >= *first ? 1 : -1;
    if (last > total)
        result.pastEnd.push_back({int32_t(total + 1), int32_t(last)});
    last = std::min(last, total);
    const size_t count = size_t((last - *first) * step + 1);
    if (pages.size() + count > kMaxSelectedPages)
        return false;
    for (int64_t p = *first;; p += step) {
        pages.push_back(int32_t(p - 1));
        if (p == last)
            break;
    }
    return true;
}

} // namespace

PageListResult parsePageList(std::string_view text, int32_t pageTotal)
{
    PageListResult result;
    const int64_t total = std::max<int32_t>(pageTotal, 0);
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        const auto item = text.substr(start, comma - start);
        if (!trim(item).empty() && !appendItem(item, total, result)) {
            result.pages.clear();
            result.pastEnd.clear();
            result.badItem = std::string(trim(item));
            result.error = EngineError::BadPageList;
            return result;
        }
        start = comma + 1;
    }
    if (result.pages.empty())
        result.error = EngineError::EmptySelection;
    return result;
}

} // namespace paginor
