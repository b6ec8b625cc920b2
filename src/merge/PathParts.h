// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

// Splits a full path at its last native separator. Together they rebuild the path:
// GetFolderName(p) + QDir::separator() + GetFileName(p) == p for every p holding a separator.
// A file in the root keeps that property: "/a.pdf" gives "" and "a.pdf", "C:\a.pdf" gives
// "C:" and "a.pdf".

// The text after the last native separator; the whole path when it holds none.
QString GetFileName(const QString& path);

// The text before the last native separator, that separator excluded; "" when it holds none.
QString GetFolderName(const QString& path);

} // namespace paginor
