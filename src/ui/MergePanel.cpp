// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergePanel.h"

#include "jobs/JobSeam.h"
#include "merge/DroppedFiles.h"
#include "settings/SettingsStore.h"
#include "ui/LockIcon.h"
#include "ui/MergeListView.h"
#include "ui/MergeRowMenu.h"
#include "ui/MergeRowPages.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace paginor {

namespace {

// The designed column widths are in hundredths of a millimetre; the window runs at 96 dpi.
int hundredthsMmToPixels(int hmm)
{
    return (hmm * 96 + 1270) / 2540;
}

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumWidth(80);
    b->setAutoDefault(true); // Enter presses the focused button, as Space does
    return b;
}

// The settings that remember the merge options window's choices.
const char* const kInterleaveSetting = "MergeInterleave";
const char* const kPadOddSetting = "MergePadOdd";
const char* const kContentsSetting = "MergeContents";

MergeChoices rememberedChoices()
{
    auto on = [](const char* name) {
        return ReadSetting(QString::fromLatin1(name)) == "1";
    };
    MergeChoices choices;
    choices.interleave = on(kInterleaveSetting);
    choices.padOdd = on(kPadOddSetting);
    choices.contents = on(kContentsSetting);
    return choices;
}

MergeShape shapeOf(const MergeChoices& choices)
{
    MergeShape shape;
    shape.interleave = choices.interleave;
    shape.padOdd = choices.padOdd;
    shape.contents = choices.contents;
    return shape;
}

} // namespace

MergePanel::MergePanel(PDFLibrary& engine, Session& session, JobSeam seam, QWidget* parent)
    : QWidget(parent), m_list(session, seam), m_job(engine, session, seam, m_list), m_seam(seam)
{
    setObjectName(QStringLiteral("PicMerger"));

    auto* view = new MergeListView;
    LvPDF = view;
    LvPDF->setObjectName(QStringLiteral("LvPDF"));
    LvPDF->setColumnCount(5);
    LvPDF->setHeaderLabels({tr("No."), tr("File Name"), tr("Path"), tr("File Size"), tr("Pages")});
    const int widths[] = {1058, 3122, 7726, 2293};
    for (int c = 0; c < 4; ++c)
        LvPDF->setColumnWidth(c, hundredthsMmToPixels(widths[c]));
    LvPDF->setColumnWidth(MergeRowPages::kPagesColumn, 110);
    LvPDF->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    LvPDF->header()->setStretchLastSection(false);
    // The designed widths add up to a little more than the list's inner width; the folder
    // column gives way so that "File Size" stays in view.
    LvPDF->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    LvPDF->setRootIsDecorated(false);
    LvPDF->setItemsExpandable(false);
    LvPDF->setUniformRowHeights(true);
    LvPDF->setAllColumnsShowFocus(true);
    LvPDF->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LvPDF->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvPDF->setMinimumSize(hundredthsMmToPixels(14367) - 40, 200);
    m_pages = new MergeRowPages(m_list, LvPDF);
    m_menu = new MergeRowMenu(m_list, LvPDF);
    m_job.setShape(shapeOf(rememberedChoices()));

    CmdAdd = button(tr("&Add"), "CmdAdd");
    CmdRemove = button(tr("&Remove"), "CmdRemove");
    CmdUp = button(tr("&Up"), "CmdUp");
    CmdDown = button(tr("&Down"), "CmdDown");
    CmdOptions = button(tr("&Options..."), "CmdOptions");
    CmdMerge = button(tr("&Merge"), "CmdMerge");
    CmdExit2 = button(tr("&Exit"), "CmdExit2");

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();

    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    for (QPushButton* b : {CmdAdd, CmdRemove, CmdUp, CmdDown})
        side->addWidget(b);
    side->addStretch(1);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(8);
    listRow->addWidget(LvPDF, 1);
    listRow->addLayout(side);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ProgressBar1, 1);
    bottom->addStretch(0);
    bottom->addWidget(CmdOptions);
    bottom->addWidget(CmdMerge);
    bottom->addWidget(CmdExit2);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(10);
    column->addLayout(listRow, 1);
    column->addLayout(bottom);

    // A hidden progress bar must not let the buttons drift left.
    QSizePolicy keep = ProgressBar1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(keep);

    connect(CmdAdd, &QPushButton::clicked, this, &MergePanel::CmdAdd_Click);
    connect(CmdRemove, &QPushButton::clicked, this, &MergePanel::CmdRemove_Click);
    connect(CmdUp, &QPushButton::clicked, this, &MergePanel::CmdUp_Click);
    connect(CmdDown, &QPushButton::clicked, this, &MergePanel::CmdDown_Click);
    connect(CmdOptions, &QPushButton::clicked, this, &MergePanel::CmdOptions_Click);
    connect(CmdMerge, &QPushButton::clicked, this, &MergePanel::CmdMerge_Click);
    connect(CmdExit2, &QPushButton::clicked, this, &MergePanel::exitClicked);

    // Adding thousands of files yields once per row; inserting them into the view in batches
    // keeps it from laying itself out again for every one.
    m_appendTimer.setSingleShot(true);
    m_appendTimer.setInterval(50);
    connect(&m_appendTimer, &QTimer::timeout, this, &MergePanel::showAppended);
    connect(&m_list, &MergeList::rowsAppended, this, [this](int first, int count) {
        if (!m_appendTimer.isActive())
            m_appendTimer.start();
        for (int i = first; i < first + count; ++i)
            m_checker.request(m_list.fullPath(i));
    });
    connect(&m_checker, &MergeFileChecker::checked, &m_list, &MergeList::applyCheck);
    connect(&m_list, &MergeList::rowsChanged, this, &MergePanel::showRows);
    connect(&m_list, &MergeList::listReset, this, &MergePanel::showAll);
    // Only the mark: the model's selection is not current while a merge runs.
    auto markChanged = [this](int row) {
        if (row < m_shown)
            showMark(LvPDF->topLevelItem(row), row);
    };
    connect(&m_list, &MergeList::lockChanged, this, markChanged);
    connect(&m_list, &MergeList::checkChanged, this, markChanged);

    view->setDropsAllowed([this] { return !jobRunning(); });
    connect(view, &MergeListView::filesDropped, this, &MergePanel::addPaths);
    connect(view, &MergeListView::rowsDropped, this, &MergePanel::moveRowsTo);
}

