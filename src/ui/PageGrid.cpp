// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/PageGrid.h"

#include "split/PageChoice.h"
#include "ui/ThumbnailRenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRubberBand>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace paginor {

namespace {

constexpr int kMargin = 16;
constexpr int kGapX = 22; // wide enough to hit when marking a cut
constexpr int kGapY = 14;
constexpr int kCaptionLines = 2;
const QColor kPaper(Qt::white);

} // namespace

PageGrid::PageGrid(PageChoice& choice, ThumbnailRenderer& renderer, QWidget* parent)
    : QAbstractScrollArea(parent), m_choice(choice), m_renderer(renderer)
{
    setObjectName(QStringLiteral("PageGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    m_band = new QRubberBand(QRubberBand::Rectangle, viewport());
    connect(&m_renderer, &ThumbnailRenderer::rendered, this, &PageGrid::pageRendered);
}

void PageGrid::setDocument(int32_t pageCount, QSizeF firstPage, const QString& message)
{
    m_pageCount = std::max(pageCount, 0);
    m_firstPage = firstPage;
    m_message = message;
    m_cache.clear();
    m_failed.clear();
    m_labels.clear();
    verticalScrollBar()->setValue(0);
    relayout();
}

void PageGrid::setThumbnailWidth(int width)
{
    width = std::clamp(width, kMinWidth, kMaxWidth);
    if (width == m_width)
        return;
    const std::vector<int32_t> shown = visiblePages();
    m_width = width;
    relayout();
    if (!shown.empty())
        scrollToPage(shown.front());
}

void PageGrid::scrollToPage(int32_t page)
{
    if (page < 0 || page >= m_pageCount)
        return;
    verticalScrollBar()->setValue(int(page / columns()) * pitchY());
    scheduleRequests();
}

int PageGrid::pictureHeight() const
{
    double aspect = 1.414;
    if (m_firstPage.width() > 0 && m_firstPage.height() > 0)
        aspect = std::clamp(m_firstPage.height() / m_firstPage.width(), 0.25, 4.0);
    return int(std::lround(m_width * aspect));
}

int PageGrid::pitchX() const
{
    return m_width + kGapX;
}

int PageGrid::pitchY() const
{
    return pictureHeight() + kCaptionLines * fontMetrics().height() + 6 + kGapY;
}

int PageGrid::columns() const
{
    return std::max(1, (viewport()->width() - 2 * kMargin + kGapX / 2) / pitchX());
}

QSize PageGrid::box() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(int(std::lround(m_width * ratio)), int(std::lround(pictureHeight() * ratio)));
}

QRect PageGrid::thumbnailRect(int32_t page) const
{
    const int cols = columns();
    const qint64 row = page / cols;
    const int x = kMargin + int(page % cols) * pitchX();
    const qint64 y = kMargin + row * pitchY() - verticalScrollBar()->value();
    return QRect(x, int(std::clamp<qint64>(y, -(1 << 30), 1 << 30)), m_width, pictureHeight());
}

QRect PageGrid::cellRect(int32_t page) const
{
    QRect r = thumbnailRect(page);
    r.setHeight(pitchY() - kGapY);
    return r;
}

QRect PageGrid::gapRect(int32_t page) const
{
    const QRect t = thumbnailRect(page);
    return QRect(t.right() + 1, t.top(), kGapX, t.height());
}

int32_t PageGrid::pageAt(const QPoint& pos) const
{
    const qint64 y = qint64(pos.y()) + verticalScrollBar()->value() - kMargin;
    const int x = pos.x() - kMargin;
    if (y < 0 || x < 0 || x % pitchX() >= m_width || x / pitchX() >= columns())
        return -1;
    const qint64 page = (y / pitchY()) * columns() + x / pitchX();
    if (y % pitchY() >= pitchY() - kGapY || page >= m_pageCount)
        return -1;
    return int32_t(page);
}

int32_t PageGrid::gapAt(const QPoint& pos) const
{
    const qint64 y = qint64(pos.y()) + verticalScrollBar()->value() - kMargin;
    const int x = pos.x() - kMargin;
    if (y < 0 || x < 0 || x % pitchX() < m_width || x / pitchX() >= columns())
        return -1;
    if (y % pitchY() >= pictureHeight())
        return -1;
    const qint64 page = (y / pitchY()) * columns() + x / pitchX();
    return page + 1 < m_pageCount ? int32_t(page) : -1;
}

std::vector<int32_t> PageGrid::visiblePages() const
{
    std::vector<int32_t> pages;
    if (m_pageCount == 0)
        return pages;
    const int cols = columns();
    const qint64 top = verticalScrollBar()->value() - kMargin;
    const qint64 firstRow = std::max<qint64>(0, top / pitchY());
    const qint64 lastRow = (top + viewport()->height()) / pitchY();
    for (qint64 p = firstRow * cols; p < std::min<qint64>((lastRow + 1) * cols, m_pageCount); ++p)
        pages.push_back(int32_t(p));
    return pages;
}

bool PageGrid::hasPicture(int32_t page) const
{
    return m_cache.contains(page, box().width());
}

void PageGrid::choiceChanged()
{
    viewport()->update();
}

void PageGrid::relayout()
{
    const qint64 rows = m_pageCount == 0 ? 0 : (m_pageCount + columns() - 1) / columns();
    const qint64 height = rows == 0 ? 0 : 2 * kMargin + rows * pitchY() - kGapY;
    verticalScrollBar()->setRange(
        0, int(std::clamp<qint64>(height - viewport()->height(), 0, INT32_MAX)));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(std::max(1, pitchY() / 4));
    viewport()->update();
    scheduleRequests();
}

void PageGrid::scheduleRequests()
{
    // One request per turn of the event loop, however many scroll steps it saw.
    if (m_requestPending)
        return;
    m_requestPending = true;
    QTimer::singleShot(0, this, [this] {
        m_requestPending = false;
        requestPictures();
    });
}

void PageGrid::requestPictures()
{
    const std::vector<int32_t> shown = visiblePages();
    std::vector<int32_t> wanted;
    const QSize b = box();
    auto add = [&](int32_t page) {
        if (page >= 0 && page < m_pageCount && !m_failed.contains(page) &&
            !m_cache.contains(page, b.width()))
            wanted.push_back(page);
    };
    for (int32_t page : shown)
        add(page);
    // Then a screen ahead and a screen back, nearest first.
    if (!shown.empty()) {
        const int32_t n = int32_t(shown.size());
        for (int32_t i = 1; i <= n; ++i) {
            add(shown.back() + i);
            add(shown.front() - i);
        }
    }
    m_renderer.want(wanted, b);
}

void PageGrid::pageRendered(int32_t page, QSize b, const QImage& image, const QString& label)
{
    if (page < 0 || page >= m_pageCount)
        return;
    if (!label.isEmpty())
        m_labels.insert(page, label);
    if (image.isNull())
        m_failed.insert(page);
    else if (b == box())
        m_cache.insert(page, b.width(), image);
    viewport()->update(cellRect(page).adjusted(-8, -8, 8, 8));
}

void PageGrid::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    if (m_pageCount == 0) {
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(viewport()->rect().adjusted(20, 20, -20, -20),
                   Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    for (int32_t page : visiblePages())
        paintPage(p, page);
}

void PageGrid::paintPage(QPainter& p, int32_t page)
{
    const QRect thumb = thumbnailRect(page);
    const QRect cell = cellRect(page);
    const bool selected = m_choice.isSelected(page);
    if (selected) {
        QPainterPath path;
        path.addRoundedRect(QRectF(cell.adjusted(-6, -6, 6, 2)), 4, 4);
        p.fillPath(path, palette().color(QPalette::Highlight));
    }

    const QImage image = m_cache.find(page, box().width());
    QRect paper = thumb;
    if (!image.isNull()) {
        const QSizeF shown = QSizeF(image.size()) / devicePixelRatioF();
        paper = QRect(0, 0, int(std::lround(shown.width())), int(std::lround(shown.height())));
        paper.moveCenter(thumb.center());
        p.drawImage(paper, image);
    } else {
        p.fillRect(paper, kPaper);
        p.setPen(QColor(120, 120, 120));
        if (m_failed.contains(page)) {
            p.drawText(paper.adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                       tr("cannot show this page"));
        } else {
            QFont big = p.font();
            big.setPointSizeF(big.pointSizeF() * 1.6);
            p.save();
            p.setFont(big);
            p.drawText(paper, Qt::AlignCenter, QString::number(page + 1));
            p.restore();
        }
    }
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(paper.adjusted(0, 0, -1, -1));

    // The number, then the file's own label where it has one.
    p.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int line = fontMetrics().height();
    QRect caption(cell.left() - kGapX / 2, thumb.bottom() + 4, cell.width() + kGapX, line);
    p.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, QString::number(page + 1));
    const QString label = m_labels.value(page);
    if (!label.isEmpty())
        p.drawText(caption.translated(0, line), Qt::AlignHCenter | Qt::AlignTop,
                   fontMetrics().elidedText(label, Qt::ElideRight, caption.width()));

    if (m_choice.hasCutAfter(page)) {
        const QRect gap = gapRect(page);
        const int x = gap.center().x();
        QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
        p.setPen(pen);
        p.drawLine(x, gap.top() - 4, x, gap.bottom() + 4);
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(QPalette::Highlight));
        for (int y : {gap.top() - 4, gap.bottom() + 4}) {
            const int d = y < gap.center().y() ? 1 : -1;
            const QPoint tri[3] = {{x - 6, y - 6 * d}, {x + 6, y - 6 * d}, {x, y}};
            p.drawPolygon(tri, 3);
        }
        p.setBrush(Qt::NoBrush);
    }
}

void PageGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void PageGrid::scrollContentsBy(int, int)
{
    viewport()->update();
    scheduleRequests();
}

void PageGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (const int32_t gap = gapAt(pos); gap >= 0) {
        m_choice.toggleCut(gap);
    } else if (const int32_t page = pageAt(pos); page >= 0) {
        m_choice.click(page, ctrl && shift ? PageChoice::Click::ShiftCtrl
                             : ctrl        ? PageChoice::Click::Ctrl
                             : shift       ? PageChoice::Click::Shift
                                           : PageChoice::Click::Plain);
    } else {
        m_banding = true;
        m_bandStart = pos + QPoint(0, verticalScrollBar()->value());
        m_choice.beginBand(ctrl);
        m_choice.setBand({});
        m_band->setGeometry(QRect(pos, QSize()));
        m_band->show();
    }
    viewport()->update();
    Q_EMIT choiceEdited();
}

void PageGrid::updateBand(const QPoint& pos)
{
    const QPoint start = m_bandStart - QPoint(0, verticalScrollBar()->value());
    const QRect band = QRect(start, pos).normalized();
    m_band->setGeometry(band.intersected(viewport()->rect()));
    std::vector<int32_t> inside;
    const int cols = columns();
    const qint64 top = qint64(band.top()) + verticalScrollBar()->value() - kMargin;
    const qint64 bottom = qint64(band.bottom()) + verticalScrollBar()->value() - kMargin;
    for (qint64 row = std::max<qint64>(0, top / pitchY()); row <= bottom / pitchY(); ++row)
        for (int col = 0; col < cols; ++col) {
            const qint64 page = row * cols + col;
            if (page < m_pageCount && cellRect(int32_t(page)).intersects(band))
                inside.push_back(int32_t(page));
        }
    m_choice.setBand(inside);
    viewport()->update();
    Q_EMIT choiceEdited();
}

void PageGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_banding) {
        updateBand(pos);
        return;
    }
    viewport()->setCursor(gapAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void PageGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_banding && event->button() == Qt::LeftButton) {
        m_banding = false;
        m_band->hide();
    }
}

void PageGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll)) {
        m_choice.selectAll();
        viewport()->update();
        Q_EMIT choiceEdited();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

} // namespace paginor
