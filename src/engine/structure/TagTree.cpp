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

bool isMcid(QPDFObjectHandle h)
{
    return h.isInteger() && h.getIntValue() >= 0 && h.getIntValue() <= kMaxMcid;
}

// What one element's kept keys, or a role or class map, may hold.
constexpr size_t kElementBudget = 4096;
constexpr size_t kMapBudget = 65536;

} // namespace

QPDFObjectHandle boundedCopy(QPDFObjectHandle h, size_t& budget, int depth)
{
    if (depth > 8 || budget == 0)
        return QPDFObjectHandle::newNull();
    --budget;
    switch (h.getTypeCode()) {
    case ::ot_boolean:
        return QPDFObjectHandle::newBool(h.getBoolValue());
    case ::ot_integer:
        return QPDFObjectHandle::newInteger(h.getIntValue());
    case ::ot_real:
        return QPDFObjectHandle::newReal(h.getRealValue());
    case ::ot_name:
        return QPDFObjectHandle::newName(h.getName());
    case ::ot_string:
        return QPDFObjectHandle::newString(h.getStringValue());
    case ::ot_array: {
        std::vector<QPDFObjectHandle> items;
        for (auto& item : h.getArrayAsVector())
            items.push_back(boundedCopy(item, budget, depth + 1));
        return QPDFObjectHandle::newArray(items);
    }
    case ::ot_dictionary: {
        auto result = QPDFObjectHandle::newDictionary();
        for (auto& [key, value] : h.getDictAsMap())
            result.replaceKey(key, boundedCopy(value, budget, depth + 1));
        return result;
    }
    default:
        return QPDFObjectHandle::newNull();
    }
}

struct TagTree::Pending
{
    QPDFObjectHandle dict;
    int32_t parent;
    size_t slot;  // in the parent's kids
    int32_t page; // inherited
};

TagTree::TagTree() : m_id(nextTreeId()) {}

