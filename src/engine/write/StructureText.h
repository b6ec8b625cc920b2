// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/StructurePlan.h"

#include <functional>
#include <string>

namespace paginor {

// Writes the laid-out outline and named-destination tree as PDF text, for a writer numbering
// its own objects: `allocate()` gives a new object number, `pageNumber(outPage)` an output
// page's number and `write(number, body)` writes one object. Returns the catalog's entries.
std::string writeStructureText(const StructureLayout& layout, const std::function<int()>& allocate,
                               const std::function<int(int32_t)>& pageNumber,
                               const std::function<void(int, const std::string&)>& write);

// A retargeted link's new /Dest as PDF text; `pageRef` is the writer's reference to its page.
std::string linkDestText(const LinkFix& fix, const std::string& pageRef);

} // namespace paginor
