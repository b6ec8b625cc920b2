#pragma once

#include <qpdf/QPDFObjectHandle.hh>

namespace paginor {

// A copy of `h` made of new direct objects only, so that nothing of a source is referenced
// from an output and no value is shared between outputs. Streams and anything nested deeper
// than a few levels become null.
QPDFObjectHandle plainCopy(QPDFObjectHandle h, int depth = 0);

} // namespace paginor
