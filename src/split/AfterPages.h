// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace paginor {

// The pages a "Split after pages" list cuts after ("5,12,40"), ascending and each once.
// Blanks around items and empty items are allowed; nothing when the list names no page or an
// item is not a page number from 1 to 2147483647.
std::optional<std::vector<int32_t>> cutPages(const QString& textAfter);

// The page lists of the files a split after the pages of `textAfter` writes from a source of
// `pageTotal` pages: "5,12,40" on 50 pages gives 1-5, 6-12, 13-40, 41-50. Cuts at or past the
// last page cut nothing. Empty when the list is not valid or the source has no page.
QStringList afterPageLists(const QString& textAfter, int32_t pageTotal);

// afterPageLists for cuts already read by cutPages; empty when there is no cut.
QStringList afterPageLists(const std::vector<int32_t>& cuts, int32_t pageTotal);

} // namespace paginor
