// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/LockIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace paginor {

QIcon lockIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 16.0, size / 16.0);
            // The shackle, then the body over its ends.
            p.setPen(QPen(QColor(90, 90, 90), 1.8));
            p.setBrush(Qt::NoBrush);
            QPainterPath shackle;
            shackle.moveTo(5, 8);
            shackle.lineTo(5, 5.5);
            shackle.arcTo(QRectF(5, 2, 6, 6), 180, -180);
            shackle.lineTo(11, 8);
            p.drawPath(shackle);
            p.setPen(QPen(QColor(120, 90, 0), 1));
            p.setBrush(QColor(230, 180, 40));
            p.drawRoundedRect(QRectF(3.5, 7.5, 9, 7), 1.5, 1.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 90, 0));
            p.drawEllipse(QRectF(7, 9.5, 2, 2));
            p.drawRect(QRectF(7.6, 11, 0.8, 2));
            p.end();
            made.addPixmap(pixmap);
        }
        return made;
    }();
    return icon;
}

} // namespace paginor
