// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/TagValues.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace paginor {

// One kid of a structure element, read into plain values.
struct TagKid
{
    enum class Kind : uint8_t
    {
        Element, // `value` is the index of a child element
        Content, // marked content: `value` is its MCID; `obj` the form XObject holding it, if any
        Object,  // an annotation or XObject: `obj`
    };
    Kind kind = Kind::Element;
    int32_t page = -1; // zero-based page of the source the content lies on; -1 for elements
    int32_t value = 0;
    QPDFObjGen obj;
};

// One structure element. Elements are numbered in tree order, so that every element comes
// before its descendants and a sorted list of elements is in reading order.
struct TagElement
{
    int32_t parent = -1; // -1 for the elements at the top of the tree
    int32_t end = 0;     // one past the last of its descendants
    // For an element without kids, such as a figure known by its alternate text alone: the
    // page it stands on (its own or inherited /Pg), which it is kept with; -1 otherwise.
    int32_t page = -1;
    // The keys kept as they are: type, alternate and replacement text, language, attributes,
    // classes, ID, title. Always holds a /S name.
    TagKeys keys;
    std::vector<TagKid> kids;
};

// The logical structure tree of one source, read once into plain values. Damage never fails
// the reading: loops are cut, entries of the wrong type left out, a missing page found through
// the parent tree where it can be; each such repair is listed in repairs(). The source's parent
// tree is otherwise not trusted: an output's is rebuilt from the elements' own kids.
class TagTree
{
public:
    // An empty tree: the source is untagged.
    TagTree();

    using Loader = TagValues::Loader;

    // Reads the /StructTreeRoot of `pdf`, whose pages are `pages` in order (a null entry for
    // a page listed again). Every indirect object is read through `peek`, so that reading a
    // tree of thousands of elements leaves none of them in the document's cache.
    TagTree(QPDF& pdf, const std::vector<QPDFObjGen>& pages, Loader peek);

    // A number no other tree of this process has, to tell sources apart.
    uint64_t id() const { return m_id; }

    // Whether the source has a tree with at least one element.
    bool tagged() const { return !m_elements.empty(); }
    const std::vector<TagElement>& elements() const { return m_elements; }
    // Elements with marked content or an object on `page`, or standing on it without kids, in
    // tree order.
    const std::vector<int32_t>& onPage(int32_t page) const;

    // Plain copies of the root's role and class maps; null when missing.
    QPDFObjectHandle roleMap() const { return m_roleMap; }
    QPDFObjectHandle classMap() const { return m_classMap; }
    // The catalog's /Lang as stored, "" when missing.
    const std::string& lang() const { return m_lang; }

    // What was repaired or dropped while reading, in words, one entry per kind of damage.
    const std::vector<std::string>& repairs() const { return m_repairs; }

private:
    struct Pending;
    using Values = TagValues;
    void read(QPDFObjectHandle root, Values& values);
    TagKeys readKeys(QPDFObjectHandle dict, Values& values);
    // The page `pg` names: -1 when missing, -2 when it names no page of the document.
    int32_t pageOf(QPDFObjectHandle pg, Values& values) const;
    void addContent(int32_t element, TagKid kid);
    void findMissingPages(QPDFObjectHandle parentTree, const std::vector<QPDFObjGen>& pages,
                          Values& values);
    void repaired(const std::string& what);

    uint64_t m_id;
    std::map<QPDFObjGen, int32_t> m_pageIndex;
    std::vector<TagElement> m_elements;
    std::vector<QPDFObjGen> m_objGens; // of each element, for the parent-tree repair
    std::vector<std::vector<int32_t>> m_onPage;
    // Marked content whose page neither the kid nor its elements name: (element, kid).
    std::vector<std::pair<int32_t, size_t>> m_unplaced;
    QPDFObjectHandle m_roleMap;
    QPDFObjectHandle m_classMap;
    std::string m_lang;
    std::vector<std::string> m_repairs;
};

} // namespace paginor
