#pragma once

#include "jobs/JobSeam.h"

#include <QString>
#include <QStringList>

namespace paginor {

class MergeList;

// What a drop (or the program's command line) hands the merge list, sorted out.
struct DroppedFiles
{
    QStringList pdfs; // full paths to add, in order
    int skipped = 0;  // named files that are not PDFs by the "&Add" rule
};

// Sorts out dropped or named paths: a file passes when MergeList::HasPdfExtension holds for it,
// and is counted as skipped otherwise; a folder contributes the PDF files directly inside it, in
// natural name order (file 2 before file 10), and its other files are not counted. As with
// "&Add", a PDF name that names no file still passes (its row shows 0 KB). Paths come back
// absolute, with native separators.
DroppedFiles sortOutDroppedFiles(const QStringList& paths);

// Appends dropped or named files to `list` the way "&Add" appends a choice of several: under the
// wait cursor, yielding once before the first row and after each. When any were skipped, one
// message says how many (information icon, title "Paginor"). Returns the number of rows added.
int addDroppedFiles(MergeList& list, JobSeam seam, const QStringList& paths);

} // namespace paginor
