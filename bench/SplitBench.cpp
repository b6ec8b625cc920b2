// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "SplitBench.h"

#include "QuietInteraction.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "split/BookmarkParts.h"
#include "split/SplitJob.h"

#include <QDir>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: paginor-bench split every N SOURCE OUTPUT\n"
                         "       paginor-bench split range FROM-TO SOURCE OUTPUT\n"
                         "       paginor-bench split bookmarks LEVEL SOURCE OUTPUT\n"
                         "       paginor-bench split size MEGABYTES SOURCE OUTPUT\n");
    return 2;
}

} // namespace

int runSplitBench(int argc, char** argv)
{
    if (argc != 6)
        return usage();
    const QString arg = QString::fromLocal8Bit(argv[3]);
    paginor::SplitRequest request;
    request.TextFile = QDir::toNativeSeparators(QString::fromLocal8Bit(argv[4]));
    if (std::strcmp(argv[2], "every") == 0) {
        request.options.mode = paginor::SplitMode::EveryN;
        request.options.TextEvery = arg;
    } else if (std::strcmp(argv[2], "range") == 0 && arg.count(u'-') == 1) {
        request.options.mode = paginor::SplitMode::PageRange;
        request.options.TextFrom = arg.section(u'-', 0, 0);
        request.options.TextTo = arg.section(u'-', 1, 1);
    } else if (std::strcmp(argv[2], "bookmarks") == 0) {
        request.options.mode = paginor::SplitMode::Bookmarks;
        request.options.TextLevel = arg;
    } else if (std::strcmp(argv[2], "size") == 0) {
        request.options.mode = paginor::SplitMode::SizeParts;
        request.options.TextSize = arg;
    } else {
        return usage();
    }

    paginor::PDFLibrary engine;
    paginor::Session session;
    QuietInteraction ui(QDir::toNativeSeparators(QString::fromLocal8Bit(argv[5])));
    paginor::SplitJob job(engine, session, ui);
    job.run(request);
    std::printf("wrote %d files\n", int(request.written.size()));
    return request.outcome == paginor::SplitRequest::Outcome::Succeeded ? 0 : 1;
}

int runPartsBench(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: paginor-bench parts LEVEL SOURCE\n");
        return 2;
    }
    paginor::PDFLibrary engine;
    std::vector<paginor::BookmarkLevel> marks;
    if (!engine.OpenDocument(QString::fromLocal8Bit(argv[3]), QString()) ||
        !engine.readBookmarks(marks))
        return 1;
    const auto parts = paginor::bookmarkParts(marks, std::atoi(argv[2]), engine.GetPageTotal());
    for (const auto& part : parts)
        std::printf("%d-%d\n", part.first, part.last);
    return parts.empty() ? 1 : 0;
}
