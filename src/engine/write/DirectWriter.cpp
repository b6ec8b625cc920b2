#include "engine/write/DirectWriter.h"

#include "engine/write/PdfText.h"
#include "engine/write/StructureText.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

#include <cerrno>
#include <cstring>
#include <random>
#include <set>

namespace paginor {

namespace {

constexpr int kCatalog = 1;
constexpr int kPageTree = 2;

class WriteError : public EngineFailure
{
public:
    WriteError() : EngineFailure(EngineError::WriteFailed, std::strerror(errno)) {}
};

} // namespace

DirectWriter::DirectWriter(std::FILE* file, BookmarkMode bookmarks, bool tags)
    : m_file(file), m_plan(bookmarks, tags)
{
    m_offsets.resize(3, 0); // the catalog and the page tree are written last
    emit("%PDF-1.3\n%\xbf\xf7\xa2\xfe\n");
}

int DirectWriter::allocate()
{
    m_offsets.push_back(0);
    return int(m_offsets.size()) - 1;
}

void DirectWriter::emit(const char* data, size_t size)
{
    if (size && std::fwrite(data, 1, size, m_file) != size)
        throw WriteError();
    m_offset += int64_t(size);
}

void DirectWriter::beginObject(int number)
{
    m_offsets[size_t(number)] = m_offset;
}

void DirectWriter::reference(QPDFObjectHandle h, std::string& out)
{
    const QPDFObjGen og = h.getObjGen();
    auto page = m_pages.find(og);
    if (page != m_pages.end())
        return appendReference(page->second, out);
    auto known = m_numbers.find(og);
    if (known != m_numbers.end())
        return appendReference(known->second, out);
    if (!valueToWrite(h)) {
        out += "null";
        return;
    }
    enqueue(og, h, out);
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
        if (page && key == "/Parent")
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
    if (link) {
        out += " /Dest ";
        out += retarget->dest;
    }
    if (!stream)
        out += " >>";
}

void DirectWriter::writeObject(int number, QPDFObjectHandle h, bool page, const Retarget* retarget,
                               int structKey)
{
    m_buffer.clear();
    m_buffer += std::to_string(number);
    m_buffer += " 0 obj\n";
    if (h.isStream()) {
        Pl_Buffer data("stream data");
        if (!h.pipeStreamData(&data, nullptr, 0, qpdf_dl_none, true, false))
            throw EngineFailure(EngineError::InputChanged,
                                m_source->path() + ": unreadable stream data", m_source->path());
        auto bytes = data.getBufferSharedPointer();
        serializeDict(h.getDict(), m_buffer, true, false, {}, structKey);
        m_buffer += " /Length ";
        m_buffer += std::to_string(bytes->getSize());
        m_buffer += " >>\nstream\n";
        beginObject(number);
        emit(m_buffer);
        emit(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
        emit("\nendstream\nendobj\n");
        return;
    } else if (h.isDictionary()) {
        serializeDict(h, m_buffer, false, page, retarget, structKey);
        m_buffer += "\nendobj\n";
    } else {
        // Scalars and arrays; `h` is indirect, so write its value, not a reference to it.
        if (h.isArray()) {
            serializeArray(h, m_buffer);
        } else {
            m_buffer += h.unparseResolved();
        }
        m_buffer += "\nendobj\n";
    }
    beginObject(number);
    emit(m_buffer);
}

void DirectWriter::addSegment(SourceDocument& source, const std::vector<int32_t>& indices)
{
    m_version.raise(source.version(), source.extensionLevel());
    m_source = &source;
    m_numbers.clear();
    m_pages.clear();
    m_queue.clear();
    std::vector<std::pair<int, QPDFObjectHandle>> pages;
    // Every page of the source (a merge) keeps every resource: pruning would only cost time.
    const bool prune =
        std::set<int32_t>(indices.begin(), indices.end()).size() < size_t(source.pageCount());
    for (int32_t index : indices) {
        auto page = source.pageToWrite(index, prune);
        const int number = allocate();
        m_pages.emplace(source.originalPage(index).getObjGen(), number);
        m_pageNumbers.push_back(number);
        pages.emplace_back(number, page);
    }
    const auto at = int32_t(m_pageNumbers.size() - indices.size());
    appendLabels(source, indices, at, m_labels);
    m_segment = m_plan.addSegment(source, indices, at);
    m_anyLabels = m_anyLabels || source.hasPageLabels();

    const auto& tags = m_plan.tags();
    for (size_t k = 0; k < pages.size(); ++k) {
        writeObject(pages[k].first, pages[k].second, true, {}, tags.pageKey(at + int32_t(k)));
        // Everything this page reaches, before the next page: one pass over the file's area.
        writeQueued();
    }
    for (QPDFObjGen og : tags.objects(m_segment)) {
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
                    m_plan.tags().objectKey(m_segment, next.og));
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
    std::string text;
    beginObject(kPageTree);
    text = "2 0 obj\n<< /Type /Pages /Count " + std::to_string(m_pageNumbers.size()) + " /Kids [";
    for (int n : m_pageNumbers)
        text += std::to_string(n) + " 0 R ";
    text += "] >>\nendobj\n";
    emit(text);
    std::string structure = writeStructure();
    if (const std::string files = m_extras.embeddedFiles(); !files.empty())
        structure = withNamesEntry(structure, "/EmbeddedFiles", files);
    for (const auto& [key, value] : m_extras.catalogEntries())
        structure += " " + key + " " + value;

    beginObject(kCatalog);
    text = "1 0 obj\n<< /Type /Catalog /Pages 2 0 R" + structure;
    if (m_anyLabels) {
        text += " /PageLabels << /Nums [";
        for (auto& label : m_labels)
            text += label.unparse() + " ";
        text += "] >>";
    }
    if (m_version.extension > 0)
        text += " /Extensions << /ADBE << /BaseVersion /" + m_version.text + " /ExtensionLevel " +
                std::to_string(m_version.extension) + " >> >>";
    text += " >>\nendobj\n";
    emit(text);

    int infoNumber = 0;
    if (const auto entries = m_extras.info(info); !entries.empty()) {
        infoNumber = allocate();
        beginObject(infoNumber);
        text = std::to_string(infoNumber) + " 0 obj\n<<";
        for (const auto& [key, value] : entries)
            text += " " + key + " " + value;
        text += " >>\nendobj\n";
        emit(text);
    }

    const int64_t xref = m_offset;
    text = "xref\n0 " + std::to_string(m_offsets.size()) + "\n0000000000 65535 f \n";
    char line[32];
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        std::snprintf(line, sizeof line, "%010lld 00000 n \n", (long long)m_offsets[i]);
        text += line;
    }
    std::random_device random;
    std::string id;
    for (int i = 0; i < 16; ++i) {
        std::snprintf(line, sizeof line, "%02x", random() & 0xff);
        id += line;
    }
    text += "trailer\n<< /Size " + std::to_string(m_offsets.size()) + " /Root 1 0 R";
    if (infoNumber)
        text += " /Info " + std::to_string(infoNumber) + " 0 R";
    text += " /ID [<" + id + "><" + id + ">] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    emit(text);

    // The header names the highest input version, known only now.
    if (m_version.text != "1.3" && m_version.text.size() == 3) {
        if (std::fflush(m_file) != 0 || std::fseek(m_file, 5, SEEK_SET) != 0 ||
            std::fwrite(m_version.text.data(), 1, 3, m_file) != 3 ||
            std::fseek(m_file, 0, SEEK_END) != 0)
            throw WriteError();
    }
}

// Writes the structure tree, the outline and the named-destination tree; returns the catalog's
// entries for them.
std::string DirectWriter::writeStructure()
{
    std::string text;
    auto write = [this, &text](int number, const std::string& body) {
        text = std::to_string(number);
        text += " 0 obj\n";
        text += body;
        text += "\nendobj\n";
        beginObject(number);
        emit(text);
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
