#include "ui/SplitPanel.h"

#include "engine/PDFLibrary.h"
#include "split/Interaction.h"
#include "split/Session.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace paginor {

namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* numberBox(const char* name, const char* text)
{
    auto* box = named(new QLineEdit(QString::fromLatin1(text)), name);
    box->setMaximumWidth(64);
    return box;
}

} // namespace

SplitPanel::SplitPanel(PDFLibrary& engine, Session& session, Interaction& ui, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_session(session), m_ui(ui)
{
    setObjectName(QStringLiteral("PicCleavo"));

    Label2 = named(new QLabel(tr("File name:")), "Label2");
    TextFile = named(new QLineEdit, "TextFile");
    CmdBrowse = named(new QPushButton(tr("&Browse")), "CmdBrowse");
    Label2->setBuddy(TextFile);

    Frame1 = named(new QGroupBox(tr("Split Options")), "Frame1");
    OptionRangeGroup = new QButtonGroup(this);
    const char* captions[] = {"Every", "Save page range: from", "Save odd pages", "Save even pages",
                              "Save custom pages:"};
    for (int i = 0; i < 5; ++i) {
        OptionRange[i] = new QRadioButton(tr(captions[i]));
        OptionRange[i]->setObjectName(QStringLiteral("OptionRange_%1").arg(i));
        OptionRangeGroup->addButton(OptionRange[i], i);
    }
    OptionRange[1]->setChecked(true);

    TextEvery = numberBox("TextEvery", "10");
    Label3 = named(new QLabel(tr("pages per file")), "Label3");
    TextFrom = numberBox("TextFrom", "1");
    Label5 = named(new QLabel(tr("to")), "Label5");
    TextTo = numberBox("TextTo", "10");
    TextCustom = named(new QLineEdit(QStringLiteral("1,3,10-25,30-47")), "TextCustom");

    auto* options = new QGridLayout(Frame1);
    options->setHorizontalSpacing(8);
    options->setVerticalSpacing(6);
    options->addWidget(OptionRange[0], 0, 0);
    options->addWidget(TextEvery, 0, 1);
    options->addWidget(Label3, 0, 2, 1, 3);
    options->addWidget(OptionRange[1], 1, 0);
    options->addWidget(TextFrom, 1, 1);
    options->addWidget(Label5, 1, 2);
    options->addWidget(TextTo, 1, 3);
    options->addWidget(OptionRange[2], 2, 0, 1, 5);
    options->addWidget(OptionRange[3], 3, 0, 1, 5);
    options->addWidget(OptionRange[4], 4, 0);
    options->addWidget(TextCustom, 4, 1, 1, 4);
    options->setColumnStretch(4, 1);

    CmdSplit = named(new QPushButton(tr("&Split")), "CmdSplit");
    CmdExit = named(new QPushButton(tr("&Exit")), "CmdExit");
    LabelStatu = named(new QLabel(QStringLiteral("...")), "LabelStatu");
    QFont bold = LabelStatu->font();
    bold.setBold(true);
    LabelStatu->setFont(bold);
    LabelStatu->setMinimumWidth(200);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(Label2);
    fileRow->addWidget(TextFile, 1);
    fileRow->addWidget(CmdBrowse);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(LabelStatu, 1);
    buttonRow->addWidget(CmdSplit);
    buttonRow->addWidget(CmdExit);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 10, 12, 10);
    column->setSpacing(10);
    column->addLayout(fileRow);
    column->addWidget(Frame1);
    column->addStretch(1);
    column->addLayout(buttonRow);

    for (QPushButton* b : {CmdBrowse, CmdSplit, CmdExit})
        b->setMinimumWidth(88);

    connect(CmdBrowse, &QPushButton::clicked, this, &SplitPanel::CmdBrowse_Click);
    connect(CmdSplit, &QPushButton::clicked, this, &SplitPanel::CmdSplit_Click);
    connect(CmdExit, &QPushButton::clicked, this, &SplitPanel::exitClicked);
}

bool SplitPanel::jobRunning() const
{
    return m_running;
}

void SplitPanel::CmdBrowse_Click() {}

void SplitPanel::CmdSplit_Click() {}

} // namespace paginor
