// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/UpdateReminder.h"

#include <gtest/gtest.h>

namespace paginor::test {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);       // M/d/yy
const QLocale kGerman(QLocale::German, QLocale::Germany);         // dd.MM.yy
const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom); // dd/MM/yyyy

TEST(UpdateReminder, ReadsShortDatesInTheRightCentury)
{
    const QDate today(2026, 12, 8);
    struct Case
    {
        QLocale locale;
        const char* text;
        QDate date;
    } cases[] = {
        {kUs, "12/8/26", QDate(2026, 12, 8)},
        {kUs, "12/8/2026", QDate(2026, 12, 8)},
        {kUs, " 1/3/27 ", QDate(2027, 1, 3)},
        {kUs, "6/1/99", QDate(1999, 6, 1)},
        {kUs, "6/1/46", QDate(2046, 6, 1)},
        {kUs, "6/1/47", QDate(1947, 6, 1)},
        {kUs, "2005-1-1", QDate(2005, 1, 1)},
        {kGerman, "08.12.26", QDate(2026, 12, 8)},
        {kBritish, "08/12/2026", QDate(2026, 12, 8)},
        {kUs, "13/40/26", QDate()},
        {kUs, "yesterday", QDate()},
        {kUs, "", QDate()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseReminderDate(c.text, c.locale, today), c.date)
            << c.text << " in " << c.locale.name().toStdString();
}

TEST(UpdateReminder, WhatIsStoredReadsBackAsTheSameDate)
{
    const QDate today(2026, 12, 8);
    for (const QLocale& locale : {kUs, kGerman, kBritish, QLocale::c()}) {
        for (const QDate& d : {today, QDate(2026, 2, 28), QDate(2028, 2, 29), QDate(2030, 1, 1)}) {
            const QString text = formatReminderDate(d, locale);
            EXPECT_EQ(parseReminderDate(text, locale, today), d)
                << text.toStdString() << " in " << locale.name().toStdString();
        }
    }
}

TEST(UpdateReminder, DueMoreThanFifteenDaysBackInTheFutureOrUnreadable)
{
    // Across a year end, so a two-digit year read as 1926 would show.
    const QDate today(2027, 1, 5);
    struct Case
    {
        QString stored;
        bool due;
    } cases[] = {
        {formatReminderDate(today, kUs), false},
        {formatReminderDate(today.addDays(-15), kUs), false},
        {formatReminderDate(today.addDays(-16), kUs), true},
        {formatReminderDate(today.addDays(1), kUs), true},
        {"", true}, // the default date, 2005-1-1
        {"garbage", true},
        {"2027-1-1", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reminderDue(c.stored, kUs, today), c.due) << c.stored.toStdString();
}

} // namespace
} // namespace paginor::test
