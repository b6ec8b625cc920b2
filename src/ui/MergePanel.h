// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "merge/RowCheck.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace paginor {

class MergeListView;
class MergeRowMenu;
class MergeRowPages;
class PDFLibrary;
struct Session;

// The merge panel `PicMerger`: the ordered list of PDFs to join and the buttons around it.
// It uses the window's one engine, session texts and interaction; it owns none of them.
// `LvPDF` shows the merge list model row for row; the user's selection is handed to the model
// before each command and the model's changes are shown after it. Every file added is checked
// at once in the background: a row the merge could not read shows a warning mark, its tooltip
// says why, and "&Merge" refuses the list while it is there.
class MergePanel : public QWidget
{
    Q_OBJECT
public:
    MergePanel(PDFLibrary& engine, Session& session, JobSeam seam, QWidget* parent = nullptr);

    // True while a merge runs.
    bool jobRunning() const;

    // The list the panel shows.
    MergeList& list() { return m_list; }

    // The first-page pictures, the "Pages" column and the rows' page windows.
    MergeRowPages* rowPages() const { return m_pages; }

    // The rows' context menu: their turn and order.
    MergeRowMenu* rowMenu() const { return m_menu; }

    // LvPDF as the view that takes drops.
    MergeListView* listView() const;
    // Decides whether drops are taken now (by default: while no merge runs here).
    void setDropsAllowed(std::function<bool()> allowed);

    // The controls, named as the window's designer named them (also their objectName).
    QTreeWidget* LvPDF = nullptr; // columns "No.", "File Name", "Path", "File Size", "Pages"
    QPushButton* CmdAdd = nullptr;
    QPushButton* CmdRemove = nullptr;
    QPushButton* CmdUp = nullptr;
    QPushButton* CmdDown = nullptr;
    QPushButton* CmdOptions = nullptr; // "&Options...": the merge options window
    QPushButton* CmdMerge = nullptr;
    QPushButton* CmdExit2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr; // hidden unless a merge runs

public Q_SLOTS:
    // Asks for PDFs and appends them to the list.
    void CmdAdd_Click();
    // Removes the selected rows, then gives the list the focus.
    void CmdRemove_Click();
    // Moves the current row up (down) with its selection, then gives the list the focus,
    // also when nothing moved.
    void CmdUp_Click();
    void CmdDown_Click();
    // Shows the merge options window with the remembered choices; OK remembers the new ones
    // in the settings, and the next merge lays its pages out so.
    void CmdOptions_Click();
    // Joins the listed files into one chosen output file; returns when it has ended. The checks
    // of rows added a moment ago, or whose files changed since, are waited for first (busy).
    void CmdMerge_Click();
    // Appends dropped or named files and folders as "&Add" appends its choice, naming those
    // skipped as not PDFs; ignored while a merge runs.
    void addPaths(const QStringList& paths);
    // Moves dragged rows to stand before row `before`, keeping their order and selection.
    void moveRowsTo(const QVector<int>& rows, int before);

Q_SIGNALS:
    // "&Exit" was pressed.
    void exitClicked();
    // A merge job has ended (after jobRunning() turned false).
    void jobFinished();

private:
    // Hands the view's selection and current row to the model.
    void takeSelection();
    // Shows the rows the model appended since the last call, in one insertion.
    void showAppended();
    void showRows(int first, int last);
    void showAll();
    QTreeWidgetItem* newItem(int row) const;
    // Shows row `row`'s mark in `item`: the warning of an unusable file with its reason as the
    // tooltip, else the lock of a protected one, else none.
    void showMark(QTreeWidgetItem* item, int row) const;
    // Checks again the rows whose files changed and waits until no row waits for its check.
    void settleChecks();

    MergeList m_list;
    MergeJob m_job;
    bool m_running = false;
    int m_shown = 0;      // rows of the model that LvPDF holds
    QTimer m_appendTimer; // batches appended rows while many files are added
    JobSeam m_seam;
    MergeFileChecker m_checker;
    MergeRowPages* m_pages = nullptr;
    MergeRowMenu* m_menu = nullptr;
};

} // namespace paginor
