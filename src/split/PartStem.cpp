// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/PartStem.h"

#include <QDir>
#include <algorithm>

namespace paginor {

PartStem partStem(const QString& chosenPath)
{
    const int cut =
        std::max(chosenPath.lastIndexOf(QDir::separator()), chosenPath.lastIndexOf(u'/'));
    PartStem stem{chosenPath.left(cut + 1), chosenPath.mid(cut + 1)};
    stem.name.remove(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    return stem;
}

} // namespace paginor
