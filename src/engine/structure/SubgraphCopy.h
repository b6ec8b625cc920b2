// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <map>
#include <memory>

namespace paginor {

// Copies parts of one source (bookmark actions, say) into a small document of its own, so
// that nothing of the source is referenced once it is closed. Each object is copied once: an
// object that several copies reach, or that one copy reaches many times, stays one shared
// object, so a wide graph of shared objects costs its size, not the number of its paths.
// Streams, and anything nested deeper than a few levels, become null.
class SubgraphCopier
{
public:
    // The most one copy may add: objects (containers and values) and bytes of strings.
    static constexpr size_t kMaxObjects = 4096;
    static constexpr size_t kMaxBytes = size_t(4) << 20;

    SubgraphCopier();

    // Sets `out` to a copy of `h`: direct where `h` is, its indirect objects those of this
    // copier's document. False, leaving `out` null, when the copy is past the budget; what it
    // had copied stays for later copies that reach it. Throws what qpdf throws on damage.
    bool copy(QPDFObjectHandle h, QPDFObjectHandle& out);

    // The document holding the copies (null before the first): whoever keeps a copy after the
    // copier is gone keeps this too.
    const std::shared_ptr<QPDF>& document() const { return m_pdf; }

private:
    QPDFObjectHandle copyOf(QPDFObjectHandle h, int depth);

    std::shared_ptr<QPDF> m_pdf; // made on first use
    std::map<QPDFObjGen, QPDFObjectHandle> m_copies;
    size_t m_objects = 0; // what the copy under way has added
    size_t m_bytes = 0;
    bool m_over = false;
};

// A colour [r g b] as a new array of three numbers; null when `h` is not one.
QPDFObjectHandle colorCopy(QPDFObjectHandle h);

// Puts a SubgraphCopier's copy `h` into `target`: its indirect objects are copied there once
// per target (qpdf remembers them), its direct containers are rebuilt around them.
QPDFObjectHandle importCopy(QPDF& target, QPDFObjectHandle h);

} // namespace paginor
