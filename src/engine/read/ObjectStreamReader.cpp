// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/read/ObjectStreamReader.h"

#include "engine/read/PlainLexer.h"
#include "engine/read/PlainObjectScanner.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>

namespace paginor {

namespace {

// A page's objects come from two or three streams in a row; more cover what pages share and
// the named destinations read between pages. Bounded in bytes too, for huge streams.
constexpr size_t kRecentStreams = 16;
constexpr size_t kRecentBytes = size_t(16) << 20;

// A page, a font or a resource dictionary fits; longer objects take the general parser.
constexpr size_t kPlainWindow = 8192;

} // namespace

ObjectStreamReader::ObjectStreamReader(QPDF& pdf, const std::vector<QPDFObjGen>& known) : m_pdf(pdf)
{
    try {
        // The table is ordered by object number, so the entries come out sorted.
        const auto table = m_pdf.getXRefTable();
        m_entries.reserve(table.size());
        for (const auto& [og, entry] : table)
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

bool ObjectStreamReader::readApart(QPDFObjGen og, QPDFObjectHandle& value, const KeyList* keys)
{
    const Entry* object = og.getGen() == 0 ? find(og.getObj()) : nullptr;
    if (object && object->offset >= 0)
        return parseInFile(*object, value, keys);
    Entry* container = object ? find(object->container) : nullptr;
    if (!container || (container->flags & (kParsed | kUnreadable)))
        return false;
    return parseApart(*container, og.getObj(), value, keys);
}

bool ObjectStreamReader::parseApart(Entry& container, int id, QPDFObjectHandle& value,
                                    const KeyList* keys)
{
    const Stream* s = stream(container.id);
    if (!s) {
        container.flags |= kUnreadable;
        return false;
    }
    const qpdf_offset_t at = offsetOf(*s, id);
    if (at < 0)
        return false;
    try {
        // Most destinations are short arrays that a plain scan reads many times faster.
        const char* bytes = reinterpret_cast<const char*>(s->data->getBuffer());
        auto known = [this](QPDFObjGen ref) {
            return ref.getGen() == 0 && find(ref.getObj());
        };
        if (scanPlainObject(bytes + at, bytes + s->data->getSize(), m_pdf, known, value, nullptr,
                            keys))
            return true;
        s->input->seek(at, SEEK_SET);
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

const char* ObjectStreamReader::bodyOf(const Entry& object, const char* begin, const char* end)
{
    PlainLexer lexer(begin, end);
    PlainItem number, generation;
    if (lexer.next(number) != PlainLexer::Value || number.kind != PlainItem::Integer ||
        number.integer != object.id || lexer.next(generation) != PlainLexer::Value ||
        generation.kind != PlainItem::Integer || generation.integer != 0 || !lexer.keyword("obj"))
        return nullptr;
    return lexer.position();
}

QPDFObjGen ObjectStreamReader::firstMisplaced(InputSource& file) const
{
    try {
        char head[64];
        for (const Entry& object : m_entries) {
            if (object.offset < 0)
                continue;
            file.seek(object.offset, SEEK_SET);
            const size_t length = file.read(head, sizeof head);
            if (!bodyOf(object, head, head + length))
                return QPDFObjGen(object.id, 0);
        }
    } catch (const std::exception&) {
        // A table that cannot be read is qpdf's to repair as it goes.
    }
    return QPDFObjGen();
}

ObjectStreamReader::Scan
ObjectStreamReader::scanInFile(const Entry& object, QPDFObjectHandle& value, const KeyList* keys)
{
    char window[kPlainWindow];
    m_file->seek(object.offset, SEEK_SET);
    const size_t length = m_file->read(window, sizeof window);
    const char* end = window + length;
    const bool fileEnds = length < sizeof window;
    const char* body = bodyOf(object, window, end);
    if (!body)
        return Scan::Unknown;
    const char* stop = nullptr;
    QPDFObjectHandle parsed;
    auto known = [this](QPDFObjGen ref) {
        return ref.getGen() == 0 && find(ref.getObj());
    };
    if (!scanPlainObject(body, end, m_pdf, known, parsed, &stop, keys))
        return Scan::Unknown;
    if (PlainLexer(stop, end).keyword("stream"))
        return Scan::Stream;
    if (!PlainLexer(stop, end).keyword("endobj", fileEnds))
        return Scan::Unknown;
    value = parsed;
    return Scan::Read;
}

bool ObjectStreamReader::parseInFile(const Entry& object, QPDFObjectHandle& value,
                                     const KeyList* keys)
{
    if (!m_file)
        return false;
    try {
        // Most objects are plain dictionaries and arrays, which a plain scan reads many
        // times faster than the general parser.
        const Scan scan = scanInFile(object, value, keys);
        return scan == Scan::Unknown ? parseGeneral(object, value) : scan == Scan::Read;
    } catch (const std::exception&) {
        return false;
    }
}

bool ObjectStreamReader::parseGeneral(const Entry& object, QPDFObjectHandle& value)
{
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

bool ObjectStreamReader::storedBytes(QPDFObjGen og, const char*& begin, const char*& end)
{
    Entry* object = og.getGen() == 0 ? find(og.getObj()) : nullptr;
    Entry* container = object ? find(object->container) : nullptr;
    if (!container || (container->flags & kUnreadable))
        return false;
    const Stream* s = stream(container->id);
    if (!s) {
        container->flags |= kUnreadable;
        return false;
    }
    const qpdf_offset_t at = offsetOf(*s, og.getObj());
    if (at < 0)
        return false;
    const char* data = reinterpret_cast<const char*>(s->data->getBuffer());
    begin = data + at;
    end = data + s->data->getSize();
    return true;
}

int ObjectStreamReader::containerOf(QPDFObjGen og)
{
    const Entry* object = og.getGen() == 0 ? find(og.getObj()) : nullptr;
    return object ? object->container : 0;
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
        std::vector<std::pair<int, long long>> header;
        if (!readPlainHeader(*s.data, count, header))
            readHeader(s, name, count, header);
        for (const auto& [objectNumber, where] : header) {
            if (where < 0 || where > (long long)(s.data->getSize()) - first)
                throw std::runtime_error("bad object offset");
            // Objects replaced by later updates of the file are stored elsewhere.
            const Entry* member = find(objectNumber);
            if (member && member->container == number)
                s.offsets.emplace_back(objectNumber, qpdf_offset_t(first + where));
        }
        // Sorted by number; of two entries for one number the later one holds.
        std::stable_sort(s.offsets.begin(), s.offsets.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        auto last = std::unique(s.offsets.rbegin(), s.offsets.rend(),
                                [](const auto& a, const auto& b) { return a.first == b.first; });
        s.offsets.erase(s.offsets.begin(), last.base());
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

qpdf_offset_t ObjectStreamReader::offsetOf(const Stream& s, int id)
{
    auto at = std::lower_bound(s.offsets.begin(), s.offsets.end(), id,
                               [](const auto& entry, int value) { return entry.first < value; });
    return at != s.offsets.end() && at->first == id ? at->second : -1;
}

void ObjectStreamReader::readHeader(Stream& s, const std::string& name, long long count,
                                    std::vector<std::pair<int, long long>>& header)
{
    header.clear();
    s.input->seek(0, SEEK_SET);
    QPDFTokenizer tokenizer;
    for (long long i = 0; i < count; ++i) {
        auto num = tokenizer.readToken(s.input, name, true);
        auto offset = tokenizer.readToken(s.input, name, true);
        if (!num.isInteger() || !offset.isInteger())
            throw std::runtime_error("bad object stream header");
        header.emplace_back(QUtil::string_to_int(num.getValue().c_str()),
                            QUtil::string_to_ll(offset.getValue().c_str()));
    }
}

bool ObjectStreamReader::readPlainHeader(const Buffer& data, long long count,
                                         std::vector<std::pair<int, long long>>& header)
{
    // Producers write the header as plain decimal numbers between spaces and line ends; any
    // other shape (signs, comments, damage) is left to the general tokenizer.
    header.clear();
    if (count > (long long)(data.getSize()) / 4)
        return false;
    header.reserve(size_t(count));
    const auto* p = data.getBuffer();
    const auto* end = p + data.getSize();
    auto number = [&](long long limit, long long& value) {
        while (p != end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
        if (p == end || *p < '0' || *p > '9')
            return false;
        value = 0;
        for (; p != end && *p >= '0' && *p <= '9'; ++p) {
            value = value * 10 + (*p - '0');
            if (value > limit)
                return false;
        }
        // The number must end where a token ends.
        return p != end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t');
    };
    for (long long i = 0; i < count; ++i) {
        long long objectNumber = 0;
        long long where = 0;
        if (!number(std::numeric_limits<int>::max(), objectNumber) ||
            !number(std::numeric_limits<int>::max(), where))
            return false;
        header.emplace_back(int(objectNumber), where);
    }
    return true;
}

} // namespace paginor
