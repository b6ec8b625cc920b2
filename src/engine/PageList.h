// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/EngineError.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace paginor {

// Pages an item names, numbered from 1 and in the item's direction ("37-999", or 40 alone).
struct PageSpan
{
    int32_t first = 0;
    int32_t last = 0;
};

// The outcome of reading a page-list text: zero-based page indices in list order, or an error.
struct PageListResult
{
    EngineError error = EngineError::None;
    std::vector<int32_t> pages;
    // BadPageList: the first item refused, blanks around it removed.
    std::string badItem;
    // What the items named past the last page and so left out, in list order.
    std::vector<PageSpan> pastEnd;
};

// Most pages one list may select; longer selections are refused as malformed instead of
// exhausting memory ("1-99999,1-99999,..." on a large file).
constexpr size_t kMaxSelectedPages = 1'000'000;

// Reads a page-list text such as "1,3,10-25,30-47" against a document of `pageTotal` pages.
// Items are comma-separated, each a page number or two joined by "-" (both included), pages
// numbered from 1. Blanks around numbers are allowed; empty items are skipped. "12-3" runs
// backwards. A range past the last page stops there; an item starting past it selects nothing.
// Page 0, signs, letters, "5-", "1--3" and numbers beyond 32 bits give BadPageList; a
// well-formed list selecting nothing gives EmptySelection. Pure: no I/O, no globals.
PageListResult parsePageList(std::string_view text, int32_t pageTotal);

} // namespace paginor
