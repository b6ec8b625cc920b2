// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace paginor {

// Loads the program's translation for the first of `locale`'s interface languages that has
// one, with Qt's own translation of its dialogs and buttons where the system has it, in place
// of any loaded before; an English language ahead of any translated one means English. Makes
// `locale` the default, so the numbers, dates and sizes shown follow it. Needs the
// application object. Returns the language loaded ("de", "pt_BR"), or "" for English.
QString useLanguage(const QLocale& locale);

// The language useLanguage() last loaded, or "" for English.
QString currentLanguage();

// The languages the program ships besides English, as their translations name them.
QStringList shippedLanguages();

} // namespace paginor
