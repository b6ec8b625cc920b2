// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/CrossReference.h"

#include "engine/write/ObjectStreamPacker.h"

#include <algorithm>
#include <cstdio>

namespace paginor {

namespace {

// How many bytes `value` needs, at least 1.
int widthOf(int64_t value)
{
    int width = 1;
    while (width < 8 && (value >> (8 * width)) != 0)
        ++width;
    return width;
}

void appendBigEndian(int64_t value, int width, std::string& out)
{
    for (int i = width - 1; i >= 0; --i)
        out += char((value >> (8 * i)) & 0xff);
}

} // namespace

void CrossReference::resize(size_t count)
{
    if (count > m_entries.size())
        m_entries.resize(count);
}

void CrossReference::setOffset(int number, int64_t offset)
{
    resize(size_t(number) + 1);
    m_entries[size_t(number)] = {1, offset, 0};
}

void CrossReference::setPacked(int number, int stream, int index)
{
    resize(size_t(number) + 1);
    m_entries[size_t(number)] = {2, stream, index};
}

std::string CrossReference::tableText(const std::string& trailer) const
{
    std::string text = "xref\n0 " + std::to_string(m_entries.size()) + "\n";
    text.reserve(text.size() + 20 * m_entries.size() + 200);
    char line[32];
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (e.type == 1)
            std::snprintf(line, sizeof line, "%010lld 00000 n \n", (long long)e.field);
        else
            std::snprintf(line, sizeof line, "0000000000 %05d f \n", i == 0 ? 65535 : 0);
        text += line;
    }
    text += "trailer\n<< /Size " + std::to_string(m_entries.size()) + trailer + " >>\n";
    return text;
}

std::string CrossReference::streamText(int self, int64_t selfOffset, const std::string& trailer)
{
    setOffset(self, selfOffset);
    int64_t widest = 0;
    int most = 0;
    for (const Entry& e : m_entries) {
        widest = std::max(widest, e.field);
        most = std::max(most, e.index);
    }
    const int w2 = widthOf(widest), w3 = std::max(widthOf(most), 2);
    const size_t row = size_t(1 + w2 + w3);
    // The PNG "up" predictor: each byte less the one above it, so the columns of growing
    // offsets become runs of small numbers that compress well.
    std::string rows, previous(row, '\0'), current;
    rows.reserve((row + 1) * m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        current.clear();
        current += char(e.type);
        appendBigEndian(e.field, w2, current);
        appendBigEndian(e.type == 0 && i == 0 ? 65535 : e.index, w3, current);
        rows += char(2);
        for (size_t b = 0; b < row; ++b)
            rows += char(uint8_t(current[b]) - uint8_t(previous[b]));
        previous.swap(current);
    }
    const std::string data = deflateBytes(rows.data(), rows.size());
    std::string text = std::to_string(self) + " 0 obj\n<< /Type /XRef /Size " +
                       std::to_string(m_entries.size()) + " /W [1 " + std::to_string(w2) + " " +
                       std::to_string(w3) + "]" + trailer +
                       " /Filter /FlateDecode /DecodeParms << /Columns " + std::to_string(row) +
                       " /Predictor 12 >> /Length " + std::to_string(data.size()) + " >>\nstream\n";
    text += data;
    text += "\nendstream\nendobj\n";
    return text;
}

} // namespace paginor
