// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/OutputBuilder.h"

#include "engine/structure/OutputLabels.h"
#include "engine/write/ContentsText.h"
#include "engine/write/SharedObjects.h"

#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <set>

namespace paginor {

OutputBuilder::OutputBuilder(BookmarkMode bookmarks, bool tags)
    : m_out(makeQuietQpdf()), m_plan(bookmarks, tags)
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

void OutputBuilder::setAddedPages(const AddedPages& pages)
{
    m_added = pages;
    if (pages.contentsPages > 0)
        m_plan.addContentsPages(pages.heading, 0);
}

void OutputBuilder::addPages(SourceDocument& source, const std::vector<int32_t>& indices,
                             const std::vector<int32_t>& positions,
                             const std::vector<int32_t>& turns)
{
    m_version.raise(source.version(), source.extensionLevel());
    m_anyLabels = m_anyLabels || source.hasPageLabels();
    std::vector<int32_t> at = positions;
    for (size_t k = at.size(); k < indices.size(); ++k)
        at.push_back(int32_t(m_copies.size() + k));
    appendLabelsAt(source, indices, at, m_labels);
    const int segment = m_plan.addSegment(source, indices, at);
    // Every page of the source (a merge) keeps every resource: pruning would only cost time.
    const bool prune =
        std::set<int32_t>(indices.begin(), indices.end()).size() < size_t(source.pageCount());
    const size_t first = m_copies.size();
    for (size_t k = 0; k < indices.size(); ++k) {
        const int32_t index = indices[k];
        auto& page = source.pageForCopy(index, prune);
        auto from = page.getObjectHandle();
        const auto key = std::make_pair(&source, from.getObjGen());
        const bool again = m_firstCopy.count(key) > 0;
        // A second copy of one page needs its own page object and its own annotations.
        QPDFPageObjectHelper toCopy = again ? page.shallowCopyPage() : page;
        m_pages->addPage(toCopy, false);
        auto to = m_out->getAllPages().back();
        if (k < turns.size() && turns[k] != 0)
            to.replaceKey("/Rotate", QPDFObjectHandle::newInteger(turnedRotation(to, turns[k])));
        if (source.hasForm() || (again && from.getKey("/Annots").isArray()))
            outForm().fixCopiedAnnotations(to, toCopy.getObjectHandle(), source.formHelper());
        if (!again)
            m_firstCopy.emplace(key, to);
        m_copies.push_back({&source, from, to, segment, at[m_copies.size() - first]});
        keyCopies(m_copies.back(), !again);
    }
    std::vector<QPDFObjectHandle> pages;
    for (int32_t index : indices)
        pages.push_back(source.originalPage(index));
    m_extras.addSegment(source, indices, extrasEmitter(source, std::move(pages)));
}

ExtrasEmitter OutputBuilder::extrasEmitter(SourceDocument& source,
                                           std::vector<QPDFObjectHandle> pages)
{
    ExtrasEmitter emitter;
    emitter.reference = [this, &source](QPDFObjectHandle h) {
        if (source.isPage(h.getObjGen())) {
            auto copy = m_firstCopy.find({&source, h.getObjGen()});
            return copy == m_firstCopy.end() ? std::string("null") : copy->second.unparse();
        }
        return m_out->copyForeignObject(h).unparse();
    };
    // qpdf does not tell what a copy took along, so the pages are walked, once, when asked.
    auto reached = std::make_shared<std::set<QPDFObjGen>>();
    emitter.reached = [reached, pages = std::move(pages)](QPDFObjGen og) {
        if (reached->empty())
            *reached = reachedFrom(pages);
        return reached->count(og) > 0;
    };
    return emitter;
}

void OutputBuilder::setInfo(const std::map<std::string, QString>& entries)
{
    m_info = entries;
}

void OutputBuilder::finish()
{
    placePages();
    fixLinks();
    addTags();
    addStructure();
    if (m_anyLabels)
        copyLabels();
    addExtras();
    shareIdenticalObjects(*m_out);
}

void OutputBuilder::addExtras()
{
    auto root = m_out->getRoot();
    // Wrapped in an array: qpdf cannot parse a lone reference.
    auto parse = [this](const std::string& text) {
        return QPDFObjectHandle::parse(m_out.get(), "[" + text + "]", "kept document entry")
            .getArrayItem(0);
    };
    for (const auto& [key, value] : m_extras.catalogEntries())
        root.replaceKey(key, parse(value));
    if (const std::string files = m_extras.embeddedFiles(); !files.empty()) {
        if (!root.getKey("/Names").isDictionary())
            root.replaceKey("/Names", QPDFObjectHandle::newDictionary());
        root.getKey("/Names").replaceKey("/EmbeddedFiles", parse(files));
    }
    const auto entries = m_extras.info(m_info);
    if (entries.empty())
        return;
    auto info = m_out->makeIndirectObject(QPDFObjectHandle::newDictionary());
    for (const auto& [key, text] : entries)
        info.replaceKey(key, parse(text));
    m_out->getTrailer().replaceKey("/Info", info);
}

namespace {

// [page view...]. The view text is made by the index from names and numbers alone, so it is
// split at spaces rather than parsed, which would cost more than the rest of the output.
QPDFObjectHandle destArray(QPDFObjectHandle pageRef, const std::string& view)
{
    std::vector<QPDFObjectHandle> items{pageRef};
    size_t at = 0;
    while (at < view.size()) {
        size_t end = view.find(' ', at);
        if (end == std::string::npos)
            end = view.size();
        const std::string token = view.substr(at, end - at);
        at = end + 1;
        if (token.empty())
            continue;
        if (token[0] == '/')
            items.push_back(QPDFObjectHandle::newName(token));
        else if (token == "null")
            items.push_back(QPDFObjectHandle::newNull());
        else if (token.find('.') != std::string::npos)
            items.push_back(QPDFObjectHandle::newReal(token));
        else
            items.push_back(QPDFObjectHandle::newInteger(std::stoll(token)));
    }
    if (items.size() == 1)
        items.push_back(QPDFObjectHandle::newName("/Fit"));
    return QPDFObjectHandle::newArray(items);
}

// Points the link `annot` at the target `fix` gives; `pageRef` is the output's `fix.page`.
void retarget(QPDFObjectHandle annot, const LinkFix& fix, QPDFObjectHandle pageRef)
{
    if (fix.dropAction)
        annot.removeKey("/A");
    annot.replaceKey("/Dest", fix.named ? QPDFObjectHandle::newString(fix.name)
                                        : destArray(pageRef, fix.view));
}

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
                retarget(toAnnot, fix, pageRef);
            }
            kept.push_back(toAnnot);
        }
        if (changed)
            copy.to.replaceKey("/Annots", QPDFObjectHandle::newArray(kept));
    }
}

