// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

namespace paginor {

// Remembers the objects an output has written, so that an identical one is written once and
// its other uses refer to that copy: the same text for an object that is not a stream, the
// same dictionary and the same stored data for a stream. Candidates are found by hash and
// confirmed byte for byte, stream data by reading back what was written.
class DuplicateFinder
{
public:
    // Whether an object with the dictionary `dict` may stand for other, identical ones.
    // False for objects whose identity carries meaning: pages, annotations, form fields,
    // structure elements, outline items, article beads and threads, optional content.
    static bool mayShare(QPDFObjectHandle dict);

    // Reads `size` bytes written at an offset of the output; false when it cannot.
    using ReadBack = std::function<bool(int64_t offset, size_t size, std::string& out)>;

    // The number of an object written before whose text is `text`, or 0.
    int findPlain(const std::string& text);
    // Records that `text` was written as object `number`; after a findPlain of that text.
    void addPlain(const std::string& text, int number);

    // The number of a stream written before with the dictionary text `dict` and the data
    // `data`, or 0.
    int findStream(const std::string& dict, const char* data, size_t size,
                   const ReadBack& readBack);
    // Records that such a stream was written as object `number` with its data at `offset`;
    // after a findStream of the same stream.
    void addStream(const std::string& dict, size_t size, int number, int64_t offset);

    // What was written once instead of again: objects, and bytes of their text and data.
    struct Saved
    {
        int64_t objects = 0;
        int64_t bytes = 0;
    };
    const Saved& saved() const { return m_saved; }

private:
    struct Entry
    {
        int number = 0;
        int64_t offset = -1; // a stream's data in the output; -1 for other objects
        size_t size = 0;     // a stream's data size
        std::string text;    // the text, or the stream's dictionary
    };
    std::unordered_multimap<uint64_t, Entry> m_written;
    uint64_t m_hash = 0; // of the last object looked for
    Saved m_saved;
    std::string m_readBuffer;
};

} // namespace paginor
