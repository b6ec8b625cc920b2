// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/SourceDocument.h"
#include "engine/structure/ExtrasPlan.h"
#include "engine/structure/PageOrder.h"
#include "engine/structure/StructurePlan.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <QString>
#include <map>
#include <memory>
#include <vector>

namespace paginor {

// Assembles a new document from pages of one or more sources, the way a user expects copied
// pages to behave: each keeps its content, resources and annotations, form fields keep
// working, links, bookmarks and named destinations follow what StructurePlan decides, a page
// taken twice becomes two independent pages, and page labels follow their pages.
class OutputBuilder
{
public:
    // `tags` false drops the sources' logical structure.
    explicit OutputBuilder(BookmarkMode bookmarks = BookmarkMode::Keep, bool tags = true);

    // Makes room for the pages that no source gives; call before the first addPages. The
    // sources' pages then go where their `positions` say.
    void setAddedPages(const AddedPages& pages);

    // Appends the pages at `indices` (zero-based) of `source`, page `indices[k]` at output
    // page `positions[k]` (none: after the pages added so far), each turned by `turns[k]`
    // degrees (a multiple of 90; none when empty) beyond its own /Rotate. The source must
    // outlive the write of this output: stream data is read from it then. Throws on failure.
    void addPages(SourceDocument& source, const std::vector<int32_t>& indices,
                  const std::vector<int32_t>& positions = {},
                  const std::vector<int32_t>& turns = {});

    // Document-information entries by key ("/Creator"), written as text strings over those
    // the first source gives.
    void setInfo(const std::map<std::string, QString>& entries);

    // Whether document-level attachments are kept (the default); call before addPages.
    void keepAttachments(bool keep) { m_extras.keepAttachments(keep); }

    // Completes links, bookmarks, named destinations and page labels once all pages are in,
    // and points the uses of identical objects at one copy. Call once, before writing.
    void finish();

    QPDF& pdf() { return *m_out; }
    int32_t pageCount() const { return int32_t(m_copies.size()); }
    // The highest version among the sources, which the output must declare at least.
    const PdfVersion& version() const { return m_version; }

private:
    struct Copy
    {
        SourceDocument* source;
        QPDFObjectHandle from; // the source page as it was before any copying
        QPDFObjectHandle to;
        int segment;      // in m_plan
        int32_t position; // its output page
    };
    QPDFAcroFormDocumentHelper& outForm();
    void fixLinks();
    void addStructure();
    void keyCopies(Copy copy, bool first);
    void addTags();
    void copyLabels();
    void placePages();
    QPDFObjectHandle outPage(int32_t position) const { return m_outPages.at(size_t(position)); }
    ExtrasEmitter extrasEmitter(SourceDocument& source, std::vector<QPDFObjectHandle> pages);
    void addExtras();

    std::shared_ptr<QPDF> m_out;
    std::unique_ptr<QPDFPageDocumentHelper> m_pages;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_form;
    std::vector<Copy> m_copies;
    StructurePlan m_plan;
    ExtrasPlan m_extras;
    std::map<std::string, QString> m_info;
    std::map<std::pair<SourceDocument*, QPDFObjGen>, QPDFObjectHandle> m_firstCopy;
    // The copies of the source objects the structure tree refers to, by segment.
    std::map<std::pair<int, QPDFObjGen>, QPDFObjectHandle> m_tagObjects;
    std::vector<QPDFObjectHandle> m_labels;
    AddedPages m_added;
    std::vector<QPDFObjectHandle> m_outPages; // in output order, once finished
    bool m_anyLabels = false;
    PdfVersion m_version;
};

} // namespace paginor
