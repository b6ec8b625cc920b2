// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Page-list texts against a document of a few pages: the reader must agree with a plain
// reading of the rules item by item, and never select a page outside the document.
#include "engine/PageList.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using namespace paginor;

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A page number from 1 to INT32_MAX, or -1.
int64_t number(std::string_view s)
{
    s = trimmed(s);
    if (s.empty())
        return -1;
    int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        v = std::min<int64_t>(v * 10 + (c - '0'), int64_t(INT32_MAX) + 1);
    }
    return v >= 1 && v <= INT32_MAX ? v : -1;
}

// The rules read literally: false for a malformed list, with `bad` its first refused item;
// `past` gets what the items name past the last page.
bool expected(std::string_view text, int64_t total, std::vector<int32_t>& pages, std::string& bad,
              std::vector<PageSpan>& past)
{
    std::vector<std::string_view> items;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == text.npos ? text.npos : comma - start));
        if (comma == text.npos)
            break;
        start = comma + 1;
    }
    for (std::string_view item : items) {
        if (trimmed(item).empty())
            continue;
        const size_t dash = item.find('-');
        const int64_t a = number(item.substr(0, dash));
        const int64_t b = dash == item.npos ? a : number(item.substr(dash + 1));
        bad = std::string(trimmed(item));
        if (a < 0 || b < 0)
            return false;
        if (a > total) {
            past.push_back({int32_t(a), int32_t(b)});
            continue;
        }
        if (b > total)
            past.push_back({int32_t(total + 1), int32_t(b)});
        if (b >= a)
            for (int64_t p = a; p <= std::min(b, total); ++p)
                pages.push_back(int32_t(p - 1));
        else
            for (int64_t p = a; p >= b; --p)
                pages.push_back(int32_t(p - 1));
        if (pages.size() > kMaxSelectedPages)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // Two bytes of page total, so that ranges past the end are common.
    const int32_t total = int32_t(data[0] | (data[1] << 8)) % 3000;
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const PageListResult got = parsePageList(text, total);

    std::vector<int32_t> want;
    std::string bad;
    std::vector<PageSpan> past;
    const bool wellFormed = expected(text, total, want, bad, past);
    if (!wellFormed) {
        if (got.error != EngineError::BadPageList || !got.pages.empty() || got.badItem != bad ||
            !got.pastEnd.empty())
            abort();
    } else if (want.empty()) {
        if (got.error != EngineError::EmptySelection || !got.pages.empty())
            abort();
    } else if (got.error != EngineError::None || got.pages != want) {
        abort();
    }
    const auto samePast = [](const PageSpan& x, const PageSpan& y) {
        return x.first == y.first && x.last == y.last;
    };
    if (wellFormed &&
        !std::equal(got.pastEnd.begin(), got.pastEnd.end(), past.begin(), past.end(), samePast))
        abort();
    for (int32_t p : got.pages)
        if (p < 0 || p >= total)
            abort();
    return 0;
}
