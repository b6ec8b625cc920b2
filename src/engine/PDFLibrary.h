// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/BookmarkMode.h"
#include "engine/EngineError.h"
#include "engine/PageWeights.h"
#include "engine/structure/BookmarkLevels.h"
#include "engine/structure/PageOrder.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace paginor {

// The PDF engine: every page-level operation the program performs. One instance is owned by
// the main window and used by the password check, the split and the merge. All work is done
// with libqpdf; its exceptions and warnings never leave this class.
//
// An instance may be used from any one thread at a time. Every operation that fails sets
// LastErrorNumber() and reports the failure through its result; none throws.
class PDFLibrary
{
public:
    PDFLibrary();
    ~PDFLibrary();
    PDFLibrary(const PDFLibrary&) = delete;
    PDFLibrary& operator=(const PDFLibrary&) = delete;

    // Opens `path` with `password` ("" = none) and makes it the current document, replacing
    // any current one. Opening the same unchanged file with the same password again reuses
    // what was parsed. Returns false (and leaves no current document) on failure.
    bool OpenDocument(const QString& path, const QString& password);

    // Returns the page count of the current document, or 0 when there is none.
    int32_t GetPageTotal();

    // Does nothing; kept for callers that expect a step after opening. Returns true.
    bool PostOpenStep();

    // Selects pages of the current document by a page-list text ("1,3,10-25,30-47").
    // Items are taken in order, duplicates kept, "12-3" runs backwards, empty items are
    // skipped, a range past the last page stops there, an item starting past it selects
    // nothing. Page 0, signs, letters, "5-", "1--3" and numbers beyond 32 bits are errors.
    // Returns 1 when at least one page was selected; the current document then holds just
    // those pages. Returns 0 on an error or an empty selection, leaving the document as it was.
    int32_t PickPages(const QString& pageList);

    // Sets a document-information entry of the current document: 1 /Author, 2 /Title,
    // 3 /Subject, 4 /Keywords, 5 /Creator, 6 /Producer. Returns false for other numbers or
    // when there is no current document.
    bool SetInfoEntry(int32_t entry, const QString& text);

    // Writes the current document to `path`, with the source's encryption unless told not to
    // keep it, its Title, Author, Subject, Keywords and XMP metadata (entries set here win),
    // its optional content trimmed to the groups the pages use, and its attachments. The data goes
    // to a temporary file in the same folder, which is renamed over `path` only when every byte was
    // written (and, when it replaces a file, synced to disk); a failed write leaves no partial file
    // and any existing file intact. `path` may be one of the open inputs. The target must be a
    // regular file or not exist yet; a folder or device fails with WriteFailed. A source changed in
    // place since it was opened fails with InputChanged.
    bool WriteToFile(const QString& path);

    // WriteToFile, except that the written file replaces `path` only when `accept`, given its
    // size in bytes, returns true; otherwise it is removed, `path` stays as it was and the call
    // fails with Declined. The size is that of the finished file, as the writer in use made it.
    bool WriteToFile(const QString& path, const std::function<bool(int64_t bytes)>& accept);

    // Sets `weights` to the weights of the current document's pages, in order (see
    // PageWeights). Returns false when there is no current document or it cannot be read.
    bool pageWeights(PageWeights& weights);

    // Sets `bookmarks` to the outline of the file the current document was opened from, in
    // outline order, with pages counted in that file (not in a selection made since). The
    // outline is read once per opened file. Returns false when there is no current document
    // or its outline cannot be read.
    bool readBookmarks(std::vector<BookmarkLevel>& bookmarks);

    // Returns the id of the index-th document held (index from 1), or 0 when there is none.
    int32_t DocumentIdAt(int32_t index);

    // Releases the document with this id. Returns false for an unknown id.
    bool DropDocument(int32_t id);

    // Takes the notes on what the outputs written since the last call left out of their
    // sources (a bookmark's action too large to copy, say, or the repair of a damaged structure
    // tree, "path: what"), each once, in the order met.
    std::vector<QString> takeWarnings();

    // Returns the code of the last failure (an EngineError value).
    int32_t LastErrorNumber() const;

    // Makes the named path list exist and be empty.
    void NewPathList(const QString& listName);

