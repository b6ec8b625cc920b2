// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergeRowMenu.h"

#include "merge/MergeList.h"

#include <QActionGroup>
#include <QMenu>
#include <QTreeWidget>

namespace paginor {

MergeRowMenu::MergeRowMenu(MergeList& list, QTreeWidget* view)
    : QObject(view), m_list(list), m_view(view)
{
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = m_view->itemAt(at);
        if (QMenu* menu = item ? menuFor(m_view->indexOfTopLevelItem(item)) : nullptr) {
            menu->exec(m_view->viewport()->mapToGlobal(at));
            delete menu;
        }
    });
}

QStringList MergeRowMenu::marks(int rotation, bool reverse)
{
    QStringList out;
    if (reverse)
        out << tr("reversed");
    if (rotation != 0)
        out << tr("turned %1°").arg(rotation);
    return out;
}

QVector<int> MergeRowMenu::rowsFor(int row) const
{
    QVector<int> rows;
    for (int i = 0; i < m_view->topLevelItemCount() && i < m_list.rowCount(); ++i)
        if (m_view->topLevelItem(i)->isSelected())
            rows << i;
    return rows.contains(row) ? rows : QVector<int>{row};
}

QMenu* MergeRowMenu::menuFor(int row)
{
    if (row < 0 || row >= m_list.rowCount())
        return nullptr;
    auto* menu = new QMenu(m_view);
    const QVector<int> rows = rowsFor(row);
    // Keys, not positions: the rows may move while the menu is open.
    QVector<int> keys;
    for (int r : rows)
        keys << m_list.row(r).key;
    auto each = [this, keys](auto apply) {
        for (int key : keys)
            if (const int r = m_list.rowOfKey(key); r >= 0)
                apply(r);
    };
    QAction* reverse = menu->addAction(tr("&Reverse pages"));
    reverse->setObjectName(QStringLiteral("ActionReverse"));
    reverse->setCheckable(true);
    reverse->setChecked(m_list.row(row).reverse);
    connect(reverse, &QAction::toggled, this,
            [this, each](bool on) { each([this, on](int r) { m_list.setReverse(r, on); }); });
    menu->addSeparator();
    auto* turns = new QActionGroup(menu);
    for (int degrees : {0, 90, 180, 270}) {
        QAction* turn =
            menu->addAction(degrees == 0 ? tr("&Upright") : tr("Turn &%1°").arg(degrees));
        turn->setObjectName(QStringLiteral("ActionTurn%1").arg(degrees));
        turn->setCheckable(true);
        turn->setChecked(m_list.row(row).rotation == degrees);
        turns->addAction(turn);
        connect(turn, &QAction::triggered, this, [this, each, degrees] {
            each([this, degrees](int r) { m_list.setRotation(r, degrees); });
        });
    }
    return menu;
}

} // namespace paginor
