#include "engine/StructureIndex.h"

#include <QString>
#include <set>

namespace paginor {

namespace {

// Outline and name-tree sizes past which a file is taken to be hostile, not a manual.
constexpr size_t kMaxEntries = 1000000;

bool isFitName(QPDFObjectHandle h)
{
    static const std::set<std::string> fits{"/XYZ",  "/Fit",  "/FitH",  "/FitV",
                                            "/FitR", "/FitB", "/FitBH", "/FitBV"};
    return h.isName() && fits.count(h.getName()) > 0;
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

StructureIndex::StructureIndex(QPDF& pdf, const std::vector<QPDFObjectHandle>& pages)
    : m_pageCount(int32_t(pages.size()))
{
    for (size_t i = 0; i < pages.size(); ++i)
        m_pageIndex.emplace(pages[i].getObjGen(), int32_t(i));
    // Each part is read on its own: damage in one leaves the others usable.
    auto root = pdf.getRoot();
    try {
        auto dests = root.getKey("/Dests");
        if (dests.isDictionary())
            for (auto item : dests.ditems())
                if (m_dests.size() < kMaxEntries)
                    addDest(item.first.substr(1), true, item.second);
    } catch (const std::exception&) {
    }
    try {
        auto names = root.getKey("/Names");
        if (names.isDictionary())
            readNameTree(names.getKey("/Dests"));
    } catch (const std::exception&) {
    }
    for (size_t i = 0; i < m_dests.size(); ++i)
        if (m_dests[i].target.valid())
            m_destsOn[m_dests[i].target.page].push_back(int32_t(i));
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
        target.view = {QPDFObjectHandle::newName("/Fit")};
        return target;
    }
    for (int i = 1; i < array.getArrayNItems() && i <= 5; ++i) {
        auto item = array.getArrayItem(i);
        target.view.push_back(item.isNumber() || item.isName() ? plainCopy(item)
                                                               : QPDFObjectHandle::newNull());
    }
    return target;
}

Target StructureIndex::resolve(QPDFObjectHandle dest) const
{
    try {
        // A dictionary's /D may hold another dictionary in broken files; two steps are enough.
        for (int step = 0; step < 3 && dest.isDictionary(); ++step)
            dest = dest.getKey("/D");
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
    if (!holder.isDictionary())
        return false;
    if (holder.hasKey("/Dest")) {
        dest = holder.getKey("/Dest");
        return true;
    }
    auto action = holder.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo")) {
        dest = action.getKey("/D");
        return true;
    }
    return false;
}

const NamedDest* StructureIndex::findDest(const std::string& key, bool isName) const
{
    auto found = m_destByKey.find({isName, key});
    if (found == m_destByKey.end())
        found = m_destByKey.find({!isName, key});
    return found == m_destByKey.end() ? nullptr : &m_dests[size_t(found->second)];
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

void StructureIndex::addDest(const std::string& key, bool isName, QPDFObjectHandle value)
{
    // The first of two entries with one key wins, as in a lookup.
    if (!m_destByKey.emplace(std::make_pair(isName, key), int32_t(m_dests.size())).second)
        return;
    NamedDest dest;
    dest.key = key;
    dest.isName = isName;
    // A named destination naming another name is not a destination.
    if (!value.isName() && !value.isString())
        dest.target = resolve(value);
    m_dests.push_back(std::move(dest));
}

void StructureIndex::readNameTree(QPDFObjectHandle root)
{
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> pending{root};
    while (!pending.empty() && m_dests.size() < kMaxEntries) {
        auto node = pending.back();
        pending.pop_back();
        try {
            if (!node.isDictionary() ||
                (node.isIndirect() && !seen.insert(node.getObjGen()).second))
                continue;
            auto names = node.getKey("/Names");
            for (int i = 0; names.isArray() && i + 1 < names.getArrayNItems(); i += 2) {
                auto key = names.getArrayItem(i);
                if (key.isString())
                    addDest(key.getStringValue(), false, names.getArrayItem(i + 1));
            }
            // Kids are taken in order: pushed last to first.
            auto kids = node.getKey("/Kids");
            for (int i = kids.isArray() ? kids.getArrayNItems() - 1 : -1; i >= 0; --i)
                pending.push_back(kids.getArrayItem(i));
        } catch (const std::exception&) {
        }
    }
}

void StructureIndex::readOutline(QPDFObjectHandle outlines)
{
    if (!outlines.isDictionary())
        return;
    std::set<QPDFObjGen> seen;
    if (outlines.isIndirect())
        seen.insert(outlines.getObjGen());
    // Depth first in outline order: an item's next sibling waits below its first child.
    std::vector<std::pair<QPDFObjectHandle, int32_t>> pending{{outlines.getKey("/First"), -1}};
    while (!pending.empty() && m_bookmarks.size() < kMaxEntries) {
        auto [item, parent] = pending.back();
        pending.pop_back();
        try {
            if (!item.isDictionary() ||
                (item.isIndirect() && !seen.insert(item.getObjGen()).second))
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
            if (destinationOf(item, dest)) {
                mark.target = resolve(dest);
            } else if (item.getKey("/A").isDictionary()) {
                mark.action = plainCopy(item.getKey("/A"));
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
