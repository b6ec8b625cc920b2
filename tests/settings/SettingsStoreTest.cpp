// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace paginor::test {
namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    SettingsStoreTest()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    QString file() const { return m_dir.path() + "/Velmora Software/Paginor.conf"; }

    // Stores a raw value the way another tool might.
    void storeRaw(const QString& name, const QVariant& value)
    {
        QSettings raw(QSettings::NativeFormat, QSettings::UserScope, "Velmora Software", "Paginor");
        raw.setValue(name, value);
        raw.sync();
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, FirstUseReadsEmptyAndTheFirstWriteCreatesTheStore)
{
    EXPECT_EQ(ReadSetting("Skin"), "");
    EXPECT_EQ(ReadSetting("LastCheckUpdate"), "");
    EXPECT_FALSE(QFile::exists(file()));

    WriteSetting("Skin", "4");
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(ReadSetting("Skin"), "4");

    WriteSetting("Skin", "");
    EXPECT_EQ(ReadSetting("Skin"), "");
    WriteSetting("LastCheckUpdate", "12/8/26");
    EXPECT_EQ(ReadSetting("LastCheckUpdate"), "12/8/26");
}

TEST_F(SettingsStoreTest, CleanUpOfValuesStoredByOthers)
{
    const QChar nul(0);
    struct Case
    {
        const char* name;
        QVariant stored;
        QString read;
    } cases[] = {
        {"TrailingNul", QString("12/8/26") + nul, "12/8/26"},
        {"TwoTrailingNuls", QString("ab") + nul + nul, QString("ab") + nul},
        {"LeadingNul", nul + QString("abc"), ""},
        {"OnlyNul", QString(nul), ""},
        {"Number", 2, "2"},
        {"NegativeNumber", -7, "-7"},
        {"Unicode", QString::fromUtf8("Grüße ✓"), QString::fromUtf8("Grüße ✓")},
        {"List", QStringList{"a", "b"}, ""},
        {"Bytes", QByteArray("\x01\x02", 2), ""},
    };
    for (const Case& c : cases)
        storeRaw(c.name, c.stored);
    for (const Case& c : cases)
        EXPECT_EQ(ReadSetting(c.name), c.read) << c.name;
}

TEST_F(SettingsStoreTest, ValuesWrittenByHandReadAsText)
{
    QDir().mkpath(m_dir.path() + "/Velmora Software");
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nSkin=3\nLastCheckUpdate=2005-1-1\n");
    f.close();
    EXPECT_EQ(ReadSetting("Skin"), "3");
    EXPECT_EQ(ReadSetting("LastCheckUpdate"), "2005-1-1");
}

TEST_F(SettingsStoreTest, UnreadableStoreReadsEmptyAndWritesAreSilent)
{
    // A folder where the file should be: nothing can be read or written, and nothing throws.
    QDir().mkpath(file());
    EXPECT_EQ(ReadSetting("Skin"), "");
    WriteSetting("Skin", "2");
    EXPECT_EQ(ReadSetting("Skin"), "");
}

TEST(SettingToInt, RoundsHalvesToEvenAndRefusesWhatIsNoNumber)
{
    struct Case
    {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"3x", std::nullopt},
        {"3", 3},
        {" 7 ", 7},
        {"-1", -1},
        {"2.5", 2},
        {"3.5", 4},
        {"2.6", 3},
        {"-0.5", 0},
        {"1e10", std::nullopt},
        {"2147483647", 2147483647},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(settingToInt(c.text), c.value) << c.text;
}

} // namespace
} // namespace paginor::test
