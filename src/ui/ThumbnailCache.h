// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QHash>
#include <QImage>
#include <cstdint>
#include <list>

namespace paginor {

// The drawn thumbnails of one file, by page and drawing width, holding at most a set number
// of bytes: the least recently used go first.
class ThumbnailCache
{
public:
    static constexpr qint64 kDefaultLimit = 64LL * 1024 * 1024;

    explicit ThumbnailCache(qint64 limitBytes = kDefaultLimit) : m_limit(limitBytes) {}

    // Keeps `image` as page `page` drawn `width` pixels wide, then evicts down to the limit.
    void insert(int32_t page, int width, const QImage& image);
    // The image kept for the page at that width, marked as just used; null when none.
    QImage find(int32_t page, int width);
    bool contains(int32_t page, int width) const { return m_entries.contains(key(page, width)); }
    void clear();

    qint64 bytes() const { return m_bytes; }
    int count() const { return int(m_entries.size()); }

private:
    static quint64 key(int32_t page, int width)
    {
        return (quint64(uint32_t(page)) << 32) | uint32_t(width);
    }
    struct Entry
    {
        QImage image;
        std::list<quint64>::iterator use;
    };

    qint64 m_limit;
    qint64 m_bytes = 0;
    QHash<quint64, Entry> m_entries;
    std::list<quint64> m_uses; // most recent first
};

} // namespace paginor
