// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobSeam.h"
#include "merge/RowCheck.h"
#include "merge/RowLock.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace paginor {

struct Session;

// One row of the merge list: exactly the four texts the list shows, plus whether the row is
// selected, what the early check of its file found and what its password test found. The full
// path is not kept; it is rebuilt from `path` and `fileName`.
struct MergeRow
{
    QString number;       // "No.": the position as "001", ..., "999", "1000"
    QString fileName;     // "File Name"
    QString path;         // "Path": the folder without a trailing separator ("" for "/a.pdf")
    QString sizeText;     // "File Size": "1,234 KB"
    QString pageList;     // "Pages": the pages this file gives, as a page list; "" = every page
    int rotation = 0;     // 0, 90, 180 or 270: added to each page's own turn
    bool reverse = false; // its pages taken last to first, after the page list
    bool selected = false;
    RowCheck check; // moves with the file
    RowLock lock;   // moves with the file
    int key = 0;    // tells the row from others of the same file wherever it moves; from 1
};

// The ordered list of PDFs to join, in merge order. It is what the merge panel shows: the
// panel mirrors it through the signals below and hands the user's selection back with
// setSelected() and setCurrentRow() before each command. The same file may be listed twice.
class MergeList : public QObject
{
    Q_OBJECT
public:
    MergeList(Session& session, JobSeam seam, QObject* parent = nullptr);

    // Asks for files with the multi-selection dialog and appends a row per chosen PDF. Cancel
    // changes nothing. Otherwise LastOpenFolder becomes the chosen files' folder.
    void AddPdfFiles();

    // The part of AddPdfFiles after the dialog: `buffer` is its answer, either one full path or
    // a folder, a NUL and NUL-terminated names, padded with NULs. Several files are added under
    // the wait cursor, yielding once before the first and once after each added row; one file
    // is added without either. "" does nothing.
    void addFromBuffer(const QString& buffer);

    // True exactly when the text after the path's last "." is "pdf" in any letter case.
    static bool HasPdfExtension(const QString& path);

    // Appends an unselected row for `fullPath`, numbered after the last row. A file whose size
    // cannot be read (it does not exist, say) still gets its row, with "0 KB".
    void AddListRow(const QString& fullPath);

    // Rewrites every row's "No." text.
    void RenumberList();

    // The size text of a file of `bytes` bytes: kilobytes rounded half away from zero, grouped
    // as in the user's locale (always grouped), then " KB". 512 bytes give "1 KB".
    static QString SizeText(int64_t bytes);

    // A position from 1 as "000": at least three digits.
    static QString NumberText(int position);

    int rowCount() const { return int(m_rows.size()); }
    // Row `index` from 0; index must be in range.
    const MergeRow& row(int index) const { return m_rows.at(index); }
    // The full path of row `index`: its folder, the native separator and its file name.
    QString fullPath(int index) const;
    // The full paths of all rows, in order.
    QStringList fullPaths() const;

    // The selection, as the panel reports it. Neither emits a signal.
    void setSelected(int index, bool selected);
    // The row the moves act on, or -1. An out-of-range index counts as -1.
    void setCurrentRow(int index);
    int currentRow() const { return m_current; }
    QVector<int> selectedRows() const;

    // Sets the page list of row `index` ("" = every page); signals rowsChanged when it changed.
    void setPageList(int index, const QString& pageList);
    // The page lists of all rows, in order.
    QStringList pageLists() const;
    // Sets row `index`'s turn; any multiple of 90 is kept as 0, 90, 180 or 270. Returns false,
    // changing nothing, for another angle or a row that does not exist. Signals rowsChanged
    // when it changed.
    bool setRotation(int index, int degrees);
    // Sets whether row `index` gives its pages in reverse order; signals rowsChanged when it
    // changed.
    void setReverse(int index, bool reverse);
    // The position of the row with this key, or -1 when it is gone.
    int rowOfKey(int key) const;

    // Records what the password test of row `index` found; signals lockChanged when the row's
    // lock symbol appears or goes.
    void setLock(int index, const RowLock& lock);

    // Records the early check of `fullPath` in every row of that file still waiting for one
    // (Pending), signalling checkChanged for each. A protected file's rows show their lock at
    // once, unless a password test has already settled them.
    void applyCheck(const QString& fullPath, const RowCheck& check);

    // Puts back to Pending every checked row whose file has changed since its check, and returns
    // the distinct full paths of those rows, to be checked again.
    QStringList expireChangedChecks();

    // True while any row waits for its check.
    bool checksPending() const;

    // The first row whose check found it unusable, or -1.
    int firstUnusableRow() const;

    // Removes every selected row and renumbers; nothing is selected afterwards, and there is
    // no current row. An empty list or an empty selection changes nothing.
    void RemoveSelectedRows();

    // Exchanges the current row with the one above (below); the file keeps its selection and
    // stays the current row. Returns false, changing nothing, when there is no current row or
    // it is already the first (last).
    bool MoveSelectedUp();
    bool MoveSelectedDown();

    // Moves `rows` (positions from 0; order and repeats do not matter, out-of-range ones are
    // ignored) so that they stand together, in their old order, where the row at `before`
    // stood (rowCount() or more = at the end), then renumbers. The moved rows end up selected,
    // every other row unselected, and the first moved row is the current row. Returns false,
    // changing nothing, when no row would change place.
    bool moveRows(const QVector<int>& rows, int before);

Q_SIGNALS:
    // Rows [first, first + count) were appended.
    void rowsAppended(int first, int count);
    // Texts or selection of rows [first, last] changed; the row count did not.
    void rowsChanged(int first, int last);
    // Rows were removed: everything must be read again.
    void listReset();
    // Row `index` became known as protected, or no longer is.
    void lockChanged(int index);
    // The check of row `index` changed.
    void checkChanged(int index);

private:
    bool moveCurrent(int step);
    // Renumbers rows from `first` on, signalling only the rows whose text changed.
    void renumberFrom(int first);

    Session& m_session;
    JobSeam m_seam;
    QVector<MergeRow> m_rows;
    int m_current = -1;
    int m_lastKey = 0;
};

} // namespace paginor
