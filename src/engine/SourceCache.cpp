// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/SourceCache.h"

namespace paginor {

std::shared_ptr<SourceDocument> SourceCache::open(const std::string& path, const QString& password)
{
    FileIdentity now;
    if (!regularFileIdentity(path, now))
        throw EngineFailure(EngineError::FileNotFound, path + ": not a readable file");
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        const auto& entry = *it;
        if (entry->path() == path && entry->identity() == now && entry->password() == password) {
            auto found = entry;
            m_entries.erase(it);
            m_entries.push_front(found);
            return found;
        }
    }
    auto source = SourceDocument::open(path, password);
    m_entries.remove_if([&](const auto& e) { return e->path() == path; });
    m_entries.push_front(source);
    while (m_entries.size() > kCapacity)
        m_entries.pop_back();
    return source;
}

void SourceCache::forgetReplaced(const std::string& path)
{
    FileIdentity now;
    const bool exists = regularFileIdentity(path, now);
    m_entries.remove_if([&](const auto& e) {
        return e->path() == path || (exists && e->identity().sameFile(now));
    });
}

} // namespace paginor
