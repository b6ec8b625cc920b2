// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/StructureIndex.h"

#include <QString>
#include <set>

namespace paginor {

namespace {

// Outline sizes past which a file is taken to be hostile, not a manual.
constexpr size_t kMaxBookmarks = 1000000;
// How many times a dictionary's /D, or a named destination naming another, is followed.
constexpr int kSteps = 4;

std::string trimmed(const std::string& utf8)
{
    return QString::fromStdString(utf8).trimmed().toStdString();
}

} // namespace

bool isFitName(std::string_view name)
{
    for (const char* fit : {"/XYZ", "/Fit", "/FitH", "/FitV", "/FitR", "/FitB", "/FitBH", "/FitBV"})
        if (name == fit)
            return true;
    return false;
}

StructureIndex::StructureIndex(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, Loader load,
                               ObjectStreamReader* stored, TagTree::Loader peek)
    : m_load(std::move(load)), m_peek(std::move(peek)), m_pageCount(int32_t(pages.size()))
{
    for (size_t i = 0; i < pages.size(); ++i)
        m_pageIndex.emplace(pages[i].getObjGen(), int32_t(i));
    // Named destinations and name-tree nodes are read straight from their stored bytes where
    // their shape allows, without building objects: a manual has thousands of them.
    m_pdf = &pdf;
    if (!stored) {
        m_ownStored = std::make_unique<ObjectStreamReader>(pdf, std::vector<QPDFObjGen>());
        stored = m_ownStored.get();
    }
    m_stored = stored;
    // Each part is read on its own: damage in one leaves the others usable.
    auto root = pdf.getRoot();
    std::deque<Found> found;
    try {
        auto dests = m_load(root.getKey("/Dests"));
        if (dests.isDictionary())
            for (auto item : dests.ditems())
                if (found.size() < kMaxEntries)
                    found.push_back({{item.first.substr(1), true, {}}, item.second, {}});
    } catch (const std::exception&) {
    }
    try {
        auto names = m_load(root.getKey("/Names"));
        if (names.isDictionary())
            readNameTree(names.getKey("/Dests"), found);
    } catch (const std::exception&) {
    }
    addDests(found);
    m_stored = nullptr;
    m_ownStored.reset();
    try {
        readOutline(root.getKey("/Outlines"));
    } catch (const std::exception&) {
    }
    try {
        auto title = pdf.getTrailer().getKey("/Info").getKey("/Title");
        if (title.isString())
            m_title = trimmed(title.getUTF8Value());
    } catch (const std::exception&) {
    }
}

int32_t StructureIndex::pageIndex(QPDFObjGen og) const
{
    auto found = m_pageIndex.find(og);
    return found == m_pageIndex.end() ? -1 : found->second;
}

const TagTree& StructureIndex::tags() const
{
    if (!m_tags) {
        // A page listed again keeps a null entry, as the index knows each page by its first.
        std::vector<QPDFObjGen> pages(static_cast<size_t>(m_pageCount));
        for (const auto& [og, index] : m_pageIndex)
            pages[size_t(index)] = og;
        m_tags = std::make_unique<TagTree>(*m_pdf, pages, m_peek);
    }
    return *m_tags;
}

Target StructureIndex::explicitTarget(QPDFObjectHandle array) const
{
    Target target;
    if (!array.isArray() || array.getArrayNItems() < 1)
        return target;
    auto page = array.getArrayItem(0);
    if (page.isIndirect())
        target.page = pageIndex(page.getObjGen());
    else if (page.isInteger() && page.getIntValue() >= 0 && page.getIntValue() < m_pageCount)
        target.page = int32_t(page.getIntValue()); // some producers number local pages
    if (!target.valid())
        return target;
    auto fit = array.getArrayNItems() > 1 ? array.getArrayItem(1) : QPDFObjectHandle();
    if (!fit.isName() || !isFitName(fit.getName())) {
        target.view = "/Fit";
        return target;
    }
    // The fit name, then numbers or null only: the writers split this text at spaces.
    target.view = fit.getName();
    for (int i = 2; i < array.getArrayNItems() && i <= 5; ++i) {
        auto item = array.getArrayItem(i);
        target.view += ' ';
        target.view += !item.isIndirect() && item.isNumber() ? item.unparse() : "null";
    }
    return target;
}

QPDFObjectHandle StructureIndex::unwrap(QPDFObjectHandle dest) const
{
    // A dictionary's /D may hold another dictionary in broken files.
    dest = m_load(dest);
    for (int step = 0; step < kSteps && dest.isDictionary(); ++step)
        dest = m_load(dest.getKey("/D"));
    return dest;
}

StructureIndex::Lookup StructureIndex::lookup(QPDFObjectHandle dest) const
{
    Lookup found;
    try {
        dest = unwrap(dest);
        if (dest.isArray()) {
            found.target = explicitTarget(dest);
        } else if (dest.isName() || dest.isString()) {
            const bool isName = dest.isName();
            found.named =
                findDest(isName ? dest.getName().substr(1) : dest.getStringValue(), isName);
            if (found.named)
                found.target = found.named->target;
        }
    } catch (const std::exception&) {
        found = Lookup();
    }
    return found;
}

bool StructureIndex::destinationOf(QPDFObjectHandle holder, QPDFObjectHandle& dest)
{
    return holder.isDictionary() && destinationOf(holder, holder.getKey("/A"), dest);
}

bool StructureIndex::destinationOf(QPDFObjectHandle holder, QPDFObjectHandle action,
                                   QPDFObjectHandle& dest)
{
    if (holder.hasKey("/Dest")) {
        dest = holder.getKey("/Dest");
        return true;
    }
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo")) {
        dest = action.getKey("/D");
        return true;
    }
    return false;
}

