// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Building the outline and the name tree as objects first cost more than the rest of a
// merge's end, so the direct writer has them written straight as text.
#include "engine/write/StructureText.h"

#include "engine/write/PdfText.h"

#include <map>
#include <utility>

namespace paginor {

namespace {

// Writes SubgraphCopier's copies (bookmark actions), each of their objects once per output.
class CopyWriter
{
public:
    CopyWriter(const std::function<int()>& allocate,
               const std::function<void(int, const std::string&)>& write)
        : m_allocate(allocate), m_write(write)
    {
    }

    // Appends `h`: a reference to its object when it has one, else its value.
    void append(QPDFObjectHandle h, std::string& out)
    {
        if (!h.isIndirect())
            return appendValue(h, out);
        auto [at, fresh] = m_numbers.emplace(std::make_pair(h.getOwningQPDF(), h.getObjGen()), 0);
        if (fresh) {
            at->second = m_allocate();
            m_pending.emplace_back(at->second, h);
        }
        appendReference(at->second, out);
    }

    // Writes the objects that append() referred to, and those they refer to.
    void finish()
    {
        std::string body;
        while (!m_pending.empty()) {
            auto [number, h] = m_pending.back();
            m_pending.pop_back();
            body.clear();
            appendValue(h, body);
            m_write(number, body);
        }
    }

private:
    void appendValue(QPDFObjectHandle h, std::string& out)
    {
        if (h.isArray()) {
            out += "[ ";
            for (auto item : h.aitems()) {
                append(item, out);
                out += ' ';
            }
            out += ']';
        } else if (h.isDictionary()) {
            out += "<< ";
            for (auto item : h.ditems()) {
                appendName(item.first, out);
                out += ' ';
                append(item.second, out);
                out += ' ';
            }
            out += ">>";
        } else {
            out += h.unparse();
        }
    }

    const std::function<int()>& m_allocate;
    const std::function<void(int, const std::string&)>& m_write;
    std::map<std::pair<QPDF*, QPDFObjGen>, int> m_numbers;
    std::vector<std::pair<int, QPDFObjectHandle>> m_pending;
};

void appendPageDest(int page, const std::string& view, std::string& out)
{
    std::string pageRef;
    appendReference(page, pageRef);
    appendDest(pageRef, view, out);
}

} // namespace

std::string linkDestText(const LinkFix& fix, const std::string& pageRef)
{
    std::string out;
    if (fix.named)
        appendString(fix.name, out);
    else
        appendDest(pageRef, fix.view, out);
    return out;
}

std::string writeStructureText(const StructureLayout& layout, const std::function<int()>& allocate,
                               const std::function<int(int32_t)>& pageNumber,
                               const std::function<void(int, const std::string&)>& write)
{
    std::string entries;
    std::string body;
    const auto& outline = layout.outline;
    CopyWriter copies(allocate, write);
    if (!outline.empty()) {
        std::vector<int> numbers(outline.size());
        for (auto& number : numbers)
            number = allocate();
        auto link = [&](const char* key, int32_t entry) {
            if (entry == StructureLayout::kNone)
                return;
            body += key;
            appendReference(numbers[size_t(entry)], body);
        };
        for (size_t i = 0; i < outline.size(); ++i) {
            const auto& entry = outline[i];
            const OutlineNode* node = entry.node;
            body = "<<";
            if (!node)
                body += " /Type /Outlines";
            link(" /Parent ", entry.parent);
            link(" /Prev ", entry.prev);
            link(" /Next ", entry.next);
            link(" /First ", entry.first);
            link(" /Last ", entry.last);
            if (node) {
                body += " /Title ";
                body += QPDFObjectHandle(node->title).unparse();
            }
            if (!node || entry.first != StructureLayout::kNone)
                body += " /Count " + std::to_string(entry.count);
            if (node && node->outPage >= 0) {
                body += " /Dest ";
                appendPageDest(pageNumber(node->outPage), node->view, body);
            } else if (node && QPDFObjectHandle(node->action).isDictionary()) {
                body += " /A ";
                copies.append(node->action, body);
            }
            if (node && QPDFObjectHandle(node->color).isArray())
                body += " /C " + QPDFObjectHandle(node->color).unparse();
            if (node && node->flags)
                body += " /F " + std::to_string(node->flags);
            body += " >>";
            write(numbers[i], body);
        }
        copies.finish();
        entries += " /Outlines ";
        appendReference(numbers[0], entries);
    }
    if (!layout.names.empty()) {
        const auto& names = layout.names;
        auto leaf = [&](size_t from, size_t to, bool limits) {
            body = "<<";
            if (limits) {
                body += " /Limits [";
                appendString(names[from]->name, body);
                body += ' ';
                appendString(names[to - 1]->name, body);
                body += ']';
            }
            body += " /Names [";
            for (size_t i = from; i < to; ++i) {
                appendString(names[i]->name, body);
                body += ' ';
                appendPageDest(pageNumber(names[i]->outPage), names[i]->view, body);
                body += ' ';
            }
            body += "] >>";
        };
        const int root = allocate();
        if (layout.leaves.size() == 1) {
            leaf(layout.leaves[0].first, layout.leaves[0].second, false);
            write(root, body);
        } else {
            std::string kids = "<< /Kids [";
            for (const auto& [from, to] : layout.leaves) {
                const int number = allocate();
                leaf(from, to, true);
                write(number, body);
                appendReference(number, kids);
                kids += ' ';
            }
            kids += "] >>";
            write(root, kids);
        }
        entries += " /Names << /Dests ";
        appendReference(root, entries);
        entries += " >>";
    }
    return entries;
}

} // namespace paginor
