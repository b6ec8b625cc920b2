// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <string>
#include <vector>

namespace paginor {

class SourceDocument;

// Appends to `nums` the page-label entries of the source pages `indices`, page `indices[k]`
// placed at output page `positions[k]`: one run of entries per run of consecutive output
// pages. A source without labels numbers its pages by their place among `indices`, from 1.
void appendLabelsAt(SourceDocument& source, const std::vector<int32_t>& indices,
                    const std::vector<int32_t>& positions, std::vector<QPDFObjectHandle>& nums);

// Puts the (page, label) pairs of `nums` in page order, as a number tree needs them; of two
// entries for one page the later wins.
void sortLabels(std::vector<QPDFObjectHandle>& nums);

// The label of output page `outPage` under the sorted entries `nums`, as UTF-8: its prefix
// and its number in the entry's style. "" when no entry covers the page.
std::string labelText(const std::vector<QPDFObjectHandle>& nums, int32_t outPage);

} // namespace paginor