bool MergePanel::jobRunning() const
{
    return m_running;
}

void MergePanel::CmdAdd_Click()
{
    m_list.AddPdfFiles();
    showAppended();
}

void MergePanel::CmdRemove_Click()
{
    if (m_list.rowCount() == 0)
        return;
    takeSelection();
    m_list.RemoveSelectedRows();
    LvPDF->setFocus();
}

void MergePanel::CmdUp_Click()
{
    takeSelection();
    m_list.MoveSelectedUp();
    LvPDF->setFocus();
}

void MergePanel::CmdDown_Click()
{
    takeSelection();
    m_list.MoveSelectedDown();
    LvPDF->setFocus();
}

void MergePanel::CmdOptions_Click()
{
    MergeChoices choices = rememberedChoices();
    if (!m_seam.questions.mergeOptions(choices))
        return;
    auto flag = [](bool on) {
        return on ? QStringLiteral("1") : QStringLiteral("0");
    };
    WriteSetting(QString::fromLatin1(kInterleaveSetting), flag(choices.interleave));
    WriteSetting(QString::fromLatin1(kPadOddSetting), flag(choices.padOdd));
    WriteSetting(QString::fromLatin1(kContentsSetting), flag(choices.contents));
    m_job.setShape(shapeOf(choices));
}

void MergePanel::CmdMerge_Click()
{
    if (m_running)
        return;
    m_running = true;
    if (m_list.rowCount() >= 2)
        settleChecks();
    m_job.CmdMerge_Click();
    m_running = false;
    showAppended();
    Q_EMIT jobFinished();
}

