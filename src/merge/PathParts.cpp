// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/PathParts.h"

#include <QDir>

namespace paginor {

QString GetFileName(const QString& path)
{
    const int cut = path.lastIndexOf(QDir::separator());
    return cut < 0 ? path : path.mid(cut + 1);
}

QString GetFolderName(const QString& path)
{
    const int cut = path.lastIndexOf(QDir::separator());
    return cut < 0 ? QString() : path.left(cut);
}

} // namespace paginor
