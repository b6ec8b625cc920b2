// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace paginor {

// Where each object of an output sits, written at the end of the file either as a classic
// cross-reference table or as a compressed cross-reference stream (which can also point
// into object streams). Numbers never given a place are listed as free.
class CrossReference
{
public:
    // Makes room for objects 1 to `count` - 1.
    void resize(size_t count);
    size_t size() const { return m_entries.size(); }

    // The object `number` starts at `offset` in the file.
    void setOffset(int number, int64_t offset);
    // The object `number` is the `index`-th of the object stream `stream`.
    void setPacked(int number, int stream, int index);

    // The classic table, from "xref" to the end of the trailer dictionary's "<<" entries:
    // `trailer` holds the entries other than /Size (" /Root 1 0 R ..."). Every object must
    // be placed in the file itself.
    std::string tableText(const std::string& trailer) const;

    // The cross-reference stream as the object `self`, placed at `selfOffset`, whose
    // dictionary also holds `trailer`. Grows the table by `self` when needed.
    std::string streamText(int self, int64_t selfOffset, const std::string& trailer);

private:
    struct Entry
    {
        uint8_t type = 0;  // 0 free, 1 in the file, 2 in an object stream
        int64_t field = 0; // offset, or the object stream's number
        int index = 0;     // the place in the object stream
    };
    std::vector<Entry> m_entries{Entry{}};
};

} // namespace paginor
