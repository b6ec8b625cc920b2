#pragma once

#include "engine/BookmarkMode.h"
#include "engine/structure/StructureIndex.h"
#include "engine/structure/TagPlan.h"

#include <qpdf/QPDF.hh>

#include <cstdint>
#include <functional>
#include <map>
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

// What becomes of one link annotation in an output.
struct LinkFix
{
    enum class Kind
    {
        Keep,     // not a link inside the document (a web address, say): copy it as it is
        Drop,     // it leads to a page not in the output, or nowhere readable
        Retarget, // it leads to a page of the output: point it there with apply()
    };
    Kind kind = Kind::Keep;
    int32_t page = -1; // an explicit target: the source page (its first copy in the output)
    std::string view;  // its view, as in Target
    std::string name;  // a named target: its name in the output, when `named`
    bool named = false;

    // Points the link dictionary `annot` (of the output, or a copy) at its target; `pageRef`
    // is the writer's reference to `page`.
    void apply(QPDFObjectHandle annot, QPDFObjectHandle pageRef) const;
    // The same target as PDF text for /Dest; `pageRef` is the writer's reference to `page`.
    std::string destText(const std::string& pageRef) const;
};

// Decides, for one output, which bookmarks, named destinations and links of its sources it
// keeps and where each now leads. Both writers take every such decision from here; they only
// turn the answers into objects. The work for a segment is proportional to its pages and the
// bookmarks and destinations on them: the sources' structure is indexed once per source.
class StructurePlan
{
public:
    // `tags` false drops the sources' logical structure (tagged-PDF tree).
    explicit StructurePlan(BookmarkMode mode, bool tags = true);

    // Adds the next segment of the output: the pages `indices` of `source`, placed at output
    // pages from `at` on. Call before the segment's links are asked about. Returns the
    // segment's number for link(). The source must stay open while its links are asked about.
    int addSegment(SourceDocument& source, const std::vector<int32_t>& indices, int32_t at);

    // What to do with the annotation `annot` (a dictionary read from the source) of a page in
    // segment `segment`. Never throws; an unreadable link is dropped.
    LinkFix link(int segment, QPDFObjectHandle annot) const;

    // What the output keeps of its sources' logical structure.
    const TagPlan& tags() const { return m_tags; }

    // Whether the output gets neither an outline nor named destinations.
    bool empty() const { return m_nodes.empty() && m_names.empty(); }

    // The outline root and the named-destination tree root of the output, made in `target`
    // (null when there is none); `pageRef(outPage)` gives the reference to an output page.
    struct Rendered
    {
        QPDFObjectHandle outlines;
        QPDFObjectHandle dests;
    };
    Rendered render(QPDF& target, const std::function<QPDFObjectHandle(int32_t)>& pageRef) const;

    // The same outline and tree written as PDF text, for a writer numbering its own objects:
    // `allocate()` gives a new object number, `pageNumber(outPage)` an output page's number and
    // `write(number, body)` writes one object. Returns the catalog's entries for them.
    std::string writeText(const std::function<int()>& allocate,
                          const std::function<int(int32_t)>& pageNumber,
                          const std::function<void(int, const std::string&)>& write) const;

private:
    struct Segment
    {
        const StructureIndex* index = nullptr;
        std::unordered_map<int32_t, int32_t> pages; // source page -> its first output page
        std::map<std::pair<bool, std::string>, std::string> names; // kept dest -> output name
    };
    struct Node
    {
        QPDFObjectHandle title;
        QPDFObjectHandle color;
        int flags = 0;
        bool open = false;
        int32_t outPage = -1;
        std::string view;
        QPDFObjectHandle action;
        int32_t parent = -1; // an earlier node, -1 at the top
    };
    struct OutName
    {
        std::string name;
        int32_t outPage;
        std::string view;
    };

    std::string uniqueName(const std::string& key);
    void addNames(Segment& segment, const std::vector<int32_t>& indices, int32_t at);
    void addBookmarks(const Segment& segment, SourceDocument& source, int32_t at);

    BookmarkMode m_mode;
    TagPlan m_tags;
    std::vector<Segment> m_segments;
    std::vector<Node> m_nodes; // in outline order: every parent before its children
    std::vector<OutName> m_names;
    std::set<std::string> m_usedNames;
};

} // namespace paginor
