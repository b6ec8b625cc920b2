// Building the outline and the name tree as objects first cost more than the rest of a
// merge's end, so the direct writer has them written straight as text.
#include "engine/write/StructureText.h"

#include "engine/write/PdfText.h"

namespace paginor {

namespace {

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
                body += " /A " + plainCopy(node->action).unparse();
            }
            if (node && QPDFObjectHandle(node->color).isArray())
                body += " /C " + plainCopy(node->color).unparse();
            if (node && node->flags)
                body += " /F " + std::to_string(node->flags);
            body += " >>";
            write(numbers[i], body);
        }
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
