// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FlashArtwork.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace paginor {

namespace {

// One sheet: a white page with a folded corner and a few grey text lines.
void paintPage(QPainter& p, const QRectF& r, const QColor& ink)
{
    const qreal fold = r.width() * 0.22;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(sheet.translated(2.5, 3));
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(226, 234, 244));
    p.setBrush(paper);
    p.setPen(QPen(QColor(160, 178, 200), 0.8));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(QColor(200, 212, 228));
    p.drawPath(corner);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    const qreal left = r.left() + r.width() * 0.16;
    for (int i = 0; i < 6; ++i) {
        const qreal y = r.top() + r.height() * (0.3 + 0.1 * i);
        const qreal right = r.right() - r.width() * (i % 3 == 2 ? 0.42 : 0.16);
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
}

} // namespace

void paintFlashArtwork(QPainter& p, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = area.width();
    const qreal h = area.height();
    const qreal band = h * 0.80; // top of the light band

    QLinearGradient sky(0, 0, w, band);
    sky.setColorAt(0, QColor(14, 42, 84));
    sky.setColorAt(0.6, QColor(22, 76, 128));
    sky.setColorAt(1, QColor(28, 112, 140));
    p.fillRect(QRectF(area.left(), area.top(), w, band), sky);

    // Soft light behind the pages.
    QRadialGradient glow(QPointF(w * 0.74, band * 0.45), w * 0.34);
    glow.setColorAt(0, QColor(120, 200, 255, 90));
    glow.setColorAt(1, QColor(120, 200, 255, 0));
    p.fillRect(QRectF(0, 0, w, band), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(w * 0.05, band * 0.1), 70, 70);
    p.drawEllipse(QPointF(w * 0.95, band * 0.95), 46, 46);

    // The stack, and the two halves it is cut into.
    paintPage(p, QRectF(w * 0.56, band * 0.16, 58, 76), QColor(170, 186, 206));
    paintPage(p, QRectF(w * 0.58, band * 0.22, 58, 76), QColor(150, 170, 196));
    paintPage(p, QRectF(w * 0.60, band * 0.28, 58, 76), QColor(90, 128, 178));
    QPen cut(QColor(240, 170, 70), 2, Qt::DashLine, Qt::RoundCap);
    p.setPen(cut);
    p.drawLine(QPointF(w * 0.77, band * 0.18), QPointF(w * 0.77, band * 0.92));
    p.setPen(QPen(QColor(240, 170, 70), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tip(w * 0.83, band * 0.55);
    p.drawLine(QPointF(w * 0.785, band * 0.55), tip);
    p.drawLine(tip, tip + QPointF(-6, -5));
    p.drawLine(tip, tip + QPointF(-6, 5));
    paintPage(p, QRectF(w * 0.85, band * 0.20, 40, 52), QColor(90, 128, 178));
    paintPage(p, QRectF(w * 0.85, band * 0.56, 40, 52), QColor(90, 128, 178));

    // The name.
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 80));
    p.drawText(QPointF(w * 0.06 + 2, band * 0.42 + 2), QStringLiteral("Paginor"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QPointF(w * 0.06, band * 0.42), QStringLiteral("Paginor"));
    // The line under the name ends before the pages: a longer translation takes a smaller font.
    const QString tagline =
        QCoreApplication::translate("FlashArtwork", "Split and merge PDF files");
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(13);
    while (sub.pixelSize() > 9 && QFontMetricsF(sub).horizontalAdvance(tagline) > w * 0.48)
        sub.setPixelSize(sub.pixelSize() - 1);
    p.setFont(sub);
    p.setPen(QColor(190, 220, 245));
    p.drawText(QPointF(w * 0.065, band * 0.56), tagline);
    p.setPen(QPen(QColor(240, 170, 70), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.065, band * 0.63), QPointF(w * 0.22, band * 0.63));

    // The light band under the picture.
    QLinearGradient paper(0, band, 0, h);
    paper.setColorAt(0, QColor(246, 249, 252));
    paper.setColorAt(1, QColor(222, 231, 242));
    p.fillRect(QRectF(area.left(), band, w, h - band), paper);
    p.fillRect(QRectF(area.left(), band, w, 2), QColor(240, 170, 70));
    p.setPen(QColor(120, 140, 170));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

} // namespace paginor