    // Appends a path to the named list, creating the list if needed. The entry opens with
    // `password` ("" = none) when the list is merged; it is held in memory only. It gives the
    // pages of `pageList` (read as PickPages reads one; "" = every page), in reverse order with
    // `reverse`, each turned by `rotate` degrees (a multiple of 90) beyond its own turn.
    bool AppendToPathList(const QString& listName, const QString& path,
                          const QString& password = QString(), const QString& pageList = QString(),
                          int rotate = 0, bool reverse = false);

    // Joins the listed files in order into one PDF at `outputPath`. Returns how many entries,
    // from the first, were joined before one failed; the list length means success. Each
    // file opens with its entry's password; with "" owner-password-only files join and others
    // fail at their index. The output is never encrypted. It is written only when all were
    // joined: on failure nothing new appears at `outputPath`. An entry whose page list is
    // malformed or selects nothing fails at its index with BadPageList or EmptySelection. When the
    // output itself cannot be written, returns 0 with WriteFailed; any other failure without an
    // input to blame returns 0 with its code. An empty list returns 0 with EmptySelection. Works
    // for thousands of inputs whatever the open-file limit. Progress reports (inputs done, total).
    // An entry whose turn is not a multiple of 90 fails at its index with BadArgument. The
    // pages are laid out as setMergeShape last said.
    int32_t MergePathList(const QString& listName, const QString& outputPath);

    // How merges lay pages out: interleaved, odd inputs padded, contents pages first. The
    // default joins the inputs one after another.
    void setMergeShape(const MergeShape& shape);

    // Returns the path stored at `index` (from 1) of the named list, or "" when out of range.
    QString PathListEntry(const QString& listName, int32_t index);

    // Opens `path` with `password` independently of the current document and of other probes.
    // Always returns a new handle above 0; whether the file opened is told by ProbeInfo.
    int32_t ProbeOpen(const QString& path, const QString& password);

    // Item 20: the page count as decimal text when the probe's file opened with its password,
    // "" otherwise. Other items give "".
    QString ProbeInfo(int32_t handle, int32_t item);

    // Frees a probe handle. Returns false for an unknown handle.
    bool ProbeClose(int32_t handle);

    // What outputs keep of their sources' bookmarks: PerFile (the default) gives a merge one
    // entry per input above the input's own bookmarks and a split the source's bookmarks of
    // its pages; Keep gives merges the inputs' bookmarks alone; None writes no bookmarks.
    // Links and named destinations are kept in every mode.
    void setBookmarkMode(BookmarkMode mode);

    // Whether a split's outputs keep the encryption of a protected source: the same
    // algorithm, passwords and permissions (the default). Merges are never encrypted.
    void setKeepEncryption(bool keep);

    // Whether outputs keep their sources' document-level attachments (the default); page-level
    // file attachments follow their pages either way.
    void setKeepAttachments(bool keep);

    // True when the current document's source is encrypted and WriteToFile writes it without
    // that protection (setKeepEncryption(false)).
    bool dropsProtection() const;
    // Whether outputs keep the logical structure (tagged PDF) of their sources: true, the
    // default, trims it to each output's pages and joins it in a merge; false drops it.
    void setStructureKept(bool keep);
    // Whether outputs pack their objects into object streams, the smaller layout (the
    // default), or keep the classic layout that readers older than PDF 1.5 take.
    void setObjectStreams(bool on);

    // Turns the pages of what WriteToFile writes: `angle` (90, 180 or 270; 0 turns nothing) is
    // added to the own rotation of each page of the source that `pageList` names ("" = every
    // page; read as PickPages reads a list, items past the last page naming nothing). Returns
    // false, changing nothing, for another angle or a list PickPages would refuse as malformed.
    bool setRotation(int32_t angle, const QString& pageList = QString());

    // Progress of a long operation: (done, total), called on the thread running it.
    using ProgressHandler = std::function<void(int done, int total)>;
    void setProgressHandler(ProgressHandler handler);

    // How the low-level writer obtains its output stream for a temporary file path. Tests
    // hand in a failing stream (such as one on /dev/full), or an opener that throws. The
    // default opens the path.
    using StreamOpener = std::function<std::FILE*(const std::string& tempPath)>;
    void setStreamOpener(StreamOpener opener);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace paginor
