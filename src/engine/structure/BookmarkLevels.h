// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace paginor {

class StructureIndex;

// One bookmark of a source's outline, as a split at bookmarks needs it.
struct BookmarkLevel
{
    static constexpr int32_t kNowhere = -1;

    int32_t level = 1;       // 1 for the outline's top items, 2 for their children, ...
    QString title;           // as shown in a viewer; "" when the item has none
    int32_t page = kNowhere; // zero-based index of the page it leads to
};

// Every bookmark of `index`'s source in outline order (each item before its children, children
// before the next sibling), each at the depth of its parent chain. A bookmark whose target is
// missing, another file or not one of the document's pages gets kNowhere. /Count is ignored.
std::vector<BookmarkLevel> bookmarkLevels(const StructureIndex& index);

} // namespace paginor
