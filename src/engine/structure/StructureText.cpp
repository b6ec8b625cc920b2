// StructurePlan's outline and named-destination tree written straight as PDF text, for the
// writer that numbers its own objects: building them as objects first cost more than the rest
// of a merge's end.
#include "engine/structure/StructurePlan.h"

#include <algorithm>
#include <cstdio>

namespace paginor {

namespace {

// Name-tree leaves hold this many entries; larger trees get one level of kids.
constexpr size_t kNamesPerLeaf = 64;

void appendReference(int number, std::string& out)
{
    out += std::to_string(number);
    out += " 0 R";
}

// A literal string: the delimiters and the escape character escaped, other bytes outside
// printable ASCII written in octal, so that any name survives line-end conversions.
void appendString(const std::string& text, std::string& out)
{
    out += '(';
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c > 0x7e) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", unsigned(c));
            out += octal;
        } else {
            out += char(c);
        }
    }
    out += ')';
}

// [page view...]: the view is the index's text of a fit name and numbers or null.
void appendDest(const std::string& pageRef, const std::string& view, std::string& out)
{
    out += '[';
    out += pageRef;
    out += ' ';
    out += view.find_first_not_of(' ') == std::string::npos ? std::string("/Fit") : view;
    out += ']';
}

void appendDest(int page, const std::string& view, std::string& out)
{
    std::string pageRef;
    appendReference(page, pageRef);
    appendDest(pageRef, view, out);
}

} // namespace

std::string LinkFix::destText(const std::string& pageRef) const
{
    std::string out;
    if (named)
        appendString(name, out);
    else
        appendDest(pageRef, view, out);
    return out;
}

std::string
StructurePlan::writeText(const std::function<int()>& allocate,
                         const std::function<int(int32_t)>& pageNumber,
                         const std::function<void(int, const std::string&)>& write) const
{
    std::string entries;
    std::string body;
    if (!m_nodes.empty()) {
        const size_t n = m_nodes.size();
        const int root = allocate();
        std::vector<int> numbers(n);
        std::vector<std::vector<size_t>> kids(n);
        std::vector<size_t> topLevel;
        for (size_t i = 0; i < n; ++i) {
            numbers[i] = allocate();
            (m_nodes[i].parent < 0 ? topLevel : kids[size_t(m_nodes[i].parent)]).push_back(i);
        }
        // Visible descendants, counted from the leaves up; /Count is never copied, always made.
        std::vector<int64_t> visible(n, 0);
        for (size_t i = n; i-- > 0;)
            for (size_t c : kids[i])
                visible[i] += 1 + (m_nodes[c].open ? visible[c] : 0);
        auto appendEnds = [&](const std::vector<size_t>& list) {
            if (list.empty())
                return;
            body += " /First ";
            appendReference(numbers[list.front()], body);
            body += " /Last ";
            appendReference(numbers[list.back()], body);
        };
        // Each item's parent and neighbours.
        std::vector<int> parents(n, root), prev(n, 0), next(n, 0);
        auto link = [&](int parent, const std::vector<size_t>& list) {
            for (size_t k = 0; k < list.size(); ++k) {
                parents[list[k]] = parent;
                if (k > 0)
                    prev[list[k]] = numbers[list[k - 1]];
                if (k + 1 < list.size())
                    next[list[k]] = numbers[list[k + 1]];
            }
        };
        link(root, topLevel);
        for (size_t i = 0; i < n; ++i)
            link(numbers[i], kids[i]);

        int64_t shown = 0;
        for (size_t i : topLevel)
            shown += 1 + (m_nodes[i].open ? visible[i] : 0);
        body = "<< /Type /Outlines";
        appendEnds(topLevel);
        body += " /Count " + std::to_string(shown) + " >>";
        write(root, body);
        for (size_t i = 0; i < n; ++i) {
            const Node& node = m_nodes[i];
            body = "<< /Parent ";
            appendReference(parents[i], body);
            if (prev[i]) {
                body += " /Prev ";
                appendReference(prev[i], body);
            }
            if (next[i]) {
                body += " /Next ";
                appendReference(next[i], body);
            }
            appendEnds(kids[i]);
            body += " /Title ";
            body += QPDFObjectHandle(node.title).unparse();
            if (!kids[i].empty())
                body += " /Count " + std::to_string(node.open ? visible[i] : -visible[i]);
            if (node.outPage >= 0) {
                body += " /Dest ";
                appendDest(pageNumber(node.outPage), node.view, body);
            } else if (QPDFObjectHandle(node.action).isDictionary()) {
                body += " /A " + plainCopy(node.action).unparse();
            }
            if (QPDFObjectHandle(node.color).isArray())
                body += " /C " + plainCopy(node.color).unparse();
            if (node.flags)
                body += " /F " + std::to_string(node.flags);
            body += " >>";
            write(numbers[i], body);
        }
        entries += " /Outlines ";
        appendReference(root, entries);
    }
    if (!m_names.empty()) {
        std::vector<const OutName*> sorted;
        sorted.reserve(m_names.size());
        for (const auto& name : m_names)
            sorted.push_back(&name);
        std::sort(sorted.begin(), sorted.end(),
                  [](const OutName* a, const OutName* b) { return a->name < b->name; });
        auto leaf = [&](size_t from, size_t to, bool limits) {
            body = "<<";
            if (limits) {
                body += " /Limits [";
                appendString(sorted[from]->name, body);
                body += ' ';
                appendString(sorted[to - 1]->name, body);
                body += ']';
            }
            body += " /Names [";
            for (size_t i = from; i < to; ++i) {
                appendString(sorted[i]->name, body);
                body += ' ';
                appendDest(pageNumber(sorted[i]->outPage), sorted[i]->view, body);
                body += ' ';
            }
            body += "] >>";
        };
        const int root = allocate();
        if (sorted.size() <= kNamesPerLeaf) {
            leaf(0, sorted.size(), false);
            write(root, body);
        } else {
            std::string kids = "<< /Kids [";
            for (size_t from = 0; from < sorted.size(); from += kNamesPerLeaf) {
                const int number = allocate();
                leaf(from, std::min(sorted.size(), from + kNamesPerLeaf), true);
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
