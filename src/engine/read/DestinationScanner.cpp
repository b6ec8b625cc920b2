// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/DestinationScanner.h"

namespace paginor {

namespace {

bool readArray(PlainLexer& lexer, std::vector<PlainItem>& items)
{
    items.clear();
    PlainItem item;
    for (auto t = lexer.next(item); t != PlainLexer::Close; t = lexer.next(item)) {
        if (t != PlainLexer::Value)
            return false;
        items.push_back(item);
    }
    return true;
}

} // namespace

bool scanDestination(const char* begin, const char* end, std::vector<PlainItem>& items)
{
    PlainLexer lexer(begin, end);
    PlainItem item;
    auto t = lexer.next(item);
    if (t == PlainLexer::Open)
        return readArray(lexer, items);
    if (t != PlainLexer::DictOpen)
        return false;
    bool found = false;
    for (t = lexer.next(item); t != PlainLexer::DictClose; t = lexer.next(item)) {
        if (t != PlainLexer::Value || item.kind != PlainItem::Name)
            return false;
        if (item.text == "/D") {
            if (found || lexer.next(item) != PlainLexer::Open || !readArray(lexer, items))
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
    PlainLexer lexer(begin, end);
    PlainItem item;
    if (lexer.next(item) != PlainLexer::DictOpen)
        return false;
    bool seenNames = false;
    bool seenKids = false;
    for (auto t = lexer.next(item); t != PlainLexer::DictClose; t = lexer.next(item)) {
        if (t != PlainLexer::Value || item.kind != PlainItem::Name)
            return false;
        const bool isNames = item.text == "/Names";
        const bool isKids = item.text == "/Kids";
        if (!isNames && !isKids) {
            if (!lexer.skip(lexer.next(item)))
                return false;
            continue;
        }
        bool& seen = isNames ? seenNames : seenKids;
        if (seen || lexer.next(item) != PlainLexer::Open)
            return false;
        seen = true;
        for (t = lexer.next(item); t != PlainLexer::Close; t = lexer.next(item)) {
            if (t != PlainLexer::Value)
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
            if (lexer.next(item) != PlainLexer::Value || item.kind != PlainItem::Reference)
                return false;
            names.emplace_back(std::move(key), item.reference);
        }
    }
    return true;
}

} // namespace paginor
