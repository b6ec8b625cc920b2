// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QIcon>

namespace paginor {

// The lock symbol the merge list shows before the name of a password-protected file. Drawn
// rather than loaded, so it needs no file beside the program and no icon theme.
QIcon lockIcon();

} // namespace paginor
