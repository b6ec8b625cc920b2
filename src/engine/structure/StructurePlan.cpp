// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/StructurePlan.h"

#include "engine/SourceDocument.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <unordered_set>

namespace paginor {

namespace {

// Name-tree leaves hold this many entries; larger trees get one level of kids.
constexpr size_t kNamesPerLeaf = 64;

// The per-file entry's title: the document title, else the file name without ".pdf".
QPDFObjectHandle fileTitle(const SourceDocument& source, const StructureIndex& index)
{
    return QPDFObjectHandle::newUnicodeString(inputTitle(index.title(), source.path()));
}

} // namespace

std::string inputTitle(const std::string& title, const std::string& path)
{
    if (!QString::fromStdString(title).trimmed().isEmpty())
        return title;
    QString name = QFileInfo(QFile::decodeName(path.c_str())).fileName();
    if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name.chop(4);
    return name.toStdString();
}

StructurePlan::StructurePlan(BookmarkMode mode, bool tags)
    : m_mode(mode), m_tags(tags, mode == BookmarkMode::PerFile)
{
}

int StructurePlan::addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                              int32_t at)
{
    std::vector<int32_t> positions(indices.size());
    std::iota(positions.begin(), positions.end(), at);
    return addSegment(source, indices, positions);
}

void StructurePlan::addContentsPages(const std::string& title, int32_t outPage)
{
    m_tags.addUnmarkedContent();
    if (m_mode == BookmarkMode::None)
        return;
    OutlineNode node;
    node.title = QPDFObjectHandle::newUnicodeString(title);
    node.outPage = outPage;
    node.view = "/Fit";
    m_nodes.push_back(node);
}

int StructurePlan::addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                              const std::vector<int32_t>& positions)
{
    Segment segment;
    segment.index = &source.structure();
    if (segment.index->copies())
        m_copies.push_back(segment.index->copies());
    for (size_t k = 0; k < indices.size(); ++k)
        segment.pages.emplace(indices[k], positions[k]);
    addNames(segment, indices, positions);
    if (m_mode != BookmarkMode::None)
        addBookmarks(segment, source, positions.empty() ? 0 : positions.front());
    static const TagTree untagged;
    m_tags.addSegment(m_tags.keeps() ? segment.index->tags() : untagged, indices, positions,
                      fileTitle(source, *segment.index));
    m_segments.push_back(std::move(segment));
    return int(m_segments.size()) - 1;
}

std::string numberedName(const std::string& key, int n)
{
    const std::string suffix = "-" + std::to_string(n);
    const bool utf16 = key.size() % 2 == 0 && key.compare(0, 2, "\xfe\xff") == 0;
    if (!utf16)
        return key + suffix;
    std::string wide = key;
    for (char c : suffix) {
        wide += '\0';
        wide += c;
    }
    return wide;
}

bool StructurePlan::taken(const std::string& name) const
{
    const auto [from, to] = m_nameHashes.equal_range(std::hash<std::string>{}(name));
    return std::any_of(
        from, to, [&](const auto& entry) { return m_names[size_t(entry.second)].name == name; });
}

std::string StructurePlan::uniqueName(const std::string& key) const
{
    if (!taken(key))
        return key;
    for (int n = 2;; ++n) {
        std::string candidate = numberedName(key, n);
        if (!taken(candidate))
            return candidate;
    }
}

void StructurePlan::addNames(Segment& segment, const std::vector<int32_t>& indices,
                             const std::vector<int32_t>& positions)
{
    const auto& index = *segment.index;
    const auto& dests = index.dests();
    // A page taken again is not: its destinations lead to its first copy.
    auto kept = [&](size_t k) {
        return segment.pages[indices[k]] == positions[k];
    };
    size_t count = 0;
    for (size_t k = 0; k < indices.size(); ++k)
        count += kept(k) ? index.destsOn(indices[k]).size() : 0;
    // Grown by doubling, not to the exact size: a merge adds a segment per input.
    if (m_names.capacity() < m_names.size() + count) {
        const size_t room = std::max(m_names.size() + count, 2 * m_names.capacity());
        m_names.reserve(room);
        m_nameHashes.reserve(room);
    }
    segment.names.reserve(count);
    for (size_t k = 0; k < indices.size(); ++k) {
        if (!kept(k))
            continue;
        for (int32_t d : index.destsOn(indices[k])) {
            const auto& dest = dests[size_t(d)];
            const auto at = int32_t(m_names.size());
            m_names.push_back({uniqueName(dest.key), positions[k], dest.target.view});
            m_nameHashes.emplace(std::hash<std::string>{}(m_names.back().name), at);
            segment.names.emplace_back(d, at);
        }
    }
    std::sort(segment.names.begin(), segment.names.end());
}

