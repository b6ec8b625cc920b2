// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <functional>
#include <map>
#include <string>
#include <utility>

namespace paginor {

// A copy of `h` made of new direct objects only, so that nothing of a source is referenced
// from it. Streams, anything nested deeper than a few levels and anything past `budget`
// objects become null; `budget` is what is left of it afterwards, so that a wide graph of
// shared objects costs no more than the budget, however many paths lead through it.
QPDFObjectHandle boundedCopy(QPDFObjectHandle h, size_t& budget, int depth = 0);

// The keys of a structure element kept as they are, held as PDF text: a dictionary of objects
// costs a kilobyte or more per element, and a tree has thousands. Read back into objects on
// each call, which only the writing of an output does.
class TagKeys
{
public:
    TagKeys() = default;
    // `text` holds " /Key value" pairs of direct values, as in a dictionary.
    explicit TagKeys(std::string text) : m_text(std::move(text)) {}

    // The keys as a new direct dictionary, parsed from the text on each call: a caller that
    // reads several keys reads them from one.
    QPDFObjectHandle dictionary() const;

    // The value of `key` in the dictionary, as QPDFObjectHandle::getKey gives it.
    QPDFObjectHandle getKey(const std::string& key) const;

private:
    std::string m_text;
};

// Reads the objects of a structure tree apart from the document's cache, and writes the kept
// values as the text TagKeys holds.
class TagValues
{
public:
    // Gives the value of an indirect object read apart from the document's cache, or the
    // object itself where it cannot be read apart.
    using Loader = std::function<QPDFObjectHandle(QPDFObjectHandle)>;

    // Without `peek`, objects are read from the document.
    TagValues(QPDF& pdf, Loader peek) : m_pdf(pdf), m_peek(std::move(peek)) {}

    // The value of `h`: itself when direct.
    QPDFObjectHandle get(QPDFObjectHandle h) const
    {
        return h.isIndirect() && m_peek ? m_peek(h) : h;
    }
    QPDFObjectHandle object(QPDFObjGen og) const { return get(m_pdf.getObject(og)); }
    // Whether `dict`, a dictionary read already, holds `key` with a value that is not null.
    bool has(QPDFObjectHandle dict, const std::string& key) const
    {
        return !get(dict.getKey(key)).isNull();
    }

    // Appends " /key value", with the value as boundedCopy copies it, unless that copy is null,
    // which a dictionary leaves out. The objects reached are held until release(): a value may
    // reach one object along many paths, each counted against the budget.
    void appendPair(const std::string& key, QPDFObjectHandle value, size_t& budget,
                    std::string& out, int depth = 0);
    // Appends `h` as boundedCopy copies it, as PDF text: "null" for what the copy leaves out.
    void appendText(QPDFObjectHandle h, size_t& budget, std::string& out, int depth = 0);
    // Lets go of the objects held.
    void release() { m_held.clear(); }

private:
    QPDFObjectHandle held(QPDFObjectHandle h);

    QPDF& m_pdf;
    Loader m_peek;
    std::map<QPDFObjGen, QPDFObjectHandle> m_held;
};

} // namespace paginor