const std::vector<int32_t>& StructureIndex::bookmarksOn(int32_t page) const
{
    static const std::vector<int32_t> none;
    auto found = m_bookmarksOn.find(page);
    return found == m_bookmarksOn.end() ? none : found->second;
}

const std::vector<int32_t>& StructureIndex::destsOn(int32_t page) const
{
    static const std::vector<int32_t> none;
    auto found = m_destsOn.find(page);
    return found == m_destsOn.end() ? none : found->second;
}

void StructureIndex::readOutline(QPDFObjectHandle outlines)
{
    std::set<QPDFObjGen> seen;
    if (outlines.isIndirect())
        seen.insert(outlines.getObjGen());
    outlines = m_load(outlines);
    if (!outlines.isDictionary())
        return;
    // Depth first in outline order: an item's next sibling waits below its first child.
    std::vector<std::pair<QPDFObjectHandle, int32_t>> pending{{outlines.getKey("/First"), -1}};
    while (!pending.empty() && m_bookmarks.size() < kMaxBookmarks) {
        auto [item, parent] = pending.back();
        pending.pop_back();
        try {
            if (item.isIndirect() && !seen.insert(item.getObjGen()).second)
                continue;
            // Read apart: the document would parse every object packed with each item.
            item = m_load(item);
            if (!item.isDictionary())
                continue;
        } catch (const std::exception&) {
            continue;
        }
        const auto index = int32_t(m_bookmarks.size());
        m_bookmarks.push_back(readBookmark(item, parent));
        const Bookmark& mark = m_bookmarks.back();
        if (mark.target.valid())
            m_bookmarksOn[mark.target.page].push_back(index);
        else if (QPDFObjectHandle(mark.action).isDictionary())
            m_outward.push_back(index);
        pending.emplace_back(item.getKey("/Next"), parent);
        pending.emplace_back(item.getKey("/First"), index);
    }
}

Bookmark StructureIndex::readBookmark(QPDFObjectHandle item, int32_t parent)
{
    // Each part on its own: a bookmark with a damaged target or colour keeps its place.
    Bookmark mark;
    mark.parent = parent;
    try {
        // Some producers store each title as an object of its own, packed with links.
        auto title = m_load(item.getKey("/Title"));
        mark.title = title.isString() ? title.getStringValue() : std::string();
    } catch (const std::exception&) {
    }
    try {
        mark.color = colorCopy(item.getKey("/C"));
        auto flags = item.getKey("/F");
        mark.flags = flags.isInteger() ? int(flags.getIntValue() & 3) : 0;
        auto count = item.getKey("/Count");
        mark.open = count.isInteger() && count.getIntValue() > 0;
    } catch (const std::exception&) {
    }
    try {
        QPDFObjectHandle dest;
        // Actions are objects of their own in some files: read apart like the item.
        auto action = m_load(item.getKey("/A"));
        if (destinationOf(item, action, dest))
            mark.target = resolve(dest);
        else if (action.isDictionary() && !m_copier.copy(action, mark.action))
            m_warnings.push_back("The action of the bookmark \"" +
                                 QPDFObjectHandle::newString(mark.title).getUTF8Value() +
                                 "\" is too large and was left out.");
    } catch (const std::exception&) {
        mark.target = Target();
        mark.action = QPDFObjectHandle();
    }
    return mark;
}

} // namespace paginor
