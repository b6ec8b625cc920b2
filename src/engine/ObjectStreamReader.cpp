#include "engine/ObjectStreamReader.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace paginor {

namespace {

// A page's objects come from two or three streams in a row; more cover what pages share and
// the named destinations read between pages. Bounded in bytes too, for huge streams.
constexpr size_t kRecentStreams = 16;
constexpr size_t kRecentBytes = size_t(16) << 20;

} // namespace

ObjectStreamReader::ObjectStreamReader(QPDF& pdf, const std::vector<QPDFObjGen>& known) : m_pdf(pdf)
{
    try {
        // The table is ordered by object number, so the entries come out sorted.
        for (const auto& [og, entry] : m_pdf.getXRefTable())
            if (og.getGen() == 0 && og.getObj() > 0)
                m_entries.push_back({og.getObj(),
                                     entry.getType() == 2 ? entry.getObjStreamNumber() : 0, 0,
                                     entry.getType() == 1 ? entry.getOffset() : -1});
    } catch (const std::exception&) {
        m_entries.clear(); // everything comes from the document
    }
    for (const auto& og : known) {
        const Entry* object = find(og.getObj());
        if (Entry* stream = object ? find(object->container) : nullptr)
            stream->flags |= kParsed;
    }
}

ObjectStreamReader::Entry* ObjectStreamReader::find(int id)
{
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                               [](const Entry& e, int value) { return e.id < value; });
    return at != m_entries.end() && at->id == id && id > 0 ? &*at : nullptr;
}

void ObjectStreamReader::setFileInput(std::shared_ptr<InputSource> file)
{
    // Strings in objects outside object streams are encrypted one by one.
    m_file = m_pdf.isEncrypted() ? nullptr : std::move(file);
}

bool ObjectStreamReader::readOnce(QPDFObjGen og, QPDFObjectHandle& value)
{
    const int id = og.getObj();
    Entry* object = og.getGen() == 0 ? find(id) : nullptr;
    if (object && object->offset >= 0) {
        if (!m_file || (object->flags & kUsed))
            return false;
        object->flags |= kUsed;
        return parseInFile(*object, value);
    }
    Entry* container = object ? find(object->container) : nullptr;
    if (!container || (container->flags & (kParsed | kUnreadable)))
        return false;
    if (object->flags & kUsed) {
        container->flags |= kParsed; // the document parses it on this use
        return false;
    }
    object->flags |= kUsed;
    return parseApart(*container, id, value);
}

bool ObjectStreamReader::readApart(QPDFObjGen og, QPDFObjectHandle& value)
{
    const Entry* object = og.getGen() == 0 ? find(og.getObj()) : nullptr;
    if (object && object->offset >= 0)
        return parseInFile(*object, value);
    Entry* container = object ? find(object->container) : nullptr;
    if (!container || (container->flags & (kParsed | kUnreadable)))
        return false;
    return parseApart(*container, og.getObj(), value);
}

bool ObjectStreamReader::parseApart(Entry& container, int id, QPDFObjectHandle& value)
{
    const Stream* s = stream(container.id);
    if (!s) {
        container.flags |= kUnreadable;
        return false;
    }
    const auto at = s->offsets.find(id);
    if (at == s->offsets.end())
        return false;
    try {
        s->input->seek(at->second, SEEK_SET);
        QPDFTokenizer tokenizer;
        bool empty = false;
        auto parsed = QPDFObjectHandle::parse(s->input, "object " + std::to_string(id) + " 0",
                                              tokenizer, empty, nullptr, &m_pdf);
        if (empty)
            return false;
        value = parsed;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool ObjectStreamReader::parseInFile(const Entry& object, QPDFObjectHandle& value)
{
    if (!m_file)
        return false;
    try {
        const std::string description =
            m_pdf.getFilename() + " object " + std::to_string(object.id) + " 0";
        m_file->seek(object.offset, SEEK_SET);
        QPDFTokenizer tokenizer;
        auto number = tokenizer.readToken(m_file, description, true);
        auto generation = tokenizer.readToken(m_file, description, true);
        auto keyword = tokenizer.readToken(m_file, description, true);
        if (!number.isInteger() || !generation.isInteger() || !keyword.isWord("obj") ||
            QUtil::string_to_int(number.getValue().c_str()) != object.id ||
            QUtil::string_to_int(generation.getValue().c_str()) != 0)
            return false;
        bool empty = false;
        auto parsed =
            QPDFObjectHandle::parse(m_file, description, tokenizer, empty, nullptr, &m_pdf);
        // A stream's data follows its dictionary, and damage wants the document's repairs:
        // both are left to the document.
        if (empty || !tokenizer.readToken(m_file, description, true).isWord("endobj"))
            return false;
        value = parsed;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

const ObjectStreamReader::Stream* ObjectStreamReader::stream(int number)
{
    for (auto it = m_recent.begin(); it != m_recent.end(); ++it) {
        if (it->number == number) {
            m_recent.splice(m_recent.begin(), m_recent, it);
            return &m_recent.front();
        }
    }
    Stream s;
    s.number = number;
    try {
        auto objects = m_pdf.getObjectByID(number, 0);
        if (!objects.isStream())
            throw std::runtime_error("not a stream");
        auto dict = objects.getDict();
        if (!dict.isDictionaryOfType("/ObjStm") || !dict.getKey("/N").isInteger() ||
            !dict.getKey("/First").isInteger())
            throw std::runtime_error("not an object stream");
        const long long count = dict.getKey("/N").getIntValue();
        const long long first = dict.getKey("/First").getIntValue();
        if (count < 0 || first < 0)
            throw std::runtime_error("bad object stream");
        s.data = objects.getStreamData(qpdf_dl_specialized);
        const std::string name = m_pdf.getFilename() + " object stream " + std::to_string(number);
        s.input = std::make_shared<BufferInputSource>(name, s.data.get());
        QPDFTokenizer tokenizer;
        for (long long i = 0; i < count; ++i) {
            auto num = tokenizer.readToken(s.input, name, true);
            auto offset = tokenizer.readToken(s.input, name, true);
            if (!num.isInteger() || !offset.isInteger())
                throw std::runtime_error("bad object stream header");
            const int objectNumber = QUtil::string_to_int(num.getValue().c_str());
            const long long where = QUtil::string_to_ll(offset.getValue().c_str());
            if (where < 0 || where > (long long)(s.data->getSize()) - first)
                throw std::runtime_error("bad object offset");
            // Objects replaced by later updates of the file are stored elsewhere.
            const Entry* member = find(objectNumber);
            if (member && member->container == number)
                s.offsets[objectNumber] = qpdf_offset_t(first + where);
        }
    } catch (const std::exception&) {
        return nullptr;
    }
    m_recent.push_front(std::move(s));
    size_t bytes = 0;
    for (const auto& kept : m_recent)
        bytes += kept.data->getSize();
    while (m_recent.size() > 1 && (m_recent.size() > kRecentStreams || bytes > kRecentBytes)) {
        bytes -= m_recent.back().data->getSize();
        m_recent.pop_back();
    }
    return &m_recent.front();
}

} // namespace paginor
