// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/SourceDocument.h"
#include "engine/structure/ExtrasPlan.h"
#include "engine/structure/PageOrder.h"
#include "engine/structure/StructurePlan.h"
#include "engine/write/DuplicateFinder.h"
#include "engine/write/ObjectOutput.h"

#include <qpdf/QPDFObjGen.hh>

#include <QString>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace paginor {

// Writes a new PDF straight from source pages, without building a document in memory: every
// object the pages reach is numbered afresh and written once, stream data is copied as it is
// stored (decrypted, never decoded), references to pages outside the output become null and
// links, bookmarks and named destinations follow what StructurePlan decides. Pages are written
// segment by segment, so a merge holds one source at a time.
//
// An object is written after the objects it refers to, so that one identical to an object
// already written (a font or image every input of a merge carries) is not written again but
// refers to that copy; DuplicateFinder tells which objects may be shared, and objects the
// structure tree refers to are never shared. Stored data with no filter is compressed;
// nothing else is re-encoded.
//
// It does not rebuild interactive forms or duplicate pages; chooseWriter tells when it applies.
class DirectWriter
{
public:
    // `tags` false drops the sources' logical structure. With `objectStreams`, objects that
    // are not streams go into object streams listed by a cross-reference stream; without, the
    // file has a classic table, for old readers.
    explicit DirectWriter(std::FILE* file, BookmarkMode bookmarks = BookmarkMode::Keep,
                          bool tags = true, bool objectStreams = true);

    // Makes room for the pages that no source gives; call before the first segment. The
    // segments' pages then go where their `positions` say.
    void setAddedPages(const AddedPages& pages);

    // Writes the pages at `indices` (zero-based) of `source` and all they reach, page
    // `indices[k]` at output page `positions[k]` (none: after the pages written so far), each
    // turned by `turns[k]` degrees (a multiple of 90; none when empty) beyond its own /Rotate.
    // The source is not needed afterwards. Throws when source data cannot be read.
    void addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                    const std::vector<int32_t>& positions = {},
                    const std::vector<int32_t>& turns = {});

    // Writes the page tree, outline, named destinations, catalog, information entries and
    // cross-reference table.
    void finish(const std::map<std::string, QString>& info);

    int32_t pageCount() const { return int32_t(m_pageNumbers.size()); }
    // What was written once for several uses so far.
    const DuplicateFinder::Saved& duplicates() const { return m_duplicates.saved(); }

    // Whether document-level attachments are kept (the default); call before addSegment.
    void keepAttachments(bool keep) { m_extras.keepAttachments(keep); }

private:
    // A retargeted link's new /Dest as text, with the plan's answer for it; none when empty.
    struct Retarget
    {
        std::string dest;
        LinkFix fix;
    };

    int allocate() { return m_out.allocate(); }
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
    int writeObject(int number, QPDFObjectHandle h, bool page, const Retarget* retarget = nullptr,
                    int structKey = -1, QPDFObjGen og = {});
    int writeStream(int number, QPDFObjectHandle h, std::string& dict);
    bool tagged(QPDFObjGen og) const;
    void writeQueued();
    ExtrasEmitter extrasEmitter();
    void writeAddedPages();

    ObjectOutput m_out;
    DuplicateFinder m_duplicates;
    // Objects are written depth first, each with its own text buffer, down to this depth;
    // deeper ones are queued and written after their page, under numbers given at once.
    static constexpr int kMaxDepth = 48;
    int m_depth = 0;
    std::vector<std::string> m_buffers;
    std::vector<int> m_pageNumbers; // by output page
    AddedPages m_added;
    std::vector<QPDFObjectHandle> m_labels;
    bool m_anyLabels = false; // labels are written when any source has them
    PdfVersion m_version;

    SourceDocument* m_source = nullptr;
    // Per segment: the source's objects already numbered (0 while being written), and those
    // still to write.
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
    // This segment's objects that the structure tree refers to.
    std::set<QPDFObjGen> m_segmentTagObjects;
    // The angle the page being written is turned by.
    int32_t m_turn = 0;
};

} // namespace paginor
