#pragma once

#include <QString>
#include <cstdint>

namespace paginor {

// Which version of a file a password test saw: its device, inode, size and change times.
// `size` is -1 when there was no regular file at the path.
struct FileStamp
{
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = -1;
    int64_t mtimeNs = 0;
    int64_t ctimeNs = 0;

    bool exists() const { return size >= 0; }
    bool operator==(const FileStamp& o) const
    {
        return device == o.device && inode == o.inode && size == o.size && mtimeNs == o.mtimeNs &&
               ctimeNs == o.ctimeNs;
    }
};

// What the last password test of a merge-list row found. It lives in memory with the row for
// the window's life and is never saved, logged or written into an output.
struct RowLock
{
    bool tested = false;      // the file, as `stamp` describes it, opened with `password`
    bool isProtected = false; // the file needs a password: the list shows a lock before its name
    QString password;         // the password that opened it ("" = none)
    FileStamp stamp;
};

} // namespace paginor
