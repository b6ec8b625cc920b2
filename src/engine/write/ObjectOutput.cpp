// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/ObjectOutput.h"

#include "engine/InputFile.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <random>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace paginor {

namespace {

class WriteError : public EngineFailure
{
public:
    WriteError() : EngineFailure(EngineError::WriteFailed, std::strerror(errno)) {}
};

// The header's version is rewritten in place at the end, so it keeps this length.
constexpr char kHeader[] = "%PDF-1.3\n%\xbf\xf7\xa2\xfe\n";

} // namespace

ObjectOutput::ObjectOutput(std::FILE* file, bool objectStreams)
    : m_file(file), m_objectStreams(objectStreams)
{
#ifdef __GLIBC__
    // Each deflate call takes and frees some 256 KB of state; glibc would hand that back to
    // the system at every free and fault it in again at the next call, which made a split
    // into single pages spend more time in the kernel than in writing. These are the values
    // its own adaptive thresholds settle at after the first large free.
    static std::once_flag tuned;
    std::call_once(tuned, [] {
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    });
#endif
    emit(kHeader, sizeof kHeader - 1);
}

int ObjectOutput::allocate()
{
    return m_next++;
}

void ObjectOutput::emit(const char* data, size_t size)
{
    if (size && std::fwrite(data, 1, size, m_file) != size)
        throw WriteError();
    m_offset += int64_t(size);
}

void ObjectOutput::writePlain(int number, const std::string& body)
{
    if (m_objectStreams) {
        m_packer.add(number, body);
        if (m_packer.full())
            flushPacked();
        return;
    }
    m_xref.setOffset(number, m_offset);
    m_text = std::to_string(number);
    m_text += " 0 obj\n";
    m_text += body;
    m_text += "\nendobj\n";
    emit(m_text);
}

int64_t ObjectOutput::writeStream(int number, const std::string& dict, const char* data,
                                  size_t size)
{
    m_xref.setOffset(number, m_offset);
    m_text = std::to_string(number);
    m_text += " 0 obj\n";
    m_text += dict;
    m_text += " /Length ";
    m_text += std::to_string(size);
    m_text += " >>\nstream\n";
    emit(m_text);
    const int64_t start = m_offset;
    emit(data, size);
    emit("\nendstream\nendobj\n", 18);
    return start;
}

void ObjectOutput::flushPacked()
{
    if (m_packer.empty())
        return;
    std::string dict, data;
    std::vector<int> members;
    m_packer.take(dict, data, members);
    const int stream = allocate();
    writeStream(stream, dict, data.data(), data.size());
    for (size_t i = 0; i < members.size(); ++i)
        m_xref.setPacked(members[i], stream, int(i));
}

bool ObjectOutput::readBack(int64_t offset, size_t size, std::string& out)
{
    if (std::fflush(m_file) != 0)
        throw WriteError();
    out.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(::fileno(m_file), &out[done], size - done, offset + off_t(done));
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

void ObjectOutput::finish(const std::string& trailer, const std::string& version)
{
    flushPacked();
    m_xref.resize(size_t(m_next));
    std::random_device random;
    std::string id;
    char hex[4];
    for (int i = 0; i < 16; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", random() & 0xff);
        id += hex;
    }
    const std::string entries = trailer + " /ID [<" + id + "><" + id + ">]";
    const int64_t start = m_offset;
    if (m_objectStreams)
        emit(m_xref.streamText(allocate(), start, entries));
    else
        emit(m_xref.tableText(entries));
    emit("startxref\n" + std::to_string(start) + "\n%%EOF\n");

    if (version != "1.3" && version.size() == 3) {
        if (std::fflush(m_file) != 0 || std::fseek(m_file, 5, SEEK_SET) != 0 ||
            std::fwrite(version.data(), 1, 3, m_file) != 3 || std::fseek(m_file, 0, SEEK_END) != 0)
            throw WriteError();
    }
}

} // namespace paginor
