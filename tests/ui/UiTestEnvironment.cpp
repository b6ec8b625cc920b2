// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// One QApplication for the whole widget test program, and a settings store of its own.
#include "ui/UiTestEnvironment.h"

#include "settings/Language.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>
#include <QSettings>
#include <QStyle>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {

namespace {

QString g_plainStyle;
QPalette* g_plainPalette = nullptr;

class UiEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_ui";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            m_app = std::make_unique<QApplication>(argc, argv);
        g_plainStyle = QApplication::style()->name();
        m_palette = std::make_unique<QPalette>(QApplication::palette());
        g_plainPalette = m_palette.get();
        m_settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings->path());
    }
    void TearDown() override
    {
        m_settings.reset();
        g_plainPalette = nullptr;
        m_palette.reset();
        m_app.reset();
    }

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<QTemporaryDir> m_settings;
    std::unique_ptr<QPalette> m_palette;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new UiEnvironment);

} // namespace

void resetLook()
{
    qApp->setStyleSheet(QString());
    if (QApplication::style()->name() != g_plainStyle)
        QApplication::setStyle(g_plainStyle);
    if (g_plainPalette)
        QApplication::setPalette(*g_plainPalette);
}

FreshSettings::FreshSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

QString FreshSettings::file() const
{
    return m_dir.path() + QStringLiteral("/Velmora Software/Paginor.conf");
}

LanguageScope::LanguageScope(const QString& language)
{
    useLanguage(language.isEmpty() ? QLocale::c() : QLocale(language));
}

LanguageScope::~LanguageScope()
{
    useLanguage(QLocale::c());
}

QMap<QString, QString> messageConstants()
{
    QFile header(QStringLiteral(PAGINOR_SOURCE_DIR "/src/jobs/Messages.h"));
    if (!header.open(QIODevice::ReadOnly))
        return {};
    const QString source = QString::fromUtf8(header.readAll());
    static const QRegularExpression constant(
        QStringLiteral(R"re(const\s+(\w+)\s*=\s*QT_TRANSLATE_NOOP\(\s*"Messages",)re"
                       R"re(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\)\s*;)re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QMap<QString, QString> out;
    for (auto m = constant.globalMatch(source); m.hasNext();) {
        const QRegularExpressionMatch c = m.next();
        QString text;
        for (auto l = literal.globalMatch(c.captured(2)); l.hasNext();)
            text += l.next().captured(1);
        text.replace("\\r", "\r").replace("\\n", "\n").replace("\\\"", "\"").replace("\\\\", "\\");
        out.insert(c.captured(1), text);
    }
    return out;
}

} // namespace paginor::test
