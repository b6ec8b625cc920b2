// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/InputSource.hh>

#include <string>
#include <vector>

namespace paginor {

// Reads a file through one block kept in memory, with positioned reads and no seeks: parsing
// moves back and forth by a few bytes per token and object, and a stream of the C library
// pays a system call for every such move. Memory stays at one block whatever the file's size.
class BlockInputSource : public InputSource
{
public:
    // Opens `path` for reading through blocks of `blockSize` bytes. Throws QPDFSystemError when
    // it cannot be opened.
    explicit BlockInputSource(const std::string& path, size_t blockSize = 64 * 1024);
    ~BlockInputSource() override;
    BlockInputSource(const BlockInputSource&) = delete;
    BlockInputSource& operator=(const BlockInputSource&) = delete;

    // The offset of the next end of line, leaving the position after it and any that follow;
    // the end of the file when there is none.
    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const& getName() const override { return m_path; }
    qpdf_offset_t tell() override { return m_position; }
    // Throws std::runtime_error for a position before the start.
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override { m_position = 0; }
    // Throws QPDFSystemError when the file cannot be read.
    size_t read(char* buffer, size_t length) override;
    void unreadCh(char ch) override;
    // Frees the block; the next read fills it again.
    void releaseBlock();

private:
    // Fills the block with the data around `offset`; false at the end of the file.
    bool fill(qpdf_offset_t offset);

    std::string m_path;
    int m_fd = -1;
    qpdf_offset_t m_size = 0;
    qpdf_offset_t m_position = 0;
    size_t m_blockSize;
    std::vector<char> m_block;
    qpdf_offset_t m_blockStart = 0;
    size_t m_blockLength = 0;
};

} // namespace paginor
