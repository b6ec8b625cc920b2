#pragma once

#include <qpdf/QPDFObjGen.hh>

#include <QString>
#include <cstdint>
#include <vector>

class QPDF;

namespace paginor {

// One bookmark of a source's outline, as a split at bookmarks needs it.
struct BookmarkLevel
{
    static constexpr int32_t kNowhere = -1;

    int32_t level = 1;       // 1 for the outline's top items, 2 for their children, ...
    QString title;           // as shown in a viewer; "" when the item has none
    int32_t page = kNowhere; // zero-based index of the page it leads to
};

// Lists every bookmark of `pdf` in outline order (each item before its children, children
// before the next sibling). Destinations are followed wherever they hide: an explicit array,
// a name in the catalog's /Dests, a string in the /Names /Dests tree, or a GoTo action's /D.
// A bookmark whose target is missing, another file or not one of the document's pages gets
// kNowhere. Damaged outlines and name trees that loop are read once round; /Count is ignored.
// `pages` are the document's page objects in page order. Throws what qpdf throws on
// unreadable objects.
std::vector<BookmarkLevel> readBookmarkLevels(QPDF& pdf, const std::vector<QPDFObjGen>& pages);

} // namespace paginor