void OutputBuilder::addStructure()
{
    const StructureLayout layout = m_plan.layout();
    auto root = m_out->getRoot();
    auto pageRef = [this](int32_t position) {
        return outPage(position);
    };
    const auto& outline = layout.outline;
    if (!outline.empty()) {
        std::vector<QPDFObjectHandle> items(outline.size());
        for (auto& item : items)
            item = m_out->makeIndirectObject(QPDFObjectHandle::newDictionary());
        items[0].replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        for (size_t i = 0; i < outline.size(); ++i) {
            const auto& entry = outline[i];
            auto item = items[i];
            auto link = [&](const char* key, int32_t to) {
                if (to != StructureLayout::kNone)
                    item.replaceKey(key, items[size_t(to)]);
            };
            link("/Parent", entry.parent);
            link("/Prev", entry.prev);
            link("/Next", entry.next);
            link("/First", entry.first);
            link("/Last", entry.last);
            const OutlineNode* node = entry.node;
            if (!node || entry.first != StructureLayout::kNone)
                item.replaceKey("/Count", QPDFObjectHandle::newInteger(entry.count));
            if (!node)
                continue;
            item.replaceKey("/Title", node->title);
            if (node->outPage >= 0)
                item.replaceKey("/Dest", destArray(pageRef(node->outPage), node->view));
            else if (QPDFObjectHandle(node->action).isDictionary())
                item.replaceKey("/A", importCopy(*m_out, node->action));
            if (QPDFObjectHandle(node->color).isArray())
                item.replaceKey("/C", QPDFObjectHandle(node->color).shallowCopy());
            if (node->flags)
                item.replaceKey("/F", QPDFObjectHandle::newInteger(node->flags));
        }
        root.replaceKey("/Outlines", items[0]);
    }
    if (!layout.names.empty()) {
        const bool kids = layout.leaves.size() > 1;
        std::vector<QPDFObjectHandle> leaves;
        for (const auto& [from, to] : layout.leaves) {
            std::vector<QPDFObjectHandle> entries;
            for (size_t i = from; i < to; ++i) {
                const NamedTarget& name = *layout.names[i];
                entries.push_back(QPDFObjectHandle::newString(name.name));
                entries.push_back(destArray(pageRef(name.outPage), name.view));
            }
            auto leaf = QPDFObjectHandle::newDictionary();
            leaf.replaceKey("/Names", QPDFObjectHandle::newArray(entries));
            if (kids)
                leaf.replaceKey("/Limits",
                                QPDFObjectHandle::newArray(
                                    {QPDFObjectHandle::newString(layout.names[from]->name),
                                     QPDFObjectHandle::newString(layout.names[to - 1]->name)}));
            leaves.push_back(m_out->makeIndirectObject(leaf));
        }
        auto tree = leaves[0];
        if (kids) {
            tree = m_out->makeIndirectObject(QPDFObjectHandle::newDictionary());
            tree.replaceKey("/Kids", QPDFObjectHandle::newArray(leaves));
        }
        root.replaceKey("/Names", QPDFObjectHandle::newDictionary({{"/Dests", tree}}));
    }
}

