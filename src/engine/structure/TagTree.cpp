// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/TagTree.h"

#include <algorithm>
#include <atomic>
#include <set>

namespace paginor {

namespace {

// Marked-content ids above this are taken for damage: the output's parent tree holds an array
// entry for every id up to the highest on a page.
constexpr int64_t kMaxMcid = 1 << 18;

// The keys of an element kept as they are. The rest are rebuilt (/P, /K, /Pg) or left out:
// /Ref and /AF lead to objects an output may not have, /NS to namespaces it does not declare.
const char* const kKeptKeys[] = {"/S",
                                 "/ID",
                                 "/A",
                                 "/C",
                                 "/R",
                                 "/T",
                                 "/Lang",
                                 "/Alt",
                                 "/E",
                                 "/ActualText",
                                 "/PhoneticAlphabet",
                                 "/Phoneme"};

uint64_t nextTreeId()
{
    static std::atomic<uint64_t> next{1};
    return next++;
}

// `h` read already.
bool isMcid(QPDFObjectHandle h)
{
    return h.isInteger() && h.getIntValue() >= 0 && h.getIntValue() <= kMaxMcid;
}

// What one element's kept keys, or a role or class map, may hold.
constexpr size_t kElementBudget = 4096;
constexpr size_t kMapBudget = 65536;

} // namespace

struct TagTree::Pending
{
    QPDFObjectHandle dict; // as its parent holds it: indirect or not, not read yet
    int32_t parent;
    size_t slot;  // in the parent's kids
    int32_t page; // inherited
};

TagTree::TagTree() : m_id(nextTreeId()) {}

TagTree::TagTree(QPDF& pdf, const std::vector<QPDFObjGen>& pages, Loader peek) : m_id(nextTreeId())
{
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i].getObj() != 0)
            m_pageIndex.emplace(pages[i], int32_t(i));
    m_onPage.resize(pages.size());
    Values values(pdf, std::move(peek));
    try {
        auto catalog = pdf.getRoot();
        auto root = values.get(catalog.getKey("/StructTreeRoot"));
        if (!root.isDictionary())
            return;
        auto lang = values.get(catalog.getKey("/Lang"));
        if (lang.isString())
            m_lang = lang.getStringValue();
        size_t budget = kMapBudget;
        for (auto* map : {&m_roleMap, &m_classMap}) {
            auto value = values.get(root.getKey(map == &m_roleMap ? "/RoleMap" : "/ClassMap"));
            if (!value.isDictionary())
                continue;
            std::string text;
            values.appendText(value, budget, text);
            *map = QPDFObjectHandle::parse(text);
        }
        values.release();
        if (budget == 0)
            repaired("role or class maps too large to copy were cut short");
        read(root, values);
        if (!m_unplaced.empty())
            findMissingPages(root.getKey("/ParentTree"), pages, values);
    } catch (const std::exception&) {
        m_elements.clear();
        m_onPage.assign(pages.size(), {});
        repaired("the structure tree could not be read and was dropped");
    }
    m_objGens.clear();
    m_objGens.shrink_to_fit();
    m_pageIndex.clear();
}

const std::vector<int32_t>& TagTree::onPage(int32_t page) const
{
    static const std::vector<int32_t> none;
    return page >= 0 && size_t(page) < m_onPage.size() ? m_onPage[size_t(page)] : none;
}

void TagTree::repaired(const std::string& what)
{
    if (std::find(m_repairs.begin(), m_repairs.end(), what) == m_repairs.end())
        m_repairs.push_back(what);
}

int32_t TagTree::pageOf(QPDFObjectHandle pg, Values& values) const
{
    // A page is known by its number alone: reading it would parse what the tree only names.
    if (pg.isIndirect()) {
        auto found = m_pageIndex.find(pg.getObjGen());
        if (found != m_pageIndex.end())
            return found->second;
    }
    return values.get(pg).isNull() ? -1 : -2;
}

TagKeys TagTree::readKeys(QPDFObjectHandle dict, Values& values)
{
    std::string text;
    size_t budget = kElementBudget;
    bool typed = false;
    for (const char* key : kKeptKeys) {
        auto value = values.get(dict.getKey(key));
        if (value.isNull())
            continue;
        std::string pair;
        values.appendPair(key, value, budget, pair);
        // Of all values, a name's text alone starts with a slash.
        if (key == kKeptKeys[0] && !(typed = pair.compare(0, 5, " /S /") == 0))
            continue;
        text += pair;
    }
    values.release();
    if (budget == 0)
        repaired("element attributes too large to copy were cut short");
    if (!typed) {
        text = " /S /NonStruct" + text;
        repaired("structure elements without a type were given /NonStruct");
    }
    return TagKeys(std::move(text));
}

