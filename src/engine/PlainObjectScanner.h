#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <functional>

namespace paginor {

// Reads the few object shapes that make up most of a manual's named destinations straight
// from their bytes, which costs a fraction of qpdf's general parser:
//   [N G R /Name number-or-null ...]            an explicit destination
//   << /D [ ... ] >>                            a destination dictionary holding one
//   << /Limits [(a) (b)] /Names [(a) N G R] >>  a name-tree node
// that is, an array or a dictionary of names, numbers, null, plain strings, references and
// (in a dictionary) arrays of those.
// `known` says whether a reference may be taken from `pdf` as the parser would take it (the
// object is in the cross-reference table). Returns false, leaving `value` alone, for any
// other shape, any reference `known` refuses, and anything unusual in the bytes: the caller
// then parses them the general way, so nothing this accepts is read differently.
bool scanPlainObject(const char* begin, const char* end, QPDF& pdf,
                     const std::function<bool(QPDFObjGen)>& known, QPDFObjectHandle& value);

} // namespace paginor
