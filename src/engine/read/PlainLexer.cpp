// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/PlainLexer.h"

#include <cctype>
#include <cstring>

namespace paginor {

namespace {

constexpr int kMaxDigits = 15; // far from any overflow

bool isSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isDelimiter(char c)
{
    return c != '\0' && std::strchr("/[]<>(){}%", c) != nullptr;
}

} // namespace

PlainLexer::Token PlainLexer::next(PlainItem& item)
{
    // A comment counts as white space, as the parser takes it.
    while (m_p != m_end && (isSpace(*m_p) || *m_p == '%')) {
        if (*m_p == '%')
            while (m_p != m_end && *m_p != '\n' && *m_p != '\r')
                ++m_p;
        else
            ++m_p;
    }
    if (m_p == m_end)
        return Bad;
    switch (*m_p) {
    case '[':
        ++m_p;
        return Open;
    case ']':
        ++m_p;
        return Close;
    case '<':
    case '>':
        if (m_end - m_p < 2 || m_p[1] != m_p[0])
            return *m_p == '<' && hex(item) ? Value : Bad;
        m_p += 2;
        return m_p[-1] == '<' ? DictOpen : DictClose;
    case '/':
        return name(item) ? Value : Bad;
    case '(':
        return literal(item) ? Value : Bad;
    default:
        return reference(item) || number(item) || boolean(item) ? Value : Bad;
    }
}

bool PlainLexer::skip(Token token)
{
    PlainItem item;
    if (token == Value)
        return true;
    if (token != Open)
        return false;
    for (Token t = next(item); t != Close; t = next(item))
        if (t != Value)
            return false;
    return true;
}

bool PlainLexer::tokenEnds(const char* at) const
{
    return at != m_end && (isSpace(*at) || isDelimiter(*at));
}

bool PlainLexer::name(PlainItem& item)
{
    const char* at = m_p + 1;
    while (at != m_end && *at > ' ' && *at < 127 && *at != '#' && !isDelimiter(*at))
        ++at;
    if (at == m_p + 1 || !tokenEnds(at))
        return false;
    item.kind = PlainItem::Name;
    item.text = std::string_view(m_p, size_t(at - m_p));
    m_p = at;
    return true;
}

bool PlainLexer::literal(PlainItem& item)
{
    const char* start = m_p + 1;
    const char* at = start;
    for (; at != m_end && *at != ')'; ++at) {
        const auto c = static_cast<unsigned char>(*at);
        if (c < 0x20 || c == '(' || c == '\\')
            return false;
    }
    if (at == m_end)
        return false;
    item.kind = PlainItem::String;
    item.text = std::string_view(start, size_t(at - start));
    m_p = at + 1;
    return true;
}

bool PlainLexer::hex(PlainItem& item)
{
    const char* start = m_p + 1;
    const char* at = start;
    size_t digits = 0;
    for (; at != m_end && *at != '>'; ++at) {
        if (std::isxdigit(static_cast<unsigned char>(*at)))
            ++digits;
        else if (!isSpace(*at))
            return false;
    }
    // An odd count has a rule of its own: left to the general parser.
    if (at == m_end || digits % 2 != 0)
        return false;
    item.kind = PlainItem::Hex;
    item.text = std::string_view(start, size_t(at - start));
    m_p = at + 1;
    return true;
}

bool PlainLexer::startsWith(std::string_view word, bool atEndOfFile) const
{
    const char* after = m_p + word.size();
    return size_t(m_end - m_p) >= word.size() &&
           word.compare(0, word.size(), m_p, word.size()) == 0 &&
           (after == m_end ? atEndOfFile : tokenEnds(after));
}

bool PlainLexer::boolean(PlainItem& item)
{
    for (const std::string_view word : {std::string_view("true"), std::string_view("false")}) {
        if (startsWith(word, false)) {
            item.kind = PlainItem::Bool;
            item.text = std::string_view(m_p, word.size());
            m_p += word.size();
            return true;
        }
    }
    return false;
}

bool PlainLexer::keyword(std::string_view word, bool atEndOfFile)
{
    PlainItem none;
    // next() stops in front of a keyword, which it does not read, after any white space.
    if (next(none) != Bad || !startsWith(word, atEndOfFile))
        return false;
    m_p += word.size();
    return true;
}

bool PlainLexer::reference(PlainItem& item)
{
    const char* at = m_p;
    long long numbers[2] = {0, 0};
    for (long long& number : numbers) {
        const char* start = at;
        while (at != m_end && isDigit(*at) && at - start < 10)
            number = number * 10 + (*at++ - '0');
        if (at == start || at == m_end || !isSpace(*at))
            return false;
        while (at != m_end && isSpace(*at))
            ++at;
    }
    if (at == m_end || *at != 'R' || !tokenEnds(at + 1))
        return false;
    if (numbers[0] < 1 || numbers[0] > 0x7fffffff || numbers[1] > 65535)
        return false;
    item.kind = PlainItem::Reference;
    item.reference = QPDFObjGen(int(numbers[0]), int(numbers[1]));
    m_p = at + 1;
    return true;
}

// null, or a number as -?digits with an optional fraction after a digit.
bool PlainLexer::number(PlainItem& item)
{
    if (m_end - m_p >= 4 && std::memcmp(m_p, "null", 4) == 0 && tokenEnds(m_p + 4)) {
        item.kind = PlainItem::Null;
        item.text = std::string_view(m_p, 4);
        m_p += 4;
        return true;
    }
    const char* at = m_p;
    const bool negative = *at == '-';
    if (negative)
        ++at;
    long long value = 0;
    const char* digits = at;
    for (; at != m_end && isDigit(*at); ++at)
        if (at - digits < kMaxDigits) // past that the number is refused, not overflowed
            value = value * 10 + (*at - '0');
    if (at == digits || at - digits > kMaxDigits)
        return false;
    bool real = false;
    if (at != m_end && *at == '.') {
        const char* fraction = ++at;
        while (at != m_end && isDigit(*at))
            ++at;
        if (at == fraction || at - fraction > kMaxDigits)
            return false;
        real = true;
    }
    if (!tokenEnds(at))
        return false;
    item.kind = real ? PlainItem::Real : PlainItem::Integer;
    item.integer = negative ? -value : value;
    item.text = std::string_view(m_p, size_t(at - m_p));
    m_p = at;
    return true;
}

} // namespace paginor
