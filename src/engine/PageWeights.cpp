// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PageWeights.h"

#include "engine/SourceDocument.h"

#include <qpdf/QPDFXRefEntry.hh>

#include <algorithm>
#include <map>

namespace paginor {

namespace {

// The stored size of every object the cross-reference table lists, in a file of `fileEnd`
// bytes.
std::map<QPDFObjGen, int64_t> storedSizes(QPDF& pdf, int64_t fileEnd)
{
    const auto table = pdf.getXRefTable();
    std::vector<std::pair<int64_t, QPDFObjGen>> placed;
    std::map<int, int> inStream; // object stream number -> objects it holds
    for (const auto& [og, entry] : table) {
        if (entry.getType() == 1)
            placed.emplace_back(int64_t(entry.getOffset()), og);
        else if (entry.getType() == 2)
            ++inStream[entry.getObjStreamNumber()];
    }
    std::sort(placed.begin(), placed.end());
    std::map<QPDFObjGen, int64_t> sizes;
    for (size_t i = 0; i < placed.size(); ++i) {
        const int64_t end = i + 1 < placed.size() ? placed[i + 1].first : fileEnd;
        sizes[placed[i].second] = std::max<int64_t>(end - placed[i].first, 0);
    }
    for (const auto& [og, entry] : table) {
        if (entry.getType() != 2)
            continue;
        const auto stream = sizes.find(QPDFObjGen(entry.getObjStreamNumber(), 0));
        const int64_t whole = stream == sizes.end() ? 0 : stream->second;
        sizes[og] = whole / std::max(inStream[entry.getObjStreamNumber()], 1);
    }
    return sizes;
}

class Walker
{
public:
    Walker(SourceDocument& source)
        : m_source(source),
          m_sizes(storedSizes(source.pdf(), std::max<int64_t>(source.identity().size, 0)))
    {
    }

    // The objects a page reaches, by index.
    std::vector<int32_t> reach(QPDFObjectHandle page, QPDFObjGen pageId)
    {
        ++m_stamp;
        std::vector<int32_t> found;
        std::vector<int32_t> todo;
        const int32_t self = indexOf(pageId);
        m_seen[size_t(self)] = m_stamp;
        found.push_back(self);
        collect(page, true, todo);
        while (!todo.empty()) {
            const int32_t at = todo.back();
            todo.pop_back();
            if (m_seen[size_t(at)] == m_stamp)
                continue;
            m_seen[size_t(at)] = m_stamp;
            found.push_back(at);
            for (int32_t child : children(at))
                todo.push_back(child);
        }
        return found;
    }

    std::vector<int64_t> bytes() const { return m_bytes; }

private:
    int32_t indexOf(QPDFObjGen og)
    {
        const auto known = m_index.find(og);
        if (known != m_index.end())
            return known->second;
        const auto index = int32_t(m_bytes.size());
        m_index.emplace(og, index);
        const auto size = m_sizes.find(og);
        m_bytes.push_back(size == m_sizes.end() ? 0 : size->second);
        m_ids.push_back(og);
        m_children.emplace_back();
        m_expanded.push_back(false);
        m_seen.push_back(0);
        return index;
    }

    const std::vector<int32_t>& children(int32_t at)
    {
        if (!m_expanded[size_t(at)]) {
            m_expanded[size_t(at)] = true;
            std::vector<int32_t> found;
            // Read apart, so that weighing parses no whole object stream into the document.
            QPDFObjectHandle value;
            if (!m_source.peek(m_ids[size_t(at)], value))
                value = m_source.pdf().getObject(m_ids[size_t(at)]);
            collect(value, false, found);
            m_children[size_t(at)] = std::move(found);
        }
        return m_children[size_t(at)];
    }

    // The indirect objects `h` refers to, other pages left out. Of a page, its /Parent is left
    // out, and its contents and annotations are counted without what they refer to: a
    // manual's many links would cost more to read than their few bytes tell, and what
    // annotations share is rare; the written size makes up for it.
    void collect(QPDFObjectHandle h, bool page, std::vector<int32_t>& out)
    {
        enum Kind
        {
            Whole,
            List,
            Leaf
        }; // List: a page's /Annots or /Contents
        std::vector<std::pair<QPDFObjectHandle, Kind>> direct{{h, Whole}};
        bool top = true;
        while (!direct.empty()) {
            auto [item, kind] = direct.back();
            direct.pop_back();
            if (!top && item.isIndirect()) {
                const QPDFObjGen og = item.getObjGen();
                if (m_source.isPage(og))
                    continue;
                const int32_t index = indexOf(og);
                out.push_back(index);
                if (kind == Whole)
                    continue;
                m_expanded[size_t(index)] = true; // counted without what it refers to
                if (kind == Leaf)
                    continue;
                // A list kept apart: its items are leaves. Looking at a leaf would parse it.
                QPDFObjectHandle list;
                if (!m_source.peek(og, list))
                    list = m_source.pdf().getObject(og);
                if (list.isArray())
                    for (auto& value : list.aitems())
                        direct.emplace_back(value, Leaf);
                continue;
            }
            if (item.isStream())
                item = item.getDict();
            if (item.isDictionary()) {
                for (auto& [key, value] : item.getDictAsMap()) {
                    const bool pageKey = top && page;
                    if (pageKey && key == "/Parent")
                        continue;
                    const bool list = pageKey && (key == "/Annots" || key == "/Contents");
                    direct.emplace_back(value, list ? List : kind);
                }
            } else if (item.isArray()) {
                for (auto& value : item.aitems())
                    direct.emplace_back(value, kind == List ? Leaf : kind);
            }
            top = false;
        }
    }

    SourceDocument& m_source;
    std::map<QPDFObjGen, int64_t> m_sizes;
    std::map<QPDFObjGen, int32_t> m_index;
    std::vector<int64_t> m_bytes;
    std::vector<QPDFObjGen> m_ids;
    std::vector<std::vector<int32_t>> m_children;
    std::vector<bool> m_expanded;
    std::vector<int32_t> m_seen;
    int32_t m_stamp = 0;
};

} // namespace

PageWeights measurePageWeights(SourceDocument& source, const std::vector<int32_t>& indices)
{
    Walker walker(source);
    PageWeights weights;
    weights.pageObjects.reserve(indices.size());
    for (int32_t index : indices)
        weights.pageObjects.push_back(
            walker.reach(source.pageToWrite(index, false), source.originalPage(index).getObjGen()));
    weights.objectBytes = walker.bytes();
    return weights;
}

} // namespace paginor
