// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/InputSource.hh>

#include <cstdint>
#include <string>
#include <vector>

namespace paginor {

// Reads a file through a few blocks kept in memory, with positioned reads and no seeks:
// parsing moves back and forth by a few bytes per token and object, and a stream of the C
// library pays a system call for every such move. Objects are read in another order than
// they are stored, and one block in memory would be read again for most of them; memory
// stays at a few blocks whatever the file's size.
//
// A file of up to kMapLimit bytes may be mapped instead, when asked: its pages then come
// straight from the system's cache, where blocks would take fresh memory of the process and a
// copy. Should the file be cut short while mapped, a read of what is gone throws instead of
// ending the process.
class BlockInputSource : public InputSource
{
public:
    // Opens `path` for reading through up to `blocks` blocks of `blockSize` bytes. Throws
    // QPDFSystemError when it cannot be opened.
    explicit BlockInputSource(const std::string& path, size_t blockSize = 32 * 1024,
                              size_t blocks = 32);
    // Maps the file when `map` is true and it is not larger than kMapLimit; blocks otherwise
    // (and when mapping fails).
    BlockInputSource(const std::string& path, bool map);
    static constexpr qpdf_offset_t kMapLimit = qpdf_offset_t(64) << 20;
    bool mapped() const { return m_map != nullptr; }
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
    // Frees the blocks, or gives the mapped pages back to the system's cache; the next reads
    // fill them again.
    void releaseBlock();

private:
    struct Block
    {
        qpdf_offset_t start = -1; // a multiple of the block size
        size_t length = 0;
        uint64_t used = 0; // when it was last read from
        std::vector<char> data;
    };
    // The block holding `offset`, read in when it is not kept, in place of the one least
    // recently used; null when the file ends before `offset`.
    const Block* blockAt(qpdf_offset_t offset);

    // Copies from the mapping; throws QPDFSystemError when the file no longer holds the bytes.
    void copyMapped(char* to, qpdf_offset_t from, size_t length);

    std::string m_path;
    int m_fd = -1;
    const char* m_map = nullptr;
    qpdf_offset_t m_size = 0;
    qpdf_offset_t m_position = 0;
    size_t m_blockSize;
    size_t m_maxBlocks;
    std::vector<Block> m_blocks;
    size_t m_current = 0; // the block read last
    uint64_t m_clock = 0;
};

} // namespace paginor