void StructurePlan::addBookmarks(const Segment& segment, SourceDocument& source, int32_t first)
{
    const auto& index = *segment.index;
    const auto& marks = index.bookmarks();
    int32_t top = -1;
    if (m_mode == BookmarkMode::PerFile) {
        OutlineNode file;
        file.title = fileTitle(source, index);
        file.open = true;
        file.outPage = first;
        file.view = "/Fit";
        m_nodes.push_back(file);
        top = int32_t(m_nodes.size()) - 1;
    }
    // Bookmarks leading to a kept page, and their ancestors.
    std::unordered_set<int32_t> chosen;
    auto choose = [&](int32_t b) {
        for (; b >= 0 && chosen.insert(b).second; b = marks[size_t(b)].parent) {
        }
    };
    for (const auto& [page, outPage] : segment.pages)
        for (int32_t b : index.bookmarksOn(page))
            choose(b);
    if (segment.pages.size() == size_t(source.pageCount()))
        for (int32_t b : index.outwardBookmarks())
            choose(b);
    std::vector<int32_t> kept(chosen.begin(), chosen.end());
    std::sort(kept.begin(), kept.end()); // outline order

    std::unordered_map<int32_t, size_t> position;
    for (size_t i = 0; i < kept.size(); ++i)
        position.emplace(kept[i], i);
    // Where each leads: its own page when kept, else the first kept page below it. Children
    // follow their parent, so walking backwards the earliest child speaks last.
    std::vector<OutlineNode> nodes(kept.size());
    std::vector<const Target*> below(kept.size(), nullptr);
    for (size_t i = kept.size(); i-- > 0;) {
        const auto& mark = marks[size_t(kept[i])];
        auto& node = nodes[i];
        auto own = mark.target.valid() ? segment.pages.find(mark.target.page) : segment.pages.end();
        const Target* lead = own != segment.pages.end() ? &mark.target : below[i];
        if (lead) {
            node.outPage = segment.pages.at(lead->page);
            node.view = lead->view;
            if (mark.parent >= 0)
                below[position.at(mark.parent)] = lead;
        } else if (QPDFObjectHandle(mark.action).isDictionary()) {
            node.action = mark.action;
        }
    }
    const auto base = int32_t(m_nodes.size());
    for (size_t i = 0; i < kept.size(); ++i) {
        const auto& mark = marks[size_t(kept[i])];
        auto& node = nodes[i];
        node.title = QPDFObjectHandle::newString(mark.title);
        node.color = mark.color;
        node.flags = mark.flags;
        node.open = mark.open;
        node.parent = mark.parent >= 0 ? base + int32_t(position.at(mark.parent)) : top;
        m_nodes.push_back(std::move(node));
    }
}

LinkFix StructurePlan::link(int segmentNumber, QPDFObjectHandle annot) const
{
    LinkFix fix;
    try {
        QPDFObjectHandle dest;
        if (!annot.isDictionary() || !annot.getKey("/Subtype").isNameAndEquals("/Link") ||
            !StructureIndex::destinationOf(annot, dest))
            return fix;
        fix.kind = LinkFix::Kind::Drop;
        const auto& segment = m_segments.at(size_t(segmentNumber));
        const auto found = segment.index->lookup(dest);
        if (found.named) {
            // A named target keeps its name (as renamed in this output), if it was kept.
            const auto d = int32_t(found.named - segment.index->dests().data());
            auto name = std::lower_bound(segment.names.begin(), segment.names.end(),
                                         std::make_pair(d, std::numeric_limits<int32_t>::min()));
            if (name == segment.names.end() || name->first != d)
                return fix;
            fix.named = true;
            fix.name = m_names[size_t(name->second)].name;
        } else {
            if (!found.target.valid() || segment.pages.count(found.target.page) == 0)
                return fix;
            fix.page = found.target.page;
            fix.view = found.target.view;
        }
        fix.kind = LinkFix::Kind::Retarget;
        auto action = annot.getKey("/A");
        fix.dropAction = action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo");
    } catch (const std::exception&) {
        fix.kind = LinkFix::Kind::Drop;
    }
    return fix;
}

StructureLayout StructurePlan::layout() const
{
    StructureLayout out;
    if (!m_nodes.empty()) {
        auto& entries = out.outline;
        entries.resize(m_nodes.size() + 1);
        // Entry i + 1 is node i; children are chained in order, after their parent.
        for (size_t i = 0; i < m_nodes.size(); ++i) {
            auto& entry = entries[i + 1];
            entry.node = &m_nodes[i];
            entry.parent = m_nodes[i].parent + 1;
            auto& parent = entries[size_t(entry.parent)];
            const auto self = int32_t(i + 1);
            if (parent.last != StructureLayout::kNone) {
                entries[size_t(parent.last)].next = self;
                entry.prev = parent.last;
            } else {
                parent.first = self;
            }
            parent.last = self;
        }
        // Visible descendants, counted from the leaves up; /Count is never copied, always made.
        std::vector<int64_t> visible(entries.size(), 0);
        for (size_t i = entries.size(); i-- > 1;) {
            const auto& entry = entries[i];
            visible[size_t(entry.parent)] += 1 + (entry.node->open ? visible[i] : 0);
        }
        entries[0].count = visible[0];
        for (size_t i = 1; i < entries.size(); ++i)
            entries[i].count = entries[i].node->open ? visible[i] : -visible[i];
    }
    if (!m_names.empty()) {
        out.names.reserve(m_names.size());
        for (const auto& name : m_names)
            out.names.push_back(&name);
        std::sort(out.names.begin(), out.names.end(),
                  [](const NamedTarget* a, const NamedTarget* b) { return a->name < b->name; });
        for (size_t from = 0; from < out.names.size(); from += kNamesPerLeaf)
            out.leaves.emplace_back(from, std::min(out.names.size(), from + kNamesPerLeaf));
    }
    return out;
}

} // namespace paginor
