// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/TagTree.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace paginor {

// Decides, for one output, what it keeps of its sources' logical structure, and lays the
// output's tree out for both writers:
// - a split keeps the elements with content on its pages, their ancestors, and nothing else;
// - a merge joins the inputs' trees in order, under one /Part each (per-file bookmarks) or
//   side by side under one /Document, with their role and class maps and IDs joined and
//   renamed where two inputs disagree;
// - the parent tree is built afresh from the kept elements, so a source's own parent tree
//   is never trusted, and every /StructParents and /StructParent gets a key of it.
// A source's structure belongs to the first copy of each page; later copies get none.
class TagPlan
{
public:
    // `keep` false drops all structure; `parts` puts each input under a /Part.
    TagPlan(bool keep, bool parts);

    // Adds the next segment of the output: the pages `indices` of the source whose tree is
    // `tree`, page `indices[k]` placed at output page `positions[k]`. `title` names the
    // segment's /Part. The tree must outlive the plan. Returns the segment's number.
    int addSegment(const TagTree& tree, const std::vector<int32_t>& indices,
                   const std::vector<int32_t>& positions, QPDFObjectHandle title);

    // The /StructParents value of output page `outPage`; -1 when the page has no key.
    int pageKey(int32_t outPage) const;
    // The /StructParent or /StructParents value of the source object `og` (an annotation or
    // XObject) in segment `segment`; -1 when it has none in this output.
    int objectKey(int segment, QPDFObjGen og) const;
    // The source objects of `segment` that the output's tree refers to.
    std::vector<QPDFObjGen> objects(int segment) const;

    // Whether the sources' structure is kept at all.
    bool keeps() const { return m_keep; }

    // The output holds content no tree marks (a page of its own making).
    void addUnmarkedContent() { m_allMarked = false; }

    // Whether the output may get a tree at all (some kept element).
    bool empty() const;

    // Writes the tree as PDF text, for writers of either kind: `allocate()` gives a new object
    // number, `pageNumber(outPage)` an output page's, `objectNumber(segment, og)` the output's
    // number for a source object of objects(segment), 0 when the output lacks it, and
    // `write(number, body)` writes one object. Elements left without content are left out.
    // Returns the catalog's entries for the tree, its language and /MarkInfo ("" for none).
    std::string writeText(const std::function<int()>& allocate,
                          const std::function<int(int32_t)>& pageNumber,
                          const std::function<int(int, QPDFObjGen)>& objectNumber,
                          const std::function<void(int, const std::string&)>& write) const;

private:
    struct Segment
    {
        // The kept elements in tree order, numbered among themselves, with only the content on
        // pages this segment owns: copied, since a merge closes each source after its pages.
        std::vector<TagElement> elements;
        QPDFObjectHandle roleMap;
        std::unordered_map<int32_t, int32_t> pages; // source page -> output page it owns
        std::map<QPDFObjGen, int> objectKeys;
        mutable QPDFObjectHandle title; // mutable: qpdf's unparse() is not const
        std::string lang;               // for its top when it differs from the output's
        bool unwrap = false;            // its sole top /Document gives way to the output's
        std::map<std::string, std::string> roles, classes, ids; // renamed in this output
    };
    struct Render;
    void joinMaps(const TagTree& tree, Segment& segment);

    bool m_keep;
    bool m_parts;
    std::vector<Segment> m_segments;
    std::vector<int> m_pageKeys; // by output page
    int m_nextKey = 0;
    bool m_allMarked = true;
    bool m_haveLang = false;
    std::string m_lang;
    std::set<std::pair<uint64_t, int32_t>> m_owned; // (TagTree::id(), page) given structure
    std::map<std::string, QPDFObjectHandle> m_roleMap, m_classMap;
    std::set<std::string> m_ids;
};

} // namespace paginor
