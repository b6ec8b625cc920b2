// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/PlainObjectScanner.h"

#include "engine/read/PlainLexer.h"

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace paginor {

namespace {

constexpr size_t kMaxItems = 512; // more than a name-tree node holds
constexpr int kMaxDepth = 8;      // an annotation nests three deep

// The bytes of a hexadecimal string's digits, which the lexer has checked.
std::string fromHex(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() / 2);
    int high = -1;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            continue;
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        if (high < 0) {
            high = digit;
        } else {
            bytes += char(high * 16 + digit);
            high = -1;
        }
    }
    return bytes;
}

class Scanner
{
public:
    Scanner(const char* begin, const char* end, QPDF& pdf,
            const std::function<bool(QPDFObjGen)>& known, const KeyList* keys)
        : m_lexer(begin, end), m_pdf(pdf), m_known(known), m_keys(keys)
    {
    }

    bool object(QPDFObjectHandle& value)
    {
        PlainItem item;
        const auto token = m_lexer.next(item);
        return (token == PlainLexer::Open || token == PlainLexer::DictOpen) &&
               container(token, value, 1);
    }

private:
    bool container(PlainLexer::Token token, QPDFObjectHandle& value, int depth)
    {
        return token == PlainLexer::Open ? array(value, depth) : dictionary(value, depth);
    }

    // Any value at `depth` inside the object, from its first token.
    bool item(PlainLexer::Token token, const PlainItem& item, QPDFObjectHandle& value, int depth)
    {
        if (token == PlainLexer::Open || token == PlainLexer::DictOpen)
            return depth < kMaxDepth && container(token, value, depth + 1);
        return token == PlainLexer::Value && scalar(item, value);
    }

    bool array(QPDFObjectHandle& value, int depth)
    {
        std::vector<QPDFObjectHandle> items;
        PlainItem next;
        for (auto t = m_lexer.next(next); t != PlainLexer::Close; t = m_lexer.next(next)) {
            QPDFObjectHandle entry;
            if (items.size() == kMaxItems || !item(t, next, entry, depth))
                return false;
            items.push_back(std::move(entry));
        }
        value = QPDFObjectHandle::newArray(items);
        return true;
    }

    bool dictionary(QPDFObjectHandle& value, int depth)
    {
        // Built from a map: replaceKey checks each value for null, which reads a reference.
        std::map<std::string, QPDFObjectHandle> items;
        PlainItem key;
        for (auto t = m_lexer.next(key); t != PlainLexer::DictClose; t = m_lexer.next(key)) {
            if (t != PlainLexer::Value || key.kind != PlainItem::Name)
                return false;
            if (depth == 1 && m_keys && !wanted(key.text)) {
                PlainItem next;
                if (!skipValue(m_lexer.next(next), depth))
                    return false;
                continue;
            }
            std::string name(key.text);
            if (items.count(name))
                return false; // a repeated key is left to the parser's rules
            PlainItem next;
            QPDFObjectHandle entry;
            // A null value reads as a missing key, which the parser and replaceKey store
            // differently.
            if (!item(m_lexer.next(next), next, entry, depth) ||
                (!entry.isIndirect() && entry.isNull()))
                return false;
            items.emplace(std::move(name), entry);
        }
        value = QPDFObjectHandle::newDictionary(items);
        return true;
    }

    bool wanted(std::string_view key) const
    {
        for (std::string_view k : *m_keys)
            if (k == key)
                return true;
        return false;
    }

    // Steps over a value at `depth`, given its first token.
    bool skipValue(PlainLexer::Token token, int depth)
    {
        PlainItem next;
        if (token == PlainLexer::Value)
            return true;
        if (depth >= kMaxDepth)
            return false;
        if (token == PlainLexer::Open) {
            for (auto t = m_lexer.next(next); t != PlainLexer::Close; t = m_lexer.next(next))
                if (!skipValue(t, depth + 1))
                    return false;
            return true;
        }
        if (token != PlainLexer::DictOpen)
            return false;
        for (auto t = m_lexer.next(next); t != PlainLexer::DictClose; t = m_lexer.next(next))
            if (t != PlainLexer::Value || next.kind != PlainItem::Name ||
                !skipValue(m_lexer.next(next), depth + 1))
                return false;
        return true;
    }

    // A reference (to an object the document knows), number, name, string or null.
    bool scalar(const PlainItem& item, QPDFObjectHandle& value)
    {
        switch (item.kind) {
        case PlainItem::Reference:
            if (!m_known(item.reference))
                return false;
            value = m_pdf.getObject(item.reference);
            return true;
        case PlainItem::Integer:
            value = QPDFObjectHandle::newInteger(item.integer);
            return true;
        case PlainItem::Real:
            value = QPDFObjectHandle::newReal(std::string(item.text));
            return true;
        case PlainItem::Name:
            value = QPDFObjectHandle::newName(std::string(item.text));
            return true;
        case PlainItem::String:
            value = QPDFObjectHandle::newString(std::string(item.text));
            return true;
        case PlainItem::Hex:
            value = QPDFObjectHandle::newString(fromHex(item.text));
            return true;
        case PlainItem::Bool:
            value = QPDFObjectHandle::newBool(item.text == "true");
            return true;
        case PlainItem::Null:
            value = QPDFObjectHandle::newNull();
            return true;
        }
        return false;
    }

public:
    const char* position() const { return m_lexer.position(); }

private:
    PlainLexer m_lexer;
    QPDF& m_pdf;
    const std::function<bool(QPDFObjGen)>& m_known;
    const KeyList* m_keys;
};

} // namespace

bool scanPlainObject(const char* begin, const char* end, QPDF& pdf,
                     const std::function<bool(QPDFObjGen)>& known, QPDFObjectHandle& value,
                     const char** stop, const KeyList* keys)
{
    QPDFObjectHandle result;
    Scanner scanner(begin, end, pdf, known, keys);
    if (!scanner.object(result))
        return false;
    if (stop)
        *stop = scanner.position();
    value = result;
    return true;
}

} // namespace paginor
