// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/PageWeights.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace paginor {

// The estimated written size of runs of pages: the sum of the objects the run's pages reach,
// each counted once however many pages share it.
class SizeEstimate
{
public:
    explicit SizeEstimate(PageWeights weights);

    int32_t pageCount() const { return int32_t(m_weights.pageObjects.size()); }
    // The estimate of pages first to last (zero-based, both included).
    int64_t bytes(int32_t first, int32_t last);
    // The last page from `first` on whose run's estimate stays within `budget`; `first` when
    // even it alone does not.
    int32_t lastWithin(int32_t first, double budget);

private:
    PageWeights m_weights;
    std::vector<int32_t> m_seen; // per object: the stamp of the run that counted it last
    int32_t m_stamp = 0;
};

// One file of a split by size: pages first to last, numbered from 1, and its written bytes.
struct SizedPart
{
    int32_t first = 0;
    int32_t last = 0;
    int64_t bytes = 0;
};

// How the cut reaches the files. Pages are numbered from 1.
struct SizeTrials
{
    // Writes pages first to last as their part; `keep`, given the finished file's size, says
    // whether the file stays. Returns that size, or -1 when the write failed for another reason.
    std::function<int64_t(int32_t first, int32_t last, const std::function<bool(int64_t)>& keep)>
        write;
    // True when nothing is at the part's file yet, so that a kept file which a longer run then
    // replaces can be removed without losing anything that was there before.
    std::function<bool(int32_t first, int32_t last)> isNew;
    // Removes the part's file, kept before a longer run turned out to fit.
    std::function<void(int32_t first, int32_t last)> remove;
};

// Cuts the estimate's pages into consecutive parts, each the longest run from its first page
// whose written file is at most `limit` bytes, or that first page alone when even it is larger.
// Each run is guessed from the estimate, scaled by how far the estimates of the files written
// so far missed, then measured: a file over the limit is never kept, and a run is only taken
// as the longest once the run one page longer was measured over the limit, the pages ran out,
// or the room left is less than half of what the next page is estimated to add. Appends the kept
// parts in order; false when a write failed, the parts so far kept.
bool cutBySize(SizeEstimate& estimate, int64_t limit, const SizeTrials& trials,
               std::vector<SizedPart>& parts);

} // namespace paginor
