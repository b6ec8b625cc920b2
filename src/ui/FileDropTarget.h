// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

namespace paginor {

// The local files a drag carries, as native paths in the order the drag lists them; "" entries
// and addresses that are not local files are left out.
QStringList localFilesOf(const QMimeData* mime);

// Lets one PDF file be dropped on a widget (the split panel). It watches the widget and the
// text boxes inside it, which take dropped text themselves otherwise. A drag is accepted only
// when it carries exactly one file with a PDF name and `allowed` says yes; while such a drag
// is over the widget a frame in the highlight colour shows that it will be taken. Drags of
// plain text still reach the text boxes. `dropped` runs just after the drop, from the event
// loop, so the dragging program is not kept waiting by what follows.
class FileDropTarget : public QObject
{
    Q_OBJECT
public:
    using Allowed = std::function<bool()>;
    using Dropped = std::function<void(const QString& path)>;

    FileDropTarget(QWidget* target, Allowed allowed, Dropped dropped);

    // Replaces the rule that decides whether drops are taken now.
    void setAllowed(Allowed allowed) { m_allowed = std::move(allowed); }

    // True while an acceptable drag is over the target.
    bool highlighted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one PDF the drag carries, or "".
    QString acceptablePath(const QMimeData* mime) const;
    void setHighlighted(bool on);

    QWidget* m_target;
    QWidget* m_frame;
    Allowed m_allowed;
    Dropped m_dropped;
};

} // namespace paginor
