// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/PageOrder.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace paginor {

// `utf8` in the standard fonts' Western encoding (WinAnsiEncoding); a character it lacks
// becomes "?".
std::string winAnsiText(const std::string& utf8);

// How many lines fit below the heading of a contents page of `box`; at least 1.
int32_t contentsLinesPerPage(const PageBox& box);

// The page number each line of `pages` shows: its page's label under the sorted label
// entries `labels` when the output has labels, else its place from 1.
std::vector<std::string> contentsNumbers(const AddedPages& pages, bool labelled,
                                         const std::vector<QPDFObjectHandle>& labels);

// How the writers turn added pages into objects; both writers give their own.
struct AddedPageSink
{
    std::function<int()> allocate;
    // The object number of output page `outPage`, given before any page is written.
    std::function<int(int32_t)> pageNumber;
    // Writes object `number` with `body`, not a stream.
    std::function<void(int number, const std::string& body)> write;
    // Writes a stream of `data` with an otherwise empty dictionary; returns its number.
    std::function<int(const std::string& data)> writeStream;
    std::string parent; // the page entry naming the page tree (" /Parent 2 0 R"), or ""
};

// Writes the blank pages and the contents pages of `pages`. `numbers` i is the page number
// shown for `pages.lines` i. Each contents line links to its page, with the whole line as the
// link's area; titles too long for the line are shortened with "...".
void writeAddedPages(const AddedPages& pages, const std::vector<std::string>& numbers,
                     const AddedPageSink& sink);

} // namespace paginor
