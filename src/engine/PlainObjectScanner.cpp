#include "engine/PlainObjectScanner.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace paginor {

namespace {

constexpr size_t kMaxItems = 512; // more than a name-tree node holds
constexpr int kMaxDigits = 15;    // far from any overflow
constexpr int kMaxDepth = 8;      // an annotation nests three deep

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

class Scanner
{
public:
    Scanner(const char* begin, const char* end, QPDF& pdf,
            const std::function<bool(QPDFObjGen)>& known)
        : m_p(begin), m_end(end), m_pdf(pdf), m_known(known)
    {
    }

    bool object(QPDFObjectHandle& value)
    {
        skipSpace();
        if (m_p != m_end && *m_p == '[')
            return array(value, 1);
        if (m_end - m_p >= 2 && m_p[0] == '<' && m_p[1] == '<')
            return dictionary(value, 1);
        return false;
    }

private:
    void skipSpace()
    {
        while (m_p != m_end && isSpace(*m_p))
            ++m_p;
    }

    // A token must stop where the tokenizer would stop it; the end of the bytes inside an
    // object is damage, left to the general parser.
    bool tokenEnds(const char* at) const
    {
        return at != m_end && (isSpace(*at) || isDelimiter(*at));
    }

    // Any value at `depth` inside the object.
    bool item(QPDFObjectHandle& value, int depth)
    {
        if (*m_p == '[' || *m_p == '<')
            return depth < kMaxDepth && (*m_p == '[' ? array(value, depth + 1)
                                                     : m_end - m_p >= 2 && m_p[1] == '<' &&
                                                           dictionary(value, depth + 1));
        return reference(value) || scalar(value);
    }

    bool array(QPDFObjectHandle& value, int depth)
    {
        ++m_p;
        std::vector<QPDFObjectHandle> items;
        for (;;) {
            skipSpace();
            if (m_p == m_end)
                return false;
            if (*m_p == ']') {
                ++m_p;
                break;
            }
            if (items.size() == kMaxItems)
                return false;
            QPDFObjectHandle entry;
            if (!item(entry, depth))
                return false;
            items.push_back(std::move(entry));
        }
        value = QPDFObjectHandle::newArray(items);
        return true;
    }

    bool dictionary(QPDFObjectHandle& value, int depth)
    {
        m_p += 2;
        // Built from a map: replaceKey checks each value for null, which reads a reference.
        std::map<std::string, QPDFObjectHandle> items;
        for (;;) {
            skipSpace();
            if (m_end - m_p >= 2 && m_p[0] == '>' && m_p[1] == '>') {
                m_p += 2;
                break;
            }
            std::string key;
            if (!name(key) || items.count(key))
                return false; // a repeated key is left to the parser's rules
            skipSpace();
            QPDFObjectHandle entry;
            // A null value reads as a missing key, which the parser and replaceKey store
            // differently.
            if (m_p == m_end || !item(entry, depth) || (!entry.isIndirect() && entry.isNull()))
                return false;
            items.emplace(std::move(key), entry);
        }
        value = QPDFObjectHandle::newDictionary(items);
        return true;
    }

    // A name of printable characters: escapes and other bytes go to the parser.
    bool name(std::string& out)
    {
        if (m_p == m_end || *m_p != '/')
            return false;
        const char* start = m_p + 1;
        const char* at = start;
        while (at != m_end && *at > ' ' && *at < 127 && *at != '#' && !isDelimiter(*at))
            ++at;
        if (at == start || !tokenEnds(at))
            return false;
        out.assign(m_p, at);
        m_p = at;
        return true;
    }

    // A string, a name, null, or a number as -?digits with an optional fraction after a digit.
    bool scalar(QPDFObjectHandle& item)
    {
        if (*m_p == '(')
            return literal(item);
        if (*m_p == '/') {
            std::string text;
            if (!name(text))
                return false;
            item = QPDFObjectHandle::newName(text);
            return true;
        }
        if (m_end - m_p >= 4 && std::char_traits<char>::compare(m_p, "null", 4) == 0 &&
            tokenEnds(m_p + 4)) {
            m_p += 4;
            item = QPDFObjectHandle::newNull();
            return true;
        }
        const char* at = m_p;
        if (*at == '-')
            ++at;
        const char* digits = at;
        while (at != m_end && isDigit(*at))
            ++at;
        const long intDigits = at - digits;
        if (intDigits == 0 || intDigits > kMaxDigits)
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
        std::string text(m_p, at);
        m_p = at;
        item =
            real ? QPDFObjectHandle::newReal(text) : QPDFObjectHandle::newInteger(std::stoll(text));
        return true;
    }

    // A string of plain bytes: escapes, parentheses and line ends, which the parser
    // translates, go to the parser.
    bool literal(QPDFObjectHandle& item)
    {
        const char* start = m_p + 1;
        const char* at = start;
        while (at != m_end && *at != ')') {
            const auto c = static_cast<unsigned char>(*at);
            if (c < 0x20 || c == '(' || c == '\\')
                return false;
            ++at;
        }
        if (at == m_end)
            return false;
        item = QPDFObjectHandle::newString(std::string(start, at));
        m_p = at + 1;
        return true;
    }

    // "N G R" with plain digits, for an object the document knows.
    bool reference(QPDFObjectHandle& item)
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
        const QPDFObjGen og{int(numbers[0]), int(numbers[1])};
        if (!m_known(og))
            return false;
        item = m_pdf.getObject(og);
        m_p = at + 1;
        return true;
    }

    const char* m_p;
    const char* m_end;
    QPDF& m_pdf;
    const std::function<bool(QPDFObjGen)>& m_known;
};

} // namespace

bool scanPlainObject(const char* begin, const char* end, QPDF& pdf,
                     const std::function<bool(QPDFObjGen)>& known, QPDFObjectHandle& value)
{
    QPDFObjectHandle result;
    if (!Scanner(begin, end, pdf, known).object(result))
        return false;
    value = result;
    return true;
}

} // namespace paginor
