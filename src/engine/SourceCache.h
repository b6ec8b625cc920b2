// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/SourceDocument.h"

#include <QString>
#include <list>
#include <memory>
#include <string>

namespace paginor {

// The few most recently opened sources, so opening an unchanged file again with the same
// password (once per output in a pages-per-file split) reuses everything parsed.
class SourceCache
{
public:
    // The source for `path`: cached when the file is unchanged (inode, size, times) and the
    // password is the same, freshly opened otherwise. Throws EngineFailure.
    std::shared_ptr<SourceDocument> open(const std::string& path, const QString& password);

    // Drops every cached source that is the file now at `path`'s old version: after an output
    // replaced it, a cached source would describe a file that no longer exists there.
    void forgetReplaced(const std::string& path);

private:
    static constexpr size_t kCapacity = 2;
    std::list<std::shared_ptr<SourceDocument>> m_entries; // most recent first
};

} // namespace paginor
