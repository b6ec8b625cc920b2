// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Opens an arbitrary byte string as the page window does: Qt PDF loads it, counts and measures
// its pages and draws some of them as thumbnails with their labels, with and without a
// password, and the engine reads its outline for the side. Nothing may crash, hang, leak or
// run out of memory.
#include "FuzzInput.h"
#include "engine/PDFLibrary.h"
#include "ui/PageSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace paginor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString in = writeFuzzInput(data, size);

    for (const QString& password : {QString(), QStringLiteral("user")}) {
        const std::unique_ptr<PageSource> source = makeQtPdfSource();
        const DocumentFacts facts = readFacts(*source, in, password);
        if (facts.status != DocumentFacts::Status::Ready)
            continue;
        if (facts.pageCount < 1 || facts.pageCount > kMaxShownPages)
            abort();
        // The first screen, and the last page as a scroll to the end asks for it.
        const int32_t first = std::min<int32_t>(facts.pageCount, 3);
        for (int32_t page = 0; page < first; ++page) {
            const QImage image = renderThumbnail(*source, page, QSize(60, 80));
            if (!image.isNull() && (image.width() > 60 || image.height() > 80))
                abort();
            source->pageLabel(page);
        }
        renderThumbnail(*source, facts.pageCount - 1, QSize(60, 80));
        renderThumbnail(*source, facts.pageCount, QSize(60, 80)); // past the end: nothing
    }

    // The outline at the side, as the window's reader takes it.
    PDFLibrary engine;
    std::vector<BookmarkLevel> marks;
    if (engine.OpenDocument(in, QString()))
        engine.readBookmarks(marks);
    return 0;
}
