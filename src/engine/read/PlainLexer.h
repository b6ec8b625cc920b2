// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjGen.hh>

#include <string_view>

namespace paginor {

// One value read from stored bytes by PlainLexer.
struct PlainItem
{
    enum Kind
    {
        Reference,
        Integer,
        Real,
        Name,   // text with its slash
        String, // text without its parentheses
        Null,
        Hex,  // a hexadecimal string: text between its angle brackets, an even count of digits
        Bool, // text "true" or "false"
    };
    Kind kind = Null;
    std::string_view text; // as stored, into the scanned bytes
    long long integer = 0;
    QPDFObjGen reference;
};

// Splits stored bytes into the tokens of the plain syntax most objects of a manual use:
// brackets, dictionary marks, and values: names of printable characters without escapes,
// literal strings of plain bytes, hexadecimal strings, -?digits with an optional fraction,
// true, false, null and "N G R" references; comments count as white space. Anything else
// (escapes, exponents, other keywords, damage) is Bad, and the caller then reads the bytes
// the general way.
class PlainLexer
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

    PlainLexer(const char* begin, const char* end) : m_p(begin), m_end(end) {}

    // The next token; for a Value, `item` holds it, pointing into the bytes.
    Token next(PlainItem& item);

    // Skips a value that is not needed, given its first token: anything but a dictionary or
    // a nested array. False when it is one of those or not plain.
    bool skip(Token token);

    // Where the next token would start.
    const char* position() const { return m_p; }

    // Reads the keyword `word` ("obj", "endobj", "stream") if it comes next, as a whole
    // token. The end of the bytes ends it only when `atEndOfFile`: the bytes are all there is.
    bool keyword(std::string_view word, bool atEndOfFile = false);

private:
    bool tokenEnds(const char* at) const;
    bool name(PlainItem& item);
    bool literal(PlainItem& item);
    bool hex(PlainItem& item);
    bool boolean(PlainItem& item);
    bool startsWith(std::string_view word, bool atEndOfFile) const;
    bool reference(PlainItem& item);
    bool number(PlainItem& item);

    const char* m_p;
    const char* m_end;
};

} // namespace paginor
