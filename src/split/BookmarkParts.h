// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/BookmarkLevels.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace paginor {

// One output file of a split at bookmarks: its pages (from 1, both included) and the title
// of the bookmark that names it.
struct BookmarkPart
{
    QString title;
    int32_t first = 1;
    int32_t last = 1;

    // "first-last", or the one page number: the page list and the status text of the part.
    QString pageList() const;
};

// The parts of a source of `pageTotal` pages split at its bookmarks of `level`, in page order.
// A part runs from its bookmark's page to the page before the next one's, the last to the end;
// pages before the first bookmark join the first part. Bookmarks that lead nowhere (or past the
// last page) are ignored; of several on one page, the first in outline order names the part.
// Empty when no bookmark of that level leads to a page.
std::vector<BookmarkPart> bookmarkParts(const std::vector<BookmarkLevel>& bookmarks, int32_t level,
                                        int32_t pageTotal);

// A bookmark title made fit for a file name: format characters (bidirectional controls, zero
// width joiners and the like) go, \ / : * ? " < > | and control characters become "_", blanks
// at both ends go, and it is cut to 80 characters.
QString titleForFileName(const QString& title);

// What names part `number` (from 1) after the chosen name: the number as two digits at least,
// " " and the title made fit for a file name; the number alone when that title is empty.
// "01 Introduction", "04".
QString bookmarkPartLabel(int number, const QString& title);

// The file of part `number` (from 1): the chosen path with ".pdf" (any letter case) removed
// from its file name, " ", the number as two digits at least, " " and the title made fit for a
// file name, then ".pdf"; without the second blank when that title is empty. The title is cut
// further where the whole file name would pass 255 bytes, which no file system takes.
QString bookmarkPartFileName(const QString& chosenPath, int number, const QString& title);

} // namespace paginor
