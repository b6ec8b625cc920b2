// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QTreeWidget>
#include <QVector>
#include <functional>

namespace paginor {

// The merge list's view `LvPDF`, taking drops: PDF files and folders from a file manager, and
// its own rows dragged to a new place. It changes no rows itself; it reports what was dropped
// and the owner changes the list. An empty list shows a quiet hint that files can be dropped;
// while a drag it would take is over it, a frame (for files) or an insertion line (for rows)
// shows where it goes.
class MergeListView : public QTreeWidget
{
    Q_OBJECT
public:
    using Allowed = std::function<bool()>;

    explicit MergeListView(QWidget* parent = nullptr);

    // The rule that decides whether drops are taken now; drops are refused while it says no.
    void setDropsAllowed(Allowed allowed) { m_allowed = std::move(allowed); }

    // The hint an empty list shows.
    static QString emptyHint();

    // While a drag is over the list: whether files would be taken, and the row the dragged
    // rows would be put before (-1 when no rows are being dragged).
    bool fileDropShown() const { return m_fileHover; }
    int rowDropShown() const { return m_dropRow; }

    // The drag data for the given rows of this view, as a drag from it carries.
    QMimeData* rowDragData(const QVector<int>& rows) const;

Q_SIGNALS:
    // Files or folders were dropped, as native paths in the order the drag listed them. Sent
    // from the event loop just after the drop.
    void filesDropped(const QStringList& paths);
    // Rows of this view were dragged to stand before row `before` (rowCount = the end).
    void rowsDropped(const QVector<int>& rows, int before);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Only the "Pages" column is edited in place.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    enum class DragKind
    {
        None,
        Files,
        Rows,
    };
    DragKind kindOf(const QMimeData* mime) const;
    QVector<int> rowsOf(const QMimeData* mime) const;
    int rowBefore(const QPoint& pos) const;
    bool allowed() const { return !m_allowed || m_allowed(); }
    void clearFeedback();

    Allowed m_allowed;
    bool m_fileHover = false;
    int m_dropRow = -1;
};

} // namespace paginor
