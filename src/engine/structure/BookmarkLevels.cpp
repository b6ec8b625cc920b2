// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/BookmarkLevels.h"

#include "engine/structure/StructureIndex.h"

namespace paginor {

std::vector<BookmarkLevel> bookmarkLevels(const StructureIndex& index)
{
    const auto& marks = index.bookmarks();
    std::vector<BookmarkLevel> levels(marks.size());
    for (size_t i = 0; i < marks.size(); ++i) {
        const Bookmark& mark = marks[i];
        auto& level = levels[i];
        // A parent always comes before its children.
        level.level = mark.parent < 0 ? 1 : levels[size_t(mark.parent)].level + 1;
        level.title =
            QString::fromStdString(QPDFObjectHandle::newString(mark.title).getUTF8Value());
        level.page = mark.target.valid() ? mark.target.page : BookmarkLevel::kNowhere;
    }
    return levels;
}

} // namespace paginor
