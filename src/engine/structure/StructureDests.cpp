// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The named destinations of a StructureIndex: the catalog's /Dests and the /Names /Dests tree,
// read from their stored bytes where their shape allows.
#include "engine/read/DestinationScanner.h"
#include "engine/structure/StructureIndex.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace paginor {

namespace {

bool keyLess(const NamedDest& a, const NamedDest& b)
{
    return std::tie(a.isName, a.key) < std::tie(b.isName, b.key);
}

} // namespace

const NamedDest* StructureIndex::findDest(const std::string& key, bool isName) const
{
    for (bool kind : {isName, !isName}) {
        NamedDest wanted{key, kind, {}};
        auto at = std::lower_bound(
            m_destByKey.begin(), m_destByKey.end(), wanted,
            [this](int32_t i, const NamedDest& w) { return keyLess(m_dests[size_t(i)], w); });
        if (at != m_destByKey.end() && !keyLess(wanted, m_dests[size_t(*at)]))
            return &m_dests[size_t(*at)];
    }
    return nullptr;
}

void StructureIndex::addDests(std::deque<Found>& found)
{
    // Values read in the order they are stored, so each object stream holding them is unpacked
    // once: producers number objects in another order than they pack them.
    std::vector<std::pair<StoredAt, size_t>> order(found.size());
    for (size_t i = 0; i < order.size(); ++i) {
        auto& entry = found[i];
        if (entry.value.isInitialized())
            entry.stored = entry.value.isIndirect() ? entry.value.getObjGen() : QPDFObjGen();
        order[i] = {storedAt(entry.stored), i};
    }
    std::sort(order.begin(), order.end());
    std::vector<PlainItem> items;
    // Named destinations that name another: followed once every key is known.
    std::vector<std::pair<size_t, QPDFObjectHandle>> aliases;
    for (const auto& [where, i] : order) {
        const char* begin = nullptr;
        const char* end = nullptr;
        auto& [dest, value, og] = found[i];
        if (og.getObj() > 0 && m_stored->storedBytes(og, begin, end) &&
            scanDestination(begin, end, items) && plainTarget(items, dest.target)) {
            value = QPDFObjectHandle();
            continue;
        }
        try {
            auto inner = unwrap(value.isInitialized() ? value : m_pdf->getObject(og));
            if (inner.isName() || inner.isString())
                aliases.emplace_back(i, inner);
            else
                dest.target = explicitTarget(inner);
        } catch (const std::exception&) {
        }
        value = QPDFObjectHandle();
    }
    m_dests.reserve(found.size());
    for (auto& entry : found)
        m_dests.push_back(std::move(entry.dest));
    found.clear();
    indexDests(aliases);
    for (size_t i = 0; i < m_dests.size(); ++i)
        if (m_dests[i].target.valid())
            m_destsOn[m_dests[i].target.page].push_back(int32_t(i));
}

void StructureIndex::indexDests(std::vector<std::pair<size_t, QPDFObjectHandle>>& aliases)
{
    m_destByKey.resize(m_dests.size());
    for (size_t i = 0; i < m_dests.size(); ++i)
        m_destByKey[i] = int32_t(i);
    std::stable_sort(m_destByKey.begin(), m_destByKey.end(), [this](int32_t a, int32_t b) {
        return keyLess(m_dests[size_t(a)], m_dests[size_t(b)]);
    });
    // The first of two entries with one key wins, as in a lookup; the other leads nowhere.
    std::vector<bool> shadowed(m_dests.size(), false);
    for (size_t i = 1; i < m_destByKey.size(); ++i)
        if (!keyLess(m_dests[size_t(m_destByKey[i - 1])], m_dests[size_t(m_destByKey[i])])) {
            m_dests[size_t(m_destByKey[i])].target = Target();
            shadowed[size_t(m_destByKey[i])] = true;
        }
    m_destByKey.erase(std::unique(m_destByKey.begin(), m_destByKey.end(),
                                  [this](int32_t a, int32_t b) {
                                      return !keyLess(m_dests[size_t(a)], m_dests[size_t(b)]);
                                  }),
                      m_destByKey.end());
    // Each round settles the names one step further down a chain; a loop never settles.
    for (int round = 0; round < 4 && !aliases.empty(); ++round) {
        std::vector<std::pair<size_t, QPDFObjectHandle>> open;
        for (auto& [i, name] : aliases) {
            if (shadowed[i])
                continue;
            const Target target = lookup(name).target;
            if (target.valid())
                m_dests[i].target = target;
            else
                open.emplace_back(i, name);
        }
        aliases.swap(open);
    }
}

