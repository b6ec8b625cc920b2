// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace paginor::test {

// Points the settings store at an empty temporary folder for as long as it lives, so a test
// starts like a first run and never touches the real user's settings. The test program's
// QApplication is made once, before any test, by UiTestEnvironment.cpp.
// Puts back the application's look as it was before any test: skins are application-wide, so
// tests that skin call this before and after.
void resetLook();

class FreshSettings
{
public:
    FreshSettings();
    // The per-user settings file the store writes inside the folder.
    QString file() const;

private:
    QTemporaryDir m_dir;
};

// Loads the translation of `language` ("de"; "" for English) for as long as it lives, with its
// locale as the default; English and the C locale again afterwards.
class LanguageScope
{
public:
    explicit LanguageScope(const QString& language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// The message constants by name, read from the header the program itself is built with.
QMap<QString, QString> messageConstants();

} // namespace paginor::test
