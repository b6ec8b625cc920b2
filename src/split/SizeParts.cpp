// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SizeParts.h"

#include <algorithm>
#include <utility>

namespace paginor {

SizeEstimate::SizeEstimate(PageWeights weights)
    : m_weights(std::move(weights)), m_seen(m_weights.objectBytes.size(), 0)
{
}

int64_t SizeEstimate::bytes(int32_t first, int32_t last)
{
    ++m_stamp;
    int64_t sum = 0;
    for (int32_t page = first; page <= last && page < pageCount(); ++page)
        for (int32_t object : m_weights.pageObjects[size_t(page)])
            if (std::exchange(m_seen[size_t(object)], m_stamp) != m_stamp)
                sum += m_weights.objectBytes[size_t(object)];
    return sum;
}

int32_t SizeEstimate::lastWithin(int32_t first, double budget)
{
    ++m_stamp;
    double sum = 0;
    int32_t last = first;
    for (int32_t page = first; page < pageCount(); ++page) {
        for (int32_t object : m_weights.pageObjects[size_t(page)])
            if (std::exchange(m_seen[size_t(object)], m_stamp) != m_stamp)
                sum += double(m_weights.objectBytes[size_t(object)]);
        if (sum > budget)
            break;
        last = page;
    }
    return last;
}

namespace {

// Runs tried by the estimate alone before halving takes turns with it.
constexpr int kGuesses = 3;
// The share of the next page's estimate that must still fit for the longer run to be tried.
constexpr double kSureShare = 0.5;

} // namespace

bool cutBySize(SizeEstimate& estimate, int64_t limit, const SizeTrials& trials,
               std::vector<SizedPart>& parts)
{
    const int32_t total = estimate.pageCount();
    double scale = 1.0; // written bytes per estimated byte, from the last file measured
    for (int32_t first = 0; first < total;) {
        int32_t fits = first - 1; // the longest run measured within the limit
        int32_t over = total;     // the shortest run measured over it
        int32_t kept = -1;        // the run whose file is kept so far
        int64_t keptBytes = 0;
        int32_t last = std::min(estimate.lastWithin(first, double(limit) / scale), total - 1);
        for (int tries = 1;; ++tries) {
            const int64_t guessed = estimate.bytes(first, last);
            const int64_t nextPage =
                last + 1 < total ? estimate.bytes(first, last + 1) - guessed : 0;
            // The next page cannot fit when even half of what it is estimated to add is more
            // than the room left: that saves writing the longer run only to see it over.
            const auto nextTooLarge = [&](int64_t size) {
                const double perByte = guessed > 0 ? double(size) / double(guessed) : 1.0;
                return last + 1 < total &&
                       double(size) + kSureShare * perByte * double(nextPage) > double(limit);
            };
            bool keep = false;
            const int64_t bytes = trials.write(first + 1, last + 1, [&](int64_t size) {
                const bool within = size <= limit;
                keep = within ? last == total - 1 || over == last + 1 || nextTooLarge(size) ||
                                    trials.isNew(first + 1, last + 1)
                              : last == first;
                return keep;
            });
            if (bytes < 0)
                return false;
            if (guessed > 0)
                scale = std::max(double(bytes) / double(guessed), 1e-3);
            if (bytes <= limit && nextTooLarge(bytes))
                over = last + 1;
            if (bytes <= limit) {
                fits = last;
                if (keep) {
                    if (kept >= 0)
                        trials.remove(first + 1, kept + 1);
                    kept = last;
                    keptBytes = bytes;
                }
            } else if (keep) { // a single page over the limit: a file of its own
                kept = last;
                keptBytes = bytes;
                break;
            } else {
                over = last;
            }
            if (kept >= 0 && kept == fits && (kept == total - 1 || over == kept + 1))
                break;
            if (over == fits + 1) { // the longest run is known: write it for good
                last = fits;
                continue;
            }
            int32_t guess = estimate.lastWithin(first, double(limit) / scale);
            // An estimate that keeps missing by a page or two takes turns with halving the range
            // still open (or doubling the run while no run was over), so the search stays short.
            if (tries >= kGuesses && (tries - kGuesses) % 2 == 1)
                guess =
                    over < total ? fits + (over - fits) / 2 : fits + std::max(fits - first + 1, 1);
            last = std::clamp(guess, fits + 1, over - 1);
        }
        parts.push_back({first + 1, kept + 1, keptBytes});
        first = kept + 1;
    }
    return true;
}

} // namespace paginor
