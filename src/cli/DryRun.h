// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "cli/CommandLine.h"

namespace paginor::cli {

// `split ... --dry-run`: prints the source's page count, then one line per file the split
// would write ("<full path>: N pages"), then what lies past the end, as the split panel's
// summary tells it. A protected source asks for its password as the split does. Writes no
// file. Returns the exit status the split would have: 0 when it would write its files.
int dryRunSplit(const CommandLine& line);

} // namespace paginor::cli
