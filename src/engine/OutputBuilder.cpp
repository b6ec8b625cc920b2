#include "engine/OutputBuilder.h"

#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <set>

namespace paginor {

namespace {

// A destination array's page reference, when the array names a page by object.
bool destPage(QPDFObjectHandle dest, QPDFObjGen& page)
{
    if (!dest.isArray() || dest.getArrayNItems() < 1)
        return false;
    auto first = dest.getArrayItem(0);
    if (!first.isIndirect() || !first.isDictionary())
        return false;
    page = first.getObjGen();
    return true;
}

} // namespace

OutputBuilder::OutputBuilder() : m_out(makeQuietQpdf())
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
        m_copies.push_back({&source, from, to});
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
    if (m_anyLabels)
        copyLabels();
}

// A copied link to a page copied later came out as null; point every link whose target page
// is in this output at that page's first copy.
void OutputBuilder::fixLinks()
{
    for (auto& copy : m_copies) {
        auto fromAnnots = copy.from.getKey("/Annots");
        auto toAnnots = copy.to.getKey("/Annots");
        if (!fromAnnots.isArray() || !toAnnots.isArray() ||
            fromAnnots.getArrayNItems() != toAnnots.getArrayNItems())
            continue;
        for (int i = 0; i < fromAnnots.getArrayNItems(); ++i) {
            auto fromAnnot = fromAnnots.getArrayItem(i);
            auto toAnnot = toAnnots.getArrayItem(i);
            if (!fromAnnot.isDictionary() || !toAnnot.isDictionary())
                continue;
            auto retarget = [&](QPDFObjectHandle fromDest, QPDFObjectHandle holder,
                                const std::string& key) {
                QPDFObjGen target;
                if (!destPage(fromDest, target) || !holder.isDictionary())
                    return;
                auto found = m_firstCopy.find({copy.source, target});
                auto dest = holder.getKey(key);
                if (found == m_firstCopy.end() || !dest.isArray())
                    return;
                auto items = dest.getArrayAsVector();
                items[0] = found->second;
                holder.replaceKey(key, QPDFObjectHandle::newArray(items));
            };
            retarget(fromAnnot.getKey("/Dest"), toAnnot, "/Dest");
            auto action = fromAnnot.getKey("/A");
            if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
                retarget(action.getKey("/D"), toAnnot.getKey("/A"), "/D");
        }
    }
}

void OutputBuilder::copyLabels()
{
    auto pageLabels = QPDFObjectHandle::newDictionary();
    pageLabels.replaceKey("/Nums", QPDFObjectHandle::newArray(m_labels));
    m_out->getRoot().replaceKey("/PageLabels", pageLabels);
}

} // namespace paginor
