// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/read/PlainObjectScanner.h"

#include <qpdf/Buffer.hh>
#include <qpdf/InputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace paginor {

// Reads single objects out of object streams without putting them in the document's cache.
//
// qpdf parses every object of an object stream as soon as one of them is used and keeps them
// all for the life of the document. A split into single pages uses most objects once (a
// page's links, say), so keeping them makes memory grow with every page written. Objects read
// here are direct copies, dropped once the output that needed them is written.
class ObjectStreamReader
{
public:
    // `known` are objects the document has parsed already (the page tree, on opening); their
    // object streams are left to the document.
    ObjectStreamReader(QPDF& pdf, const std::vector<QPDFObjGen>& known);

    // Sets `value` to a direct copy of the object `og` and returns true when the object sits
    // in an object stream the document has not parsed and is asked for the first time.
    // Returns false, leaving `value` alone, when the object should come from the document:
    // it is stored elsewhere, it was asked for before (it is shared, so worth keeping; its
    // stream is left to the document from then on), or it cannot be read apart (the document
    // then deals with the damage in its usual way). Never throws.
    bool readOnce(QPDFObjGen og, QPDFObjectHandle& value);

    // Like readOnce, but for a look that does not count as a use: the object may still be
    // handed out once later. For reading the page tree without parsing every page's stream.
    // With `keys`, a dictionary may come with only those keys (see scanPlainObject).
    bool readApart(QPDFObjGen og, QPDFObjectHandle& value, const KeyList* keys = nullptr);

    // Lets objects stored outside object streams be read apart too, from `file`: the
    // document's own input. Not for encrypted documents, whose strings the document decrypts.
    void setFileInput(std::shared_ptr<InputSource> file);

    // The first object the cross-reference table places in the file where `file` does not
    // hold its "N 0 obj"; a null QPDFObjGen when there is none. Reads a few bytes per object.
    QPDFObjGen firstMisplaced(InputSource& file) const;

    // Points `begin` and `end` at the stored bytes of `og` (from its start to the end of its
    // object stream's data) for a caller that reads them without building objects: nothing
    // is marked as used and what the document has parsed is not considered. False when the
    // object is stored elsewhere or its stream does not read apart. The bytes stay valid
    // until the next call. Never throws.
    bool storedBytes(QPDFObjGen og, const char*& begin, const char*& end);
    // The object stream holding `og`, 0 when none; for reading objects stream by stream.
    int containerOf(QPDFObjGen og);

private:
    struct Stream
    {
        int number = 0;
        std::shared_ptr<Buffer> data;
        std::shared_ptr<InputSource> input;
        // (object number, where it starts in `data`), sorted by number
        std::vector<std::pair<int, qpdf_offset_t>> offsets;
    };
    const Stream* stream(int number);
    static qpdf_offset_t offsetOf(const Stream& s, int id); // -1 when not in `s`
    // The (object number, offset) pairs at the start of an object stream's data. The plain
    // reader takes only the usual shape and returns false on anything else; the general one
    // throws on damage.
    static bool readPlainHeader(const Buffer& data, long long count,
                                std::vector<std::pair<int, long long>>& header);
    static void readHeader(Stream& s, const std::string& name, long long count,
                           std::vector<std::pair<int, long long>>& header);

    enum Flag : uint8_t
    {
        kUsed = 1,       // an object handed out once
        kParsed = 2,     // an object stream the document holds parsed
        kUnreadable = 4, // an object stream that did not read apart
    };

    // One per object of the cross-reference table, by object number. Kept sorted rather
    // than indexed, since a damaged table may name any number up to 2^31.
    struct Entry
    {
        int id = 0;
        int container = 0; // its object stream, 0 when in none
        uint8_t flags = 0;
        qpdf_offset_t offset = -1; // where it starts in the file, when stored there
    };
    Entry* find(int id);
    bool parseApart(Entry& container, int id, QPDFObjectHandle& value,
                    const KeyList* keys = nullptr);
    bool parseInFile(const Entry& object, QPDFObjectHandle& value, const KeyList* keys = nullptr);
    // The plain scan of an object stored in the file: Read sets `value`; Stream is a stream's
    // dictionary, left to the document; Unknown takes the general parser.
    enum class Scan
    {
        Read,
        Stream,
        Unknown,
    };
    Scan scanInFile(const Entry& object, QPDFObjectHandle& value, const KeyList* keys);
    // Just after "N 0 obj" for `object` at `begin`, or null when that is not what is there.
    static const char* bodyOf(const Entry& object, const char* begin, const char* end);
    bool parseGeneral(const Entry& object, QPDFObjectHandle& value);

    QPDF& m_pdf;
    std::vector<Entry> m_entries;
    std::list<Stream> m_recent; // the last few streams read, most recent first
    std::shared_ptr<InputSource> m_file;
};

} // namespace paginor
