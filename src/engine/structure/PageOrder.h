// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace paginor {

// How a merge lays its inputs' pages out beyond joining them one after another.
struct MergeShape
{
    bool interleave = false; // one page of each input in turn; a shorter input drops out
    bool padOdd = false;     // a blank page after each input with an odd page count, but the last
    bool contents = false;   // contents pages first, a line and a link per input
    std::string contentsTitle = "Contents"; // UTF-8: the heading and its bookmark

    bool plain() const { return !interleave && !padOdd && !contents; }
};

// A page's rectangle, [llx lly urx ury].
using PageBox = std::array<double, 4>;

// One line of a contents page: an input's title (UTF-8) and the output page it starts on.
struct ContentsLine
{
    std::string title;
    int32_t outPage = 0;
};

// The pages of a merge output that no input gives, as the writers emit them.
struct AddedPages
{
    int32_t total = 0; // the output's page count; 0 when the pages follow the inputs in order
    std::vector<std::pair<int32_t, PageBox>> blanks; // output page, its box
    int32_t contentsPages = 0;                       // output pages 0 to this - 1
    PageBox contentsBox{0, 0, 612, 792};
    std::string heading; // UTF-8: the pages' heading and their bookmark
    std::vector<ContentsLine> lines;
};

// Where every page of a merge output comes from: the pages each input gives, blank pages and
// contents pages, in output order.
class PageOrder
{
public:
    // `counts` i: how many pages input i gives. With `shape.interleave` the inputs take turns
    // (a blank page counts as its input's page); `contentsPages` pages come first.
    PageOrder(const std::vector<int32_t>& counts, const MergeShape& shape, int32_t contentsPages);

    int32_t total() const { return m_total; }
    int32_t contentsPages() const { return m_contents; }
    // The output page of each page input `input` gives, in the order it gives them.
    const std::vector<int32_t>& positions(size_t input) const { return m_positions.at(input); }
    // The blank pages: each one's output page and the input it follows.
    const std::vector<std::pair<int32_t, size_t>>& blanks() const { return m_blanks; }
    // The output page where input `input` starts; -1 when it gives none.
    int32_t firstOf(size_t input) const;

private:
    std::vector<std::vector<int32_t>> m_positions;
    std::vector<std::pair<int32_t, size_t>> m_blanks;
    int32_t m_contents = 0;
    int32_t m_total = 0;
};

} // namespace paginor
