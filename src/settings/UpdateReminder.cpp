// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/UpdateReminder.h"

#include <QRegularExpression>

namespace paginor {

namespace {

// Matches a run of exactly two 'y' letters in a date format.
const QRegularExpression& twoDigitYear()
{
    static const QRegularExpression re(QStringLiteral("(?<!y)yy(?!y)"));
    return re;
}

// The toolkit reads "yy" as 19yy; move it to the century nearest to `today`.
QDate widenYear(const QDate& parsed, const QDate& today)
{
    const int yy = parsed.year() % 100;
    int year = today.year() / 100 * 100 + yy;
    if (year > today.year() + 20)
        year -= 100;
    else if (year <= today.year() - 80)
        year += 100;
    return QDate(year, parsed.month(), parsed.day());
}

} // namespace

QDate parseReminderDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (twoDigitYear().match(format).hasMatch()) {
        // 29 February of a year 00 does not exist in 1900 and fails here; such a date is long
        // past anyway and the reminder treats the failure as due.
        const QDate shortYear = locale.toDate(trimmed, format);
        if (shortYear.isValid())
            return widenYear(shortYear, today);
        QString wide = format;
        wide.replace(twoDigitYear(), QStringLiteral("yyyy"));
        const QDate longYear = locale.toDate(trimmed, wide);
        if (longYear.isValid())
            return longYear;
    } else {
        const QDate date = locale.toDate(trimmed, format);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(trimmed, QStringLiteral("yyyy-M-d"));
}

QString formatReminderDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

bool reminderDue(const QString& stored, const QLocale& locale, const QDate& today)
{
    const QString text = stored.isEmpty() ? QString::fromLatin1(kReminderDefaultDate) : stored;
    const QDate date = parseReminderDate(text, locale, today);
    if (!date.isValid())
        return true;
    const qint64 days = date.daysTo(today);
    return days > 15 || days < 0;
}

} // namespace paginor
