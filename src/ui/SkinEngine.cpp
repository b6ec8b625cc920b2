// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/SkinEngine.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QStyle>
#include <QTextStream>
#include <QWidget>

namespace paginor {

namespace {

// Palette roles a scheme may set, by the names the style file uses.
struct RoleName
{
    const char* name;
    QPalette::ColorRole role;
};
const RoleName kRoles[] = {
    {"Window", QPalette::Window},
    {"WindowText", QPalette::WindowText},
    {"Base", QPalette::Base},
    {"AlternateBase", QPalette::AlternateBase},
    {"Text", QPalette::Text},
    {"Button", QPalette::Button},
    {"ButtonText", QPalette::ButtonText},
    {"Highlight", QPalette::Highlight},
    {"HighlightedText", QPalette::HighlightedText},
    {"ToolTipBase", QPalette::ToolTipBase},
    {"ToolTipText", QPalette::ToolTipText},
    {"Light", QPalette::Light},
    {"Midlight", QPalette::Midlight},
    {"Mid", QPalette::Mid},
    {"Dark", QPalette::Dark},
    {"Shadow", QPalette::Shadow},
    {"Link", QPalette::Link},
    {"PlaceholderText", QPalette::PlaceholderText},
};

QPalette paletteFrom(const QMap<QString, QString>& colours)
{
    // The two-colour constructor derives the shades a scheme does not name.
    QColor button(colours.value(QStringLiteral("Button")));
    QColor window(colours.value(QStringLiteral("Window")));
    if (!window.isValid())
        window = QColor(0xef, 0xef, 0xef);
    if (!button.isValid())
        button = window;
    QPalette palette(button, window);
    for (const RoleName& r : kRoles) {
        const QColor c(colours.value(QString::fromLatin1(r.name)));
        if (c.isValid())
            palette.setColor(QPalette::All, r.role, c);
    }
    // Disabled text follows the scheme's own "Disabled" colour when it has one.
    const QColor disabled(colours.value(QStringLiteral("Disabled")));
    if (disabled.isValid()) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

// Replaces every $name with its colour, longest names first so $accent2 beats $accent.
QString fillTemplate(QString sheet, const QMap<QString, QString>& colours)
{
    QStringList names = colours.keys();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& name : names)
        sheet.replace(QLatin1Char('$') + name, colours.value(name));
    return sheet;
}

// Whether a style sheet set on the widget or one of its parents styles it.
bool ownSheetApplies(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (!w->styleSheet().isEmpty())
            return true;
    return false;
}

} // namespace

bool readSkinScheme(const QString& stylePath, const QString& name, SkinScheme& out)
{
    QFile file(stylePath);
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    static const QRegularExpression header(QStringLiteral("^\\[(template|scheme\\s+(.+))\\]$"));
    enum class Section
    {
        None,
        Template,
        Wanted,
        Other
    } section = Section::None;
    QString sheet;
    QMap<QString, QString> colours;
    bool found = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString trimmed = line.trimmed();
        const QRegularExpressionMatch m = header.match(trimmed);
        if (m.hasMatch()) {
            if (m.captured(1) == QLatin1String("template")) {
                section = Section::Template;
            } else if (m.captured(2).trimmed() == name) {
                section = Section::Wanted;
                found = true;
            } else {
                section = Section::Other;
            }
            continue;
        }
        if (section == Section::Template) {
            sheet += line + QLatin1Char('\n');
            continue;
        }
        if (section != Section::Wanted || trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        const int eq = trimmed.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        colours.insert(trimmed.left(eq).trimmed(), trimmed.mid(eq + 1).trimmed());
    }
    if (in.status() != QTextStream::Ok || !found)
        return false;
    out.colours = colours;
    out.styleSheet = fillTemplate(sheet, colours);
    out.palette = paletteFrom(colours);
    return true;
}

SkinEngine::SkinEngine() = default;
SkinEngine::~SkinEngine() = default;

void SkinEngine::attach(QWidget* window)
{
    rememberPlainLook();
    if (window && !m_windows.contains(window))
        m_windows.append(window);
}

bool SkinEngine::loadSkin(const QString& stylePath, const QString& scheme)
{
    m_requests.append(stylePath + QLatin1Char('|') + scheme);
    rememberPlainLook();
    if (stylePath.isEmpty() && scheme.isEmpty()) {
        restorePlainLook();
        m_current.clear();
        return true;
    }
    SkinScheme loaded;
    if (!readSkinScheme(stylePath, scheme, loaded))
        return false;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return false;
    if (app->style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(loaded.palette);
    app->setStyleSheet(loaded.styleSheet);
    m_current = scheme;
    return true;
}

void SkinEngine::rememberPlainLook()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (m_havePlain || !app)
        return;
    m_havePlain = true;
    m_plainStyle = app->style()->name();
    m_plainPalette = QApplication::palette();
    m_plainSheet = app->styleSheet();
}

void SkinEngine::restorePlainLook()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || !m_havePlain)
        return;
    app->setStyleSheet(m_plainSheet);
    if (app->style()->name().compare(m_plainStyle, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(m_plainStyle);
    QApplication::setPalette(m_plainPalette);

    // Taking the sheet down can leave a widget marked as styled by it (the widget asked the
    // sheet's style for a metric after it had been unpolished). Such a widget no longer takes
    // its parent's palette and keeps the skin's colours, so the mark goes wherever no sheet of
    // the widget's own applies, and every widget takes the plain palette again, parents first.
    for (const QPointer<QWidget>& window : std::as_const(m_windows)) {
        if (!window)
            continue;
        QList<QWidget*> widgets{window.data()};
        widgets += window->findChildren<QWidget*>();
        for (QWidget* w : std::as_const(widgets))
            if (!ownSheetApplies(w))
                w->setAttribute(Qt::WA_StyleSheet, false);
        for (QWidget* w : std::as_const(widgets)) {
            QEvent change(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(w, &change);
        }
    }
}

} // namespace paginor

namespace paginor {

QString skinSchemeName(int skinNumber)
{
    static const char* const schemes[] = {"NormalBlue.ini", "LightBlue.ini", "NormalAqua.ini",
                                          "NormalSilver.ini", "NormalBlack.ini"};
    if (skinNumber < 0 || skinNumber > 4)
        return QString();
    return QString::fromLatin1(schemes[skinNumber]);
}

} // namespace paginor
