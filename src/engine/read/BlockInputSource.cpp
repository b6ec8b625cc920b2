// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/BlockInputSource.h"

#include <qpdf/QPDFSystemError.hh>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace paginor {

namespace {

// A mapped file cut short by another program raises SIGBUS on the first read of what is gone.
// Copies from a mapping are guarded: the handler jumps back to the copy, which then fails.
// Volatile: the compiler would otherwise drop the store before the copy, which it sees as
// unused.
thread_local sigjmp_buf* volatile t_copyGuard = nullptr;
struct sigaction g_previousBusAction;

void onBusError(int, siginfo_t*, void*)
{
    if (sigjmp_buf* guard = t_copyGuard)
        siglongjmp(*guard, 1);
    // Not a guarded copy: as it would have been without us, once the access happens again.
    sigaction(SIGBUS, &g_previousBusAction, nullptr);
}

void guardBusErrors()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        // Not blocked while handled, so that the jump back need not restore the mask: saving
        // it would cost a system call for every read.
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &g_previousBusAction);
    });
}

bool guardedCopy(char* to, const char* from, size_t length)
{
    sigjmp_buf guard;
    if (sigsetjmp(guard, 0) != 0) {
        t_copyGuard = nullptr;
        return false;
    }
    t_copyGuard = &guard;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(to, from, length);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    t_copyGuard = nullptr;
    return true;
}

} // namespace

BlockInputSource::BlockInputSource(const std::string& path, size_t blockSize, size_t blocks)
    : m_path(path), m_blockSize(std::max<size_t>(blockSize, 4096)),
      m_maxBlocks(std::max<size_t>(blocks, 1))
{
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        throw QPDFSystemError("open " + path, errno);
    struct stat st;
    if (::fstat(m_fd, &st) == 0)
        m_size = qpdf_offset_t(st.st_size);
}

BlockInputSource::BlockInputSource(const std::string& path, bool map) : BlockInputSource(path)
{
    if (!map || m_size <= 0 || m_size > kMapLimit)
        return;
    void* mapping = ::mmap(nullptr, size_t(m_size), PROT_READ, MAP_PRIVATE, m_fd, 0);
    if (mapping == MAP_FAILED)
        return;
    guardBusErrors();
    m_map = static_cast<const char*>(mapping);
}

BlockInputSource::~BlockInputSource()
{
    if (m_map)
        ::munmap(const_cast<char*>(m_map), size_t(m_size));
    if (m_fd >= 0)
        ::close(m_fd);
}

void BlockInputSource::copyMapped(char* to, qpdf_offset_t from, size_t length)
{
    if (!guardedCopy(to, m_map + from, length))
        throw QPDFSystemError("read " + m_path + " (the file was cut short while open)", EIO);
}

const BlockInputSource::Block* BlockInputSource::blockAt(qpdf_offset_t offset)
{
    const qpdf_offset_t start = offset - offset % qpdf_offset_t(m_blockSize);
    if (m_current < m_blocks.size() && m_blocks[m_current].start == start) {
        m_blocks[m_current].used = ++m_clock;
        return &m_blocks[m_current];
    }
    size_t slot = m_blocks.size();
    for (size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blocks[i].start == start) {
            m_current = i;
            m_blocks[i].used = ++m_clock;
            return &m_blocks[i];
        }
        if (m_blocks.size() >= m_maxBlocks &&
            (slot == m_blocks.size() || m_blocks[i].used < m_blocks[slot].used))
            slot = i;
    }
    const bool added = slot == m_blocks.size();
    if (added)
        m_blocks.emplace_back();
    Block& block = m_blocks[slot];
    const qpdf_offset_t held = block.start;
    block.start = -1; // until it holds what it says
    block.data.resize(m_blockSize);
    size_t got = 0;
    while (got < m_blockSize) {
        const ssize_t n =
            ::pread(m_fd, block.data.data() + got, m_blockSize - got, start + qpdf_offset_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw QPDFSystemError("read " + m_path, errno);
        if (n == 0)
            break;
        got += size_t(n);
    }
    if (got == 0) {
        // Nothing was read over it: a look past the end keeps what was held.
        block.start = held;
        if (added)
            m_blocks.pop_back();
        return nullptr;
    }
    block.start = start;
    block.length = got;
    block.used = ++m_clock;
    m_current = slot;
    return &block;
}

size_t BlockInputSource::read(char* buffer, size_t length)
{
    last_offset = m_position;
    if (m_map) {
        const size_t n = m_position < m_size ? std::min(length, size_t(m_size - m_position)) : 0;
        copyMapped(buffer, m_position, n);
        m_position += qpdf_offset_t(n);
        return n;
    }
    size_t done = 0;
    while (done < length) {
        const qpdf_offset_t at = m_position + qpdf_offset_t(done);
        const Block* block = blockAt(at);
        const size_t from = block ? size_t(at - block->start) : 0;
        if (!block || from >= block->length)
            break;
        const size_t n = std::min(length - done, block->length - from);
        std::memcpy(buffer + done, block->data.data() + from, n);
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
    if (m_map)
        ::madvise(const_cast<char*>(m_map), size_t(m_size), MADV_DONTNEED);
    std::vector<Block>().swap(m_blocks);
    m_current = 0;
}

} // namespace paginor
