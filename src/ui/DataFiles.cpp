// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/DataFiles.h"

#include "ui/SkinEngine.h"

#include <QDir>
#include <QFileInfo>

#ifndef PAGINOR_DATA_FROM_BIN
#define PAGINOR_DATA_FROM_BIN "../share/paginor"
#endif

namespace paginor {

QString installedDataFolder(const QString& programFolder)
{
    return QDir::toNativeSeparators(
        QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(PAGINOR_DATA_FROM_BIN))));
}

QString findStyleFile(const QString& programFolder)
{
    const QString name = QString::fromLatin1(kSkinFileName);
    QString beside = programFolder;
    if (!beside.endsWith(QDir::separator()))
        beside += QDir::separator();
    beside += name;
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = installedDataFolder(programFolder) + QDir::separator() + name;
    return QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace paginor
