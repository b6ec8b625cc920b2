// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/read/PlainLexer.h"

#include <qpdf/QPDFObjGen.hh>

#include <string>
#include <utility>
#include <vector>

namespace paginor {

// Read straight from stored bytes without building objects, in the same plain syntax as
// scanPlainObject (no escapes, comments or nesting past what is named here). Each returns
// false for any other shape, and the caller then reads the object the general way.

// A named destination's value: an explicit destination array, or a dictionary holding one
// directly under /D. `items` are the array's values.
bool scanDestination(const char* begin, const char* end, std::vector<PlainItem>& items);

// A name-tree node whose /Names (when present) pairs strings with references and whose /Kids
// (when present) are references.
bool scanNameNode(const char* begin, const char* end,
                  std::vector<std::pair<std::string, QPDFObjGen>>& names,
                  std::vector<QPDFObjGen>& kids);

} // namespace paginor
