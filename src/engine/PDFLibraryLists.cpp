// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The merge's path lists and the page-count probes of PDFLibrary.

#include "engine/PDFLibraryImpl.h"
#include "engine/write/Merger.h"

namespace paginor {

void PDFLibrary::NewPathList(const QString& listName)
{
    m->lists[listName].clear();
}

bool PDFLibrary::AppendToPathList(const QString& listName, const QString& path,
                                  const QString& password, const QString& pageList, int rotate,
                                  bool reverse)
{
    m->lists[listName].push_back({path, password, pageList, rotate, reverse});
    return true;
}

int32_t PDFLibrary::MergePathList(const QString& listName, const QString& outputPath)
{
    const auto list = m->lists.find(listName);
    if (list == m->lists.end())
        return m->failed(EngineError::UnknownList), 0;
    std::vector<MergeInput> inputs;
    for (const Impl::ListEntry& entry : list->second)
        inputs.push_back({localPath(entry.path), entry.password, entry.pageList.toStdString(),
                          entry.rotate, entry.reverse});
    MergeOutcome outcome;
    // Whatever else escapes the merge (qpdf finishing the output, memory) is a failure too,
    // with no input to blame.
    if (!m->guarded([&] {
            outcome =
                mergeFiles(inputs, localPath(outputPath), m->writeOptions(), m->progress, m->shape);
            return true;
        }))
        return 0;
    m->warn(outcome.warnings);
    if (outcome.error != EngineError::None) {
        m->failed(outcome.error);
        return outcome.joined;
    }
    m->cache.forgetReplaced(localPath(outputPath));
    return int32_t(inputs.size());
}

QString PDFLibrary::PathListEntry(const QString& listName, int32_t index)
{
    const auto list = m->lists.find(listName);
    if (list == m->lists.end())
        return m->failed(EngineError::UnknownList), QString();
    if (index < 1 || size_t(index) > list->second.size())
        return m->failed(EngineError::BadArgument), QString();
    return list->second[size_t(index) - 1].path;
}

int32_t PDFLibrary::ProbeOpen(const QString& path, const QString& password)
{
    Probe probe;
    m->guarded([&] {
        auto source = m->cache.open(localPath(path), password);
        probe.opened = true;
        probe.pages = source->pageCount();
        return true;
    });
    const int32_t handle = m->nextProbe++;
    m->probes[handle] = probe;
    return handle;
}

QString PDFLibrary::ProbeInfo(int32_t handle, int32_t item)
{
    const auto probe = m->probes.find(handle);
    if (probe == m->probes.end())
        return m->failed(EngineError::UnknownHandle), QString();
    if (item != 20)
        return m->failed(EngineError::BadArgument), QString();
    return probe->second.opened ? QString::number(probe->second.pages) : QString();
}

bool PDFLibrary::ProbeClose(int32_t handle)
{
    if (m->probes.erase(handle) == 0)
        return m->failed(EngineError::UnknownHandle);
    return true;
}

} // namespace paginor
