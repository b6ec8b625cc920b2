// One QApplication for the whole widget test program, and a settings store of its own.
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QSettings>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {

namespace {

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
        m_settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings->path());
    }
    void TearDown() override
    {
        m_settings.reset();
        m_app.reset();
    }

private:
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<QTemporaryDir> m_settings;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new UiEnvironment);

} // namespace

FreshSettings::FreshSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

QString FreshSettings::file() const
{
    return m_dir.path() + QStringLiteral("/Velmora Software/Paginor.conf");
}

} // namespace paginor::test
