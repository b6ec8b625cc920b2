// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "ui/ThumbnailCache.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QSet>
#include <QSizeF>
#include <vector>

class QRubberBand;

namespace paginor {

class PageChoice;
class ThumbnailRenderer;

// The pages of one file as a grid of thumbnails, each with its number and the file's label.
// A click chooses pages (with Shift and Ctrl as in a file manager), a drag over empty space
// draws a rubber band, Ctrl+A chooses all, and a click in the gap after a page sets or removes
// a cut there. The choice lives in a PageChoice the grid shows and changes. Pictures come from
// the renderer, nearest the visible area first, and are kept in a bounded cache; until its
// picture arrives a page shows its number on the paper colour.
class PageGrid : public QAbstractScrollArea
{
    Q_OBJECT
public:
    PageGrid(PageChoice& choice, ThumbnailRenderer& renderer, QWidget* parent = nullptr);

    // Starts showing a file of `pageCount` pages whose first page measures `firstPage`
    // points; 0 pages shows `message` instead.
    void setDocument(int32_t pageCount, QSizeF firstPage, const QString& message = QString());
    // Thumbnail width in pixels (clamped to kMinWidth..kMaxWidth); keeps the top page in view.
    void setThumbnailWidth(int width);
    int thumbnailWidth() const { return m_width; }
    static constexpr int kMinWidth = 48;
    static constexpr int kMaxWidth = 400;

    // Scrolls so that `page` is at the top.
    void scrollToPage(int32_t page);

    // Where things are, in viewport coordinates, for the mouse and for tests.
    QRect thumbnailRect(int32_t page) const;
    QRect gapRect(int32_t page) const; // the gap after the page, where its cut is set
    int32_t pageAt(const QPoint& pos) const;
    int32_t gapAt(const QPoint& pos) const;
    // The pages at least partly in view, ascending.
    std::vector<int32_t> visiblePages() const;

    // The page's state as drawn: a picture, a failure, or still waiting.
    bool hasPicture(int32_t page) const;
    bool failed(int32_t page) const { return m_failed.contains(page); }
    QString label(int32_t page) const { return m_labels.value(page); }
    const ThumbnailCache& cache() const { return m_cache; }

    // Called when the view or the choice changed from outside.
    void choiceChanged();

Q_SIGNALS:
    // The user changed the choice or the cuts.
    void choiceEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pageRendered(int32_t page, QSize box, const QImage& image, const QString& label);
    void relayout();
    void scheduleRequests();
    void requestPictures();
    QSize box() const; // the picture box in device pixels
    int columns() const;
    int pitchX() const;
    int pitchY() const;
    int pictureHeight() const;
    QRect cellRect(int32_t page) const; // picture and captions
    void paintPage(QPainter& p, int32_t page);
    void updateBand(const QPoint& pos);

    PageChoice& m_choice;
    ThumbnailRenderer& m_renderer;
    ThumbnailCache m_cache;
    QSet<int32_t> m_failed;
    QHash<int32_t, QString> m_labels;
    int32_t m_pageCount = 0;
    QSizeF m_firstPage;
    QString m_message;
    int m_width = 120;
    bool m_requestPending = false;
    QRubberBand* m_band = nullptr;
    QPoint m_bandStart; // in content coordinates
    bool m_banding = false;
};

} // namespace paginor
