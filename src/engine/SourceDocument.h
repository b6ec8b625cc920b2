// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/InputFile.h"
#include "engine/read/ObjectStreamReader.h"
#include "engine/structure/BookmarkLevels.h"
#include "engine/structure/DocumentExtras.h"
#include "engine/structure/StructureIndex.h"
#include "engine/write/ResourcePruner.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <qpdf/Buffer.hh>

#include <QString>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace paginor {

// Makes a QPDF that keeps its warnings to itself (they never reach stderr).
std::shared_ptr<QPDF> makeQuietQpdf();

// The highest PDF version among the sources of an output, which it must declare at least.
struct PdfVersion
{
    std::string text = "1.3";
    int extension = 0;
    void raise(const std::string& version, int extensionLevel);
};

// A page-label entry (number or dictionary) rebuilt from plain values, so that nothing of the
// source document is referenced from an output.
QPDFObjectHandle plainLabel(QPDFObjectHandle label);

// The /Rotate of `page` with `angle` added, from 0 to 270; a missing or odd value counts as 0.
int32_t turnedRotation(QPDFObjectHandle page, int32_t angle);

class SourceDocument;
// Appends to `nums` the page-label entries of the source pages `indices` placed at output
// pages from `at` on, as plain values. A source without labels numbers its pages from
// `unlabelledFirst`.
void appendLabels(SourceDocument& source, const std::vector<int32_t>& indices, int32_t at,
                  std::vector<QPDFObjectHandle>& nums, int32_t unlabelledFirst = 1);

// A parsed input file with everything worth doing once per file: the page-tree walk, the
// form helper, the check whether pages share resources. Outputs copy pages from it; its
// stream data is read from the file only when an output is written.
class SourceDocument
{
public:
    // How the file is read. Mapped takes its pages from the system's cache, the cheapest for
    // a source read once in a process; Blocks reads through memory of the process, which the
    // next source reuses when a job reads many one after another; Reopening holds the file
    // open only while being read, for sources past the open-file budget.
    enum class Reading
    {
        Mapped,
        Blocks,
        Reopening,
    };

    // Opens `path` with `password`, trying the encodings a non-ASCII password may have been
    // made with. Throws EngineFailure: FileNotFound, PasswordRequired, Unsupported or
    // NotPdfOrDamaged.
    static std::shared_ptr<SourceDocument> open(const std::string& path, const QString& password,
                                                Reading reading = Reading::Mapped);

    const std::string& path() const { return m_path; }
    const QString& password() const { return m_password; }
    const FileIdentity& identity() const { return m_identity; }
    QPDF& pdf() { return *m_pdf; }
    int32_t pageCount() const { return int32_t(m_pages.size()); }
    const std::string& version() const { return m_version; }
    int extensionLevel() const { return m_extension; }

    // The page at `index`, ready to be copied: when pages share resource dictionaries its
    // unused resources are dropped first, so a copy takes only what the page draws with.
    // An output of every page keeps every resource anyway: it passes `prune` false.
    QPDFPageObjectHelper& pageForCopy(int32_t index, bool prune = true);
    // The page at `index` for a writer that only reads it: a copy read apart from the
    // document when nothing changed the page, else the page as pageForCopy gives it. Either
    // way with its inherited attributes.
    // Pages given for one output come between calls of startOutput.
    QPDFObjectHandle pageToWrite(int32_t index, bool prune);
    void startOutput() { m_pruner.startOutput(); }
    QPDFObjectHandle originalPage(int32_t index)
    {
        return m_pages.at(size_t(index)).getObjectHandle();
    }

    // Whether `og` is one of the document's pages.
    bool isPage(QPDFObjGen og) const
    {
        return std::binary_search(m_pageIds.begin(), m_pageIds.end(), og);
    }

    bool hasForm() const { return m_hasForm; }
    // The form helper, built on first use (building scans every page).
    QPDFAcroFormDocumentHelper& formHelper();
    bool hasPageLabels();
    // The page-label helper, built on first use.
    QPDFPageLabelDocumentHelper& labelHelper();
    // The outline as a list of levels, titles and pages: a view of structure(), made on first
    // use.
    const std::vector<BookmarkLevel>& bookmarkLevels();

    // The outline and named destinations indexed by page, read on first use and kept for
    // every later output of this source.
    const StructureIndex& structure();

    // Information entries, metadata, optional content and attachments, read on first use.
    const DocumentExtras& extras();
    // "path: what" for each repair the reading of structure().tags() made, for warnings.
    std::vector<std::string> tagRepairs();

    // Sets `value` to the object `og` parsed apart from the document's cache, for an output
    // that alone needs it, and returns true; false when it should be taken from the document
    // as usual. Only while the document is unchanged from the file.
    bool readOnce(QPDFObjGen og, QPDFObjectHandle& value);

    // While on, readOnce reads every object it can apart without counting the use: for outputs
    // that may be written again with much the same pages, whose objects are each used several
    // times yet not worth keeping.
    void readAllApart(bool on) { m_allApart = on; }

    // Sets `value` to the object `og` read apart from the document's cache, for a look that
    // does not count as a use (readOnce may still hand it out), and returns true; false when
    // it must be taken from the document. Never for pages.
    bool peek(QPDFObjGen og, QPDFObjectHandle& value);

    // Keeps the file open for a stretch of reads; only meaningful for reopening sources.
    void stayOpen(bool open);
    // Frees the read buffer of the file, which the next read fills again: for a source kept
    // open a while before it is used.
    void rest();

    // Throws InputChanged when the file at the path was changed in place since it was opened.
    // A removed or renamed-over file is fine: its data is still read through the open file.
    void checkUnchanged() const;

private:
    SourceDocument() = default;
    void load();
    void readDocumentObjects();
    QPDFPageObjectHelper& preparedPage(int32_t index);
    void addInherited(QPDFObjectHandle dict, int32_t index);
    // The reader of objects apart from the document, made on first use when the page tree
    // was not read through it.
    ObjectStreamReader& reader();
    bool m_allApart = false;

    std::string m_path;
    QString m_password;
    FileIdentity m_identity;
    std::shared_ptr<QPDF> m_pdf;
    std::shared_ptr<ReopeningInputSource> m_reopening;
    std::shared_ptr<InputSource> m_input; // the document's own, whichever kind
    std::vector<QPDFPageObjectHelper> m_pages;
    std::vector<bool> m_pruned;
    bool m_sharesResources = false;
    bool m_hasForm = false;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_form;
    std::unique_ptr<QPDFPageLabelDocumentHelper> m_labels;
    std::unique_ptr<std::vector<BookmarkLevel>> m_bookmarks;
    std::unique_ptr<StructureIndex> m_structure;
    std::unique_ptr<DocumentExtras> m_extras;
    std::string m_version;
    int m_extension = 0;
    // Pages listed without being parsed get their inherited attributes on first use.
    std::vector<bool> m_prepared;
    std::vector<std::array<QPDFObjectHandle, 4>> m_inherited;
    std::vector<int32_t> m_inheritedFrom;
    std::vector<QPDFObjGen> m_pageIds; // sorted
    std::unique_ptr<ObjectStreamReader> m_reader;
    ResourcePruner m_pruner;
};

} // namespace paginor
