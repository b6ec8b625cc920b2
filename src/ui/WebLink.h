// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QUrl>
#include <functional>

namespace paginor {

// Opens an address in the user's browser. The window takes one through its constructor so
// tests can record what would have been opened.
using UrlOpener = std::function<void(const QUrl&)>;

// The desktop's own handler (QDesktopServices); its result is ignored.
UrlOpener desktopUrlOpener();

// The maker's web site.
QUrl makerWebSite();

} // namespace paginor
