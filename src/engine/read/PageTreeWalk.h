// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/read/ObjectStreamReader.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <array>
#include <cstdint>
#include <vector>

namespace paginor {

// The pages of a document listed from its page tree without parsing them into the document.
//
// qpdf's own walk resolves every page, and resolving one object of an object stream parses
// the whole stream: opening a 2,000-page manual parsed most of the file even when only a few
// pages were wanted. This walk reads the tree's nodes and pages apart from the document, so
// only the pages an output takes are parsed into it, when it takes them.
struct PageTree
{
    // The attributes a page inherits from its ancestors, in the order of kInheritedKeys;
    // uninitialized where no ancestor sets one.
    using Inherited = std::array<QPDFObjectHandle, 4>;
    static const std::array<const char*, 4> kInheritedKeys;

    std::vector<QPDFObjectHandle> pages; // indirect handles, in page order
    std::vector<int32_t> inheritedFrom;  // per page: its entry in `inherited`
    std::vector<Inherited> inherited;    // one per page-tree node
    // Whether pages share resource dictionaries (or inherit them, which is the same).
    bool sharesResources = false;
};

// Fills `tree` and returns true when the page tree is plain: every node an indirect
// /Pages dictionary with a /Kids array, every page an indirect /Page dictionary listed once,
// no loops. Returns false for anything else, which qpdf's own walk then repairs. May throw
// on a damaged file.
bool walkPageTree(QPDF& pdf, ObjectStreamReader& reader, PageTree& tree);

} // namespace paginor