namespace {

// Sets `name` of `dict`, when it has one, to `key`, or removes it for -1.
void setKey(QPDFObjectHandle dict, const char* name, int key)
{
    if (!dict.hasKey(name))
        return;
    if (key >= 0)
        dict.replaceKey(name, QPDFObjectHandle::newInteger(key));
    else
        dict.removeKey(name);
}

} // namespace

// A copied page, its annotations and its XObjects get the output's parent-tree keys, or lose
// the source's; the copies the structure tree refers to are noted. A second copy of a page has
// no structure of its own, and shares its XObjects with the first.
void OutputBuilder::keyCopies(Copy copy, bool first)
{
    const auto& tags = m_plan.tags();
    setKey(copy.to, "/StructParents", tags.pageKey(copy.position));
    auto fromAnnots = copy.from.getKey("/Annots");
    auto toAnnots = copy.to.getKey("/Annots");
    // The form's copy may rebuild the list: copies are matched to sources only one for one.
    const bool paired = fromAnnots.isArray() && toAnnots.isArray() &&
                        fromAnnots.getArrayNItems() == toAnnots.getArrayNItems();
    for (int i = 0; toAnnots.isArray() && i < toAnnots.getArrayNItems(); ++i) {
        auto to = toAnnots.getArrayItem(i);
        auto from = paired ? fromAnnots.getArrayItem(i) : QPDFObjectHandle::newNull();
        const int key = first && from.isIndirect() && to.isIndirect()
                            ? tags.objectKey(copy.segment, from.getObjGen())
                            : -1;
        if (to.isDictionary())
            setKey(to, "/StructParent", key);
        if (key >= 0)
            m_tagObjects[{copy.segment, from.getObjGen()}] = to;
    }
    if (!first)
        return;
    std::vector<std::pair<QPDFObjectHandle, QPDFObjectHandle>> resources{
        {copy.from.getKey("/Resources"), copy.to.getKey("/Resources")}};
    std::set<QPDFObjGen> seen;
    while (!resources.empty()) {
        auto [fromRes, toRes] = resources.back();
        resources.pop_back();
        auto fromX = fromRes.isDictionary() ? fromRes.getKey("/XObject") : fromRes;
        auto toX = toRes.isDictionary() ? toRes.getKey("/XObject") : toRes;
        if (!fromX.isDictionary() || !toX.isDictionary())
            continue;
        for (auto& [name, from] : fromX.ditems()) {
            auto to = toX.getKey(name);
            if (!from.isStream() || !to.isStream() || !seen.insert(from.getObjGen()).second)
                continue;
            const int key = tags.objectKey(copy.segment, from.getObjGen());
            setKey(to.getDict(), "/StructParent", key);
            setKey(to.getDict(), "/StructParents", key);
            if (key >= 0)
                m_tagObjects[{copy.segment, from.getObjGen()}] = to;
            resources.emplace_back(from.getDict().getKey("/Resources"),
                                   to.getDict().getKey("/Resources"));
        }
    }
}

// The structure tree, laid out by the plan, parsed into the output object by object.
void OutputBuilder::addTags()
{
    const auto& tags = m_plan.tags();
    if (tags.empty())
        return;
    std::set<QPDFObjGen> present; // annotations the links' fixing left in place
    for (auto& copy : m_copies)
        for (auto& annot : copy.to.getKey("/Annots").aitems())
            if (annot.isIndirect())
                present.insert(annot.getObjGen());
    const std::string entries = tags.writeText(
        [this] {
            return m_out->makeIndirectObject(QPDFObjectHandle::newDictionary()).getObjectID();
        },
        [this](int32_t position) { return outPage(position).getObjectID(); },
        [this, &present](int segment, QPDFObjGen og) {
            auto found = m_tagObjects.find({segment, og});
            if (found == m_tagObjects.end())
                return 0;
            auto copy = found->second;
            return copy.isStream() || present.count(copy.getObjGen()) ? copy.getObjectID() : 0;
        },
        [this](int number, const std::string& body) {
            m_out->replaceObject(QPDFObjGen(number, 0), QPDFObjectHandle::parse(m_out.get(), body));
        });
    if (entries.empty())
        return;
    auto root = m_out->getRoot();
    for (auto& [key, value] : QPDFObjectHandle::parse(m_out.get(), "<<" + entries + " >>").ditems())
        root.replaceKey(key, value);
}

void OutputBuilder::copyLabels()
{
    auto pageLabels = QPDFObjectHandle::newDictionary();
    pageLabels.replaceKey("/Nums", QPDFObjectHandle::newArray(m_labels));
    m_out->getRoot().replaceKey("/PageLabels", pageLabels);
}

} // namespace paginor
