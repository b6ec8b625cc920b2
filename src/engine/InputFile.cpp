// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/InputFile.h"

#include <sys/stat.h>

namespace paginor {

bool regularFileIdentity(const std::string& path, FileIdentity& identity)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    identity.device = uint64_t(st.st_dev);
    identity.inode = uint64_t(st.st_ino);
    identity.size = int64_t(st.st_size);
    identity.mtimeNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    identity.ctimeNs = int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return true;
}

ReopeningInputSource::ReopeningInputSource(const std::string& path, const FileIdentity& identity)
    : m_path(path), m_identity(identity)
{
}

void ReopeningInputSource::stayOpen(bool open)
{
    m_stayOpen = open;
    if (!open && m_file) {
        m_offset = m_file->tell();
        m_file.reset();
    }
}

void ReopeningInputSource::before()
{
    if (m_file)
        return;
    FileIdentity now;
    if (!regularFileIdentity(m_path, now) || now != m_identity)
        throw EngineFailure(EngineError::InputChanged, m_path + ": changed or removed", m_path);
    // A file opened for a single read needs no large block.
    m_file = m_stayOpen ? std::make_unique<BlockInputSource>(m_path)
                        : std::make_unique<BlockInputSource>(m_path, 8 * 1024, 1);
    m_file->seek(m_offset, SEEK_SET);
}

void ReopeningInputSource::after()
{
    if (m_stayOpen)
        return;
    m_offset = m_file->tell();
    m_file.reset();
}

qpdf_offset_t ReopeningInputSource::findAndSkipNextEOL()
{
    before();
    const auto result = m_file->findAndSkipNextEOL();
    after();
    return result;
}

qpdf_offset_t ReopeningInputSource::tell()
{
    return m_file ? m_file->tell() : m_offset;
}

void ReopeningInputSource::seek(qpdf_offset_t offset, int whence)
{
    if (whence == SEEK_SET && !m_file) {
        m_offset = offset;
        return;
    }
    before();
    m_file->seek(offset, whence);
    after();
}

void ReopeningInputSource::rewind()
{
    m_offset = 0;
    if (m_file)
        m_file->rewind();
}

size_t ReopeningInputSource::read(char* buffer, size_t length)
{
    before();
    const auto result = m_file->read(buffer, length);
    last_offset = m_file->getLastOffset();
    after();
    return result;
}

void ReopeningInputSource::unreadCh(char ch)
{
    before();
    m_file->unreadCh(ch);
    after();
}

} // namespace paginor
