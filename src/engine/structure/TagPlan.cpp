// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/TagPlan.h"

#include "engine/structure/StructurePlan.h"

#include <algorithm>
#include <unordered_set>

namespace paginor {

TagPlan::TagPlan(bool keep, bool parts) : m_keep(keep), m_parts(parts) {}

int TagPlan::addSegment(const TagTree& tree, const std::vector<int32_t>& indices,
                        const std::vector<int32_t>& positions, QPDFObjectHandle title)
{
    Segment segment;
    segment.title = title;
    for (int32_t position : positions)
        if (size_t(position) >= m_pageKeys.size())
            m_pageKeys.resize(size_t(position) + 1, -1);
    const int number = int(m_segments.size());
    if (!m_keep || !tree.tagged()) {
        m_allMarked = m_allMarked && indices.empty();
        m_segments.push_back(std::move(segment));
        return number;
    }
    segment.roleMap = tree.roleMap();
    const auto& elements = tree.elements();
    // The elements with content on the pages this segment owns, and their ancestors.
    std::unordered_set<int32_t> kept;
    std::vector<int32_t> owned; // source pages, in output order
    for (size_t k = 0; k < indices.size(); ++k) {
        const int32_t page = indices[k];
        if (!m_owned.insert({tree.id(), page}).second) {
            m_allMarked = false; // a page taken again: its content is owned by its first copy
            continue;
        }
        segment.pages.emplace(page, positions[k]);
        owned.push_back(page);
        for (int32_t e : tree.onPage(page))
            for (int32_t up = e; up >= 0 && kept.insert(up).second;)
                up = elements[size_t(up)].parent;
    }
    std::vector<int32_t> order(kept.begin(), kept.end());
    std::sort(order.begin(), order.end());
    std::unordered_map<int32_t, int32_t> position;
    for (size_t i = 0; i < order.size(); ++i)
        position.emplace(order[i], int32_t(i));
    for (int32_t e : order) {
        const auto& element = elements[size_t(e)];
        TagElement copy;
        copy.parent = element.parent < 0 ? -1 : position.at(element.parent);
        copy.keys = element.keys;
        if (segment.pages.count(element.page))
            copy.page = element.page;
        for (auto kid : element.kids) {
            if (kid.kind == TagKid::Kind::Element) {
                auto found = position.find(kid.value);
                if (found == position.end())
                    continue;
                kid.value = found->second;
            } else if (!segment.pages.count(kid.page)) {
                continue;
            }
            copy.kids.push_back(kid);
        }
        segment.elements.push_back(std::move(copy));
    }

    // Keys for the pages and objects whose content is kept, in output order.
    for (int32_t page : owned) {
        bool content = false;
        for (int32_t e : tree.onPage(page)) {
            for (const auto& kid : elements[size_t(e)].kids) {
                if (kid.kind == TagKid::Kind::Element || kid.page != page)
                    continue;
                if (kid.kind == TagKid::Kind::Content && kid.obj.getObj() == 0)
                    content = true;
                else if (!segment.objectKeys.count(kid.obj))
                    segment.objectKeys.emplace(kid.obj, m_nextKey++);
            }
        }
        if (content)
            m_pageKeys[size_t(segment.pages[page])] = m_nextKey++;
    }

    if (!m_haveLang) {
        m_haveLang = true;
        m_lang = tree.lang();
    } else if (!tree.lang().empty() && tree.lang() != m_lang) {
        segment.lang = tree.lang();
    }
    joinMaps(tree, segment);
    m_segments.push_back(std::move(segment));
    return number;
}

namespace {

// Adds the entries of `map` to `joined`. An entry whose key `joined` holds with another value
// is added under a new key ("key-2" ...), recorded in `renames`.
void join(QPDFObjectHandle map, std::map<std::string, QPDFObjectHandle>& joined,
          std::map<std::string, std::string>& renames)
{
    if (!map.isDictionary())
        return;
    for (auto& [key, value] : map.ditems()) {
        auto found = joined.find(key);
        if (found == joined.end()) {
            joined.emplace(key, value);
            continue;
        }
        if (found->second.unparse() == value.unparse())
            continue;
        for (int n = 2;; ++n) {
            const std::string candidate = key + "-" + std::to_string(n);
            if (!joined.count(candidate) && !map.hasKey(candidate)) {
                renames.emplace(key, candidate);
                joined.emplace(candidate, value);
                break;
            }
        }
    }
}

} // namespace

void TagPlan::joinMaps(const TagTree& tree, Segment& segment)
{
    join(tree.roleMap(), m_roleMap, segment.roles);
    // A role mapped to a role renamed here now maps to the new name.
    if (!segment.roles.empty()) {
        for (auto& [key, value] : tree.roleMap().ditems()) {
            if (!value.isName() || !segment.roles.count(value.getName()))
                continue;
            auto own = segment.roles.count(key) ? segment.roles[key] : key;
            m_roleMap[own] = QPDFObjectHandle::newName(segment.roles[value.getName()]);
        }
    }
    join(tree.classMap(), m_classMap, segment.classes);
    for (auto& element : segment.elements) {
        auto id = element.keys.getKey("/ID");
        if (!id.isString())
            continue;
        const std::string key = id.getStringValue();
        if (m_ids.insert(key).second || segment.ids.count(key))
            continue;
        for (int n = 2;; ++n) {
            std::string candidate = numberedName(key, n);
            if (m_ids.insert(candidate).second) {
                segment.ids.emplace(key, candidate);
                break;
            }
        }
    }
}

int TagPlan::pageKey(int32_t outPage) const
{
    return outPage >= 0 && size_t(outPage) < m_pageKeys.size() ? m_pageKeys[size_t(outPage)] : -1;
}

int TagPlan::objectKey(int segment, QPDFObjGen og) const
{
    if (segment < 0 || size_t(segment) >= m_segments.size())
        return -1;
    const auto& keys = m_segments[size_t(segment)].objectKeys;
    auto found = keys.find(og);
    return found == keys.end() ? -1 : found->second;
}

std::vector<QPDFObjGen> TagPlan::objects(int segment) const
{
    std::vector<QPDFObjGen> result;
    if (segment >= 0 && size_t(segment) < m_segments.size())
        for (const auto& entry : m_segments[size_t(segment)].objectKeys)
            result.push_back(entry.first);
    return result;
}

bool TagPlan::empty() const
{
    return std::all_of(m_segments.begin(), m_segments.end(),
                       [](const Segment& s) { return s.elements.empty(); });
}

} // namespace paginor
