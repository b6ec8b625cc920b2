#include "engine/structure/BookmarkLevels.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <set>
#include <string>
#include <utility>

namespace paginor {

namespace {

// Reads the targets of a document's bookmarks, building the lookups it needs on first use.
class DestinationReader
{
public:
    DestinationReader(QPDF& pdf, const std::vector<QPDFObjGen>& pages) : m_pdf(pdf)
    {
        int32_t index = 0;
        for (const auto& page : pages)
            m_pages.emplace(page, index++);
    }

    // The zero-based page a bookmark leads to, or kNowhere.
    int32_t pageOf(QPDFObjectHandle item)
    {
        QPDFObjectHandle dest = item.getKey("/Dest");
        if (dest.isNull()) {
            auto action = item.getKey("/A");
            if (!action.isDictionary() || !action.getKey("/S").isNameAndEquals("/GoTo"))
                return BookmarkLevel::kNowhere;
            dest = action.getKey("/D");
        }
        // A named destination may lead to a dictionary holding /D; a few steps at most, so a
        // name that leads to itself ends.
        for (int step = 0; step < 4; ++step) {
            if (dest.isArray())
                return pageOfArray(dest);
            if (dest.isDictionary())
                dest = dest.getKey("/D");
            else if (dest.isName())
                dest = m_pdf.getRoot().getKey("/Dests").getKey(dest.getName());
            else if (dest.isString())
                dest = named(dest.getStringValue());
            else
                break;
        }
        return BookmarkLevel::kNowhere;
    }

private:
    int32_t pageOfArray(QPDFObjectHandle dest) const
    {
        if (dest.getArrayNItems() < 1)
            return BookmarkLevel::kNowhere;
        auto page = dest.getArrayItem(0);
        if (page.isIndirect()) {
            const auto found = m_pages.find(page.getObjGen());
            return found == m_pages.end() ? BookmarkLevel::kNowhere : found->second;
        }
        // Some producers write the page's index where its reference belongs.
        if (page.isInteger() && page.getIntValue() >= 0 &&
            page.getIntValue() < int64_t(m_pages.size()))
            return int32_t(page.getIntValue());
        return BookmarkLevel::kNowhere;
    }

    QPDFObjectHandle named(const std::string& name)
    {
        if (!m_namesRead) {
            m_namesRead = true;
            readNameTree(m_pdf.getRoot().getKey("/Names").getKey("/Dests"));
        }
        const auto found = m_names.find(name);
        return found == m_names.end() ? QPDFObjectHandle::newNull() : found->second;
    }

    // Every leaf of the tree, once; the first entry of a name wins. /Limits are not trusted.
    void readNameTree(QPDFObjectHandle root)
    {
        std::set<QPDFObjGen> seen;
        std::vector<QPDFObjectHandle> pending{root};
        while (!pending.empty()) {
            auto node = pending.back();
            pending.pop_back();
            if (!node.isDictionary() ||
                (node.isIndirect() && !seen.insert(node.getObjGen()).second))
                continue;
            auto names = node.getKey("/Names");
            for (int i = 0; names.isArray() && i + 1 < names.getArrayNItems(); i += 2) {
                auto key = names.getArrayItem(i);
                if (key.isString())
                    m_names.emplace(key.getStringValue(), names.getArrayItem(i + 1));
            }
            auto kids = node.getKey("/Kids");
            // Last kid first on the stack, so the leaves are read in order.
            for (int i = kids.isArray() ? kids.getArrayNItems() - 1 : -1; i >= 0; --i)
                pending.push_back(kids.getArrayItem(i));
        }
    }

    QPDF& m_pdf;
    std::map<QPDFObjGen, int32_t> m_pages;
    std::map<std::string, QPDFObjectHandle> m_names;
    bool m_namesRead = false;
};

} // namespace

std::vector<BookmarkLevel> readBookmarkLevels(QPDF& pdf, const std::vector<QPDFObjGen>& pages)
{
    std::vector<BookmarkLevel> result;
    auto outlines = pdf.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary())
        return result;
    DestinationReader reader(pdf, pages);
    std::set<QPDFObjGen> seen;
    // Items still to visit with their levels; the top is the next in outline order.
    std::vector<std::pair<QPDFObjectHandle, int32_t>> pending{{outlines.getKey("/First"), 1}};
    while (!pending.empty()) {
        auto [item, level] = pending.back();
        pending.pop_back();
        if (!item.isDictionary() || (item.isIndirect() && !seen.insert(item.getObjGen()).second))
            continue;
        BookmarkLevel entry;
        entry.level = level;
        try {
            auto title = item.getKey("/Title");
            if (title.isString())
                entry.title = QString::fromStdString(title.getUTF8Value());
            entry.page = reader.pageOf(item);
        } catch (const std::exception&) {
            entry.page = BookmarkLevel::kNowhere; // a damaged target leads nowhere
        }
        result.push_back(entry);
        pending.emplace_back(item.getKey("/Next"), level);
        pending.emplace_back(item.getKey("/First"), level + 1);
    }
    return result;
}

} // namespace paginor
