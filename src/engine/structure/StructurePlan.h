// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/BookmarkMode.h"
#include "engine/structure/StructureIndex.h"
#include "engine/structure/TagPlan.h"

#include <qpdf/QPDF.hh>

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace paginor {

class SourceDocument;

// `key` followed by "-n", for a named destination that another source already uses. The
// suffix is written in the key's own encoding: UTF-16 after a UTF-16 byte-order mark, bytes
// otherwise, so that a reader still shows the name as text.
std::string numberedName(const std::string& key, int n);

// The title a merge gives an input: `title` (UTF-8) unless blank, else the file name of `path`
// without ".pdf".
std::string inputTitle(const std::string& title, const std::string& path);

// What becomes of one link annotation in an output.
struct LinkFix
{
    enum class Kind
    {
        Keep,     // not a link inside the document (a web address, say): copy it as it is
        Drop,     // it leads to a page not in the output, or nowhere readable
        Retarget, // it leads to a page of the output: give it the /Dest described here
    };
    Kind kind = Kind::Keep;
    int32_t page = -1; // an explicit target: the source page (its first copy in the output)
    std::string view;  // its view, as in Target
    std::string name;  // a named target: its name in the output, when `named`
    bool named = false;
    bool dropAction = false; // the link had a go-to action, which the new /Dest replaces

    // Whether the retargeted link's entry `key` is left out of it: its old /Dest, and the
    // go-to action that led to a page the output may not have.
    bool replaces(const std::string& key) const
    {
        return key == "/Dest" || (dropAction && key == "/A");
    }
};

// One item of an output's outline.
struct OutlineNode
{
    QPDFObjectHandle title; // a string
    QPDFObjectHandle color; // [r g b] or null
    int flags = 0;
    bool open = false;
    int32_t outPage = -1;    // the output page it leads to, or -1
    std::string view;        // as in Target
    QPDFObjectHandle action; // an action leading out of the document, when outPage is -1
    int32_t parent = -1;     // an earlier node, -1 at the top
};

// A named destination of an output.
struct NamedTarget
{
    std::string name;
    int32_t outPage;
    std::string view; // as in Target
};

// An output's outline and named-destination tree laid out once for both writers: every
// object, which others it links to and what it counts. The writers give each object a number
// or an object of their own and write its entries as given.
struct StructureLayout
{
    static constexpr int32_t kNone = -1;
    // An outline object: entry 0 is the outline root, the others the items in outline order.
    struct Entry
    {
        int32_t parent = kNone, first = kNone, last = kNone, prev = kNone, next = kNone;
        int64_t count = 0;                 // its /Count, written when it has children
        const OutlineNode* node = nullptr; // null for the root
    };
    std::vector<Entry> outline; // empty when the output has no outline

    std::vector<const NamedTarget*> names; // sorted by name
    // The tree's leaves as [from, to) ranges of `names`. One leaf is the tree's root itself;
    // with more, the root lists them as /Kids and each leaf has /Limits.
    std::vector<std::pair<size_t, size_t>> leaves;
};

// Decides, for one output, which bookmarks, named destinations and links of its sources it
// keeps and where each now leads, and lays out its outline and name tree. Both writers take
// every such decision from here; they only turn the answers into objects. The work for a
// segment is proportional to its pages and the bookmarks and destinations on them: the
// sources' structure is indexed once per source.
class StructurePlan
{
public:
    // `tags` false drops the sources' logical structure (tagged-PDF tree).
    explicit StructurePlan(BookmarkMode mode, bool tags = true);

    // Adds the next segment of the output: the pages `indices` of `source`, placed at output
    // pages from `at` on. Call before the segment's links are asked about. Returns the
    // segment's number for link(). The source must stay open while its links are asked about.
    int addSegment(SourceDocument& source, const std::vector<int32_t>& indices, int32_t at);
    // The same with page `indices[k]` placed at output page `positions[k]`, in any order.
    int addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                   const std::vector<int32_t>& positions);

    // Contents pages from output page `outPage` on: a top bookmark `title` (UTF-8) leading
    // there, before every other (none when bookmarks are dropped), and untagged text, so the
    // output no longer claims that all its content is marked. Call before the first segment.
    void addContentsPages(const std::string& title, int32_t outPage);

    // What to do with the annotation `annot` (a dictionary read from the source) of a page in
    // segment `segment`. Never throws; an unreadable link is dropped.
    LinkFix link(int segment, QPDFObjectHandle annot) const;

    // What the output keeps of its sources' logical structure.
    const TagPlan& tags() const { return m_tags; }

    // Whether the output gets neither an outline nor named destinations.
    bool empty() const { return m_nodes.empty() && m_names.empty(); }

    // The outline and the named-destination tree, laid out. Valid while the plan lives and
    // no segment is added.
    StructureLayout layout() const;

private:
    struct Segment
    {
        const StructureIndex* index = nullptr;
        std::unordered_map<int32_t, int32_t> pages; // source page -> its first output page
        // (kept named destination, by its place in the index's dests(); its entry in
        // m_names), sorted
        std::vector<std::pair<int32_t, int32_t>> names;
    };

    // `key`, or else the first of key-2, key-3 ... that no kept destination has taken.
    std::string uniqueName(const std::string& key) const;
    bool taken(const std::string& name) const;
    void addNames(Segment& segment, const std::vector<int32_t>& indices,
                  const std::vector<int32_t>& positions);
    void addBookmarks(const Segment& segment, SourceDocument& source, int32_t first);

    BookmarkMode m_mode;
    TagPlan m_tags;
    std::vector<Segment> m_segments;
    std::vector<OutlineNode> m_nodes; // in outline order: every parent before its children
    std::vector<NamedTarget> m_names;
    // Each name of m_names by its hash, so that a manual's thousands of names are not copied
    // again to be looked up.
    std::unordered_multimap<size_t, int32_t> m_nameHashes;
    // The sources' copies of actions, kept for the writers after the sources are closed.
    std::vector<std::shared_ptr<QPDF>> m_copies;
};

} // namespace paginor
