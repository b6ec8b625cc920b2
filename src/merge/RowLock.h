// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/FileIdentity.h"

#include <QString>

namespace paginor {

// What the last password test of a merge-list row found. It lives in memory with the row for
// the window's life and is never saved, logged or written into an output.
struct RowLock
{
    bool tested = false;      // the file, as `stamp` describes it, opened with `password`
    bool isProtected = false; // the file needs a password: the list shows a lock before its name
    QString password;         // the password that opened it ("" = none)
    FileIdentity stamp;       // the version of the file that test saw
};

} // namespace paginor
