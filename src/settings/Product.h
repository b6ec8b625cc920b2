// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QtGlobal>

namespace paginor {

// The product's name, version and maker, as shown to the user and written into PDFs.
inline const char* const kProductName = "Paginor";
inline const char* const kProductVersion = "4.0";
inline const char* const kMakerName = "Velmora Software";
inline const char* const kMakerWebSite = "https://www.velmora.example/";
inline const char* const kMakerWebSiteShown = "www.velmora.example";
inline const char* const kCopyright = "Copyright \u00a9 2026 Velmora Software";
// The licence as SPDX names it, and in words for the About window.
inline const char* const kLicenseId = "Apache-2.0";
inline const char* const kLicenseText =
    QT_TRANSLATE_NOOP("paginor::FormFlash", "Licensed under the Apache License 2.0");

} // namespace paginor
