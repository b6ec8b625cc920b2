// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PDFLibrary.h"
#include "engine/PDFLibraryImpl.h"

#include "engine/PageList.h"
#include "engine/SourceCache.h"
#include "engine/write/AtomicWriter.h"
#include "engine/write/DirectWriter.h"
#include "engine/write/Merger.h"
#include "engine/write/OutputBuilder.h"
#include "engine/write/WriterChoice.h"

#include <QFile>
#include <algorithm>
#include <map>
#include <numeric>
#include <utility>

namespace paginor {

namespace {

const char* infoKey(int32_t entry)
{
    switch (entry) {
    case 1:
        return "/Author";
    case 2:
        return "/Title";
    case 3:
        return "/Subject";
    case 4:
        return "/Keywords";
    case 5:
        return "/Creator";
    case 6:
        return "/Producer";
    default:
        return nullptr;
    }
}

} // namespace

PDFLibrary::PDFLibrary() : m(std::make_unique<Impl>()) {}
PDFLibrary::~PDFLibrary() = default;

bool PDFLibrary::OpenDocument(const QString& path, const QString& password)
{
    m->current.reset();
    return m->guarded([&] {
        auto source = m->cache.open(localPath(path), password);
        auto doc = std::make_unique<Document>();
        doc->id = m->nextDocumentId++;
        doc->source = source;
        doc->pages.resize(size_t(source->pageCount()));
        std::iota(doc->pages.begin(), doc->pages.end(), 0);
        m->current = std::move(doc);
        return true;
    });
}

int32_t PDFLibrary::GetPageTotal()
{
    if (!m->current)
        return m->failed(EngineError::NoDocument), 0;
    return int32_t(m->current->pages.size());
}

bool PDFLibrary::PostOpenStep()
{
    return true;
}

int32_t PDFLibrary::PickPages(const QString& pageList)
{
    if (!m->current)
        return m->failed(EngineError::NoDocument), 0;
    auto& doc = *m->current;
    const auto parsed = parsePageList(pageList.toStdString(), int32_t(doc.pages.size()));
    if (parsed.error != EngineError::None)
        return m->failed(parsed.error), 0;
    std::vector<int32_t> picked;
    picked.reserve(parsed.pages.size());
    for (int32_t i : parsed.pages)
        picked.push_back(doc.pages[size_t(i)]);
    doc.pages = std::move(picked);
    return 1;
}

bool PDFLibrary::SetInfoEntry(int32_t entry, const QString& text)
{
    const char* key = infoKey(entry);
    if (!key)
        return m->failed(EngineError::BadArgument);
    if (!m->current)
        return m->failed(EngineError::NoDocument);
    m->current->info[key] = text;
    return true;
}

bool PDFLibrary::WriteToFile(const QString& path)
{
    return WriteToFile(path, {});
}

std::vector<int32_t> PDFLibrary::Impl::turns(const Document& doc) const
{
    if (turnAngle == 0)
        return {};
    std::vector<bool> named(size_t(doc.source->pageCount()), turnPages.empty());
    if (!turnPages.empty())
        for (int32_t index : parsePageList(turnPages, doc.source->pageCount()).pages)
            named[size_t(index)] = true;
    std::vector<int32_t> out;
    for (int32_t index : doc.pages)
        out.push_back(named[size_t(index)] ? turnAngle : 0);
    return out;
}

bool PDFLibrary::WriteToFile(const QString& path, const std::function<bool(int64_t)>& accept)
{
    if (!m->current)
        return m->failed(EngineError::NoDocument);
    if (path.isEmpty())
        return m->failed(EngineError::WriteFailed);
    return m->guarded([&] {
        auto& doc = *m->current;
        const std::string target = localPath(path);
        WriteOptions options = m->writeOptions();
        options.acceptSize = accept;
        // A write that may be turned down is tried again with much the same pages: their
        // objects are read apart each time rather than kept.
        struct AllApart
        {
            SourceDocument& source;
            ~AllApart() { source.readAllApart(false); }
        } apart{*doc.source};
        doc.source->readAllApart(bool(accept));
        const std::vector<int32_t> turns = m->turns(doc);
        options.beforeCommit = [&doc] {
            doc.source->checkUnchanged();
        };
        // A split has one source: it keeps that source's own bookmarks.
        const BookmarkMode bookmarks =
            m->bookmarks == BookmarkMode::None ? BookmarkMode::None : BookmarkMode::Keep;
        // The direct writer writes plain text only: a protection kept goes through qpdf's.
        const bool encrypt = m->keepEncryption && doc.source->pdf().isEncrypted();
        if (!encrypt &&
            chooseWriter({segmentFacts(*doc.source, doc.pages)}) == WriterKind::Direct) {
            writeAtomically(target, options, [&](std::FILE* file) {
                DirectWriter writer(file, bookmarks, m->tags, options.objectStreams);
                writer.keepAttachments(options.keepAttachments);
                writer.addSegment(*doc.source, doc.pages, {}, turns);
                writer.finish(doc.info);
            });
        } else {
            OutputBuilder builder(bookmarks, m->tags);
            builder.keepAttachments(options.keepAttachments);
            if (encrypt)
                options.encryptLike = &doc.source->pdf();
            builder.addPages(*doc.source, doc.pages, {}, turns);
            builder.setInfo(doc.info);
            builder.finish();
            options.minimumVersion = builder.version().text;
            options.extensionLevel = builder.version().extension;
            if (m->progress)
                options.progress = [this](int percent) {
                    m->progress(percent, 100);
                };
            writeAtomically(target, options,
                            [&](std::FILE* file) { writeWithQpdf(builder.pdf(), file, options); });
        }
        m->warn(doc.source->structure().warnings());
        m->cache.forgetReplaced(target);
        if (m->tags)
            m->warn(doc.source->tagRepairs());
        return true;
    });
}

bool PDFLibrary::pageWeights(PageWeights& weights)
{
    weights = {};
    if (!m->current)
        return m->failed(EngineError::NoDocument);
    return m->guarded([&] {
        weights = measurePageWeights(*m->current->source, m->current->pages);
        return true;
    });
}

bool PDFLibrary::setRotation(int32_t angle, const QString& pageList)
{
    const std::string pages = pageList.trimmed().toStdString();
    if (angle % 90 != 0 || angle < 0 || angle >= 360 ||
        (!pages.empty() && parsePageList(pages, 1).error == EngineError::BadPageList))
        return m->failed(EngineError::BadArgument);
    m->turnAngle = angle;
    m->turnPages = pages;
    return true;
}

bool PDFLibrary::readBookmarks(std::vector<BookmarkLevel>& bookmarks)
{
    bookmarks.clear();
    if (!m->current)
        return m->failed(EngineError::NoDocument);
    return m->guarded([&] {
        bookmarks = m->current->source->bookmarkLevels();
        return true;
    });
}

int32_t PDFLibrary::DocumentIdAt(int32_t index)
{
    if (index == 1 && m->current)
        return m->current->id;
    m->failed(EngineError::UnknownHandle);
    return 0;
}

bool PDFLibrary::DropDocument(int32_t id)
{
    if (!m->current || m->current->id != id || id == 0)
        return m->failed(EngineError::UnknownHandle);
    m->current.reset();
    return true;
}

std::vector<QString> PDFLibrary::takeWarnings()
{
    return std::exchange(m->warnings, {});
}

int32_t PDFLibrary::LastErrorNumber() const
{
    return int32_t(m->lastError);
}

void PDFLibrary::setProgressHandler(ProgressHandler handler)
{
    m->progress = std::move(handler);
}

void PDFLibrary::setStructureKept(bool keep)
{
    m->tags = keep;
}

void PDFLibrary::setMergeShape(const MergeShape& shape)
{
    m->shape = shape;
}

void PDFLibrary::setBookmarkMode(BookmarkMode mode)
{
    m->bookmarks = mode;
}

void PDFLibrary::setKeepEncryption(bool keep)
{
    m->keepEncryption = keep;
}

void PDFLibrary::setKeepAttachments(bool keep)
{
    m->keepAttachments = keep;
}

bool PDFLibrary::dropsProtection() const
{
    return m->current && !m->keepEncryption && m->current->source->pdf().isEncrypted();
}

void PDFLibrary::setObjectStreams(bool on)
{
    m->objectStreams = on;
}

void PDFLibrary::setStreamOpener(StreamOpener opener)
{
    m->opener = std::move(opener);
}

} // namespace paginor
