// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/PageOrder.h"
#include "jobs/JobSeam.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace paginor {

class MergeList;
class PDFLibrary;
struct Session;

// What one run of the merge left behind.
struct MergeResult
{
    enum class Kind
    {
        TooFewFiles, // fewer than two rows: the add dialog was shown instead
        Refused,     // a row's file was found unusable when added: named, nothing asked
        Cancelled,   // the save dialog or a password prompt was cancelled; nothing was written
        Merged,      // the output was written
        Failed,      // a file could not be joined; nothing new is at the output path
        BadPageList, // a row's page list is malformed or names no page; nothing was written
    };
    Kind kind = Kind::Cancelled;
    int joined = 0; // entries joined before the first failure; the row count on success
    QString output; // the chosen output path ("" unless one was chosen)
};

// How a merge lays its rows' pages out: the shape of the whole, and each row's turn and order
// (missing = 0 and in order).
struct MergeLayout
{
    MergeShape shape;
    QVector<int> rotations;
    QVector<bool> reverses;
};

// The "&Merge" command: joins the merge list's files, in list order, into one new file that
// the user names. It reaches the user only through its JobSeam and leaves the list unchanged.
class MergeJob
{
public:
    MergeJob(PDFLibrary& engine, Session& session, JobSeam seam, MergeList& list);

    // The whole command. With fewer than two rows it says so and runs the add dialog instead.
    // A row whose early check found it unusable (RowCheck) is named with its reason, and
    // nothing is asked; rows not checked yet are not waited for. A row's malformed page list
    // stops it next, with a message naming the row. Otherwise it asks for the output path,
    // refusing any listed file until another path or Cancel is given, settles each row's
    // password (RowPasswords; asking the user for those it does not know), stops at a row whose
    // page list names none of its pages, then joins the rows, each giving the pages of its
    // list, as merge() does.
    MergeResult CmdMerge_Click();

    // How the rows' pages are laid out: interleaved, padded, with contents pages. Each row's
    // turn and order come from the row itself.
    void setShape(const MergeShape& shape) { m_shape = shape; }
    const MergeShape& shape() const { return m_shape; }

    // Passwords tried on every protected row before the user is asked.
    void setKnownPasswords(const QStringList& passwords) { m_knownPasswords = passwords; }

    // True when `path` names the same file as a row: the texts are equal ignoring letter
    // case, or both resolve to the same existing file. "" matches nothing.
    bool IsListedFile(const QString& path) const;

    // Joins `paths` in order into `output` under the busy state, with progress 1, 70 and 100,
    // and reports success, the first file that failed, or an output that could not be
    // written (kMsgCanNotWritePdf, without blaming any input). Path i opens with `passwords` i
    // (missing or "" = none); the output is not encrypted, and when any input needed a password
    // the success message says so. Path i gives the pages of `pageLists` i (missing or "" =
    // every page), turned and ordered as `layout` says, the whole laid out in its shape (the
    // contents heading is always kMsgContentsTitle). The engine's list "TmpList" holds `paths`
    // afterwards. The output appears only when every file was joined; an existing file there is
    // replaced then and left intact otherwise. The window, the benchmark and the command line all
    // merge through this.
    static MergeResult merge(PDFLibrary& engine, JobSeam seam, const QStringList& paths,
                             const QString& output, const QStringList& passwords = {},
                             const QStringList& pageLists = {}, const MergeLayout& layout = {});

    // The failure message when `joined` of the files in "TmpList" were joined.
    static QString failureText(PDFLibrary& engine, int joined);

    // The refusal of a list whose row `index` (from 0) was found unusable when it was added.
    static QString unusableRowText(const MergeList& list, int index);

    // The failure message when every file was read but `output` could not be written.
    static QString writeFailureText(const QString& output);

private:
    // merge() once the busy state has been entered.
    static MergeResult joinWhileBusy(PDFLibrary& engine, JobSeam seam, const QStringList& paths,
                                     const QString& output, const QStringList& passwords,
                                     const QStringList& pageLists, const MergeLayout& layout);
    // False, after saying which row, when a row's page list is malformed or, with the rows'
    // `passwords`, names none of its file's pages.
    bool pageListsHold(const QStringList* passwords);

    PDFLibrary& m_engine;
    Session& m_session;
    JobSeam m_seam;
    MergeList& m_list;
    QStringList m_knownPasswords;
    MergeShape m_shape;
};

} // namespace paginor
