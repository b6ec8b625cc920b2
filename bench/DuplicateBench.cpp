// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// paginor-bench dupes INPUT...: merges the inputs as a merge does, into a scratch file, and
// prints what was written once for several uses: "objects=N bytes=M".
#include "SplitBench.h"

#include "engine/SourceDocument.h"
#include "engine/write/DirectWriter.h"
#include "engine/write/WriterChoice.h"

#include <cstdio>
#include <exception>
#include <numeric>

int runDuplicateBench(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: paginor-bench dupes INPUT...\n");
        return 2;
    }
    std::FILE* scratch = std::tmpfile();
    if (!scratch)
        return 1;
    try {
        paginor::DirectWriter writer(scratch);
        for (int i = 2; i < argc; ++i) {
            auto source = paginor::SourceDocument::open(argv[i], QString());
            std::vector<int32_t> pages(size_t(source->pageCount()));
            std::iota(pages.begin(), pages.end(), 0);
            if (paginor::chooseWriter({paginor::segmentFacts(*source, pages)}) !=
                paginor::WriterKind::Direct) {
                std::fprintf(stderr, "%s: has form fields or repeats a page\n", argv[i]);
                return 1;
            }
            writer.addSegment(*source, pages);
        }
        writer.finish({});
        std::printf("objects=%lld bytes=%lld\n", (long long)writer.duplicates().objects,
                    (long long)writer.duplicates().bytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fclose(scratch);
    return 0;
}