TagTree::TagTree(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages) : m_id(nextTreeId())
{
    for (size_t i = 0; i < pages.size(); ++i)
        m_pageIndex.emplace(pages[i].getObjGen(), int32_t(i));
    m_onPage.resize(pages.size());
    try {
        auto catalog = pdf.getRoot();
        auto root = catalog.getKey("/StructTreeRoot");
        if (!root.isDictionary())
            return;
        if (catalog.getKey("/Lang").isString())
            m_lang = catalog.getKey("/Lang").getStringValue();
        size_t budget = kMapBudget;
        if (root.getKey("/RoleMap").isDictionary())
            m_roleMap = boundedCopy(root.getKey("/RoleMap"), budget);
        if (root.getKey("/ClassMap").isDictionary())
            m_classMap = boundedCopy(root.getKey("/ClassMap"), budget);
        if (budget == 0)
            repaired("role or class maps too large to copy were cut short");
        read(root);
        if (!m_unplaced.empty())
            findMissingPages(root.getKey("/ParentTree"), pages);
    } catch (const std::exception&) {
        m_elements.clear();
        m_onPage.assign(pages.size(), {});
        repaired("the structure tree could not be read and was dropped");
    }
    m_objGens.clear();
    m_objGens.shrink_to_fit();
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

int32_t TagTree::pageOf(QPDFObjectHandle pg) const
{
    if (!pg.isIndirect())
        return -1;
    auto found = m_pageIndex.find(pg.getObjGen());
    return found == m_pageIndex.end() ? -1 : found->second;
}

// Elements are read depth first from an explicit stack, so a deep tree cannot exhaust the
// call stack; each is numbered when it is reached, which is tree order.
void TagTree::read(QPDFObjectHandle root)
{
    std::vector<Pending> stack;
    auto top = root.getKey("/K");
    std::vector<QPDFObjectHandle> tops;
    if (top.isArray())
        tops = top.getArrayAsVector();
    else if (!top.isNull())
        tops.push_back(top);
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        if (it->isDictionary())
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
        const auto index = int32_t(m_elements.size());
        TagElement element;
        element.parent = next.parent;
        element.keys = QPDFObjectHandle::newDictionary();
        size_t budget = kElementBudget;
        for (const char* key : kKeptKeys)
            if (next.dict.hasKey(key))
                element.keys.replaceKey(key, boundedCopy(next.dict.getKey(key), budget));
        if (budget == 0)
            repaired("element attributes too large to copy were cut short");
        if (!element.keys.getKey("/S").isName()) {
            element.keys.replaceKey("/S", QPDFObjectHandle::newName("/NonStruct"));
            repaired("structure elements without a type were given /NonStruct");
        }
        int32_t page = next.page;
        auto pg = next.dict.getKey("/Pg");
        if (!pg.isNull()) {
            const int32_t own = pageOf(pg);
            if (own >= 0)
                page = own;
            else
                repaired("a /Pg that is not a page of the document was ignored");
        }
        if (next.parent >= 0)
            m_elements[size_t(next.parent)].kids[next.slot].value = index;
        m_elements.push_back(std::move(element));
        m_objGens.push_back(next.dict.getObjGen());

        auto k = next.dict.getKey("/K");
        std::vector<QPDFObjectHandle> kids;
        if (k.isArray())
            kids = k.getArrayAsVector();
        else if (!k.isNull())
            kids.push_back(k);
        if (kids.empty() && page >= 0) {
            m_elements.back().page = page;
            m_onPage[size_t(page)].push_back(index);
        }
        std::vector<Pending> children;
        for (auto& kid : kids) {
            if (kid.isDictionary() && !kid.hasKey("/MCID") && !kid.hasKey("/Obj")) {
                auto& own = m_elements.back().kids;
                own.push_back({TagKid::Kind::Element, -1, -1, {}});
                children.push_back({kid, index, own.size() - 1, page});
                continue;
            }
            TagKid content;
            content.page = page;
            if (isMcid(kid)) {
                content.kind = TagKid::Kind::Content;
                content.value = int32_t(kid.getIntValue());
            } else if (kid.isDictionary() && isMcid(kid.getKey("/MCID"))) {
                content.kind = TagKid::Kind::Content;
                content.value = int32_t(kid.getKey("/MCID").getIntValue());
                auto stm = kid.getKey("/Stm");
                if (stm.isStream() && stm.isIndirect())
                    content.obj = stm.getObjGen();
                else if (!stm.isNull())
                    content.page = -2; // in a stream that cannot be found: left out
            } else if (kid.isDictionary() && kid.getKey("/Obj").isIndirect()) {
                content.kind = TagKid::Kind::Object;
                content.obj = kid.getKey("/Obj").getObjGen();
                if (content.page < 0)
                    content.page = pageOf(kid.getKey("/Obj").getKey("/P"));
            } else {
                repaired("structure entries of the wrong type were left out");
                continue;
            }
            if (kid.isDictionary() && !kid.getKey("/Pg").isNull()) {
                const int32_t own = pageOf(kid.getKey("/Pg"));
                if (own >= 0)
                    content.page = own;
                else
                    repaired("a /Pg that is not a page of the document was ignored");
            }
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
void TagTree::findMissingPages(QPDFObjectHandle parentTree,
                               const std::vector<QPDFObjectHandle>& pages)
{
    std::map<int64_t, int32_t> pageByKey;
    for (size_t i = 0; i < pages.size(); ++i) {
        auto page = pages[i];
        auto key = page.getKey("/StructParents");
        if (key.isInteger())
            pageByKey.emplace(key.getIntValue(), int32_t(i));
    }
    std::map<std::pair<QPDFObjGen, int32_t>, int32_t> owners; // (element, MCID) -> page
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> nodes{parentTree};
    while (!nodes.empty()) {
        auto node = nodes.back();
        nodes.pop_back();
        if (!node.isDictionary() || (node.isIndirect() && !seen.insert(node.getObjGen()).second))
            continue;
        auto kids = node.getKey("/Kids");
        if (kids.isArray())
            for (auto& kid : kids.getArrayAsVector())
                nodes.push_back(kid);
        auto nums = node.getKey("/Nums");
        if (!nums.isArray())
            continue;
        const int n = nums.getArrayNItems();
        for (int i = 0; i + 1 < n; i += 2) {
            auto key = nums.getArrayItem(i);
            auto value = nums.getArrayItem(i + 1);
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
