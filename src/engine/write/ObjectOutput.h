// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/write/CrossReference.h"
#include "engine/write/ObjectStreamPacker.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace paginor {

// The file end of a writer that numbers its own objects: it writes the header, each object
// as it comes, and the cross-reference section at the end. With object streams, objects
// that are not streams are packed into compressed object streams and the section is a
// cross-reference stream; without, everything is written as plain text with a classic
// table, for old readers. Any failed write throws EngineFailure (WriteFailed).
class ObjectOutput
{
public:
    // Writes the header. The file must be empty and positioned at its start.
    ObjectOutput(std::FILE* file, bool objectStreams);

    bool objectStreams() const { return m_objectStreams; }

    // A new object number.
    int allocate();

    // Writes the object `number` whose value is written as `body` (not a stream).
    void writePlain(int number, const std::string& body);

    // Writes the stream `number`: `dict` is its dictionary's text without /Length and without
    // the closing ">>". Returns where its data starts in the file.
    int64_t writeStream(int number, const std::string& dict, const char* data, size_t size);

    // Sets `out` to the `size` bytes written at `offset`; false when the file cannot be read
    // back (a stream opened for writing only).
    bool readBack(int64_t offset, size_t size, std::string& out);

    // Writes what is still packed, the cross-reference section with `trailer` (the trailer
    // entries other than /Size and /ID: " /Root 1 0 R ...") and a new file identifier, and
    // puts `version` ("1.7") in the header.
    void finish(const std::string& trailer, const std::string& version);

private:
    void emit(const char* data, size_t size);
    void emit(const std::string& text) { emit(text.data(), text.size()); }
    void flushPacked();

    std::FILE* m_file;
    bool m_objectStreams;
    int64_t m_offset = 0;
    int m_next = 1;
    CrossReference m_xref;
    ObjectStreamPacker m_packer;
    std::string m_text;
};

} // namespace paginor
