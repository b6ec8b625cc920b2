// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobSeam.h"

#include <QString>
#include <QStringList>

namespace paginor {

class MergeList;

// What a drop (or the program's command line) hands the merge list, sorted out.
struct DroppedFiles
{
    QStringList pdfs;    // full paths to add, in order
    QStringList skipped; // the names of named files that are not PDFs by the "&Add" rule
};

// Sorts out dropped or named paths: a file passes when MergeList::HasPdfExtension holds for it,
// and is counted as skipped otherwise; a folder contributes the PDF files directly inside it, in
// natural name order (file 2 before file 10), and its other files are not counted. A skipped
// file is listed by its name without the folder. As with
// "&Add", a PDF name that names no file still passes (its row shows 0 KB). Paths come back
// absolute, with native separators.
DroppedFiles sortOutDroppedFiles(const QStringList& paths);

// Appends dropped or named files to `list` the way "&Add" appends a choice of several: under the
// wait cursor, yielding once before the first row and after each. When any were skipped, one
// message names them (notAddedText; information icon, title "Paginor"). Returns the number of
// rows added.
int addDroppedFiles(MergeList& list, JobSeam seam, const QStringList& paths);

// The message for files left out as not PDFs: "1 file was not added: notes.txt", "3 files were
// not added: a.txt, b.txt, c.txt"; past five names, "... e.txt and 7 more". `names` must not be
// empty.
QString notAddedText(const QStringList& names);

} // namespace paginor
