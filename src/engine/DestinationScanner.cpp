#include "engine/DestinationScanner.h"

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

// The tokens of the plain syntax; anything else is Bad.
class Lexer
{
public:
    enum Token
    {
        Bad,
        Open,
        Close,
        DictOpen,
        DictClose,
        Value,
    };

    Lexer(const char* begin, const char* end) : m_p(begin), m_end(end) {}

    Token next(PlainItem& item)
    {
        while (m_p != m_end && isSpace(*m_p))
            ++m_p;
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
                return Bad;
            m_p += 2;
            return m_p[-1] == '<' ? DictOpen : DictClose;
        case '/':
            return name(item) ? Value : Bad;
        case '(':
            return literal(item) ? Value : Bad;
        default:
            return reference(item) || number(item) ? Value : Bad;
        }
    }

    // Skips a value that is not needed: anything but a dictionary or a nested array.
    bool skip(Token token)
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

private:
    bool tokenEnds(const char* at) const
    {
        return at != m_end && (isSpace(*at) || isDelimiter(*at));
    }

    bool name(PlainItem& item)
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

    bool literal(PlainItem& item)
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

    bool reference(PlainItem& item)
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
    bool number(PlainItem& item)
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

    const char* m_p;
    const char* m_end;
};

bool readArray(Lexer& lexer, std::vector<PlainItem>& items)
{
    items.clear();
    PlainItem item;
    for (auto t = lexer.next(item); t != Lexer::Close; t = lexer.next(item)) {
        if (t != Lexer::Value)
            return false;
        items.push_back(item);
    }
    return true;
}

} // namespace

bool scanDestination(const char* begin, const char* end, std::vector<PlainItem>& items)
{
    Lexer lexer(begin, end);
    PlainItem item;
    auto t = lexer.next(item);
    if (t == Lexer::Open)
        return readArray(lexer, items);
    if (t != Lexer::DictOpen)
        return false;
    bool found = false;
    for (t = lexer.next(item); t != Lexer::DictClose; t = lexer.next(item)) {
        if (t != Lexer::Value || item.kind != PlainItem::Name)
            return false;
        if (item.text == "/D") {
            if (found || lexer.next(item) != Lexer::Open || !readArray(lexer, items))
                return false;
            found = true;
        } else if (!lexer.skip(lexer.next(item))) {
            return false;
        }
    }
    return found;
}

bool scanNameNode(const char* begin, const char* end,
                  std::vector<std::pair<std::string, QPDFObjGen>>& names,
                  std::vector<QPDFObjGen>& kids)
{
    names.clear();
    kids.clear();
    Lexer lexer(begin, end);
    PlainItem item;
    if (lexer.next(item) != Lexer::DictOpen)
        return false;
    bool seenNames = false;
    bool seenKids = false;
    for (auto t = lexer.next(item); t != Lexer::DictClose; t = lexer.next(item)) {
        if (t != Lexer::Value || item.kind != PlainItem::Name)
            return false;
        const bool isNames = item.text == "/Names";
        const bool isKids = item.text == "/Kids";
        if (!isNames && !isKids) {
            if (!lexer.skip(lexer.next(item)))
                return false;
            continue;
        }
        bool& seen = isNames ? seenNames : seenKids;
        if (seen || lexer.next(item) != Lexer::Open)
            return false;
        seen = true;
        for (t = lexer.next(item); t != Lexer::Close; t = lexer.next(item)) {
            if (t != Lexer::Value)
                return false;
            if (isKids) {
                if (item.kind != PlainItem::Reference)
                    return false;
                kids.push_back(item.reference);
                continue;
            }
            if (item.kind != PlainItem::String)
                return false;
            std::string key(item.text);
            if (lexer.next(item) != Lexer::Value || item.kind != PlainItem::Reference)
                return false;
            names.emplace_back(std::move(key), item.reference);
        }
    }
    return true;
}

} // namespace paginor
