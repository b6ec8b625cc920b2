// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QObject>
#include <QVector>

class QMenu;
class QTreeWidget;

namespace paginor {

class MergeList;

// The merge list's context menu: whether a row's pages go last to first, and its turn. It acts
// on the selected rows when the row clicked is one of them, else on that row alone.
class MergeRowMenu : public QObject
{
    Q_OBJECT
public:
    MergeRowMenu(MergeList& list, QTreeWidget* view);

    // The menu for a click on row `row`, its marks showing that row's state; null when there is
    // no such row. The caller owns it.
    QMenu* menuFor(int row);

    // What each row shows of its turn and order ("reversed", "90°"); empty when neither.
    static QStringList marks(int rotation, bool reverse);

private:
    QVector<int> rowsFor(int row) const;

    MergeList& m_list;
    QTreeWidget* m_view;
};

} // namespace paginor
