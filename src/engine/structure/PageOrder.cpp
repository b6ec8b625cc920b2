// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/PageOrder.h"

#include <algorithm>

namespace paginor {

PageOrder::PageOrder(const std::vector<int32_t>& counts, const MergeShape& shape,
                     int32_t contentsPages)
    : m_positions(counts.size()), m_contents(contentsPages)
{
    // Each input's run of slots: its pages, then its blank page if it gets one.
    std::vector<int32_t> slots(counts.size());
    for (size_t i = 0; i < counts.size(); ++i)
        slots[i] = counts[i] + (shape.padOdd && counts[i] % 2 == 1 && i + 1 < counts.size());
    int32_t next = contentsPages;
    auto place = [&](size_t input, int32_t slot) {
        if (slot < counts[input])
            m_positions[input].push_back(next++);
        else
            m_blanks.emplace_back(next++, input);
    };
    if (shape.interleave) {
        const int32_t rounds = counts.empty() ? 0 : *std::max_element(slots.begin(), slots.end());
        for (int32_t round = 0; round < rounds; ++round)
            for (size_t i = 0; i < counts.size(); ++i)
                if (round < slots[i])
                    place(i, round);
    } else {
        for (size_t i = 0; i < counts.size(); ++i)
            for (int32_t slot = 0; slot < slots[i]; ++slot)
                place(i, slot);
    }
    m_total = next;
}

int32_t PageOrder::firstOf(size_t input) const
{
    const auto& mine = m_positions.at(input);
    return mine.empty() ? -1 : mine.front();
}

} // namespace paginor
