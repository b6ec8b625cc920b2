// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/DirectWriter.h"

#include "engine/structure/OutputLabels.h"
#include "engine/write/ContentsText.h"
#include "engine/write/PdfText.h"
#include "engine/write/StructureText.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <cstring>
#include <numeric>
#include <set>

namespace paginor {

namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;

} // namespace

DirectWriter::DirectWriter(std::FILE* file, BookmarkMode bookmarks, bool tags, bool objectStreams)
    : m_out(file, objectStreams), m_buffers(kMaxDepth + 1), m_plan(bookmarks, tags)
{
    allocate(); // the catalog and the page tree, written last
    allocate();
    if (objectStreams)
        m_version.raise("1.5", 0);
}

void DirectWriter::reference(QPDFObjectHandle h, std::string& out)
{
    const QPDFObjGen og = h.getObjGen();
    auto page = m_pages.find(og);
    if (page != m_pages.end())
        return appendReference(page->second, out);
    auto known = m_numbers.find(og);
    if (known != m_numbers.end()) {
        // An object reached from within itself takes its number now.
        if (known->second == 0)
            known->second = allocate();
        return appendReference(known->second, out);
    }
    if (!valueToWrite(h)) {
        out += "null";
        return;
    }
    if (m_depth >= kMaxDepth)
        return enqueue(og, h, out);
    m_numbers.emplace(og, 0);
    ++m_depth;
    const int number =
        writeObject(0, h, false, nullptr, m_plan.tags().objectKey(m_segment, og), og);
    --m_depth;
    m_numbers[og] = number;
    appendReference(number, out);
}

// Sets `h` to the value to write for it, read apart from the document when it is used once;
// false when it stays behind: other pages and the document's own structure.
bool DirectWriter::valueToWrite(QPDFObjectHandle& h)
{
    QPDFObjectHandle copy;
    if (m_source->readOnce(h.getObjGen(), copy)) {
        if (copy.isNull() || copy.isDictionaryOfType("/Page") ||
            copy.isDictionaryOfType("/Pages") || copy.isDictionaryOfType("/Catalog"))
            return false;
        h = copy;
        return true;
    }
    // qpdf's isPageObject walks the whole page tree first, parsing every page.
    if (m_source->isPage(h.getObjGen()) || h.isNull())
        return false;
    if (!h.isDictionary())
        return true;
    // One look at /Type; every page listed has its /Type, and the rest are dropped by it.
    auto type = h.getKey("/Type");
    if (!type.isName())
        return true;
    const std::string name = type.getName();
    return name != "/Page" && name != "/Pages" && name != "/Catalog";
}

void DirectWriter::enqueue(QPDFObjGen og, QPDFObjectHandle value, std::string& out,
                           Retarget retarget)
{
    const int number = allocate();
    m_numbers.emplace(og, number);
    m_queue.push_back({number, value, std::move(retarget), og});
    appendReference(number, out);
}

// A page's annotations without the links that lead nowhere in this output, and with the
// others pointed at their targets here.
void DirectWriter::serializeAnnots(QPDFObjectHandle annots, std::string& out)
{
    if (annots.isIndirect() && (m_numbers.count(annots.getObjGen()) || !valueToWrite(annots))) {
        serialize(annots, out); // shared with a page already written, or not an array at all
        return;
    }
    if (!annots.isArray()) {
        serialize(annots, out);
        return;
    }
    out += '[';
    for (auto item : annots.aitems()) {
        QPDFObjectHandle value = item;
        const bool indirect = item.isIndirect();
        if (indirect && (m_numbers.count(item.getObjGen()) || m_pages.count(item.getObjGen()))) {
            reference(item, out);
            out += ' ';
            continue;
        }
        if (indirect && !valueToWrite(value))
            continue;
        const LinkFix fix = m_plan.link(m_segment, value);
        if (fix.kind == LinkFix::Kind::Drop)
            continue;
        // The new target is written in place of the old one, with no copy of the link.
        Retarget retarget;
        if (fix.kind == LinkFix::Kind::Retarget) {
            std::string page;
            if (!fix.named)
                reference(m_source->originalPage(fix.page), page);
            retarget.dest = linkDestText(fix, page);
            retarget.fix = fix;
        }
        if (indirect)
            enqueue(item.getObjGen(), value, out, std::move(retarget));
        else if (!retarget.dest.empty())
            serializeDict(value, out, false, false, &retarget);
        else
            serialize(value, out);
        out += ' ';
    }
    out += ']';
}

