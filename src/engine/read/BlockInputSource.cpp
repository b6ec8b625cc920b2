// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/BlockInputSource.h"

#include <qpdf/QPDFSystemError.hh>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace paginor {

namespace {

// A block starts a little before the position asked for: the tokenizer steps back often.
constexpr qpdf_offset_t kBehind = 4096;

} // namespace

BlockInputSource::BlockInputSource(const std::string& path, size_t blockSize)
    : m_path(path), m_blockSize(std::max<size_t>(blockSize, 2 * kBehind))
{
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        throw QPDFSystemError("open " + path, errno);
    struct stat st;
    if (::fstat(m_fd, &st) == 0)
        m_size = qpdf_offset_t(st.st_size);
}

BlockInputSource::~BlockInputSource()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool BlockInputSource::fill(qpdf_offset_t offset)
{
    const qpdf_offset_t start = std::max<qpdf_offset_t>(0, offset - kBehind);
    m_block.resize(m_blockSize);
    size_t got = 0;
    while (got < m_blockSize) {
        const ssize_t n = ::pread(m_fd, m_block.data() + got, m_blockSize - got, start + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw QPDFSystemError("read " + m_path, errno);
        if (n == 0)
            break;
        got += size_t(n);
    }
    m_blockStart = start;
    m_blockLength = got;
    return offset < m_blockStart + qpdf_offset_t(m_blockLength);
}

size_t BlockInputSource::read(char* buffer, size_t length)
{
    last_offset = m_position;
    size_t done = 0;
    while (done < length) {
        const qpdf_offset_t at = m_position + qpdf_offset_t(done);
        if (at < m_blockStart || at >= m_blockStart + qpdf_offset_t(m_blockLength)) {
            if (!fill(at))
                break;
        }
        const size_t from = size_t(at - m_blockStart);
        const size_t n = std::min(length - done, m_blockLength - from);
        std::memcpy(buffer + done, m_block.data() + from, n);
        done += n;
    }
    m_position += qpdf_offset_t(done);
    return done;
}

void BlockInputSource::seek(qpdf_offset_t offset, int whence)
{
    qpdf_offset_t to = offset;
    if (whence == SEEK_CUR)
        to = m_position + offset;
    else if (whence == SEEK_END)
        to = m_size + offset;
    if (to < 0)
        throw std::runtime_error(m_path + ": seek before the start of the file");
    m_position = to;
}

void BlockInputSource::unreadCh(char)
{
    if (m_position > 0)
        --m_position;
}

qpdf_offset_t BlockInputSource::findAndSkipNextEOL()
{
    char buffer[4096];
    for (;;) {
        const qpdf_offset_t at = m_position;
        const size_t n = read(buffer, sizeof buffer);
        if (n == 0) {
            m_position = std::min(m_position, m_size);
            return m_position;
        }
        const char* end = buffer + n;
        const char* eol = std::find_if(static_cast<const char*>(buffer), end,
                                       [](char c) { return c == '\r' || c == '\n'; });
        if (eol == end)
            continue;
        const qpdf_offset_t result = at + (eol - buffer);
        m_position = result + 1;
        char c;
        while (read(&c, 1) == 1) {
            if (c != '\r' && c != '\n') {
                --m_position;
                break;
            }
        }
        return result;
    }
}

void BlockInputSource::releaseBlock()
{
    std::vector<char>().swap(m_block);
    m_blockStart = 0;
    m_blockLength = 0;
}

} // namespace paginor
