// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Opens an arbitrary byte string as a PDF and does with it what the password check, a split
// and a merge do. Nothing may crash, hang, leak or run out of memory.
#include "FuzzInput.h"
#include "engine/PDFLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

using paginor::PDFLibrary;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString in = writeFuzzInput(data, size);
    const QString out = QFileInfo(in).dir().filePath(QStringLiteral("out.pdf"));
    QFile::remove(out);

    // A fresh engine per input keeps runs independent of each other.
    PDFLibrary lib;
    const int32_t probe = lib.ProbeOpen(in, "");
    if (probe <= 0)
        abort();
    lib.ProbeInfo(probe, 20);
    lib.ProbeClose(probe);

    if (lib.OpenDocument(in, "")) {
        const int32_t total = lib.GetPageTotal();
        if (total < 0)
            abort();
        lib.PostOpenStep();
        // Outlines that loop or lead anywhere, as a split at bookmarks reads them.
        std::vector<paginor::BookmarkLevel> marks;
        lib.readBookmarks(marks);
        for (const auto& mark : marks)
            if (mark.level < 1 || mark.page < paginor::BookmarkLevel::kNowhere ||
                mark.page >= total)
                abort();
        const QString last = QString::number(total);
        // One page per file, as the per-page split writes it, then reversed, repeated and
        // past-the-end items, as users type them.
        for (const QString& list : {QStringLiteral("1"), QStringLiteral("2"), last + "-1,1",
                                    QStringLiteral("1,1,2-3,")}) {
            if (!lib.OpenDocument(in, ""))
                break;
            if (lib.PickPages(list) == 1) {
                lib.SetInfoEntry(5, "fuzz");
                lib.SetInfoEntry(6, "fuzz");
                lib.WriteToFile(out);
            }
            lib.DropDocument(lib.DocumentIdAt(1));
        }
    }

    lib.NewPathList("TmpList");
    lib.AppendToPathList("TmpList", in);
    lib.AppendToPathList("TmpList", in);
    const int32_t joined = lib.MergePathList("TmpList", out);
    if (joined < 0 || joined > 2)
        abort();
    return 0;
}
