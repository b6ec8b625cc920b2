// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/DuplicateFinder.h"

#include <cstring>
#include <string_view>

namespace paginor {

namespace {

uint64_t hashOf(const char* data, size_t size)
{
    return std::hash<std::string_view>()(std::string_view(data, size));
}

bool isAnyName(QPDFObjectHandle value, std::initializer_list<const char*> names)
{
    if (!value.isName())
        return false;
    const std::string name = value.getName();
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

} // namespace

bool DuplicateFinder::mayShare(QPDFObjectHandle dict)
{
    if (!dict.isDictionary())
        return true;
    if (isAnyName(dict.getKey("/Type"), {"/Page", "/Pages", "/Catalog", "/Annot", "/StructElem",
                                         "/StructTreeRoot", "/Outlines", "/Bead", "/Thread", "/OCG",
                                         "/OCMD", "/Sig", "/Encrypt", "/ObjStm", "/XRef"}))
        return false;
    // Annotations and fields without /Type: a rectangle or a field's entries; outline items
    // by their title and place in the tree; structure elements by their parent and kids.
    if (dict.hasKey("/Rect") || dict.hasKey("/FT") || dict.hasKey("/T") || dict.hasKey("/Kids") ||
        (dict.hasKey("/Title") && dict.hasKey("/Parent")) ||
        (dict.hasKey("/S") && dict.hasKey("/P")))
        return false;
    return true;
}

int DuplicateFinder::findPlain(const std::string& text)
{
    m_hash = hashOf(text.data(), text.size());
    auto range = m_written.equal_range(m_hash);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second.offset < 0 && it->second.text == text) {
            ++m_saved.objects;
            m_saved.bytes += int64_t(text.size());
            return it->second.number;
        }
    }
    return 0;
}

void DuplicateFinder::addPlain(const std::string& text, int number)
{
    m_written.emplace(m_hash, Entry{number, -1, 0, text});
}

int DuplicateFinder::findStream(const std::string& dict, const char* data, size_t size,
                                const ReadBack& readBack)
{
    m_hash = hashOf(dict.data(), dict.size()) * 31 + hashOf(data, size);
    auto range = m_written.equal_range(m_hash);
    for (auto it = range.first; it != range.second; ++it) {
        const Entry& e = it->second;
        if (e.offset < 0 || e.size != size || e.text != dict)
            continue;
        if (size > 0 && (!readBack(e.offset, size, m_readBuffer) ||
                         std::memcmp(m_readBuffer.data(), data, size) != 0))
            continue;
        ++m_saved.objects;
        m_saved.bytes += int64_t(dict.size() + size);
        return e.number;
    }
    return 0;
}

void DuplicateFinder::addStream(const std::string& dict, size_t size, int number, int64_t offset)
{
    m_written.emplace(m_hash, Entry{number, offset, size, dict});
}

} // namespace paginor
