// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/Messages.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace paginor {

// The date used when `LastCheckUpdate` has never been stored.
inline const char* const kReminderDefaultDate = "2005-1-1";

// The question the reminder asks is kReminderQuestion.

// Reads a stored reminder date: the locale's short-date format first (with its year widened to
// four digits when it has only two), then the four-digit-year variant of that format, then the
// year-month-day form of the default. A two-digit year is taken in the century that puts it
// within 80 years before and 20 years after `today`, so 26 read in 2026 is 2026, not 1926.
// Returns an invalid date when nothing fits.
QDate parseReminderDate(const QString& text, const QLocale& locale, const QDate& today);

// The text stored for `date`: the locale's short-date format.
QString formatReminderDate(const QDate& date, const QLocale& locale);

// True when the reminder question is due: the stored text ("" meaning the default date) does not
// read as a date, lies more than 15 days back, or lies in the future.
bool reminderDue(const QString& stored, const QLocale& locale, const QDate& today);

} // namespace paginor
