// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <cstdint>
#include <vector>

namespace paginor {

class SourceDocument;

// What one segment of an output (pages of one source) tells about how the output is written.
struct SegmentFacts
{
    bool hasForm = false;     // its source has form fields, which the direct writer leaves
    bool repeatsPage = false; // a page is taken twice, which the direct writer cannot copy
};

// The facts of the pages `indices` (zero-based) of `source`.
SegmentFacts segmentFacts(const SourceDocument& source, const std::vector<int32_t>& indices);

enum class WriterKind
{
    Direct,  // DirectWriter: straight from the sources' bytes, segment by segment
    Copying, // OutputBuilder and qpdf's writer: rebuilds forms and copies pages taken twice
};

// The one place that chooses an output's writer, from the facts of all its segments, before
// anything is written: the direct writer unless a segment needs what only copying does.
WriterKind chooseWriter(const std::vector<SegmentFacts>& segments);

} // namespace paginor
