#include "ui/MergePanel.h"

#include "engine/PDFLibrary.h"
#include "split/Interaction.h"
#include "split/Session.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
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
    return b;
}

} // namespace

MergePanel::MergePanel(PDFLibrary& engine, Session& session, Interaction& ui, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_session(session), m_ui(ui)
{
    setObjectName(QStringLiteral("PicMerger"));

    LvPDF = new QTreeWidget;
    LvPDF->setObjectName(QStringLiteral("LvPDF"));
    LvPDF->setColumnCount(4);
    LvPDF->setHeaderLabels({tr("No."), tr("File Name"), tr("Path"), tr("File Size")});
    const int widths[] = {1058, 3122, 7726, 2293};
    for (int c = 0; c < 4; ++c)
        LvPDF->setColumnWidth(c, hundredthsMmToPixels(widths[c]));
    LvPDF->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    LvPDF->header()->setStretchLastSection(false);
    LvPDF->setRootIsDecorated(false);
    LvPDF->setItemsExpandable(false);
    LvPDF->setUniformRowHeights(true);
    LvPDF->setAllColumnsShowFocus(true);
    LvPDF->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LvPDF->setSelectionBehavior(QAbstractItemView::SelectRows);
    LvPDF->setMinimumSize(hundredthsMmToPixels(14367) - 40, 200);

    CmdAdd = button(tr("&Add"), "CmdAdd");
    CmdRemove = button(tr("&Remove"), "CmdRemove");
    CmdUp = button(tr("&Up"), "CmdUp");
    CmdDown = button(tr("&Down"), "CmdDown");
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
    connect(CmdMerge, &QPushButton::clicked, this, &MergePanel::CmdMerge_Click);
    connect(CmdExit2, &QPushButton::clicked, this, &MergePanel::exitClicked);
}

bool MergePanel::jobRunning() const
{
    return m_running;
}

void MergePanel::CmdAdd_Click() {}

void MergePanel::CmdMerge_Click() {}

} // namespace paginor
