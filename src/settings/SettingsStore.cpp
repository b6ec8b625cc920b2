// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/SettingsStore.h"

#include <QSettings>
#include <QVariant>
#include <cfenv>
#include <cmath>
#include <limits>

namespace paginor {

namespace {

const char* const kOrganisation = "Velmora Software";
const char* const kApplication = "Paginor";

// The stored value as text, or "" for a type the store does not deal in. Only strings and
// numbers that fit 32 bits count; lists, byte arrays and the like read as nothing.
QString valueText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong n = value.toLongLong(&ok);
        if (!ok || n < std::numeric_limits<qint32>::min() ||
            n > std::numeric_limits<quint32>::max())
            return QString();
        return QString::number(n);
    }
    default:
        return QString();
    }
}

} // namespace

QString ReadSetting(const QString& name)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    if (store.status() != QSettings::NoError)
        return QString();
    QString text = valueText(store.value(name));
    if (text.isEmpty() || text.front() == QChar(0))
        return QString();
    if (text.back() == QChar(0))
        text.chop(1);
    return text;
}

void WriteSetting(const QString& name, const QString& value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.setValue(name, value);
    store.sync();
}

std::optional<int> settingToInt(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds in the current mode; make sure it is to-nearest, ties to even.
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(oldMode);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

} // namespace paginor
