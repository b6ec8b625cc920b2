// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// TagPlan's tree written as PDF text, for both writers: the one numbering its own objects
// writes it as it is, the one building a document parses each object.
#include "engine/structure/TagPlan.h"

#include <algorithm>
#include <unordered_map>

namespace paginor {

namespace {

// Number-tree and name-tree leaves hold this many entries; larger trees get one level of kids.
constexpr size_t kPerLeaf = 128;

std::string ref(int number)
{
    return std::to_string(number) + " 0 R";
}

std::string nameText(const std::string& name)
{
    return QPDFObjectHandle::newName(name).unparse();
}

std::string stringText(const std::string& bytes)
{
    return QPDFObjectHandle::newString(bytes).unparse();
}

// A number or name tree of `entries` (key text, value text), sorted; returns its root.
int writeTree(const std::vector<std::pair<std::string, std::string>>& entries, const char* kind,
              const std::function<int()>& allocate,
              const std::function<void(int, const std::string&)>& write)
{
    auto leaf = [&](size_t from, size_t to, bool limits) {
        std::string body = std::string("<< /") + kind + " [";
        for (size_t i = from; i < to; ++i)
            body += entries[i].first + " " + entries[i].second + " ";
        body += "]";
        if (limits)
            body += " /Limits [" + entries[from].first + " " + entries[to - 1].first + "]";
        return body + " >>";
    };
    const int root = allocate();
    if (entries.size() <= kPerLeaf) {
        write(root, leaf(0, entries.size(), false));
        return root;
    }
    std::string kids = "<< /Kids [";
    for (size_t from = 0; from < entries.size(); from += kPerLeaf) {
        const int number = allocate();
        write(number, leaf(from, std::min(entries.size(), from + kPerLeaf), true));
        kids += ref(number) + " ";
    }
    write(root, kids + "] >>");
    return root;
}

// `value` (a name, or an array of names and revision numbers) with names renamed.
QPDFObjectHandle renamed(QPDFObjectHandle value, const std::map<std::string, std::string>& names)
{
    if (value.isName() && names.count(value.getName()))
        return QPDFObjectHandle::newName(names.at(value.getName()));
    if (!value.isArray())
        return value;
    std::vector<QPDFObjectHandle> items;
    for (auto& item : value.aitems())
        items.push_back(renamed(item, names));
    return QPDFObjectHandle::newArray(items);
}

// Attribute objects with the IDs their /Headers name renamed.
QPDFObjectHandle renamedHeaders(QPDFObjectHandle attributes,
                                const std::map<std::string, std::string>& ids)
{
    size_t budget = size_t(1) << 16;
    auto copy = boundedCopy(attributes, budget);
    auto owners = copy.isArray() ? copy.getArrayAsVector() : std::vector<QPDFObjectHandle>{copy};
    for (auto& owner : owners) {
        auto headers = owner.isDictionary() ? owner.getKey("/Headers") : QPDFObjectHandle();
        for (int i = 0; headers.isArray() && i < headers.getArrayNItems(); ++i) {
            auto id = headers.getArrayItem(i);
            if (id.isString() && ids.count(id.getStringValue()))
                headers.setArrayItem(i, QPDFObjectHandle::newString(ids.at(id.getStringValue())));
        }
    }
    return copy;
}

} // namespace

std::string TagPlan::writeText(const std::function<int()>& allocate,
                               const std::function<int(int32_t)>& pageNumber,
                               const std::function<int(int, QPDFObjGen)>& objectNumber,
                               const std::function<void(int, const std::string&)>& write) const
{
    if (empty())
        return {};
    const size_t count = m_segments.size();
    // Which kept elements still hold content: an object the output lacks (a link dropped with
    // the page it led to) takes nothing with it. Children come after parents in tree order.
    std::vector<std::unordered_map<int32_t, int>> number(count); // element -> object number
    std::vector<std::vector<int32_t>> live(count);
    auto holds = [&](size_t s, const TagKid& kid) {
        const auto& segment = m_segments[s];
        if (kid.kind == TagKid::Kind::Element)
            return number[s].count(kid.value) > 0;
        if (!segment.pages.count(kid.page))
            return false;
        return kid.obj.getObj() == 0 || objectNumber(int(s), kid.obj) != 0;
    };
    size_t withContent = 0;
    for (size_t s = 0; s < count; ++s) {
        const auto& segment = m_segments[s];
        for (auto e = int32_t(segment.elements.size()); e-- > 0;) {
            const auto& kids = segment.elements[size_t(e)].kids;
            if (segment.elements[size_t(e)].page >= 0 ||
                std::any_of(kids.begin(), kids.end(),
                            [&](const TagKid& kid) { return holds(s, kid); }))
                number[s][e] = 0;
        }
        for (int32_t e = 0; e < int32_t(segment.elements.size()); ++e)
            if (number[s].count(e))
                live[s].push_back(e);
        withContent += live[s].empty() ? 0 : 1;
    }
    if (withContent == 0)
        return {};

    const int root = allocate();
    const bool wrap = m_parts || withContent > 1;
    const int document = wrap ? allocate() : 0;
    std::vector<int> container(count, wrap ? document : root); // what the tops hang from
    std::vector<std::vector<int32_t>> tops(count);
    std::vector<QPDFObjectHandle> topLang(count); // for tops without their own /Lang
    std::vector<std::string> topKids;
    std::vector<std::string> documentKids;
    for (size_t s = 0; s < count; ++s) {
        if (live[s].empty())
            continue;
        const auto& segment = m_segments[s];
        const auto& elements = segment.elements;
        for (int32_t e : live[s])
            if (elements[size_t(e)].parent < 0)
                tops[s].push_back(e);
        if (!segment.lang.empty())
            topLang[s] = QPDFObjectHandle::newString(segment.lang);
        // A merge's one /Document holds the inputs' own: a sole top /Document gives way.
        if (wrap && tops[s].size() == 1) {
            const auto& top = elements[size_t(tops[s][0])];
            auto type = top.keys.getKey("/S");
            auto roles = segment.roleMap;
            auto mapped = roles.isDictionary() && type.isName() ? roles.getKey(type.getName())
                                                                : QPDFObjectHandle();
            if (type.isNameAndEquals("/Document") ||
                (mapped.isInitialized() && mapped.isNameAndEquals("/Document"))) {
                const int32_t lifted = tops[s][0];
                if (auto lang = top.keys.getKey("/Lang"); lang.isString())
                    topLang[s] = lang;
                number[s].erase(lifted);
                tops[s].clear();
                for (int32_t e : live[s])
                    if (elements[size_t(e)].parent == lifted)
                        tops[s].push_back(e);
                live[s].erase(std::find(live[s].begin(), live[s].end(), lifted));
            }
        }
        if (m_parts) {
            container[s] = allocate();
            documentKids.push_back(ref(container[s]));
        }
        for (int32_t e : live[s])
            number[s][e] = allocate();
        for (int32_t e : tops[s])
            (wrap && !m_parts ? documentKids : topKids).push_back(ref(number[s][e]));
    }

    std::map<int, std::map<int32_t, int>> arrays; // parent-tree key -> MCID -> element
    std::map<int, int> singles;                   // parent-tree key -> element
    std::vector<std::pair<std::string, std::string>> ids;
    for (size_t s = 0; s < count; ++s) {
        const auto& segment = m_segments[s];
        if (live[s].empty())
            continue;
        const auto& elements = segment.elements;
        if (m_parts) {
            std::string body = "<< /Type /StructElem /S /Part /P " + ref(document);
            if (segment.title.isInitialized())
                body += " /T " + segment.title.unparse();
            if (topLang[s].isInitialized())
                body += " /Lang " + topLang[s].unparse();
            body += " /K [";
            for (int32_t e : tops[s])
                body += ref(number[s][e]) + " ";
            write(container[s], body + "] >>");
        }
        for (int32_t e : live[s]) {
            const auto& element = elements[size_t(e)];
            const int own = number[s][e];
            std::string body = "<< /Type /StructElem";
            // The kept keys are held as text: read them once for this element.
            QPDFObjectHandle keys = element.keys.dictionary();
            for (auto& [key, value] : keys.ditems()) {
                QPDFObjectHandle out = value;
                if (key == "/S")
                    out = renamed(value, segment.roles);
                else if (key == "/C")
                    out = renamed(value, segment.classes);
                else if (key == "/A" && !segment.ids.empty())
                    out = renamedHeaders(value, segment.ids);
                else if (key == "/ID" && value.isString()) {
                    auto id = segment.ids.count(value.getStringValue())
                                  ? segment.ids.at(value.getStringValue())
                                  : value.getStringValue();
                    out = QPDFObjectHandle::newString(id);
                    ids.emplace_back(id, ref(own));
                }
                body += " " + nameText(key) + " " + out.unparse();
            }
            const bool top = element.parent < 0 || !number[s].count(element.parent);
            if (top && !m_parts && topLang[s].isInitialized() && !keys.hasKey("/Lang"))
                body += " /Lang " + topLang[s].unparse();
            body += " /P " + ref(top ? container[s] : number[s][element.parent]);
            // The element's page is that of its first kept content; content elsewhere names
            // its own page.
            int32_t pg = -1;
            for (const auto& kid : element.kids)
                if (kid.kind != TagKid::Kind::Element && holds(s, kid)) {
                    pg = segment.pages.at(kid.page);
                    break;
                }
            if (pg < 0 && element.page >= 0)
                pg = segment.pages.at(element.page);
            if (pg >= 0)
                body += " /Pg " + ref(pageNumber(pg));
            body += " /K [";
            for (const auto& kid : element.kids) {
                if (!holds(s, kid))
                    continue;
                if (kid.kind == TagKid::Kind::Element) {
                    body += ref(number[s][kid.value]) + " ";
                    continue;
                }
                const int32_t page = segment.pages.at(kid.page);
                const int obj = kid.obj.getObj() ? objectNumber(int(s), kid.obj) : 0;
                if (kid.kind == TagKid::Kind::Object) {
                    body += "<< /Type /OBJR /Obj " + ref(obj) + " /Pg " + ref(pageNumber(page)) +
                            " >> ";
                    singles[segment.objectKeys.at(kid.obj)] = own;
                } else if (obj == 0 && page == pg) {
                    body += std::to_string(kid.value) + " ";
                    arrays[m_pageKeys[size_t(page)]][kid.value] = own;
                } else {
                    body += "<< /Type /MCR /Pg " + ref(pageNumber(page)) + " /MCID " +
                            std::to_string(kid.value);
                    if (obj)
                        body += " /Stm " + ref(obj);
                    body += " >> ";
                    arrays[obj ? segment.objectKeys.at(kid.obj) : m_pageKeys[size_t(page)]]
                          [kid.value] = own;
                }
            }
            write(own, body + "] >>");
        }
    }
    if (wrap) {
        std::string body = "<< /Type /StructElem /S /Document /P " + ref(root) + " /K [";
        for (auto& kid : documentKids)
            body += kid + " ";
        write(document, body + "] >>");
        topKids = {ref(document)};
    }

    std::vector<std::pair<std::string, std::string>> nums;
    for (auto& [key, owners] : arrays) {
        std::string value = "[";
        int32_t next = 0;
        for (auto& [mcid, element] : owners) {
            for (; next < mcid; ++next)
                value += "null ";
            value += ref(element) + " ";
            next = mcid + 1;
        }
        nums.emplace_back(std::to_string(key), value + "]");
    }
    for (auto& [key, element] : singles)
        nums.emplace_back(std::to_string(key), ref(element));
    std::sort(nums.begin(), nums.end(),
              [](const auto& a, const auto& b) { return std::stoi(a.first) < std::stoi(b.first); });
    std::string body = "<< /Type /StructTreeRoot /K [";
    for (auto& kid : topKids)
        body += kid + " ";
    body += "] /ParentTree " + ref(writeTree(nums, "Nums", allocate, write));
    body += " /ParentTreeNextKey " + std::to_string(m_nextKey);
    for (auto* map : {&m_roleMap, &m_classMap}) {
        if (map->empty())
            continue;
        body += map == &m_roleMap ? " /RoleMap <<" : " /ClassMap <<";
        for (auto [key, value] : *map)
            body += " " + nameText(key) + " " + value.unparse();
        body += " >>";
    }
    if (!ids.empty()) {
        std::sort(ids.begin(), ids.end());
        for (auto& entry : ids)
            entry.first = stringText(entry.first);
        body += " /IDTree " + ref(writeTree(ids, "Names", allocate, write));
    }
    write(root, body + " >>");

    std::string catalog = " /StructTreeRoot " + ref(root);
    if (m_allMarked)
        catalog += " /MarkInfo << /Marked true >>";
    if (!m_lang.empty())
        catalog += " /Lang " + stringText(m_lang);
    return catalog;
}

} // namespace paginor
