// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergeOptionsWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace paginor {

namespace {

QCheckBox* check(const QString& caption, const QString& tip, const char* name)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    return box;
}

} // namespace

MergeOptionsWindow::MergeOptionsWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MergeOptions"));
    setWindowTitle(tr("Merge options"));
    CheckInterleave = check(tr("&Interleave pages"),
                            tr("One page of each file in turn; reverse a file from its row's "
                               "menu, for backs scanned last to first"),
                            "CheckInterleave");
    CheckPadOdd = check(tr("A &blank page after each file with an odd page count"),
                        tr("So that every file starts on a front side when printed on both sides"),
                        "CheckPadOdd");
    CheckContents = check(tr("Add a &contents page"),
                          tr("A first page listing each file with the page where it starts, "
                             "each line a link"),
                          "CheckContents");
    auto* hint = new QLabel(tr("Turn or reverse a file's pages from its row's menu "
                               "(right-click the row)."));
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    for (QCheckBox* box : {CheckInterleave, CheckPadOdd, CheckContents})
        column->addWidget(box);
    column->addWidget(hint);
    column->addWidget(buttons);
    setSizeGripEnabled(false);
}

void MergeOptionsWindow::setChoices(const MergeChoices& choices)
{
    CheckInterleave->setChecked(choices.interleave);
    CheckPadOdd->setChecked(choices.padOdd);
    CheckContents->setChecked(choices.contents);
}

MergeChoices MergeOptionsWindow::choices() const
{
    MergeChoices choices;
    choices.interleave = CheckInterleave->isChecked();
    choices.padOdd = CheckPadOdd->isChecked();
    choices.contents = CheckContents->isChecked();
    return choices;
}

} // namespace paginor
