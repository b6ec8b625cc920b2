// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace paginor {

namespace {

// Where the build puts the compiled translations, inside the program.
const char* const kTranslationFolder = ":/i18n";

struct Loaded
{
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString language;
};

Loaded& loaded()
{
    static Loaded state;
    return state;
}

void unload(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QString useLanguage(const QLocale& locale)
{
    Loaded& state = loaded();
    unload(state.own);
    unload(state.qt);
    state.language.clear();
    QLocale::setDefault(locale);

    for (QString name : locale.uiLanguages()) {
        name.replace(u'-', u'_');
        if (name == QLatin1String("C") || name.startsWith(QLatin1String("en")))
            break;
        auto own = std::make_unique<QTranslator>();
        // Tries "paginor_de_AT", then "paginor_de".
        if (!own->load(QStringLiteral("paginor_") + name, QString::fromLatin1(kTranslationFolder)))
            continue;
        state.language = own->language();
        QCoreApplication::installTranslator(own.get());
        state.own = std::move(own);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            state.qt = std::move(qt);
        }
        break;
    }
    return state.language;
}

QString currentLanguage()
{
    return loaded().language;
}

QStringList shippedLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(QString::fromLatin1(kTranslationFolder))
            .entryList({QStringLiteral("paginor_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(8, file.size() - 8 - 3);
    return languages;
}

} // namespace paginor
