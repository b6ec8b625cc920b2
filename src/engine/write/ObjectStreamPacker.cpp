#include "engine/write/ObjectStreamPacker.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>

namespace paginor {

std::string deflateBytes(const char* data, size_t size)
{
    Pl_Buffer out("deflated");
    Pl_Flate flate("deflate", &out, Pl_Flate::a_deflate);
    flate.write(reinterpret_cast<const unsigned char*>(data), size);
    flate.finish();
    auto buffer = out.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
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
