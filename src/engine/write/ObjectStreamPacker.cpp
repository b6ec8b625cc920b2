// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/ObjectStreamPacker.h"

#include <QByteArray>
#include <new>

namespace paginor {

std::string deflateBytes(const char* data, size_t size)
{
    // qCompress writes a zlib stream after four bytes of its own (the decoded size). qpdf's
    // deflating pipeline has only one level for the whole process.
    static const char kEmpty[] = "\x78\x01\x03\x00\x00\x00\x00\x01";
    if (size == 0)
        return std::string(kEmpty, sizeof kEmpty - 1);
    const QByteArray packed = qCompress(reinterpret_cast<const uchar*>(data), qsizetype(size), 2);
    if (packed.size() <= 4)
        throw std::bad_alloc(); // qCompress's only failure
    return std::string(packed.constData() + 4, size_t(packed.size()) - 4);
}

void ObjectStreamPacker::add(int number, const std::string& body)
{
    m_numbers.push_back(number);
    m_starts.push_back(m_bodies.size());
    m_bodies += body;
    m_bodies += '\n';
}

void ObjectStreamPacker::take(std::string& dict, std::string& data, std::vector<int>& members)
{
    std::string text;
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        text += std::to_string(m_numbers[i]);
        text += ' ';
        text += std::to_string(m_starts[i]);
        text += ' ';
    }
    text.back() = '\n';
    const size_t first = text.size();
    text += m_bodies;
    data = deflateBytes(text.data(), text.size());
    dict = "<< /Type /ObjStm /N " + std::to_string(m_numbers.size()) + " /First " +
           std::to_string(first) + " /Filter /FlateDecode";
    members.swap(m_numbers);
    m_numbers.clear();
    m_starts.clear();
    m_bodies.clear();
}

} // namespace paginor