StructureIndex::StoredAt StructureIndex::storedAt(QPDFObjGen og) const
{
    return {og.getObj() > 0 ? m_stored->containerOf(og) : 0, og.getObj()};
}

bool StructureIndex::plainTarget(const std::vector<PlainItem>& items, Target& target) const
{
    // As explicitTarget reads the same array built as objects.
    target = Target();
    if (items.empty())
        return true;
    const auto& page = items[0];
    if (page.kind == PlainItem::Reference)
        target.page = pageIndex(page.reference);
    else if (page.kind == PlainItem::Integer && page.integer >= 0 && page.integer < m_pageCount)
        target.page = int32_t(page.integer);
    if (!target.valid())
        return true;
    if (items.size() > 1 && items[1].kind == PlainItem::Reference)
        return false; // a fit name stored apart: left to the general reading
    if (items.size() < 2 || items[1].kind != PlainItem::Name || !isFitName(items[1].text)) {
        target.view = "/Fit";
        return true;
    }
    target.view = items[1].text;
    for (size_t i = 2; i < items.size() && i <= 5; ++i) {
        target.view += ' ';
        if (items[i].kind == PlainItem::Integer)
            target.view += std::to_string(items[i].integer);
        else if (items[i].kind == PlainItem::Real)
            target.view += items[i].text;
        else
            target.view += "null";
    }
    return true;
}

void StructureIndex::readNameTree(QPDFObjectHandle root, std::deque<Found>& found)
{
    // Entries are filled in place: a braced temporary trips a false warning of GCC 12.
    auto add = [&found](std::string key, QPDFObjectHandle value, QPDFObjGen stored) {
        found.emplace_back();
        found.back().dest.key = std::move(key);
        found.back().value = value;
        found.back().stored = stored;
    };
    std::set<QPDFObjGen> seen;
    // Nodes to read: a kid found in stored bytes is kept by number, and becomes an object of
    // the document only when its own bytes do not read plainly; a manual has thousands.
    struct Pending
    {
        QPDFObjectHandle node;
        QPDFObjGen og;
    };
    auto pendingNode = [](QPDFObjectHandle node) {
        return Pending{node, node.isIndirect() ? node.getObjGen() : QPDFObjGen()};
    };
    std::vector<Pending> pending{pendingNode(root)};
    std::vector<std::pair<std::string, QPDFObjGen>> plainNames;
    std::vector<QPDFObjGen> plainKids;
    while (!pending.empty() && found.size() < kMaxEntries) {
        auto [node, og] = std::move(pending.back());
        pending.pop_back();
        try {
            if (og.getObj() > 0 && !seen.insert(og).second)
                continue;
            const char* begin = nullptr;
            const char* end = nullptr;
            if (og.getObj() > 0 && m_stored->storedBytes(og, begin, end) &&
                scanNameNode(begin, end, plainNames, plainKids)) {
                for (auto& [key, value] : plainNames)
                    add(std::move(key), QPDFObjectHandle(), value);
                for (auto kid = plainKids.rbegin(); kid != plainKids.rend(); ++kid)
                    pending.push_back({QPDFObjectHandle(), *kid});
                continue;
            }
            if (!node.isInitialized())
                node = m_pdf->getObject(og);
            node = m_load(node);
            if (!node.isDictionary())
                continue;
            auto names = m_load(node.getKey("/Names"));
            for (int i = 0; names.isArray() && i + 1 < names.getArrayNItems(); i += 2) {
                auto key = names.getArrayItem(i);
                if (key.isString())
                    add(key.getStringValue(), names.getArrayItem(i + 1), QPDFObjGen());
            }
            // Kids are taken in order: pushed last to first.
            auto kids = m_load(node.getKey("/Kids"));
            for (int i = kids.isArray() ? kids.getArrayNItems() - 1 : -1; i >= 0; --i)
                pending.push_back(pendingNode(kids.getArrayItem(i)));
        } catch (const std::exception&) {
        }
    }
}

} // namespace paginor