void DirectWriter::serialize(QPDFObjectHandle h, std::string& out)
{
    if (h.isIndirect()) {
        reference(h, out);
        return;
    }
    // The common scalars are written from their values; unparsing each makes a string.
    switch (h.getTypeCode()) {
    case ::ot_array:
        serializeArray(h, out);
        break;
    case ::ot_dictionary:
        serializeDict(h, out, false, false);
        break;
    case ::ot_integer:
        out += std::to_string(h.getIntValue());
        break;
    case ::ot_real:
        out += h.getRealValue();
        break;
    case ::ot_name:
        appendName(h.getName(), out);
        break;
    case ::ot_null:
        out += "null";
        break;
    default:
        out += h.unparse();
    }
}

// One copy of the items: stepping through an array looks each item up and checks it again.
void DirectWriter::serializeArray(QPDFObjectHandle h, std::string& out)
{
    out += '[';
    for (auto& item : h.getArrayAsVector()) {
        serialize(item, out);
        out += ' ';
    }
    out += ']';
}

void DirectWriter::serializeDict(QPDFObjectHandle h, std::string& out, bool stream, bool page,
                                 const Retarget* retarget, int structKey)
{
    out += "<<";
    // A retargeted link: its /Dest is the new one, and what that replaces is left out.
    const bool link = retarget && !retarget->dest.empty();
    // One copy of the map: iterating items looks every key up again in a set built first.
    auto items = h.getDictAsMap();
    for (auto& item : items) {
        const std::string& key = item.first;
        if (stream && key == "/Length")
            continue;
        if (page && (key == "/Parent" || (m_turn != 0 && key == "/Rotate")))
            continue;
        if (link && retarget->fix.replaces(key))
            continue;
        if (!item.second.isIndirect() && item.second.isNull())
            continue;
        // Keys into the source's parent tree: the output's own, or none.
        if (key == "/StructParents" || key == "/StructParent") {
            if (structKey >= 0)
                out += " " + key + " " + std::to_string(structKey);
            continue;
        }
        out += ' ';
        appendName(key, out);
        out += ' ';
        if (page && key == "/Annots")
            serializeAnnots(item.second, out);
        else
            serialize(item.second, out);
    }
    if (page)
        out += " /Parent 2 0 R";
    if (page && m_turn != 0)
        out += " /Rotate " + std::to_string(turnedRotation(h, m_turn));
    if (link) {
        out += " /Dest ";
        out += retarget->dest;
    }
    if (!stream)
        out += " >>";
}

// Writes `h` (the source's `og`) after everything it reaches that is not written yet, under
// `number`, or, with `number` 0, under the number of an identical object already written or
// a new one. Returns the number it is written under.
int DirectWriter::writeObject(int number, QPDFObjectHandle h, bool page, const Retarget* retarget,
                              int structKey, QPDFObjGen og)
{
    std::string& text = m_buffers[size_t(m_depth)];
    text.clear();
    if (h.isStream()) {
        serializeDict(h.getDict(), text, true, false, nullptr, structKey);
    } else if (h.isDictionary()) {
        serializeDict(h, text, false, page, retarget, structKey);
    } else if (h.isArray()) {
        serializeArray(h, text); // `h` is indirect: its value, not a reference to it
    } else {
        text += h.unparseResolved();
    }
    // Reached from within itself while being written: its number is taken.
    if (number == 0 && og.isIndirect())
        number = m_numbers[og];
    // What the structure tree refers to keeps its own copy, as do keyed objects.
    const bool share = number == 0 && structKey < 0 && !tagged(og) &&
                       DuplicateFinder::mayShare(h.isStream() ? h.getDict() : h);
    if (h.isStream()) {
        if (share)
            return writeStream(0, h, text);
        return writeStream(number ? number : allocate(), h, text);
    }
    if (share) {
        if (const int same = m_duplicates.findPlain(text))
            return same;
        number = allocate();
        m_duplicates.addPlain(text, number);
    } else if (number == 0) {
        number = allocate();
    }
    m_out.writePlain(number, text);
    return number;
}

