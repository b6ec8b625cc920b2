// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace paginor {

// Reads the plain objects that make up most of a manual's named destinations and links
// straight from their bytes, which costs a fraction of qpdf's general parser:
//   [N G R /Name number-or-null ...]            an explicit destination
//   << /D [ ... ] >>                            a destination dictionary holding one
//   << /Limits [(a) (b)] /Names [(a) N G R] >>  a name-tree node
//   << /Subtype /Link /Rect [ ... ] /A << /S /URI /URI (...) >> >>  a link
// that is, arrays and dictionaries, a few levels deep, of names, numbers, null, plain
// strings and references.
// `known` says whether a reference may be taken from `pdf` as the parser would take it (the
// object is in the cross-reference table). Returns false, leaving `value` alone, for any
// other shape, any reference `known` refuses, and anything unusual in the bytes: the caller
// then parses them the general way, so nothing this accepts is read differently. `stop`, when
// given, is set to just after the object.
//
// With `keys`, a dictionary keeps only those keys at its top level; the other values are
// stepped over without being built or checked beyond their brackets, for a caller that reads
// a few keys of many objects (the page tree's walk).
using KeyList = std::vector<std::string_view>;
bool scanPlainObject(const char* begin, const char* end, QPDF& pdf,
                     const std::function<bool(QPDFObjGen)>& known, QPDFObjectHandle& value,
                     const char** stop = nullptr, const KeyList* keys = nullptr);

} // namespace paginor