void MergePanel::takeSelection()
{
    showAppended();
    const QModelIndexList picked = LvPDF->selectionModel()->selectedRows();
    for (int i = 0; i < m_list.rowCount(); ++i)
        m_list.setSelected(i, false);
    int first = -1;
    for (const QModelIndex& index : picked) {
        m_list.setSelected(index.row(), true);
        if (first < 0 || index.row() < first)
            first = index.row();
    }
    // The moves act on the row the user last picked, if it is still selected.
    const QModelIndex current = LvPDF->currentIndex();
    const bool currentPicked =
        current.isValid() && LvPDF->selectionModel()->isRowSelected(current.row(), QModelIndex());
    m_list.setCurrentRow(currentPicked ? current.row() : first);
}

void MergePanel::showAppended()
{
    m_appendTimer.stop();
    if (m_shown >= m_list.rowCount())
        return;
    QList<QTreeWidgetItem*> items;
    items.reserve(m_list.rowCount() - m_shown);
    for (int i = m_shown; i < m_list.rowCount(); ++i)
        items << newItem(i);
    LvPDF->addTopLevelItems(items);
    for (int i = m_shown; i < m_list.rowCount(); ++i)
        m_pages->showRow(i, LvPDF->topLevelItem(i));
    m_shown = m_list.rowCount();
}

void MergePanel::showRows(int first, int last)
{
    last = std::min(last, m_shown - 1);
    for (int i = first; i <= last; ++i) {
        QTreeWidgetItem* item = LvPDF->topLevelItem(i);
        const MergeRow& row = m_list.row(i);
        item->setText(0, row.number);
        item->setText(1, row.fileName);
        item->setText(2, row.path);
        item->setText(3, row.sizeText);
        showMark(item, i);
        item->setSelected(row.selected);
        m_pages->showRow(i, item);
    }
    const int current = m_list.currentRow();
    if (current >= first && current <= last)
        LvPDF->setCurrentItem(LvPDF->topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
}

void MergePanel::showAll()
{
    m_appendTimer.stop();
    LvPDF->clear();
    m_shown = 0;
    showAppended();
    for (int i : m_list.selectedRows())
        LvPDF->topLevelItem(i)->setSelected(true);
}

QTreeWidgetItem* MergePanel::newItem(int row) const
{
    const MergeRow& r = m_list.row(row);
    auto* item = new QTreeWidgetItem({r.number, r.fileName, r.path, r.sizeText});
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    showMark(item, row);
    return item;
}

void MergePanel::showMark(QTreeWidgetItem* item, int row) const
{
    const MergeRow& r = m_list.row(row);
    const bool unusable = r.check.state == RowCheck::State::Unusable;
    if (unusable)
        item->setIcon(1, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    else
        item->setIcon(1, r.lock.isProtected ? lockIcon() : QIcon());
    for (int c = 0; c < LvPDF->columnCount(); ++c)
        item->setToolTip(c, unusable ? r.check.reason : QString());
}

void MergePanel::settleChecks()
{
    for (const QString& path : m_list.expireChangedChecks())
        m_checker.request(path);
    if (!m_list.checksPending())
        return;
    // The checks run on their own thread; the panel only waits for their answers.
    m_seam.feedback.setBusy(true);
    QEventLoop loop;
    const QMetaObject::Connection done = connect(&m_list, &MergeList::checkChanged, &loop, [&] {
        if (!m_list.checksPending())
            loop.quit();
    });
    loop.exec();
    disconnect(done);
    m_seam.feedback.setBusy(false);
}

MergeListView* MergePanel::listView() const
{
    return static_cast<MergeListView*>(LvPDF);
}

void MergePanel::setDropsAllowed(std::function<bool()> allowed)
{
    listView()->setDropsAllowed(std::move(allowed));
}

void MergePanel::addPaths(const QStringList& paths)
{
    if (m_running)
        return;
    addDroppedFiles(m_list, m_seam, paths);
    showAppended();
}

void MergePanel::moveRowsTo(const QVector<int>& rows, int before)
{
    if (m_running)
        return;
    showAppended();
    if (m_list.moveRows(rows, before))
        LvPDF->setCurrentItem(LvPDF->topLevelItem(m_list.currentRow()), 0,
                              QItemSelectionModel::NoUpdate);
}

} // namespace paginor
