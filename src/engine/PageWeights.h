// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <cstdint>
#include <vector>

namespace paginor {

class SourceDocument;

// What pages weigh in a file: the objects each page reaches (itself, its contents, resources,
// annotations, not other pages) and an estimate of each object's stored size, so that what
// several pages share counts once for a run of them.
struct PageWeights
{
    std::vector<int64_t> objectBytes;              // by object, in no particular order
    std::vector<std::vector<int32_t>> pageObjects; // per page: indices into objectBytes
};

// The weights of the pages `indices` (zero-based) of `source`, in that order. An object's
// size is the room it takes in the source file: up to the next object for one stored on its
// own, its share of its object stream for one stored in a stream. Reads no stream data.
// Throws what reading the source throws.
PageWeights measurePageWeights(SourceDocument& source, const std::vector<int32_t>& indices);

} // namespace paginor
