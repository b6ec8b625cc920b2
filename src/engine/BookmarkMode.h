// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

namespace paginor {

// What an output keeps of its sources' bookmarks. Links and named destinations are kept in
// every mode; only the outline differs.
enum class BookmarkMode
{
    PerFile, // a merge puts one entry per input above that input's own bookmarks
    Keep,    // the sources' own bookmarks (a split always works this way unless None)
    None,    // no outline
};

} // namespace paginor
