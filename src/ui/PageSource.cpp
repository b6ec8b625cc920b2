// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/PageSource.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <algorithm>
#include <cmath>

namespace paginor {

namespace {

class QtPdfSource : public PageSource
{
public:
    DocumentFacts::Status load(const QString& path, const QString& password) override
    {
        m_doc.close();
        // Qt PDF takes the password only before loading.
        m_doc.setPassword(password);
        const QPdfDocument::Error error = m_doc.load(path);
        if (error == QPdfDocument::Error::IncorrectPassword)
            return DocumentFacts::Status::NeedsPassword;
        if (error != QPdfDocument::Error::None || m_doc.status() != QPdfDocument::Status::Ready)
            return DocumentFacts::Status::Unreadable;
        return DocumentFacts::Status::Ready;
    }

    int32_t pageCount() override { return m_doc.pageCount(); }

    QSizeF pageSize(int32_t page) override { return m_doc.pagePointSize(page); }

    QString pageLabel(int32_t page) override
    {
        // Qt PDF gives the page number where the file has no label.
        const QString label = m_doc.pageLabel(page);
        return label == QString::number(page + 1) ? QString() : label;
    }

    QImage render(int32_t page, QSize size) override
    {
        QPdfDocumentRenderOptions options;
        options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
        return m_doc.render(page, size, options);
    }

private:
    QPdfDocument m_doc;
};

} // namespace

std::unique_ptr<PageSource> makeQtPdfSource()
{
    // Qt PDF starts its drawing library with the first document and shuts it down with the
    // last; started again after that, it can crash in another thread's render. One document
    // that lives as long as the program keeps it started once.
    static QPdfDocument* const keeper = new QPdfDocument;
    (void)keeper;
    return std::make_unique<QtPdfSource>();
}

DocumentFacts readFacts(PageSource& source, const QString& path, const QString& password)
{
    DocumentFacts facts;
    facts.status = source.load(path, password);
    if (facts.status != DocumentFacts::Status::Ready)
        return facts;
    facts.pageCount = source.pageCount();
    if (facts.pageCount <= 0 || facts.pageCount > kMaxShownPages) {
        facts.status = DocumentFacts::Status::Unreadable;
        facts.pageCount = 0;
        return facts;
    }
    facts.firstPageSize = source.pageSize(0);
    return facts;
}

QImage renderThumbnail(PageSource& source, int32_t page, QSize box)
{
    if (page < 0 || page >= source.pageCount() || box.isEmpty())
        return QImage();
    QSizeF size = source.pageSize(page);
    // A page without a usable size is drawn in the box's shape rather than not at all.
    if (!(size.width() > 0 && size.height() > 0 && std::isfinite(size.width()) &&
          std::isfinite(size.height())))
        size = box;
    size.scale(box, Qt::KeepAspectRatio);
    const QSize pixels(std::max(1, int(std::lround(size.width()))),
                       std::max(1, int(std::lround(size.height()))));
    QImage image = source.render(page, pixels);
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    // Qt PDF leaves what the page does not paint transparent; a page is paper.
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(0, 0, image);
    return paper;
}

} // namespace paginor
