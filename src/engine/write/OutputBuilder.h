#pragma once

#include "engine/SourceDocument.h"
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
    explicit OutputBuilder(BookmarkMode bookmarks = BookmarkMode::Keep);

    // Appends the pages at `indices` (zero-based) of `source`, in that order. The source must
    // outlive the write of this output: stream data is read from it then. Throws on failure.
    void addPages(SourceDocument& source, const std::vector<int32_t>& indices);

    // Document-information entries by key ("/Creator"), written as text strings.
    void setInfo(const std::map<std::string, QString>& entries);

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
        int segment; // in m_plan
    };
    QPDFAcroFormDocumentHelper& outForm();
    void fixLinks();
    void addStructure();
    void copyLabels();

    std::shared_ptr<QPDF> m_out;
    std::unique_ptr<QPDFPageDocumentHelper> m_pages;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_form;
    std::vector<Copy> m_copies;
    StructurePlan m_plan;
    std::map<std::pair<SourceDocument*, QPDFObjGen>, QPDFObjectHandle> m_firstCopy;
    std::vector<QPDFObjectHandle> m_labels;
    bool m_anyLabels = false;
    PdfVersion m_version;
};

} // namespace paginor
