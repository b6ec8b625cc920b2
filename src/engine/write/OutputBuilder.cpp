#include "engine/write/OutputBuilder.h"

#include "engine/write/SharedObjects.h"

#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <set>

namespace paginor {

OutputBuilder::OutputBuilder(BookmarkMode bookmarks) : m_out(makeQuietQpdf()), m_plan(bookmarks)
{
    m_out->emptyPDF();
    m_pages = std::make_unique<QPDFPageDocumentHelper>(*m_out);
}

QPDFAcroFormDocumentHelper& OutputBuilder::outForm()
{
    if (!m_form)
        m_form = std::make_unique<QPDFAcroFormDocumentHelper>(*m_out);
    return *m_form;
}

void OutputBuilder::addPages(SourceDocument& source, const std::vector<int32_t>& indices)
{
    m_version.raise(source.version(), source.extensionLevel());
    m_anyLabels = m_anyLabels || source.hasPageLabels();
    appendLabels(source, indices, int32_t(m_copies.size()), m_labels);
    const int segment = m_plan.addSegment(source, indices, int32_t(m_copies.size()));
    // Every page of the source (a merge) keeps every resource: pruning would only cost time.
    const bool prune =
        std::set<int32_t>(indices.begin(), indices.end()).size() < size_t(source.pageCount());
    for (int32_t index : indices) {
        auto& page = source.pageForCopy(index, prune);
        auto from = page.getObjectHandle();
        const auto key = std::make_pair(&source, from.getObjGen());
        const bool again = m_firstCopy.count(key) > 0;
        // A second copy of one page needs its own page object and its own annotations.
        QPDFPageObjectHelper toCopy = again ? page.shallowCopyPage() : page;
        m_pages->addPage(toCopy, false);
        auto to = m_out->getAllPages().back();
        if (source.hasForm() || (again && from.getKey("/Annots").isArray()))
            outForm().fixCopiedAnnotations(to, toCopy.getObjectHandle(), source.formHelper());
        if (!again)
            m_firstCopy.emplace(key, to);
        m_copies.push_back({&source, from, to, segment});
    }
}

void OutputBuilder::setInfo(const std::map<std::string, QString>& entries)
{
    if (entries.empty())
        return;
    auto info = m_out->makeIndirectObject(QPDFObjectHandle::newDictionary());
    for (const auto& [key, text] : entries)
        info.replaceKey(key, QPDFObjectHandle::newUnicodeString(text.toStdString()));
    m_out->getTrailer().replaceKey("/Info", info);
}

void OutputBuilder::finish()
{
    fixLinks();
    addStructure();
    if (m_anyLabels)
        copyLabels();
    shareIdenticalObjects(*m_out);
}

namespace {

// Whether an /Annots entry is a link. A stream never is: the form's copy of a page leaves such
// entries out, while it copies links one for one, in order.
bool isLink(QPDFObjectHandle annot)
{
    return annot.isDictionary() && annot.getKey("/Subtype").isNameAndEquals("/Link");
}

} // namespace

// Links were copied with their pages, those to pages copied later as null. Each copy is
// pointed at its target's first copy here, or dropped when its target is not in the output.
// A copy is matched to its source link by its place among the page's links, since the form's
// copy may have rebuilt the list around them.
void OutputBuilder::fixLinks()
{
    for (auto& copy : m_copies) {
        auto fromAnnots = copy.from.getKey("/Annots");
        auto toAnnots = copy.to.getKey("/Annots");
        if (!fromAnnots.isArray() || !toAnnots.isArray())
            continue;
        std::vector<QPDFObjectHandle> fromLinks;
        for (auto& annot : fromAnnots.aitems())
            if (isLink(annot))
                fromLinks.push_back(annot);
        std::vector<QPDFObjectHandle> kept;
        bool changed = false;
        size_t nextLink = 0;
        for (auto toAnnot : toAnnots.aitems()) {
            if (!isLink(toAnnot)) {
                kept.push_back(toAnnot);
                continue;
            }
            LinkFix fix;
            QPDFObjectHandle dest;
            if (nextLink < fromLinks.size())
                fix = m_plan.link(copy.segment, fromLinks[nextLink++]);
            else if (StructureIndex::destinationOf(toAnnot, dest))
                fix.kind = LinkFix::Kind::Drop; // no source to tell where it leads
            if (fix.kind == LinkFix::Kind::Drop) {
                changed = true;
                continue;
            }
            if (fix.kind == LinkFix::Kind::Retarget) {
                QPDFObjectHandle pageRef;
                if (!fix.named)
                    pageRef = m_firstCopy.at(
                        {copy.source, copy.source->originalPage(fix.page).getObjGen()});
                fix.apply(toAnnot, pageRef);
            }
            kept.push_back(toAnnot);
        }
        if (changed)
            copy.to.replaceKey("/Annots", QPDFObjectHandle::newArray(kept));
    }
}

void OutputBuilder::addStructure()
{
    const auto rendered =
        m_plan.render(*m_out, [this](int32_t outPage) { return m_copies.at(size_t(outPage)).to; });
    auto root = m_out->getRoot();
    if (rendered.outlines.isInitialized())
        root.replaceKey("/Outlines", rendered.outlines);
    if (rendered.dests.isInitialized()) {
        auto names = QPDFObjectHandle::newDictionary();
        names.replaceKey("/Dests", rendered.dests);
        root.replaceKey("/Names", names);
    }
}

void OutputBuilder::copyLabels()
{
    auto pageLabels = QPDFObjectHandle::newDictionary();
    pageLabels.replaceKey("/Nums", QPDFObjectHandle::newArray(m_labels));
    m_out->getRoot().replaceKey("/PageLabels", pageLabels);
}

} // namespace paginor
