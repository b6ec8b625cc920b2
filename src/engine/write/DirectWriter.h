#pragma once

#include "engine/SourceDocument.h"
#include "engine/structure/ExtrasPlan.h"
#include "engine/structure/StructurePlan.h"

#include <qpdf/QPDFObjGen.hh>

#include <QString>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace paginor {

// Writes a new PDF straight from source pages, without building a document in memory: every
// object the pages reach is numbered afresh and written once, stream data is copied as it is
// stored (decrypted, never decoded), references to pages outside the output become null and
// links, bookmarks and named destinations follow what StructurePlan decides. Pages are written
// segment by segment, so a merge holds one source at a time.
//
// It does not rebuild interactive forms or duplicate pages; chooseWriter tells when it applies.
class DirectWriter
{
public:
    // `tags` false drops the sources' logical structure.
    explicit DirectWriter(std::FILE* file, BookmarkMode bookmarks = BookmarkMode::Keep,
                          bool tags = true);

    // Writes the pages at `indices` (zero-based) of `source` and all they reach. The source
    // is not needed afterwards. Throws when source data cannot be read.
    void addSegment(SourceDocument& source, const std::vector<int32_t>& indices);

    // Writes the page tree, outline, named destinations, catalog, information entries and
    // cross-reference table.
    void finish(const std::map<std::string, QString>& info);

    int32_t pageCount() const { return int32_t(m_pageNumbers.size()); }

    // Whether document-level attachments are kept (the default); call before addSegment.
    void keepAttachments(bool keep) { m_extras.keepAttachments(keep); }

private:
    // A retargeted link's new /Dest as text, with the plan's answer for it; none when empty.
    struct Retarget
    {
        std::string dest;
        LinkFix fix;
    };

    int allocate();
    void emit(const char* data, size_t size);
    void emit(const std::string& text) { emit(text.data(), text.size()); }
    void beginObject(int number);
    void reference(QPDFObjectHandle h, std::string& out);
    bool valueToWrite(QPDFObjectHandle& h);
    void enqueue(QPDFObjGen og, QPDFObjectHandle value, std::string& out, Retarget retarget = {});
    void serializeAnnots(QPDFObjectHandle annots, std::string& out);
    std::string writeStructure();
    void serialize(QPDFObjectHandle h, std::string& out);
    void serializeArray(QPDFObjectHandle h, std::string& out);
    // `structKey` is the object's parent-tree key in the output, -1 for none.
    void serializeDict(QPDFObjectHandle h, std::string& out, bool stream, bool page,
                       const Retarget* retarget = nullptr, int structKey = -1);
    void writeObject(int number, QPDFObjectHandle h, bool page, const Retarget* retarget = nullptr,
                     int structKey = -1);
    void writeQueued();
    ExtrasEmitter extrasEmitter();

    std::FILE* m_file;
    int64_t m_offset = 0;
    std::vector<int64_t> m_offsets{0}; // by object number; 0 is the free head
    std::vector<int> m_pageNumbers;
    std::vector<QPDFObjectHandle> m_labels;
    bool m_anyLabels = false; // labels are written when any source has them
    PdfVersion m_version;
    std::string m_buffer;

    SourceDocument* m_source = nullptr;
    // Per segment: the source's objects already numbered, and those still to write.
    std::map<QPDFObjGen, int> m_numbers;
    std::map<QPDFObjGen, int> m_pages;
    struct Pending
    {
        int number;
        QPDFObjectHandle value;
        Retarget retarget;
        QPDFObjGen og;
    };
    std::vector<Pending> m_queue;

    StructurePlan m_plan;
    ExtrasPlan m_extras;
    int m_segment = -1;
    // The numbers of the source objects the structure tree refers to, by segment.
    std::map<std::pair<int, QPDFObjGen>, int> m_tagObjects;
};

} // namespace paginor
