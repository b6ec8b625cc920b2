// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergeListView.h"

#include "ui/FileDropTarget.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>

namespace paginor {

bool MergeListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (index.column() != 4)
        return false;
    return QTreeWidget::edit(index, trigger, event);
}

namespace {

// Rows dragged within the list: "<view address>:<row>,<row>,...". The address keeps another
// window's list from taking them.
const QString kRowsMime = QStringLiteral("application/x-paginor-merge-rows");

} // namespace

MergeListView::MergeListView(QWidget* parent) : QTreeWidget(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false); // the view draws its own line
}

QString MergeListView::emptyHint()
{
    return tr("Drop PDF files or folders here, or press Add.");
}

QStringList MergeListView::mimeTypes() const
{
    return {kRowsMime, QStringLiteral("text/uri-list")};
}

QMimeData* MergeListView::rowDragData(const QVector<int>& rows) const
{
    QStringList numbers;
    for (int r : rows)
        numbers << QString::number(r);
    auto* mime = new QMimeData;
    mime->setData(kRowsMime,
                  (QString::number(quintptr(this)) + u':' + numbers.join(u',')).toLatin1());
    return mime;
}

QMimeData* MergeListView::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    QVector<int> rows;
    for (QTreeWidgetItem* item : items)
        rows << indexOfTopLevelItem(item);
    std::sort(rows.begin(), rows.end());
    return rowDragData(rows);
}

void MergeListView::startDrag(Qt::DropActions)
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty() || !allowed())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData(items));
    // The rows are moved by the drop itself; nothing is to be removed here afterwards.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

MergeListView::DragKind MergeListView::kindOf(const QMimeData* mime) const
{
    if (!mime || !allowed())
        return DragKind::None;
    if (mime->hasFormat(kRowsMime))
        return rowsOf(mime).isEmpty() ? DragKind::None : DragKind::Rows;
    return localFilesOf(mime).isEmpty() ? DragKind::None : DragKind::Files;
}

QVector<int> MergeListView::rowsOf(const QMimeData* mime) const
{
    const QString text = QString::fromLatin1(mime->data(kRowsMime));
    const int colon = text.indexOf(u':');
    QVector<int> rows;
    if (colon < 0 || text.left(colon) != QString::number(quintptr(this)))
        return rows;
    for (const QString& n : text.mid(colon + 1).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int r = n.toInt(&ok);
        if (ok && r >= 0 && r < topLevelItemCount())
            rows << r;
    }
    return rows;
}

int MergeListView::rowBefore(const QPoint& pos) const
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return topLevelItemCount();
    const QRect r = visualRect(index);
    return index.row() + (pos.y() > r.center().y() ? 1 : 0);
}

void MergeListView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void MergeListView::dragMoveEvent(QDragMoveEvent* event)
{
    const DragKind kind = kindOf(event->mimeData());
    const int dropRow = kind == DragKind::Rows ? rowBefore(event->position().toPoint()) : -1;
    if (m_fileHover != (kind == DragKind::Files) || m_dropRow != dropRow) {
        m_fileHover = kind == DragKind::Files;
        m_dropRow = dropRow;
        viewport()->update();
    }
    if (kind == DragKind::None) {
        event->ignore();
        return;
    }
    event->setDropAction(kind == DragKind::Rows ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
}

void MergeListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    clearFeedback();
    event->accept();
}

void MergeListView::dropEvent(QDropEvent* event)
{
    const DragKind kind = kindOf(event->mimeData());
    clearFeedback();
    if (kind == DragKind::None) {
        event->ignore();
        return;
    }
    event->setDropAction(kind == DragKind::Rows ? Qt::MoveAction : Qt::CopyAction);
    event->accept();
    if (kind == DragKind::Rows) {
        Q_EMIT rowsDropped(rowsOf(event->mimeData()), rowBefore(event->position().toPoint()));
        return;
    }
    // Adding may yield and show a message: let the file manager finish its drag first.
    const QStringList paths = localFilesOf(event->mimeData());
    QMetaObject::invokeMethod(
        this,
        [this, paths] {
            if (allowed())
                Q_EMIT filesDropped(paths);
        },
        Qt::QueuedConnection);
}

void MergeListView::clearFeedback()
{
    if (!m_fileHover && m_dropRow < 0)
        return;
    m_fileHover = false;
    m_dropRow = -1;
    viewport()->update();
}

void MergeListView::paintEvent(QPaintEvent* event)
{
    QTreeWidget::paintEvent(event);
    QPainter p(viewport());
    const QPalette& pal = palette();
    if (topLevelItemCount() == 0) {
        p.setPen(pal.color(QPalette::PlaceholderText));
        p.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                   Qt::AlignCenter | Qt::TextWordWrap, emptyHint());
    }
    if (m_fileHover) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(pal.color(QPalette::Highlight), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(viewport()->rect()).adjusted(2, 2, -2, -2), 5, 5);
    }
    if (m_dropRow >= 0) {
        int y = 0;
        if (m_dropRow < topLevelItemCount())
            y = visualItemRect(topLevelItem(m_dropRow)).top();
        else if (topLevelItemCount() > 0)
            y = visualItemRect(topLevelItem(topLevelItemCount() - 1)).bottom() + 1;
        p.setPen(QPen(pal.color(QPalette::Highlight), 2));
        p.drawLine(0, y, viewport()->width(), y);
    }
}

} // namespace paginor
