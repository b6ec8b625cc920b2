// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/WriterChoice.h"

#include "engine/SourceDocument.h"

namespace paginor {

SegmentFacts segmentFacts(const SourceDocument& source, const std::vector<int32_t>& indices)
{
    SegmentFacts facts;
    facts.hasForm = source.hasForm();
    std::vector<bool> seen(size_t(source.pageCount()), false);
    for (int32_t i : indices) {
        if (seen[size_t(i)]) {
            facts.repeatsPage = true;
            break;
        }
        seen[size_t(i)] = true;
    }
    return facts;
}

WriterKind chooseWriter(const std::vector<SegmentFacts>& segments)
{
    for (const auto& facts : segments)
        if (facts.hasForm || facts.repeatsPage)
            return WriterKind::Copying;
    return WriterKind::Direct;
}

} // namespace paginor
