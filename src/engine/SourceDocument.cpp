// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/SourceDocument.h"

#include "engine/read/PageTreeWalk.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <tuple>

namespace paginor {

namespace {

EngineError openErrorCode(const QPDFExc& e)
{
    switch (e.getErrorCode()) {
    case qpdf_e_password:
        return EngineError::PasswordRequired;
    case qpdf_e_unsupported:
        return EngineError::Unsupported;
    default:
        return EngineError::NotPdfOrDamaged;
    }
}

// qpdf's own split drops unused resources only when pages share resource dictionaries;
// otherwise every page already holds just its own and the content scan would be wasted.
bool pagesShareResources(const std::vector<QPDFPageObjectHelper>& pages)
{
    std::set<QPDFObjGen> seen;
    auto shared = [&seen](QPDFObjectHandle h) {
        return h.isIndirect() && !seen.insert(h.getObjGen()).second;
    };
    for (const auto& page : pages) {
        auto res = const_cast<QPDFPageObjectHelper&>(page).getObjectHandle().getKey("/Resources");
        if (shared(res))
            return true;
        if (!res.isDictionary())
            continue;
        for (const auto& key : {"/XObject", "/Font", "/ExtGState", "/Pattern", "/Shading"}) {
            auto sub = res.getKey(key);
            if (sub.isDictionary() && shared(sub))
                return true;
        }
    }
    return false;
}

// Inherited attributes must sit on the pages before any is copied or checked. qpdf's own push
// numbers every object of the file first (it makes direct values indirect), which parses the
// whole file; a direct value is copied onto each page instead. Returns whether any page
// inherited its resources: pages then share them as much as through one indirect dictionary.
bool pushInheritedAttributes(std::vector<QPDFPageObjectHelper>& pages)
{
    bool resources = false;
    for (auto& helper : pages) {
        auto page = helper.getObjectHandle();
        for (const char* key : {"/MediaBox", "/CropBox", "/Resources", "/Rotate"}) {
            if (page.hasKey(key))
                continue;
            auto value = helper.getAttribute(key, false);
            if (value.isNull())
                continue;
            page.replaceKey(key, value.isIndirect() ? value : value.shallowCopy());
            resources = resources || std::strcmp(key, "/Resources") == 0;
        }
    }
    return resources;
}

} // namespace

int32_t turnedRotation(QPDFObjectHandle page, int32_t angle)
{
    QPDFObjectHandle own = page.getKey("/Rotate");
    const long long value = own.isInteger() ? own.getIntValue() : 0;
    const long long turned = (value % 90 == 0 ? value : 0) + angle;
    return int32_t(((turned % 360) + 360) % 360);
}

void PdfVersion::raise(const std::string& version, int extensionLevel)
{
    auto numbers = [](const std::string& v) {
        int major = 1, minor = 3;
        std::sscanf(v.c_str(), "%d.%d", &major, &minor);
        return std::make_tuple(major, minor);
    };
    if (std::tuple_cat(numbers(version), std::make_tuple(extensionLevel)) >
        std::tuple_cat(numbers(text), std::make_tuple(extension))) {
        text = version;
        extension = extensionLevel;
    }
}

QPDFObjectHandle plainLabel(QPDFObjectHandle label)
{
    if (label.isInteger())
        return QPDFObjectHandle::newInteger(label.getIntValue());
    auto result = QPDFObjectHandle::newDictionary();
    if (!label.isDictionary())
        return result;
    if (label.getKey("/S").isName())
        result.replaceKey("/S", QPDFObjectHandle::newName(label.getKey("/S").getName()));
    if (label.getKey("/P").isString())
        result.replaceKey("/P", QPDFObjectHandle::newString(label.getKey("/P").getStringValue()));
    if (label.getKey("/St").isInteger())
        result.replaceKey("/St", QPDFObjectHandle::newInteger(label.getKey("/St").getIntValue()));
    return result;
}

void appendLabels(SourceDocument& source, const std::vector<int32_t>& indices, int32_t at,
                  std::vector<QPDFObjectHandle>& nums, int32_t unlabelledFirst)
{
    if (indices.empty())
        return;
    if (!source.hasPageLabels()) {
        nums.push_back(QPDFObjectHandle::newInteger(at));
        nums.push_back(
            QPDFObjectHandle::parse("<< /S /D /St " + std::to_string(unlabelledFirst) + " >>"));
        return;
    }
    auto& labels = source.labelHelper();
    // One lookup per run of consecutive source pages.
    for (size_t i = 0; i < indices.size();) {
        size_t j = i + 1;
        while (j < indices.size() && indices[j] == indices[j - 1] + 1)
            ++j;
        std::vector<QPDFObjectHandle> run;
        labels.getLabelsForPageRange(indices[i], indices[j - 1], at + int32_t(i), run);
        for (auto& item : run)
            nums.push_back(plainLabel(item));
        i = j;
    }
}

std::shared_ptr<QPDF> makeQuietQpdf()
{
    auto pdf = std::make_shared<QPDF>();
    auto logger = QPDFLogger::create();
    logger->setWarn(logger->discard());
    logger->setInfo(logger->discard());
    logger->setError(logger->discard());
    pdf->setLogger(logger);
    pdf->setSuppressWarnings(true);
    return pdf;
}

std::shared_ptr<SourceDocument> SourceDocument::open(const std::string& path,
                                                     const QString& password, Reading reading)
{
    std::shared_ptr<SourceDocument> doc(new SourceDocument);
    doc->m_path = path;
    doc->m_password = password;
    if (!regularFileIdentity(path, doc->m_identity))
        throw EngineFailure(EngineError::FileNotFound, path + ": not a readable file");

    EngineError failure = EngineError::PasswordRequired;
    std::string message;
    for (const auto& pw : QUtil::possible_repaired_encodings(password.toStdString())) {
        try {
            doc->m_pdf = makeQuietQpdf();
            if (reading == Reading::Reopening) {
                doc->m_reopening = std::make_shared<ReopeningInputSource>(path, doc->m_identity);
                doc->m_reopening->stayOpen(true);
                doc->m_input = doc->m_reopening;
            } else {
                doc->m_input = std::make_shared<BlockInputSource>(path, reading == Reading::Mapped);
            }
            doc->m_pdf->processInputSource(doc->m_input, pw.c_str());
            doc->load();
            if (doc->m_reopening)
                doc->m_reopening->stayOpen(false);
            return doc;
        } catch (const QPDFExc& e) {
            failure = openErrorCode(e);
            message = e.what();
        } catch (const QPDFSystemError& e) {
            failure = EngineError::FileNotFound;
            message = e.what();
        } catch (const EngineFailure& e) {
            failure = e.code();
            message = e.what();
        } catch (const std::exception& e) {
            failure = EngineError::NotPdfOrDamaged;
            message = e.what();
        }
        if (failure != EngineError::PasswordRequired)
            break;
    }
    throw EngineFailure(failure, message);
}

void SourceDocument::readDocumentObjects()
{
    // qpdf parses every object of an object stream the first time it needs one of them, and
    // producers store the catalog and the information dictionary in one with hundreds of
    // others. Every job reads those, and the name dictionary below the catalog: they are read
    // apart and given to the document.
    auto readApart = [this](QPDFObjectHandle stored) {
        QPDFObjectHandle copy;
        if (stored.isIndirect() && m_reader->readApart(stored.getObjGen(), copy) &&
            copy.isDictionary())
            m_pdf->replaceObject(stored.getObjGen(), copy);
    };
    try {
        readApart(m_pdf->getTrailer().getKey("/Info"));
        auto root = m_pdf->getTrailer().getKey("/Root");
        readApart(root);
        readApart(root.getKey("/Names"));
    } catch (const std::exception&) {
        // The document reads them itself, and repairs what it can.
    }
}

void SourceDocument::load()
{
    auto makeReader = [this] {
        m_reader = std::make_unique<ObjectStreamReader>(*m_pdf, std::vector<QPDFObjGen>{});
        m_reader->setFileInput(m_input);
    };
    makeReader();
    // qpdf rebuilds its cross-reference table the first time it meets an object that is not
    // where the table says. Midway through a job that changes the document under it: its page
    // tree may even become a loop, which qpdf's own page copy then follows without end. Meeting
    // such an object now rebuilds the table before anything else is read.
    const QPDFObjGen misplaced = m_reader->firstMisplaced(*m_input);
    if (misplaced.getObj() != 0) {
        try {
            m_pdf->getObject(misplaced).isNull();
        } catch (const std::exception&) {
            // What cannot be repaired is met again, and reported, where it is read.
        }
        makeReader();
    }
    readDocumentObjects();
    PageTree tree;
    bool plain = false;
    try {
        plain = walkPageTree(*m_pdf, *m_reader, tree);
    } catch (const std::exception&) {
        plain = false; // qpdf's walk below repairs what it can, or says what is wrong
    }
    if (plain) {
        m_pages.assign(tree.pages.begin(), tree.pages.end());
        m_inherited = std::move(tree.inherited);
        m_inheritedFrom = std::move(tree.inheritedFrom);
        m_prepared.assign(m_pages.size(), false);
        m_sharesResources = tree.sharesResources;
    } else {
        m_reader.reset();
        m_pages = QPDFPageDocumentHelper(*m_pdf).getAllPages();
        const bool inheritedResources = pushInheritedAttributes(m_pages);
        m_prepared.assign(m_pages.size(), true);
        m_sharesResources = inheritedResources || pagesShareResources(m_pages);
    }
    // A page tree that yields no page is damaged beyond use; joining it would drop it silently.
    if (m_pages.empty())
        throw EngineFailure(EngineError::NotPdfOrDamaged, m_path + ": no readable page");
    m_pageIds.reserve(m_pages.size());
    for (auto& page : m_pages)
        m_pageIds.push_back(page.getObjectHandle().getObjGen());
    std::sort(m_pageIds.begin(), m_pageIds.end());
    m_pruned.assign(m_pages.size(), false);
    auto form = m_pdf->getRoot().getKey("/AcroForm");
    m_hasForm = form.isDictionary() && form.getKey("/Fields").isArray() &&
                form.getKey("/Fields").getArrayNItems() > 0;
    m_version = m_pdf->getPDFVersion();
    m_extension = m_pdf->getExtensionLevel();
}

QPDFPageObjectHelper& SourceDocument::preparedPage(int32_t index)
{
    auto& page = m_pages.at(size_t(index));
    if (m_prepared[size_t(index)])
        return page;
    m_prepared[size_t(index)] = true;
    // Inherited attributes must sit on the page before it is copied or checked.
    addInherited(page.getObjectHandle(), index);
    return page;
}

void SourceDocument::addInherited(QPDFObjectHandle dict, int32_t index)
{
    const auto& inherited = m_inherited[size_t(m_inheritedFrom[size_t(index)])];
    for (size_t k = 0; k < inherited.size(); ++k) {
        auto value = inherited[k];
        if (value.isInitialized() && !dict.hasKey(PageTree::kInheritedKeys[k]))
            dict.replaceKey(PageTree::kInheritedKeys[k],
                            value.isIndirect() ? value : value.shallowCopy());
    }
}

QPDFObjectHandle SourceDocument::pageToWrite(int32_t index, bool prune)
{
    // A page the document has not parsed yet is read apart, like the objects it reaches, so
    // that its whole object stream is not parsed and kept for one page.
    QPDFObjectHandle copy;
    if (m_reader && !m_prepared.at(size_t(index)) &&
        m_reader->readApart(originalPage(index).getObjGen(), copy) && copy.isDictionary()) {
        addInherited(copy, index);
        if (prune && m_sharesResources)
            m_pruner.prune(copy, true);
        return copy;
    }
    return pageForCopy(index, prune).getObjectHandle();
}

QPDFPageObjectHelper& SourceDocument::pageForCopy(int32_t index, bool prune)
{
    auto& page = preparedPage(index);
    if (prune && m_sharesResources && !m_pruned[size_t(index)]) {
        m_pruned[size_t(index)] = true;
        m_pruner.prune(page.getObjectHandle());
    }
    return page;
}

QPDFAcroFormDocumentHelper& SourceDocument::formHelper()
{
    if (!m_form)
        m_form = std::make_unique<QPDFAcroFormDocumentHelper>(*m_pdf);
    return *m_form;
}

bool SourceDocument::hasPageLabels()
{
    return m_pdf->getRoot().getKey("/PageLabels").isDictionary() && labelHelper().hasPageLabels();
}

QPDFPageLabelDocumentHelper& SourceDocument::labelHelper()
{
    if (!m_labels)
        m_labels = std::make_unique<QPDFPageLabelDocumentHelper>(*m_pdf);
    return *m_labels;
}

const std::vector<BookmarkLevel>& SourceDocument::bookmarkLevels()
{
    if (!m_bookmarks)
        m_bookmarks =
            std::make_unique<std::vector<BookmarkLevel>>(paginor::bookmarkLevels(structure()));
    return *m_bookmarks;
}

const StructureIndex& SourceDocument::structure()
{
    if (!m_structure) {
        std::vector<QPDFObjectHandle> pages;
        pages.reserve(m_pages.size());
        for (auto& page : m_pages)
            pages.push_back(page.getObjectHandle());
        m_structure = std::make_unique<StructureIndex>(
            *m_pdf, pages,
            [this](QPDFObjectHandle h) {
                QPDFObjectHandle copy;
                return h.isIndirect() && readOnce(h.getObjGen(), copy) ? copy : h;
            },
            m_reader.get(),
            [this](QPDFObjectHandle h) {
                QPDFObjectHandle copy;
                return h.isIndirect() && reader().readApart(h.getObjGen(), copy) ? copy : h;
            });
    }
    return *m_structure;
}

const DocumentExtras& SourceDocument::extras()
{
    if (!m_extras)
        m_extras = std::make_unique<DocumentExtras>(*m_pdf);
    return *m_extras;
}

std::vector<std::string> SourceDocument::tagRepairs()
{
    std::vector<std::string> notes;
    for (const auto& repair : structure().tags().repairs())
        notes.push_back(m_path + ": " + repair);
    return notes;
}

bool SourceDocument::readOnce(QPDFObjGen og, QPDFObjectHandle& value)
{
    // Pages are changed in the document (inherited attributes, pruned resources), which a
    // copy from the file would miss; pruning copies what it changes below a page.
    if (m_allApart)
        return peek(og, value);
    return !isPage(og) && reader().readOnce(og, value);
}

bool SourceDocument::peek(QPDFObjGen og, QPDFObjectHandle& value)
{
    return !isPage(og) && reader().readApart(og, value);
}

ObjectStreamReader& SourceDocument::reader()
{
    if (!m_reader) {
        // The page tree was parsed on opening: its object streams are in the cache already.
        std::vector<QPDFObjGen> known{m_pdf->getRoot().getObjGen()};
        std::set<QPDFObjGen> nodes;
        for (auto& page : m_pages) {
            for (auto node = page.getObjectHandle(); node.isIndirect();
                 node = node.getKey("/Parent")) {
                if (!nodes.insert(node.getObjGen()).second)
                    break;
                known.push_back(node.getObjGen());
            }
        }
        m_reader = std::make_unique<ObjectStreamReader>(*m_pdf, known);
    }
    return *m_reader;
}

void SourceDocument::stayOpen(bool open)
{
    if (m_reopening)
        m_reopening->stayOpen(open);
}

void SourceDocument::rest()
{
    if (auto* block = dynamic_cast<BlockInputSource*>(m_input.get()))
        block->releaseBlock();
}

void SourceDocument::checkUnchanged() const
{
    FileIdentity now;
    if (!regularFileIdentity(m_path, now) || !now.sameFile(m_identity))
        return;
    if (now != m_identity)
        throw EngineFailure(EngineError::InputChanged, m_path + ": changed while in use", m_path);
}

} // namespace paginor
