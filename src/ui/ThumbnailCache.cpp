// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/ThumbnailCache.h"

namespace paginor {

void ThumbnailCache::insert(int32_t page, int width, const QImage& image)
{
    const quint64 k = key(page, width);
    auto found = m_entries.find(k);
    if (found != m_entries.end()) {
        m_bytes -= found->image.sizeInBytes();
        m_uses.erase(found->use);
        m_entries.erase(found);
    }
    m_uses.push_front(k);
    m_entries.insert(k, Entry{image, m_uses.begin()});
    m_bytes += image.sizeInBytes();
    // The newest stays even when it alone is over the limit.
    while (m_bytes > m_limit && m_uses.size() > 1) {
        const quint64 oldest = m_uses.back();
        m_uses.pop_back();
        m_bytes -= m_entries.value(oldest).image.sizeInBytes();
        m_entries.remove(oldest);
    }
}

QImage ThumbnailCache::find(int32_t page, int width)
{
    auto found = m_entries.find(key(page, width));
    if (found == m_entries.end())
        return QImage();
    m_uses.splice(m_uses.begin(), m_uses, found->use);
    return found->image;
}

void ThumbnailCache::clear()
{
    m_entries.clear();
    m_uses.clear();
    m_bytes = 0;
}

} // namespace paginor