bool DirectWriter::tagged(QPDFObjGen og) const
{
    return og.isIndirect() && m_segmentTagObjects.count(og) > 0;
}

// Writes the stream `h` whose dictionary text is `dict`; with `number` 0 it may share an
// identical stream's number. Stored data without a filter is compressed on the way.
int DirectWriter::writeStream(int number, QPDFObjectHandle h, std::string& dict)
{
    Pl_Buffer data("stream data");
    if (!h.pipeStreamData(&data, nullptr, 0, qpdf_dl_none, true, false))
        throw EngineFailure(EngineError::InputChanged,
                            m_source->path() + ": unreadable stream data", m_source->path());
    auto bytes = data.getBufferSharedPointer();
    const char* begin = reinterpret_cast<const char*>(bytes->getBuffer());
    size_t size = bytes->getSize();
    std::string deflated;
    auto d = h.getDict();
    if (size >= 64 && size < (size_t(1) << 28) && d.getKey("/Filter").isNull() &&
        !d.hasKey("/DecodeParms") && !d.getKey("/Type").isNameAndEquals("/Metadata")) {
        deflated = deflateBytes(begin, size);
        if (deflated.size() + 20 < size) {
            dict += " /Filter /FlateDecode";
            begin = deflated.data();
            size = deflated.size();
        }
    }
    const auto readBack = [this](int64_t offset, size_t n, std::string& out) {
        return m_out.readBack(offset, n, out);
    };
    const bool share = number == 0;
    if (share) {
        if (const int same = m_duplicates.findStream(dict, begin, size, readBack))
            return same;
        number = allocate();
    }
    const int64_t offset = m_out.writeStream(number, dict, begin, size);
    if (share)
        m_duplicates.addStream(dict, size, number, offset);
    return number;
}

void DirectWriter::addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                              const std::vector<int32_t>& positions,
                              const std::vector<int32_t>& turns)
{
    std::vector<int32_t> at = positions;
    if (at.empty()) {
        at.resize(indices.size());
        std::iota(at.begin(), at.end(), int32_t(m_pageNumbers.size()));
        m_pageNumbers.resize(m_pageNumbers.size() + indices.size());
    }
    m_version.raise(source.version(), source.extensionLevel());
    m_source = &source;
    m_numbers.clear();
    m_pages.clear();
    m_queue.clear();
    std::vector<std::pair<int, QPDFObjectHandle>> pages;
    // Every page of the source (a merge) keeps every resource: pruning would only cost time.
    const bool prune =
        std::set<int32_t>(indices.begin(), indices.end()).size() < size_t(source.pageCount());
    source.startOutput();
    for (int32_t index : indices) {
        auto page = source.pageToWrite(index, prune);
        const int number = allocate();
        m_pages.emplace(source.originalPage(index).getObjGen(), number);
        m_pageNumbers[size_t(at[pages.size()])] = number;
        pages.emplace_back(number, page);
    }
    appendLabelsAt(source, indices, at, m_labels);
    m_segment = m_plan.addSegment(source, indices, at);
    const auto tagObjects = m_plan.tags().objects(m_segment);
    m_segmentTagObjects = std::set<QPDFObjGen>(tagObjects.begin(), tagObjects.end());
    m_anyLabels = m_anyLabels || source.hasPageLabels();

    const auto& tags = m_plan.tags();
    for (size_t k = 0; k < pages.size(); ++k) {
        m_turn = k < turns.size() ? turns[k] : 0;
        writeObject(pages[k].first, pages[k].second, true, {}, tags.pageKey(at[k]));
        m_turn = 0;
        // Everything this page reaches, before the next page: one pass over the file's area.
        writeQueued();
    }
    for (QPDFObjGen og : tagObjects) {
        auto found = m_numbers.find(og);
        if (found != m_numbers.end())
            m_tagObjects.emplace(std::make_pair(m_segment, og), found->second);
    }
    // The source's document-level extras, while its objects are numbered for this output.
    m_extras.addSegment(source, indices, extrasEmitter());
}

