// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <optional>

namespace paginor {

// The program's few persistent settings: named text values in the current user's store
// (organisation "Velmora Software", application "Paginor", native format: the registry key
// HKEY_CURRENT_USER\Software\Velmora Software\Paginor on Windows, a per-user configuration
// file elsewhere). Every operation is silent: it never shows anything and never reports a
// failure beyond the text it returns.

// Returns the named value as text: a stored 32-bit number as its decimal text, a string with
// one trailing NUL removed, a string starting with NUL as "". Returns "" for a missing value,
// a value of any other type, or when the store cannot be read.
QString ReadSetting(const QString& name);

// Stores `value` under `name`, creating the program's key or file when needed and replacing any
// earlier value. A write the store refuses leaves the old value, or none, in place.
void WriteSetting(const QString& name, const QString& value);

// Reads a setting text as a whole number: blanks around it are ignored and a fraction is
// rounded to the nearest whole number, a half to the even neighbour. Returns nothing for an
// empty text, a text that is not a number, or one outside the 32-bit range.
std::optional<int> settingToInt(const QString& text);

} // namespace paginor
