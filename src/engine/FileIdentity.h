// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <cstdint>
#include <string>

namespace paginor {

// What tells one version of a file from another: same path, inode, size and change time.
struct FileIdentity
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = -1;
    int64_t mtimeNs = 0;
    int64_t ctimeNs = 0;

    // Whether there was a regular file to describe.
    bool exists() const { return size >= 0; }
    bool operator==(const FileIdentity& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && mtimeNs == o.mtimeNs &&
               ctimeNs == o.ctimeNs;
    }
    bool operator!=(const FileIdentity& o) const { return !(*this == o); }
    bool sameFile(const FileIdentity& o) const { return device == o.device && inode == o.inode; }
};

// The identity of the regular file at `path` (symbolic links followed); false when the path
// names no regular file.
bool regularFileIdentity(const std::string& path, FileIdentity& identity);

} // namespace paginor
