// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QList>
#include <QMap>
#include <QPalette>
#include <QPointer>
#include <QString>

class QWidget;

namespace paginor {

// One colour scheme of a style file: colour values by name and the style sheet they fill in.
struct SkinScheme
{
    QMap<QString, QString> colours; // name -> "#rrggbb"
    QString styleSheet;             // the template with every $name replaced
    QPalette palette;               // from the colours named like palette roles
};

// Reads a style file. The format: "#" lines are comments; "[template]" starts the style sheet
// template, taken line by line; "[scheme NAME]" starts a scheme of "key = #rrggbb" lines.
// Returns false when the file cannot be read or holds no scheme called `name`.
bool readSkinScheme(const QString& stylePath, const QString& name, SkinScheme& out);

// The skins of the whole application: a palette and a style sheet over the Fusion style.
// The plain look is whatever the application had when the first window was attached.
class SkinEngine
{
public:
    SkinEngine();
    ~SkinEngine();

    // The window the skin covers from now on; the plain look is remembered on the first call.
    void attach(QWidget* window);

    // Loads scheme `scheme` of the style file `stylePath` and applies it at once. Two empty
    // texts remove the skin and return to the plain look. A file that cannot be read or a
    // missing scheme changes nothing and returns false.
    bool loadSkin(const QString& stylePath, const QString& scheme);

    // The scheme in effect: "" when unskinned.
    QString currentScheme() const { return m_current; }
    // Every loadSkin() request so far, as "path|scheme", for those who need to know.
    const QList<QString>& requests() const { return m_requests; }

private:
    void rememberPlainLook();
    void restorePlainLook();

    QList<QPointer<QWidget>> m_windows;
    bool m_havePlain = false;
    QString m_plainStyle;
    QPalette m_plainPalette;
    QString m_plainSheet;
    QString m_current;
    QList<QString> m_requests;
};

} // namespace paginor

namespace paginor {

// The style file every scheme comes from, in the program folder.
inline const char* const kSkinFileName = "skin.styles";

// The scheme of a skin number: 0 "NormalBlue.ini", 1 "LightBlue.ini", 2 "NormalAqua.ini",
// 3 "NormalSilver.ini", 4 "NormalBlack.ini"; "" (no skin) for 5 and every other number.
QString skinSchemeName(int skinNumber);

} // namespace paginor
