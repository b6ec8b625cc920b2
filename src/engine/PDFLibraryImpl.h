// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

// The engine's own state behind PDFLibrary, shared by the files that implement it; nothing
// outside src/engine includes this.

#include "engine/PDFLibrary.h"
#include "engine/SourceCache.h"
#include "engine/write/AtomicWriter.h"

#include <QFile>
#include <algorithm>
#include <map>

namespace paginor {

inline std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

struct Document
{
    int32_t id = 0;
    std::shared_ptr<SourceDocument> source;
    std::vector<int32_t> pages; // indices into the source's pages
    std::map<std::string, QString> info;
};

struct Probe
{
    bool opened = false;
    int32_t pages = 0;
};

struct PDFLibrary::Impl
{
    EngineError lastError = EngineError::None;
    int32_t nextDocumentId = 1;
    std::unique_ptr<Document> current;
    SourceCache cache;
    struct ListEntry
    {
        QString path;
        QString password;
        QString pageList;
        int rotate;
        bool reverse;
    };
    std::map<QString, std::vector<ListEntry>> lists;
    MergeShape shape;
    std::map<int32_t, Probe> probes;
    int32_t nextProbe = 1;
    ProgressHandler progress;
    StreamOpener opener;
    BookmarkMode bookmarks = BookmarkMode::PerFile;
    bool keepEncryption = true;
    bool keepAttachments = true;
    bool tags = true;
    std::vector<QString> warnings;

    void warn(const std::vector<std::string>& notes)
    {
        for (const auto& note : notes) {
            const QString text = QString::fromStdString(note);
            if (std::find(warnings.begin(), warnings.end(), text) == warnings.end())
                warnings.push_back(text);
        }
    }
    bool objectStreams = true;
    int32_t turnAngle = 0;
    std::string turnPages; // "" = every page

    // The angle added to each page of `doc`, by position; empty when none is turned.
    std::vector<int32_t> turns(const Document& doc) const;

    bool failed(EngineError code)
    {
        lastError = code;
        return false;
    }

    // Runs `body`, turning any exception into an error code; returns body's success.
    template <typename F> bool guarded(F&& body)
    {
        try {
            return body();
        } catch (const EngineFailure& e) {
            return failed(e.code());
        } catch (const std::bad_alloc&) {
            return failed(EngineError::Internal);
        } catch (const std::exception&) {
            return failed(EngineError::NotPdfOrDamaged);
        } catch (...) {
            return failed(EngineError::Internal);
        }
    }

    WriteOptions writeOptions() const
    {
        WriteOptions options;
        options.openStream = opener;
        options.bookmarks = bookmarks;
        options.keepAttachments = keepAttachments;
        options.tags = tags;
        options.objectStreams = objectStreams;
        return options;
    }
};

} // namespace paginor