// Elements are read depth first from an explicit stack, so a deep tree cannot exhaust the
// call stack; each is numbered when it is reached, which is tree order. Only the element
// being read is held: the stack holds its siblings as their parents name them.
void TagTree::read(QPDFObjectHandle root, Values& values)
{
    std::vector<Pending> stack;
    auto top = values.get(root.getKey("/K"));
    std::vector<QPDFObjectHandle> tops;
    if (top.isArray())
        tops = top.getArrayAsVector();
    else if (!top.isNull())
        tops.push_back(root.getKey("/K"));
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        if (values.get(*it).isDictionary())
            stack.push_back({*it, -1, 0, -1});
        else
            repaired("structure entries of the wrong type were left out");
    }
    std::set<QPDFObjGen> seen;
    while (!stack.empty()) {
        Pending next = stack.back();
        stack.pop_back();
        if (next.dict.isIndirect() && !seen.insert(next.dict.getObjGen()).second) {
            repaired("a loop or a shared element in the structure tree was cut");
            continue;
        }
        auto dict = values.get(next.dict);
        const auto index = int32_t(m_elements.size());
        TagElement element;
        element.parent = next.parent;
        element.keys = readKeys(dict, values);
        int32_t page = next.page;
        const int32_t own = pageOf(dict.getKey("/Pg"), values);
        if (own >= 0)
            page = own;
        else if (own == -2)
            repaired("a /Pg that is not a page of the document was ignored");
        if (next.parent >= 0)
            m_elements[size_t(next.parent)].kids[next.slot].value = index;
        m_elements.push_back(std::move(element));
        m_objGens.push_back(next.dict.getObjGen());

        auto k = values.get(dict.getKey("/K"));
        std::vector<QPDFObjectHandle> kids;
        if (k.isArray())
            kids = k.getArrayAsVector();
        else if (!k.isNull())
            kids.push_back(dict.getKey("/K"));
        if (kids.empty() && page >= 0) {
            m_elements.back().page = page;
            m_onPage[size_t(page)].push_back(index);
        }
        std::vector<Pending> children;
        for (auto& held : kids) {
            auto kid = values.get(held);
            if (kid.isDictionary() && !values.has(kid, "/MCID") && !values.has(kid, "/Obj")) {
                auto& own = m_elements.back().kids;
                own.push_back({TagKid::Kind::Element, -1, -1, {}});
                children.push_back({held, index, own.size() - 1, page});
                continue;
            }
            TagKid content;
            content.page = page;
            if (isMcid(kid)) {
                content.kind = TagKid::Kind::Content;
                content.value = int32_t(kid.getIntValue());
            } else if (kid.isDictionary() && isMcid(values.get(kid.getKey("/MCID")))) {
                content.kind = TagKid::Kind::Content;
                content.value = int32_t(values.get(kid.getKey("/MCID")).getIntValue());
                // A stream is left to the document, which alone tells it from a dictionary.
                auto stm = kid.getKey("/Stm");
                if (stm.isStream() && stm.isIndirect())
                    content.obj = stm.getObjGen();
                else if (!values.get(stm).isNull())
                    content.page = -2; // in a stream that cannot be found: left out
            } else if (kid.isDictionary() && kid.getKey("/Obj").isIndirect()) {
                content.kind = TagKid::Kind::Object;
                content.obj = kid.getKey("/Obj").getObjGen();
                auto annotation = values.get(kid.getKey("/Obj"));
                if (content.page < 0 && annotation.isDictionary())
                    content.page = std::max(pageOf(annotation.getKey("/P"), values), -1);
            } else {
                repaired("structure entries of the wrong type were left out");
                continue;
            }
            const int32_t kidPage = kid.isDictionary() ? pageOf(kid.getKey("/Pg"), values) : -1;
            if (kidPage >= 0)
                content.page = kidPage;
            else if (kidPage == -2)
                repaired("a /Pg that is not a page of the document was ignored");
            if (content.page == -2) {
                repaired("structure entries of the wrong type were left out");
                continue;
            }
            addContent(index, content);
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            stack.push_back(*it);
    }
    // Kids cut as loops never got an element.
    for (auto& element : m_elements) {
        auto& kids = element.kids;
        kids.erase(std::remove_if(kids.begin(), kids.end(),
                                  [](const TagKid& kid) {
                                      return kid.kind == TagKid::Kind::Element && kid.value < 0;
                                  }),
                   kids.end());
    }
    for (size_t i = m_elements.size(); i-- > 0;) {
        auto& element = m_elements[i];
        element.end = int32_t(i) + 1;
        for (auto& kid : element.kids)
            if (kid.kind == TagKid::Kind::Element)
                element.end = std::max(element.end, m_elements[size_t(kid.value)].end);
    }
}

