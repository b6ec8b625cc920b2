// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

// The installed data folder as seen from the executable's folder ("../share/paginor" in an
// installed copy), so that an install under any prefix finds its files.
QString installedDataFolder(const QString& programFolder);

// The style file the skins come from: skin.styles beside the executable when it is there (a
// build, or a copy on a stick), else the one in the installed data folder. When neither exists,
// the path beside the executable, so that what was looked for is plain to see.
QString findStyleFile(const QString& programFolder);

} // namespace paginor
