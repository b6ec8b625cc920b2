// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "cli/SplitValues.h"

#include "engine/PageList.h"
#include "split/SplitOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace paginor::cli {

bool sizeInMegabytes(const QString& value, QString& megabytes)
{
    static const QRegularExpression size(
        QStringLiteral(R"(^\s*(\d+(?:\.\d*)?|\.\d+)\s*([KMG]?)B?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = size.match(value);
    if (!m.hasMatch())
        return false;
    const QString unit = m.captured(2).toUpper();
    const double scale = unit == QLatin1String("K")   ? 1.0 / 1024
                         : unit == QLatin1String("G") ? 1024.0
                                                      : 1.0;
    const double mb = m.captured(1).toDouble() * scale;
    megabytes = QString::number(mb, 'g', 17);
    return sizeLimitBytes(megabytes) > 0;
}

bool readRotation(const QString& value, int& angle, QString& pages, QString& why)
{
    const qsizetype colon = value.indexOf(u':');
    const QString degrees = value.left(colon).trimmed();
    const QString list = colon < 0 ? QString() : value.mid(colon + 1).trimmed();
    angle = degrees == QLatin1String("90")    ? 90
            : degrees == QLatin1String("180") ? 180
            : degrees == QLatin1String("270") ? 270
                                              : 0;
    if (angle == 0 || (colon >= 0 && list.isEmpty())) {
        why = QCoreApplication::translate(
                  "cli", "--rotate takes 90, 180 or 270, for some pages with their list "
                         "(90:1-3,7), not %1")
                  .arg(value);
        return false;
    }
    const PageListResult read = parsePageList(list.toStdString(), 1);
    if (!list.isEmpty() && read.error == EngineError::BadPageList) {
        why = QCoreApplication::translate("cli", "--rotate: this page list is not valid: %1")
                  .arg(QString::fromStdString(read.badItem));
        return false;
    }
    pages = list;
    return true;
}

} // namespace paginor::cli
