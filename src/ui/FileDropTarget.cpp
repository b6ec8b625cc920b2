// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FileDropTarget.h"

#include "merge/MergeList.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <QWidget>

namespace paginor {

namespace {

// A frame drawn over the whole target; clicks pass through it.
class DropFrame : public QWidget
{
public:
    explicit DropFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("DropFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPen pen(palette().color(QPalette::Highlight), 3);
        p.setPen(pen);
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
};

} // namespace

QStringList localFilesOf(const QMimeData* mime)
{
    QStringList out;
    if (!mime || !mime->hasUrls())
        return out;
    for (const QUrl& url : mime->urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        if (!path.isEmpty())
            out << QDir::toNativeSeparators(path);
    }
    return out;
}

FileDropTarget::FileDropTarget(QWidget* target, Allowed allowed, Dropped dropped)
    : QObject(target), m_target(target), m_frame(new DropFrame(target)),
      m_allowed(std::move(allowed)), m_dropped(std::move(dropped))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
    for (QLineEdit* edit : target->findChildren<QLineEdit*>())
        edit->installEventFilter(this);
}

bool FileDropTarget::highlighted() const
{
    return m_frame->isVisible();
}

QString FileDropTarget::acceptablePath(const QMimeData* mime) const
{
    const QStringList files = localFilesOf(mime);
    if (files.size() != 1 || !MergeList::HasPdfExtension(files.first()) ||
        !QFileInfo(files.first()).isFile() || !(m_allowed && m_allowed()))
        return QString();
    return files.first();
}

void FileDropTarget::setHighlighted(bool on)
{
    if (on) {
        m_frame->setGeometry(m_target->rect());
        m_frame->raise();
    }
    m_frame->setVisible(on);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        // Text for a text box is the box's own business.
        if (!drag->mimeData()->hasUrls())
            return false;
        if (acceptablePath(drag->mimeData()).isEmpty()) {
            drag->ignore();
            setHighlighted(false);
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            setHighlighted(true);
        }
        return true;
    }
    case QEvent::DragLeave:
        setHighlighted(false);
        return watched != m_target;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls())
            return false;
        setHighlighted(false);
        const QString path = acceptablePath(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The password prompt may follow: let the file manager finish its drag first.
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (m_dropped && m_allowed && m_allowed())
                    m_dropped(path);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace paginor
