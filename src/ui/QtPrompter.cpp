// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/QtPrompter.h"

#include "ui/MergeOptionsWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace paginor {

QtPrompter::QtPrompter(QWidget* owner) : m_owner(owner) {}

UserQuestions::Reply QtPrompter::message(const QString& text, Icon icon, const QString& title,
                                         Buttons buttons)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    switch (icon) {
    case Icon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    case Icon::Question:
        boxIcon = QMessageBox::Question;
        break;
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    }
    const QMessageBox::StandardButtons shown = buttons == Buttons::YesNo
                                                   ? (QMessageBox::Yes | QMessageBox::No)
                                                   : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(boxIcon, title, text, shown, m_owner);
    const int answer = box.exec();
    if (buttons == Buttons::YesNo)
        return answer == QMessageBox::Yes ? Reply::Yes : Reply::No;
    return Reply::Ok;
}

bool QtPrompter::inputBox(const QString& prompt, const QString& title, QString& text)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_owner, title, prompt, QLineEdit::Password, text, &ok);
    if (ok)
        text = answer;
    return ok;
}

bool QtPrompter::mergeOptions(MergeChoices& choices)
{
    MergeOptionsWindow window(m_owner);
    window.setChoices(choices);
    if (window.exec() != QDialog::Accepted)
        return false;
    choices = window.choices();
    return true;
}

QStringList QtPrompter::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(m_owner);
    QString filter = request.filterName;
    if (!filter.contains(QLatin1Char('(')))
        filter += QStringLiteral(" (%1)").arg(request.filterPattern);
    dialog.setNameFilter(filter);
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    switch (request.kind) {
    case DialogKind::OpenOne:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case DialogKind::OpenMany:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        break;
    case DialogKind::Save:
        // The dialog itself asks before an existing file is replaced.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    }
    QString suffix = request.defaultSuffix;
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QStringList chosen;
    for (const QString& path : dialog.selectedFiles())
        chosen << QDir::toNativeSeparators(path);
    return chosen;
}

} // namespace paginor
