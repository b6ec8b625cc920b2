// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/read/DestinationScanner.h"
#include "engine/read/ObjectStreamReader.h"
#include "engine/structure/SubgraphCopy.h"
#include "engine/structure/TagTree.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace paginor {

// Whether `name` (with its slash) is one of the destination views: /XYZ, /Fit and the like.
bool isFitName(std::string_view name);

// Where a bookmark, link or named destination leads inside its own document.
struct Target
{
    int32_t page = -1; // zero-based page of the source; -1 when it leads nowhere readable
    // The view part of the destination ("/XYZ 0 792 null", "/Fit" ...) as PDF text: compact,
    // since a manual has tens of thousands of destinations.
    std::string view;
    bool valid() const { return page >= 0; }
};

// One bookmark of a source's outline, read into plain values.
struct Bookmark
{
    int32_t parent = -1;    // index of the parent bookmark, -1 at the top level
    std::string title;      // the /Title string's bytes as stored
    QPDFObjectHandle color; // [r g b] or null
    int flags = 0;          // italic 1, bold 2
    bool open = false;
    Target target;
    // A copy (SubgraphCopier's) of an action that leads out of the document (a web address,
    // say); null for bookmarks that lead to a page, and for an action past the copy's budget.
    QPDFObjectHandle action;
};

// A named destination: from the catalog's /Dests (a name) or the /Names /Dests tree (a string).
struct NamedDest
{
    std::string key; // the name without its slash, or the string's bytes
    bool isName = false;
    Target target;
};

// The navigation structure of one source, indexed by page once when the source is first used
// for an output, so that each output reads only what its own pages need. The only reader of a
// source's outline, named destinations, link targets and logical structure tree: the bookmark
// levels, the plan and both writers take them from here. Damaged trees never fail: loops are cut,
// entries that cannot be read are left out, and a bookmark whose target cannot be read leads
// nowhere.
class StructureIndex
{
public:
    // Gives the value of an indirect object, read apart from the document's cache when it is
    // used only here, so that indexing does not keep the trees' objects in memory.
    using Loader = std::function<QPDFObjectHandle(QPDFObjectHandle)>;

    // Reads the outline, named destinations and title of `pdf`, whose pages are `pages`.
    // `stored`, when given, is the document's own reader of object streams, shared so that
    // the streams it holds unpacked are not unpacked again; otherwise the index makes one.
    // `peek`, when given, reads an object apart without counting as its use (see
    // ObjectStreamReader::readApart), for the structure tree; otherwise the document does.
    StructureIndex(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, Loader load,
                   ObjectStreamReader* stored = nullptr, TagTree::Loader peek = {});

    // The first page index of the page object `og`, or -1.
    int32_t pageIndex(QPDFObjGen og) const;

    // Where a destination leads, and through which named destination when it names one.
    struct Lookup
    {
        const NamedDest* named = nullptr; // the named destination it names, if any
        Target target;                    // invalid when it leads nowhere readable
    };
    // Resolves a destination: an explicit array, a name (the catalog's /Dests), a string (the
    // /Names /Dests tree), or a dictionary holding one of these under /D. A named destination
    // whose value names another is followed a few steps, so that one naming itself ends.
    Lookup lookup(QPDFObjectHandle dest) const;
    // Where a destination leads; lookup's target.
    Target resolve(QPDFObjectHandle dest) const { return lookup(dest).target; }

    // The destination a link annotation or bookmark dictionary goes to (its /Dest, or its
    // GoTo action's /D); false when it has neither, such as a link to a web address.
    static bool destinationOf(QPDFObjectHandle holder, QPDFObjectHandle& dest);

    // The named destination `key` (a name's without its slash), preferring the kind given
    // but accepting the other, as viewers do; null when there is none.
    const NamedDest* findDest(const std::string& key, bool isName) const;