void TagTree::addContent(int32_t element, TagKid kid)
{
    auto& kids = m_elements[size_t(element)].kids;
    kids.push_back(kid);
    if (kid.page < 0) {
        m_unplaced.emplace_back(element, kids.size() - 1);
        return;
    }
    auto& list = m_onPage[size_t(kid.page)];
    if (list.empty() || list.back() != element)
        list.push_back(element);
}

// Marked content whose page is named nowhere: the parent tree, which maps each page's key to
// the owners of its marked content, tells the page. Content it cannot place is left out.
void TagTree::findMissingPages(QPDFObjectHandle parentTree, const std::vector<QPDFObjGen>& pages,
                               Values& values)
{
    std::map<int64_t, int32_t> pageByKey;
    for (size_t i = 0; i < pages.size(); ++i) {
        auto page = pages[i].getObj() ? values.object(pages[i]) : QPDFObjectHandle();
        auto key =
            page.isDictionary() ? values.get(page.getKey("/StructParents")) : QPDFObjectHandle();
        if (key.isInteger())
            pageByKey.emplace(key.getIntValue(), int32_t(i));
    }
    std::map<std::pair<QPDFObjGen, int32_t>, int32_t> owners; // (element, MCID) -> page
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> nodes{parentTree};
    while (!nodes.empty()) {
        auto held = nodes.back();
        nodes.pop_back();
        auto node = values.get(held);
        if (!node.isDictionary() || (held.isIndirect() && !seen.insert(held.getObjGen()).second))
            continue;
        auto kids = values.get(node.getKey("/Kids"));
        if (kids.isArray())
            for (auto& kid : kids.getArrayAsVector())
                nodes.push_back(kid);
        auto nums = values.get(node.getKey("/Nums"));
        if (!nums.isArray())
            continue;
        const int n = nums.getArrayNItems();
        for (int i = 0; i + 1 < n; i += 2) {
            auto key = values.get(nums.getArrayItem(i));
            auto value = values.get(nums.getArrayItem(i + 1));
            if (!key.isInteger() || !value.isArray() || !pageByKey.count(key.getIntValue()))
                continue;
            const int32_t page = pageByKey[key.getIntValue()];
            const int items = std::min(value.getArrayNItems(), int(kMaxMcid) + 1);
            for (int m = 0; m < items; ++m) {
                auto owner = value.getArrayItem(m);
                if (owner.isIndirect())
                    owners.emplace(std::make_pair(owner.getObjGen(), int32_t(m)), page);
            }
        }
    }
    std::vector<bool> touched(m_onPage.size(), false);
    for (auto [element, slot] : m_unplaced) {
        auto& kid = m_elements[size_t(element)].kids[slot];
        auto found = kid.kind == TagKid::Kind::Content
                         ? owners.find({m_objGens[size_t(element)], kid.value})
                         : owners.end();
        if (found == owners.end()) {
            repaired("marked content without a page was left out");
            continue;
        }
        kid.page = found->second;
        m_onPage[size_t(kid.page)].push_back(element);
        touched[size_t(kid.page)] = true;
        repaired("marked content without a page was placed through the parent tree");
    }
    for (size_t p = 0; p < m_onPage.size(); ++p) {
        if (!touched[p])
            continue;
        auto& list = m_onPage[p];
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    // What stays unplaced is removed from its element.
    for (auto& element : m_elements) {
        auto& kids = element.kids;
        kids.erase(std::remove_if(kids.begin(), kids.end(),
                                  [](const TagKid& kid) {
                                      return kid.kind != TagKid::Kind::Element && kid.page < 0;
                                  }),
                   kids.end());
    }
    m_unplaced.clear();
}

} // namespace paginor
