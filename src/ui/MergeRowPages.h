// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "ui/FirstPageThumbnails.h"

#include <QHash>
#include <QPointer>
#include <QStyledItemDelegate>

class QTreeWidget;
class QTreeWidgetItem;

namespace paginor {

class MergeList;
class PagesWindow;

// What the merge list shows of each row's pages: a small picture of its first page (column
// "No."), and the "Pages" column, edited in place, which holds the row's page list and shows
// "all N pages" while it is empty. A double click on the picture opens the row's page window,
// whose "Use for this row" fills the column.
class MergeRowPages : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPagesColumn = 4;
    static constexpr int kPictureColumn = 0;
    // The "Pages" column's data role holding the row's marks (MergeRowMenu::marks).
    static constexpr int kMarksRole = Qt::UserRole + 2;

    MergeRowPages(MergeList& list, QTreeWidget* view,
                  FirstPageThumbnails::SourceMaker maker = makeQtPdfSource);

    // Shows row `row` of the list in `item`, asking for its picture when it has none yet.
    void showRow(int row, QTreeWidgetItem* item);

    // The page window of row `row`, opened (or raised) with the row's known password.
    PagesWindow* openWindow(int row);

    const FirstPageThumbnails& pictures() const { return m_pictures; }

private:
    void pictureReady(const QString& path);
    void itemEdited(QTreeWidgetItem* item, int column);

    MergeList& m_list;
    QTreeWidget* m_view;
    FirstPageThumbnails m_pictures;
    FirstPageThumbnails::SourceMaker m_maker;
    QHash<int, QPointer<PagesWindow>> m_windows; // by row key
};

// The "Pages" column: a page-list editor that takes what the custom page box takes, and
// "all N pages" in the secondary text colour where a row has no list.
class PagesColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace paginor
