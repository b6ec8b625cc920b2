// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/WebLink.h"

#include "settings/Product.h"

#include <QDesktopServices>

namespace paginor {

UrlOpener desktopUrlOpener()
{
    return [](const QUrl& url) {
        QDesktopServices::openUrl(url);
    };
}

QUrl makerWebSite()
{
    return QUrl(QString::fromLatin1(kMakerWebSite));
}

} // namespace paginor
