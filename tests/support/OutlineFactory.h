// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "support/PdfFactory.h"

#include <string>
#include <vector>

namespace paginor::test {

// How a bookmark names its target: the ways producers write it.
enum class DestKind
{
    Explicit,    // /Dest [page /Fit]
    CatalogName, // /Dest /name, looked up in the catalog's /Dests (there as << /D [...] >>)
    TreeName,    // /Dest (name), looked up in the /Names /Dests tree
    GoTo,        // /A << /S /GoTo /D (name) >>, the name in the tree
};

struct OutlineItem
{
    int level = 1;
    std::string title; // UTF-8
    int page = 1;      // from 1; 0 leads nowhere (a missing name, or no page at all)
    DestKind kind = DestKind::Explicit;
};

// Adds an outline of `items`, given in outline order, to the PDF at `path` and writes it back.
// With `loops`, the last top-level item's /Next leads back to the first and the name tree
// lists itself among its kids, as damaged files do.
void addOutline(const QString& path, const std::vector<OutlineItem>& items, bool loops = false);

// A 7-page book (marker "book") whose looping outline has every kind of target, a bookmark
// leading nowhere at levels 1 and 2, two bookmarks on one page at both levels, nothing on page
// 1, titles with forbidden and non-ASCII characters, and an empty one.
std::vector<OutlineItem> chapterOutline();
QString makeChapterBook(const TempDir& dir, const QString& name);

} // namespace paginor::test
