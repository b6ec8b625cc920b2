// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/PageTreeWalk.h"

#include <set>

namespace paginor {

const std::array<const char*, 4> PageTree::kInheritedKeys{"/MediaBox", "/CropBox", "/Resources",
                                                          "/Rotate"};

namespace {

constexpr size_t kResources = 2; // of PageTree::kInheritedKeys

// What the walk reads of a node or a page.
const KeyList kWalkKeys{"/Type", "/Kids", "/MediaBox", "/CropBox", "/Resources", "/Rotate"};

// Whether a value is missing; a reference counts as present without being read.
bool absent(QPDFObjectHandle h)
{
    return !h.isIndirect() && h.isNull();
}

class Walk
{
public:
    Walk(ObjectStreamReader& reader, PageTree& tree) : m_reader(reader), m_tree(tree) {}

    // The value of `h`: read apart when it sits in an object stream, else from the document.
    // With `keys`, a dictionary read apart may hold only those.
    QPDFObjectHandle peek(QPDFObjectHandle h, const KeyList* keys = nullptr)
    {
        QPDFObjectHandle copy;
        return h.isIndirect() && m_reader.readApart(h.getObjGen(), copy, keys) ? copy : h;
    }

    bool run(QPDFObjectHandle root)
    {
        struct Frame
        {
            QPDFObjectHandle kids;
            int next = 0;
            int32_t inherited = 0;
        };
        std::vector<Frame> pending;
        if (!enter(root, PageTree::Inherited(), pending))
            return false;
        while (!pending.empty()) {
            Frame& frame = pending.back();
            if (frame.next >= frame.kids.getArrayNItems()) {
                pending.pop_back();
                continue;
            }
            auto kid = frame.kids.getArrayItem(frame.next++);
            const int32_t inherited = frame.inherited;
            if (!kid.isIndirect())
                return false;
            // A page's links and contents are not the walk's business: only the keys it reads
            // are built.
            auto dict = peek(kid, &kWalkKeys);
            if (!dict.isDictionary())
                return false;
            if (dict.hasKey("/Kids")) {
                // `frame` is not used past here: the push may move it.
                if (!enter(kid, m_tree.inherited[size_t(inherited)], pending))
                    return false;
            } else if (!addPage(kid, dict, inherited)) {
                return false;
            }
        }
        return !m_tree.pages.empty();
    }

private:
    template <typename Frames>
    bool enter(QPDFObjectHandle node, PageTree::Inherited inherited, Frames& pending)
    {
        if (!node.isIndirect() || !m_nodes.insert(node.getObjGen()).second)
            return false; // a direct node or a loop
        auto dict = peek(node);
        if (!dict.isDictionaryOfType("/Pages"))
            return false;
        auto kids = peek(dict.getKey("/Kids"));
        if (!kids.isArray())
            return false;
        for (size_t k = 0; k < inherited.size(); ++k) {
            auto value = dict.getKey(PageTree::kInheritedKeys[k]);
            if (!absent(value))
                inherited[k] = value;
        }
        m_tree.inherited.push_back(inherited);
        pending.push_back({kids, 0, int32_t(m_tree.inherited.size() - 1)});
        return true;
    }

    bool addPage(QPDFObjectHandle page, QPDFObjectHandle dict, int32_t inherited)
    {
        if (!dict.isDictionaryOfType("/Page") || !m_pages.insert(page.getObjGen()).second)
            return false; // qpdf's walk fixes the type and copies a page listed twice
        m_tree.pages.push_back(page);
        m_tree.inheritedFrom.push_back(inherited);
        if (!m_tree.sharesResources)
            m_tree.sharesResources = sharesResources(dict, inherited);
        return true;
    }

    // Whether this page's resources, or the font and image lists in them, were seen on an
    // earlier page. An indirect list counts by its number alone: reading it to check its type
    // would parse what the walk avoids, and a wrong guess only costs a pruning pass.
    bool sharesResources(QPDFObjectHandle page, int32_t inherited)
    {
        auto shared = [this](QPDFObjectHandle h) {
            return h.isIndirect() && !m_resources.insert(h.getObjGen()).second;
        };
        auto res = page.getKey("/Resources");
        if (absent(res))
            return m_tree.inherited[size_t(inherited)][kResources].isInitialized();
        if (shared(res))
            return true;
        res = peek(res);
        if (!res.isDictionary())
            return false;
        for (const char* key : {"/XObject", "/Font", "/ExtGState", "/Pattern", "/Shading"})
            if (shared(res.getKey(key)))
                return true;
        return false;
    }

    ObjectStreamReader& m_reader;
    PageTree& m_tree;
    std::set<QPDFObjGen> m_nodes;
    std::set<QPDFObjGen> m_pages;
    std::set<QPDFObjGen> m_resources;
};

} // namespace

bool walkPageTree(QPDF& pdf, ObjectStreamReader& reader, PageTree& tree)
{
    tree = PageTree();
    Walk walk(reader, tree);
    if (walk.run(pdf.getRoot().getKey("/Pages")))
        return true;
    tree = PageTree();
    return false;
}

} // namespace paginor
