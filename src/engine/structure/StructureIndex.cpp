#include "engine/structure/StructureIndex.h"

#include "engine/read/DestinationScanner.h"

#include <QString>
#include <algorithm>
#include <set>
#include <tuple>

namespace paginor {

namespace {

// Outline and name-tree sizes past which a file is taken to be hostile, not a manual.
constexpr size_t kMaxEntries = 1000000;

bool isFitName(std::string_view name)
{
    for (const char* fit : {"/XYZ", "/Fit", "/FitH", "/FitV", "/FitR", "/FitB", "/FitBH", "/FitBV"})
        if (name == fit)
            return true;
    return false;
}

bool isFitName(QPDFObjectHandle h)
{
    return h.isName() && isFitName(h.getName());
}

std::string trimmed(const std::string& utf8)
{
    return QString::fromStdString(utf8).trimmed().toStdString();
}

} // namespace

QPDFObjectHandle plainCopy(QPDFObjectHandle h, int depth)
{
    if (depth > 8)
        return QPDFObjectHandle::newNull();
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
        for (auto item : h.aitems())
            items.push_back(plainCopy(item, depth + 1));
        return QPDFObjectHandle::newArray(items);
    }
    case ::ot_dictionary: {
        auto result = QPDFObjectHandle::newDictionary();
        for (auto item : h.ditems())
            result.replaceKey(item.first, plainCopy(item.second, depth + 1));
        return result;
    }
    default:
        return QPDFObjectHandle::newNull();
    }
}

StructureIndex::StructureIndex(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages, Loader load,
                               ObjectStreamReader* stored)
    : m_load(std::move(load)), m_pageCount(int32_t(pages.size()))
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
    if (!isFitName(fit)) {
        target.view = "/Fit";
        return target;
    }
    // The fit name, then numbers or null only: the plan splits this text at spaces.
    target.view = fit.getName();
    for (int i = 2; i < array.getArrayNItems() && i <= 5; ++i) {
        auto item = array.getArrayItem(i);
        target.view += ' ';
        target.view += !item.isIndirect() && item.isNumber() ? item.unparse() : "null";
    }
    return target;
}

Target StructureIndex::resolve(QPDFObjectHandle dest) const
{
    try {
        // A dictionary's /D may hold another dictionary in broken files; two steps are enough.
        dest = m_load(dest);
        for (int step = 0; step < 3 && dest.isDictionary(); ++step)
            dest = m_load(dest.getKey("/D"));
        if (dest.isArray())
            return explicitTarget(dest);
        const NamedDest* named = nullptr;
        if (dest.isName())
            named = findDest(dest.getName().substr(1), true);
        else if (dest.isString())
            named = findDest(dest.getStringValue(), false);
        if (named)
            return named->target;
    } catch (const std::exception&) {
    }
    return Target();
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
    for (const auto& [where, i] : order) {
        const char* begin = nullptr;
        const char* end = nullptr;
        auto& [dest, value, og] = found[i];
        if (og.getObj() > 0 && m_stored->storedBytes(og, begin, end) &&
            scanDestination(begin, end, items) && plainTarget(items, dest.target)) {
            value = QPDFObjectHandle();
            continue;
        }
        // A named destination naming another name is not a destination.
        auto loaded = m_load(value.isInitialized() ? value : m_pdf->getObject(og));
        if (!loaded.isName() && !loaded.isString())
            dest.target = resolve(loaded);
        value = QPDFObjectHandle();
    }
    m_dests.reserve(found.size());
    for (auto& entry : found)
        m_dests.push_back(std::move(entry.dest));
    found.clear();
    m_destByKey.resize(m_dests.size());
    for (size_t i = 0; i < m_dests.size(); ++i)
        m_destByKey[i] = int32_t(i);
    std::stable_sort(m_destByKey.begin(), m_destByKey.end(), [this](int32_t a, int32_t b) {
        return keyLess(m_dests[size_t(a)], m_dests[size_t(b)]);
    });
    // The first of two entries with one key wins, as in a lookup; the other leads nowhere.
    for (size_t i = 1; i < m_destByKey.size(); ++i)
        if (!keyLess(m_dests[size_t(m_destByKey[i - 1])], m_dests[size_t(m_destByKey[i])]))
            m_dests[size_t(m_destByKey[i])].target = Target();
    m_destByKey.erase(std::unique(m_destByKey.begin(), m_destByKey.end(),
                                  [this](int32_t a, int32_t b) {
                                      return !keyLess(m_dests[size_t(a)], m_dests[size_t(b)]);
                                  }),
                      m_destByKey.end());
    for (size_t i = 0; i < m_dests.size(); ++i)
        if (m_dests[i].target.valid())
            m_destsOn[m_dests[i].target.page].push_back(int32_t(i));
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
    std::vector<QPDFObjectHandle> pending{root};
    std::vector<std::pair<std::string, QPDFObjGen>> plainNames;
    std::vector<QPDFObjGen> plainKids;
    while (!pending.empty() && found.size() < kMaxEntries) {
        auto node = pending.back();
        pending.pop_back();
        try {
            if (node.isIndirect() && !seen.insert(node.getObjGen()).second)
                continue;
            const char* begin = nullptr;
            const char* end = nullptr;
            if (node.isIndirect() && m_stored->storedBytes(node.getObjGen(), begin, end) &&
                scanNameNode(begin, end, plainNames, plainKids)) {
                for (auto& [key, value] : plainNames)
                    add(std::move(key), QPDFObjectHandle(), value);
                for (auto kid = plainKids.rbegin(); kid != plainKids.rend(); ++kid)
                    pending.push_back(m_pdf->getObject(*kid));
                continue;
            }
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
                pending.push_back(kids.getArrayItem(i));
        } catch (const std::exception&) {
        }
    }
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
    while (!pending.empty() && m_bookmarks.size() < kMaxEntries) {
        auto [item, parent] = pending.back();
        pending.pop_back();
        try {
            if (item.isIndirect() && !seen.insert(item.getObjGen()).second)
                continue;
            // Read apart: the document would parse every object packed with each item.
            item = m_load(item);
            if (!item.isDictionary())
                continue;
            Bookmark mark;
            mark.parent = parent;
            auto title = item.getKey("/Title");
            mark.title = title.isString() ? title.getStringValue() : std::string();
            auto color = item.getKey("/C");
            if (color.isArray() && color.getArrayNItems() == 3)
                mark.color = plainCopy(color);
            auto flags = item.getKey("/F");
            mark.flags = flags.isInteger() ? int(flags.getIntValue() & 3) : 0;
            auto count = item.getKey("/Count");
            mark.open = count.isInteger() && count.getIntValue() > 0;
            QPDFObjectHandle dest;
            // Actions are objects of their own in some files: read apart like the item.
            auto action = m_load(item.getKey("/A"));
            if (destinationOf(item, action, dest)) {
                mark.target = resolve(dest);
            } else if (action.isDictionary()) {
                mark.action = plainCopy(action);
            }
            const auto index = int32_t(m_bookmarks.size());
            if (mark.target.valid())
                m_bookmarksOn[mark.target.page].push_back(index);
            else if (mark.action.isDictionary())
                m_outward.push_back(index);
            m_bookmarks.push_back(std::move(mark));
            pending.emplace_back(item.getKey("/Next"), parent);
            pending.emplace_back(item.getKey("/First"), index);
        } catch (const std::exception&) {
        }
    }
}

} // namespace paginor
