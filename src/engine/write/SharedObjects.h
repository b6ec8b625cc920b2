// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/write/DuplicateFinder.h"

#include <qpdf/QPDF.hh>

namespace paginor {

// Points every reference in `pdf` at one copy of each group of identical objects, the way a
// writer that numbers its own objects does with DuplicateFinder: objects are compared after
// the objects they refer to, so identical fonts with identical programs become one font.
// The other copies are left unreferenced, so a writer that writes what the trailer reaches
// leaves them out. Returns what is no longer referenced.
DuplicateFinder::Saved shareIdenticalObjects(QPDF& pdf);

} // namespace paginor
