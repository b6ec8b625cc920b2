// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/EngineError.h"
#include "engine/structure/PageOrder.h"
#include "engine/write/AtomicWriter.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace paginor {

struct MergeOutcome
{
    int32_t joined = 0; // inputs joined before the first failure
    EngineError error = EngineError::None;
    std::vector<std::string> warnings; // what the output left out of its inputs, and why
};

// One file to join, the password it opens with ("" = none) and the pages it gives, as a
// page-list text read as PickPages reads one ("" = every page).
struct MergeInput
{
    std::string path;
    QString password;
    std::string pageList;
    int rotate = 0;       // degrees, a multiple of 90, added to each page's own turn
    bool reverse = false; // its pages in reverse order, after the page list
};

// Joins `inputs` in order into one document written atomically at `output`. Each input is
// opened with its own password; with "" files with only an owner password join like others.
// Stops at the first input that fails to open or copy, or whose page list is malformed
// (BadPageList) or selects nothing (EmptySelection); the output is written only when all were
// joined. `shape` interleaves the inputs' pages, pads odd ones and puts contents pages first.
// An input whose turn is not a multiple of 90 fails at its index with BadArgument before
// anything is read. Bookmarks, links and named destinations follow the pages taken. A failed write
// reports the input it could not read, or 0 joined when no input is to blame. Above the open-file
// budget, inputs are held open only while being read. `progress` gets (done, total) on the calling
// thread.
MergeOutcome mergeFiles(const std::vector<MergeInput>& inputs, const std::string& output,
                        const WriteOptions& writeOptions,
                        const std::function<void(int, int)>& progress,
                        const MergeShape& shape = {});

// How many inputs a merge may hold open at once, given the process's descriptor limit and
// the descriptors already in use.
size_t openFileBudget();

} // namespace paginor