    const std::vector<Bookmark>& bookmarks() const { return m_bookmarks; }
    const std::vector<NamedDest>& dests() const { return m_dests; }
    // Bookmarks (in outline order) and named destinations leading to `page`.
    const std::vector<int32_t>& bookmarksOn(int32_t page) const;
    const std::vector<int32_t>& destsOn(int32_t page) const;
    // Bookmarks that lead out of the document and are kept only with the whole document.
    const std::vector<int32_t>& outwardBookmarks() const { return m_outward; }

    // The logical structure tree (tagged PDF), read on first use: an output that drops the
    // structure never reads it. The document must still be open.
    const TagTree& tags() const;

    // The document-information title, "" when missing or blank.
    const std::string& title() const { return m_title; }

    // The document holding the bookmarks' actions, for a plan that outlives the index.
    const std::shared_ptr<QPDF>& copies() const { return m_copier.document(); }

    // What was left out of the structure and why, one line each (UTF-8), in outline order.
    const std::vector<std::string>& warnings() const { return m_warnings; }

private:
    // Name-tree sizes past which a file is taken to be hostile, not a manual.
    static constexpr size_t kMaxEntries = 1000000;

    void readOutline(QPDFObjectHandle outlines);
    // The bookmark of the outline item `item` (a dictionary, already read), child of `parent`.
    Bookmark readBookmark(QPDFObjectHandle item, int32_t parent);
    // destinationOf for a dictionary `holder` whose /A is `action`, already read.
    static bool destinationOf(QPDFObjectHandle holder, QPDFObjectHandle action,
                              QPDFObjectHandle& dest);
    // A named destination whose value is not read yet: `value`, or else the object `stored`
    // (a name-tree entry read from bytes). addDests sets `stored` to the object of `value`.
    // Kept in a deque: a manual has tens of thousands, and growing never moves them.
    struct Found
    {
        NamedDest dest;
        QPDFObjectHandle value;
        QPDFObjGen stored;
    };
    void readNameTree(QPDFObjectHandle root, std::deque<Found>& found);
    void addDests(std::deque<Found>& found);
    // Sorts the keys, leaves all but the first of equal keys leading nowhere, and follows
    // the named destinations in `aliases` (index, the name or string it names).
    void indexDests(std::vector<std::pair<size_t, QPDFObjectHandle>>& aliases);
    // `dest` read, with a dictionary's /D followed a few steps.
    QPDFObjectHandle unwrap(QPDFObjectHandle dest) const;
    Target explicitTarget(QPDFObjectHandle array) const;
    // Where an object is stored: (object stream, object number), with stream 0 for objects
    // stored on their own and (0, 0) for direct ones.
    using StoredAt = std::pair<int, int>;
    StoredAt storedAt(QPDFObjGen og) const;
    // The target of an explicit destination read from its bytes; false when only the general
    // reading can tell.
    bool plainTarget(const std::vector<PlainItem>& items, Target& target) const;

    Loader m_load;
    TagTree::Loader m_peek;
    QPDF* m_pdf = nullptr;
    // Reads stored bytes while the index is built.
    std::unique_ptr<ObjectStreamReader> m_ownStored;
    ObjectStreamReader* m_stored = nullptr; // while the index is built
    std::map<QPDFObjGen, int32_t> m_pageIndex;
    int32_t m_pageCount = 0;
    std::vector<Bookmark> m_bookmarks;
    std::vector<NamedDest> m_dests;
    std::vector<int32_t> m_destByKey; // into m_dests, by (isName, key); the first of equals
    std::map<int32_t, std::vector<int32_t>> m_bookmarksOn;
    std::map<int32_t, std::vector<int32_t>> m_destsOn;
    std::vector<int32_t> m_outward;
    std::string m_title;
    SubgraphCopier m_copier; // holds the bookmarks' actions
    std::vector<std::string> m_warnings;
    mutable std::unique_ptr<TagTree> m_tags;
};

} // namespace paginor
