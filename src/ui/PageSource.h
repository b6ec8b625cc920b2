// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <memory>

namespace paginor {

// What the page window learns of a file once it is loaded.
struct DocumentFacts
{
    enum class Status
    {
        Ready,
        NeedsPassword, // no password, or the wrong one, was given
        Unreadable,    // missing, not a PDF, damaged past reading, or too many pages
    };
    Status status = Status::Unreadable;
    int32_t pageCount = 0;
    QSizeF firstPageSize; // in points; empty when unknown
};

// A loaded PDF as the thumbnail worker uses it: the seam that tests replace. One thread uses
// an instance at a time.
class PageSource
{
public:
    virtual ~PageSource() = default;

    // Loads `path`, opening it with `password` ("" = none). Replaces what was loaded.
    virtual DocumentFacts::Status load(const QString& path, const QString& password) = 0;
    virtual int32_t pageCount() = 0;
    // The page's size in points as shown (rotation applied); empty when unknown.
    virtual QSizeF pageSize(int32_t page) = 0;
    // The file's own label of the page ("xii", "A-3"); "" when it gives none.
    virtual QString pageLabel(int32_t page) = 0;
    // The page drawn at exactly `size` pixels; a null image when it cannot be drawn.
    virtual QImage render(int32_t page, QSize size) = 0;
};

// The source that draws with Qt PDF.
std::unique_ptr<PageSource> makeQtPdfSource();

// Most pages a file may have for the page window; beyond it the file counts as unreadable
// (a page tree may claim two thousand million pages).
constexpr int32_t kMaxShownPages = 1'000'000;

// Loads `path` into `source` and reads what the window needs to lay the pages out.
DocumentFacts readFacts(PageSource& source, const QString& path, const QString& password);

// Draws `page` on white paper, as large as fits in `box` pixels keeping its proportions; a
// null image when the page cannot be drawn.
QImage renderThumbnail(PageSource& source, int32_t page, QSize box);

} // namespace paginor
