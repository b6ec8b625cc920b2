#include "engine/structure/StructurePlan.h"

#include "engine/SourceDocument.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <unordered_set>

namespace paginor {

namespace {

// Name-tree leaves hold this many entries; larger trees get one level of kids.
constexpr size_t kNamesPerLeaf = 64;

// [page view...]. The view text is made by the index from names and numbers alone, so it is
// split at spaces rather than parsed, which would cost more than the rest of the output.
QPDFObjectHandle destArray(QPDFObjectHandle pageRef, const std::string& view)
{
    std::vector<QPDFObjectHandle> items{pageRef};
    size_t at = 0;
    while (at < view.size()) {
        size_t end = view.find(' ', at);
        if (end == std::string::npos)
            end = view.size();
        const std::string token = view.substr(at, end - at);
        at = end + 1;
        if (token.empty())
            continue;
        if (token[0] == '/')
            items.push_back(QPDFObjectHandle::newName(token));
        else if (token == "null")
            items.push_back(QPDFObjectHandle::newNull());
        else if (token.find('.') != std::string::npos)
            items.push_back(QPDFObjectHandle::newReal(token));
        else
            items.push_back(QPDFObjectHandle::newInteger(std::stoll(token)));
    }
    if (items.size() == 1)
        items.push_back(QPDFObjectHandle::newName("/Fit"));
    return QPDFObjectHandle::newArray(items);
}

// The per-file entry's title: the document title, else the file name without ".pdf".
QPDFObjectHandle fileTitle(const SourceDocument& source, const StructureIndex& index)
{
    if (!index.title().empty())
        return QPDFObjectHandle::newUnicodeString(index.title());
    QString name = QFileInfo(QFile::decodeName(source.path().c_str())).fileName();
    if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name.chop(4);
    return QPDFObjectHandle::newUnicodeString(name.toStdString());
}

} // namespace

void LinkFix::apply(QPDFObjectHandle annot, QPDFObjectHandle pageRef) const
{
    annot.replaceKey("/Dest", named ? QPDFObjectHandle::newString(name) : destArray(pageRef, view));
    if (annot.getKey("/A").isDictionary() &&
        annot.getKey("/A").getKey("/S").isNameAndEquals("/GoTo"))
        annot.removeKey("/A");
}

StructurePlan::StructurePlan(BookmarkMode mode, bool tags)
    : m_mode(mode), m_tags(tags, mode == BookmarkMode::PerFile)
{
}

int StructurePlan::addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                              int32_t at)
{
    Segment segment;
    segment.index = &source.structure();
    for (size_t k = 0; k < indices.size(); ++k)
        segment.pages.emplace(indices[k], at + int32_t(k));
    addNames(segment, indices, at);
    if (m_mode != BookmarkMode::None)
        addBookmarks(segment, source, at);
    static const TagTree untagged;
    m_tags.addSegment(m_tags.keeps() ? source.tags() : untagged, indices, at,
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

std::string StructurePlan::uniqueName(const std::string& key)
{
    if (m_usedNames.insert(key).second)
        return key;
    for (int n = 2;; ++n) {
        std::string candidate = numberedName(key, n);
        if (m_usedNames.insert(candidate).second)
            return candidate;
    }
}

void StructurePlan::addNames(Segment& segment, const std::vector<int32_t>& indices, int32_t at)
{
    const auto& dests = segment.index->dests();
    for (size_t k = 0; k < indices.size(); ++k) {
        if (segment.pages[indices[k]] != at + int32_t(k))
            continue; // a page taken again: its destinations lead to the first copy
        for (int32_t d : segment.index->destsOn(indices[k])) {
            const auto& dest = dests[size_t(d)];
            const std::string name = uniqueName(dest.key);
            segment.names.emplace(std::make_pair(dest.isName, dest.key), name);
            m_names.push_back({name, at + int32_t(k), dest.target.view});
        }
    }
}

void StructurePlan::addBookmarks(const Segment& segment, SourceDocument& source, int32_t at)
{
    const auto& index = *segment.index;
    const auto& marks = index.bookmarks();
    int32_t top = -1;
    if (m_mode == BookmarkMode::PerFile) {
        Node file;
        file.title = fileTitle(source, index);
        file.open = true;
        file.outPage = at;
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
    std::vector<Node> nodes(kept.size());
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
        for (int step = 0; step < 3 && dest.isDictionary(); ++step)
            dest = dest.getKey("/D");
        if (dest.isName() || dest.isString()) {
            // A named target keeps its name (as renamed in this output), if it was kept.
            const bool isName = dest.isName();
            const NamedDest* named = segment.index->findDest(
                isName ? dest.getName().substr(1) : dest.getStringValue(), isName);
            auto found =
                named ? segment.names.find({named->isName, named->key}) : segment.names.end();
            if (found == segment.names.end())
                return fix;
            fix.kind = LinkFix::Kind::Retarget;
            fix.named = true;
            fix.name = found->second;
            return fix;
        }
        const Target target = segment.index->resolve(dest);
        if (!target.valid() || segment.pages.count(target.page) == 0)
            return fix;
        fix.kind = LinkFix::Kind::Retarget;
        fix.page = target.page;
        fix.view = target.view;
    } catch (const std::exception&) {
        fix.kind = LinkFix::Kind::Drop;
    }
    return fix;
}

StructurePlan::Rendered
StructurePlan::render(QPDF& target, const std::function<QPDFObjectHandle(int32_t)>& pageRef) const
{
    Rendered out;
    if (!m_nodes.empty()) {
        const size_t n = m_nodes.size();
        std::vector<QPDFObjectHandle> items(n);
        std::vector<std::vector<size_t>> kids(n);
        std::vector<size_t> topLevel;
        for (size_t i = 0; i < n; ++i) {
            items[i] = target.makeIndirectObject(QPDFObjectHandle::newDictionary());
            (m_nodes[i].parent < 0 ? topLevel : kids[size_t(m_nodes[i].parent)]).push_back(i);
        }
        // Visible descendants, counted from the leaves up; /Count is never copied, always made.
        std::vector<int64_t> visible(n, 0);
        for (size_t i = n; i-- > 0;)
            for (size_t c : kids[i])
                visible[i] += 1 + (m_nodes[c].open ? visible[c] : 0);
        out.outlines = target.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
        auto chain = [&](QPDFObjectHandle parent, const std::vector<size_t>& list) {
            if (list.empty())
                return;
            parent.replaceKey("/First", items[list.front()]);
            parent.replaceKey("/Last", items[list.back()]);
            for (size_t k = 0; k < list.size(); ++k) {
                auto item = items[list[k]];
                item.replaceKey("/Parent", parent);
                if (k > 0)
                    item.replaceKey("/Prev", items[list[k - 1]]);
                if (k + 1 < list.size())
                    item.replaceKey("/Next", items[list[k + 1]]);
            }
        };
        chain(out.outlines, topLevel);
        int64_t shown = 0;
        for (size_t i : topLevel)
            shown += 1 + (m_nodes[i].open ? visible[i] : 0);
        out.outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(shown));
        for (size_t i = 0; i < n; ++i) {
            Node node = m_nodes[i];
            auto item = items[i];
            chain(item, kids[i]);
            item.replaceKey("/Title", node.title);
            if (!kids[i].empty())
                item.replaceKey("/Count",
                                QPDFObjectHandle::newInteger(node.open ? visible[i] : -visible[i]));
            if (node.outPage >= 0)
                item.replaceKey("/Dest", destArray(pageRef(node.outPage), node.view));
            else if (node.action.isDictionary())
                item.replaceKey("/A", plainCopy(node.action));
            if (node.color.isArray())
                item.replaceKey("/C", plainCopy(node.color));
            if (node.flags)
                item.replaceKey("/F", QPDFObjectHandle::newInteger(node.flags));
        }
    }
    if (!m_names.empty()) {
        std::vector<const OutName*> sorted;
        for (const auto& name : m_names)
            sorted.push_back(&name);
        std::sort(sorted.begin(), sorted.end(),
                  [](const OutName* a, const OutName* b) { return a->name < b->name; });
        auto leaf = [&](size_t from, size_t to) {
            std::vector<QPDFObjectHandle> entries;
            for (size_t i = from; i < to; ++i) {
                entries.push_back(QPDFObjectHandle::newString(sorted[i]->name));
                entries.push_back(destArray(pageRef(sorted[i]->outPage), sorted[i]->view));
            }
            auto node = QPDFObjectHandle::newDictionary();
            node.replaceKey("/Names", QPDFObjectHandle::newArray(entries));
            return node;
        };
        if (sorted.size() <= kNamesPerLeaf) {
            out.dests = target.makeIndirectObject(leaf(0, sorted.size()));
        } else {
            std::vector<QPDFObjectHandle> leaves;
            for (size_t from = 0; from < sorted.size(); from += kNamesPerLeaf) {
                const size_t to = std::min(sorted.size(), from + kNamesPerLeaf);
                auto node = leaf(from, to);
                node.replaceKey("/Limits",
                                QPDFObjectHandle::newArray(
                                    {QPDFObjectHandle::newString(sorted[from]->name),
                                     QPDFObjectHandle::newString(sorted[to - 1]->name)}));
                leaves.push_back(target.makeIndirectObject(node));
            }
            out.dests = target.makeIndirectObject(QPDFObjectHandle::newDictionary());
            out.dests.replaceKey("/Kids", QPDFObjectHandle::newArray(leaves));
        }
    }
    return out;
}

} // namespace paginor
