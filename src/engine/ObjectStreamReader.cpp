#include "engine/ObjectStreamReader.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFTokenizer.hh>
#include <qpdf/QUtil.hh>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace paginor {

namespace {

// A page's objects come from two or three streams in a row; a few more cover what pages share.
constexpr size_t kRecentStreams = 4;

} // namespace

ObjectStreamReader::ObjectStreamReader(QPDF& pdf, const std::vector<QPDFObjGen>& known) : m_pdf(pdf)
{
    try {
        for (const auto& [og, entry] : m_pdf.getXRefTable()) {
            if (entry.getType() != 2 || og.getGen() != 0 || og.getObj() <= 0)
                continue;
            const auto id = size_t(og.getObj());
            if (id >= m_container.size())
                m_container.resize(id + 1, 0);
            m_container[id] = entry.getObjStreamNumber();
        }
    } catch (const std::exception&) {
        m_container.clear(); // everything comes from the document
    }
    m_flags.assign(m_container.size(), 0);
    for (const auto& og : known) {
        const auto id = size_t(og.getObj());
        if (id < m_container.size() && size_t(m_container[id]) < m_flags.size())
            m_flags[size_t(m_container[id])] |= kParsed;
    }
}

bool ObjectStreamReader::readOnce(QPDFObjGen og, QPDFObjectHandle& value)
{
    const int id = og.getObj();
    if (og.getGen() != 0 || id <= 0 || size_t(id) >= m_container.size())
        return false;
    const int container = m_container[size_t(id)];
    if (container <= 0 || size_t(container) >= m_flags.size() ||
        (m_flags[size_t(container)] & (kParsed | kUnreadable)))
        return false;
    if (m_flags[size_t(id)] & kUsed) {
        m_flags[size_t(container)] |= kParsed; // the document parses it on this use
        return false;
    }
    m_flags[size_t(id)] |= kUsed;

    const Stream* s = stream(container);
    if (!s)
        return false;
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
            if (objectNumber > 0 && size_t(objectNumber) < m_container.size() &&
                m_container[size_t(objectNumber)] == number)
                s.offsets[objectNumber] = qpdf_offset_t(first + where);
        }
    } catch (const std::exception&) {
        m_flags[size_t(number)] |= kUnreadable;
        return nullptr;
    }
    m_recent.push_front(std::move(s));
    if (m_recent.size() > kRecentStreams)
        m_recent.pop_back();
    return &m_recent.front();
}

} // namespace paginor
