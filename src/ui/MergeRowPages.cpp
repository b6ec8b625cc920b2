// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergeRowPages.h"

#include "merge/MergeList.h"
#include "ui/MergeRowMenu.h"
#include "ui/PagesWindow.h"

#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpressionValidator>
#include <QTreeWidget>

namespace paginor {

namespace {

constexpr int kCountRole = Qt::UserRole + 1;
const QSize kPictureBox(24, 32);

} // namespace

MergeRowPages::MergeRowPages(MergeList& list, QTreeWidget* view,
                             FirstPageThumbnails::SourceMaker maker)
    : QObject(view), m_list(list), m_view(view), m_pictures(kPictureBox * 2, maker),
      m_maker(std::move(maker))
{
    m_view->setIconSize(kPictureBox);
    m_view->setItemDelegateForColumn(kPagesColumn, new PagesColumnDelegate(m_view));
    connect(&m_pictures, &FirstPageThumbnails::ready, this, &MergeRowPages::pictureReady);
    connect(m_view, &QTreeWidget::itemChanged, this, &MergeRowPages::itemEdited);
    connect(m_view, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int column) {
                if (column == kPictureColumn)
                    openWindow(m_view->indexOfTopLevelItem(item));
            });
}

void MergeRowPages::showRow(int row, QTreeWidgetItem* item)
{
    const MergeRow& r = m_list.row(row);
    const QString path = m_list.fullPath(row);
    const QSignalBlocker quiet(m_view);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setText(kPagesColumn, r.pageList);
    item->setData(kPagesColumn, MergeRowPages::kMarksRole,
                  MergeRowMenu::marks(r.rotation, r.reverse));
    if (const FirstPageThumbnails::Result* got = m_pictures.result(path)) {
        QPixmap picture = QPixmap::fromImage(got->picture);
        picture.setDevicePixelRatio(2);
        item->setIcon(kPictureColumn, picture);
        item->setData(kPagesColumn, kCountRole, got->pageCount);
        item->setToolTip(kPictureColumn,
                         tr("%Ln pages; double-click to see them", nullptr, got->pageCount));
    }
    m_pictures.request(path, r.lock.password);
}

void MergeRowPages::pictureReady(const QString& path)
{
    for (int row = 0; row < m_list.rowCount() && row < m_view->topLevelItemCount(); ++row)
        if (m_list.fullPath(row) == path)
            showRow(row, m_view->topLevelItem(row));
}

void MergeRowPages::itemEdited(QTreeWidgetItem* item, int column)
{
    if (column != kPagesColumn)
        return;
    const int row = m_view->indexOfTopLevelItem(item);
    if (row >= 0 && row < m_list.rowCount())
        m_list.setPageList(row, item->text(kPagesColumn).trimmed());
}

PagesWindow* MergeRowPages::openWindow(int row)
{
    if (row < 0 || row >= m_list.rowCount())
        return nullptr;
    const int key = m_list.row(row).key;
    if (PagesWindow* open = m_windows.value(key)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new PagesWindow(m_list.fullPath(row), m_list.row(row).lock.password,
                                   PagesWindow::Purpose::MergeRow, m_view->window(), m_maker);
    window->showTexts(m_list.row(row).pageList, QString());
    m_windows.insert(key, window);
    connect(window, &PagesWindow::useForRow, this,
            [this, key](const QString& text) { m_list.setPageList(m_list.rowOfKey(key), text); });
    window->show();
    return window;
}

QWidget* PagesColumnDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,\\- ]*")), editor));
    return editor;
}

void PagesColumnDelegate::initStyleOption(QStyleOptionViewItem* option,
                                          const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    // The row's turn and order follow its pages, as in "1-3 · reversed · turned 90°".
    const QStringList marks = index.data(MergeRowPages::kMarksRole).toStringList();
    if (!option->text.isEmpty()) {
        option->text = QStringList(QStringList{option->text} + marks).join(QStringLiteral(" · "));
        return;
    }
    const int count = index.data(kCountRole).toInt();
    option->text = count > 0 ? tr("all %L1 pages").arg(count) : tr("all pages");
    option->text = QStringList(QStringList{option->text} + marks).join(QStringLiteral(" · "));
    option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
}

} // namespace paginor