void DirectWriter::writeQueued()
{
    while (!m_queue.empty()) {
        auto next = std::move(m_queue.back());
        m_queue.pop_back();
        writeObject(next.number, next.value, false, &next.retarget,
                    m_plan.tags().objectKey(m_segment, next.og), next.og);
    }
}

ExtrasEmitter DirectWriter::extrasEmitter()
{
    ExtrasEmitter emitter;
    emitter.reference = [this](QPDFObjectHandle h) {
        std::string out;
        reference(h, out);
        writeQueued();
        return out;
    };
    emitter.reached = [this](QPDFObjGen og) {
        return m_numbers.count(og) > 0;
    };
    return emitter;
}

void DirectWriter::finish(const std::map<std::string, QString>& info)
{
    writeAddedPages();
    std::string text =
        "<< /Type /Pages /Count " + std::to_string(m_pageNumbers.size()) + " /Kids [";
    for (int n : m_pageNumbers)
        text += std::to_string(n) + " 0 R ";
    text += "] >>";
    m_out.writePlain(kPageTree, text);
    std::string structure = writeStructure();
    if (const std::string files = m_extras.embeddedFiles(); !files.empty())
        structure = withNamesEntry(structure, "/EmbeddedFiles", files);
    for (const auto& [key, value] : m_extras.catalogEntries())
        structure += " " + key + " " + value;

    text = "<< /Type /Catalog /Pages 2 0 R" + structure;
    if (m_anyLabels) {
        text += " /PageLabels << /Nums [";
        for (auto& label : m_labels)
            text += label.unparse() + " ";
        text += "] >>";
    }
    if (m_version.extension > 0)
        text += " /Extensions << /ADBE << /BaseVersion /" + m_version.text + " /ExtensionLevel " +
                std::to_string(m_version.extension) + " >> >>";
    text += " >>";
    m_out.writePlain(kCatalog, text);

    std::string trailer = " /Root 1 0 R";
    if (const auto entries = m_extras.info(info); !entries.empty()) {
        const int infoNumber = allocate();
        text = "<<";
        for (const auto& [key, value] : entries)
            text += " " + key + " " + value;
        text += " >>";
        m_out.writePlain(infoNumber, text);
        trailer += " /Info " + std::to_string(infoNumber) + " 0 R";
    }
    // The header names the highest input version, known only now.
    m_out.finish(trailer, m_version.text);
}

// Writes the structure tree, the outline and the named-destination tree; returns the catalog's
// entries for them.
std::string DirectWriter::writeStructure()
{
    auto write = [this](int number, const std::string& body) {
        m_out.writePlain(number, body);
    };
    auto pageNumber = [this](int32_t outPage) {
        return m_pageNumbers.at(size_t(outPage));
    };
    const std::string tags =
        m_plan.tags().writeText([this] { return allocate(); }, pageNumber,
                                [this](int segment, QPDFObjGen og) {
                                    auto found = m_tagObjects.find({segment, og});
                                    return found == m_tagObjects.end() ? 0 : found->second;
                                },
                                write);
    return tags + writeStructureText(
                      m_plan.layout(), [this] { return allocate(); }, pageNumber, write);
}

} // namespace paginor
