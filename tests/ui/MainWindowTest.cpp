// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PDFLibrary.h"
#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"
#include "ui/FormMain.h"
#include "ui/HelpWindow.h"
#include "ui/MergePanel.h"
#include "ui/SplitPanel.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {
namespace {

const QString kQuestion =
    "Do you want to visit our website to check if there is a new version released?";

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        // A short date format with a two-digit year: "12/8/26".
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::copy(QStringLiteral(PAGINOR_RESOURCE_DIR "/skin.styles"),
                    m_folder.path() + "/skin.styles");
        // Skins are application-wide: every test starts from the plain look.
        resetLook();
    }
    ~MainWindowTest() override
    {
        QLocale::setDefault(QLocale::c());
        resetLook();
    }

    std::unique_ptr<FormMain> open(QString folder = QString())
    {
        FormMainOptions options;
        options.programFolder = folder.isEmpty() ? m_folder.path() : folder;
        options.prompter = &m_fake;
        options.openUrl = [this](const QUrl& url) {
            m_opened << url.toString();
        };
        return std::make_unique<FormMain>(options);
    }

    // Stores a reminder date as the program itself would, in the user's short format.
    static void storeReminder(const QDate& date)
    {
        WriteSetting("LastCheckUpdate", formatReminderDate(date, QLocale()));
    }

    FreshSettings m_settings;
    QTemporaryDir m_folder;
    FakeInteraction m_fake;
    QStringList m_opened;
    const QString m_plainSheet;
};

TEST_F(MainWindowTest, FirstStartAsksOnceShowsTheSplitPanelAndStoresToday)
{
    m_fake.replies = {UserQuestions::Reply::No};
    auto window = open();

    ASSERT_EQ(m_fake.calls.size(), 1u);
    const auto& asked = m_fake.calls[0];
    EXPECT_EQ(asked.text, kQuestion);
    EXPECT_EQ(asked.title, "Paginor");
    EXPECT_EQ(asked.icon, UserQuestions::Icon::Question);
    EXPECT_EQ(asked.buttons, UserQuestions::Buttons::YesNo);
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(ReadSetting("LastCheckUpdate"),
              QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    EXPECT_EQ(window->windowTitle(), "Paginor");
    EXPECT_EQ(window->size(), QSize(638, 405));
    EXPECT_EQ(window->skinNumber(), 0);
    EXPECT_EQ(window->skinEngine().currentScheme(), "NormalBlue.ini");
    EXPECT_TRUE(window->LabelStatu->text().isEmpty());
    EXPECT_EQ(window->TabStrip1->currentIndex(), 0);
    EXPECT_EQ(window->TabStrip1->tabText(0), "Cleavo");
    EXPECT_EQ(window->TabStrip1->tabText(1), "Merger");
    EXPECT_FALSE(window->PicCleavo->isHidden());
    EXPECT_TRUE(window->PicMerger->isHidden());

    // The date just stored reads back as today: the next start asks nothing.
    m_fake.calls.clear();
    auto second = open();
    EXPECT_TRUE(m_fake.callsOf("message").empty());
}

TEST_F(MainWindowTest, ReminderDayCounts)
{
    const QDate today = QDate::currentDate();
    struct Case
    {
        QString stored;
        bool asked;
    } cases[] = {
        {formatReminderDate(today.addDays(-15), QLocale()), false},
        {formatReminderDate(today.addDays(-16), QLocale()), true},
        {formatReminderDate(today.addDays(1), QLocale()), true},
        {formatReminderDate(today, QLocale()), false},
        {"not a date", true},
        {"2005-1-1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        FreshSettings fresh;
        WriteSetting("LastCheckUpdate", c.stored);
        m_fake.calls.clear();
        m_fake.replies = {UserQuestions::Reply::Yes};
        auto window = open();
        EXPECT_EQ(m_fake.callsOf("message").size(), c.asked ? 1u : 0u);
        EXPECT_EQ(ReadSetting("LastCheckUpdate"),
                  c.asked ? formatReminderDate(today, QLocale()) : c.stored);
        EXPECT_EQ(m_opened.size(), c.asked ? 1 : 0);
        if (c.asked)
            EXPECT_TRUE(m_opened.value(0).startsWith("https://"));
        m_opened.clear();
        m_fake.replies.clear();
    }
}

TEST_F(MainWindowTest, StoredSkinNumbers)
{
    struct Case
    {
        QString stored;
        int number;
        QString scheme;
    } cases[] = {
        {"0", 0, "NormalBlue.ini"},
        {"1", 1, "LightBlue.ini"},
        {"2", 2, "NormalAqua.ini"},
        {"3", 3, "NormalSilver.ini"},
        {"4", 4, "NormalBlack.ini"},
        {"5", 5, ""},
        {"9", 9, ""},
        {"-1", -1, ""},
        {"abc", 0, "NormalBlue.ini"},
        {"2.5", 2, "NormalAqua.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        FreshSettings fresh;
        storeReminder(QDate::currentDate());
        WriteSetting("Skin", c.stored);
        auto window = open();
        EXPECT_EQ(window->skinNumber(), c.number);
        const QString expected =
            c.scheme.isEmpty() ? "|" : window->programFolder() + "skin.styles|" + c.scheme;
        EXPECT_EQ(window->skinEngine().requests().value(0), expected);
        EXPECT_EQ(window->skinEngine().currentScheme(), c.scheme);
        if (c.scheme.isEmpty())
            EXPECT_EQ(qApp->styleSheet(), m_plainSheet);
        else
            EXPECT_NE(qApp->styleSheet(), m_plainSheet);
        window->close();
        EXPECT_EQ(ReadSetting("Skin"), QString::number(c.number));
        window->setSkinNumber(5);
    }
}

TEST_F(MainWindowTest, MissingSkinFileLeavesThePlainLookAndKeepsTheNumber)
{
    QTemporaryDir empty;
    storeReminder(QDate::currentDate());
    WriteSetting("Skin", "3");
    // Reported without a trailing separator; exactly one is added.
    auto window = open(QDir::toNativeSeparators(empty.path()));
    EXPECT_EQ(window->programFolder(), QDir::toNativeSeparators(empty.path()) + QDir::separator());
    EXPECT_EQ(window->skinNumber(), 3);
    EXPECT_EQ(window->skinEngine().currentScheme(), "");
    EXPECT_EQ(qApp->styleSheet(), m_plainSheet);
    window->close();
    EXPECT_EQ(ReadSetting("Skin"), "3");
}

// The split mode and the size box live on from one run to the next; stored values that are
// not valid leave the defaults.
TEST_F(MainWindowTest, RemembersTheSplitModeAndTheSize)
{
    const struct
    {
        QString mode, size;
        int shownMode;
        QString shownSize;
    } cases[] = {
        {"7", " 2.5 ", 7, "2.5"}, {"0", "", 0, "10"}, {"8", "0", 1, "10"}, {"x", "abc", 1, "10"}};
    for (const auto& c : cases) {
        FreshSettings fresh;
        storeReminder(QDate::currentDate());
        WriteSetting("SplitMode", c.mode);
        WriteSetting("SplitSize", c.size);
        auto window = open();
        SplitPanel& split = *window->splitPanel();
        EXPECT_EQ(split.OptionRangeGroup->checkedId(), c.shownMode) << c.mode.toStdString();
        EXPECT_EQ(split.TextSize->text(), c.shownSize) << c.size.toStdString();
        split.OptionRange[3]->setChecked(true);
        split.TextSize->setText("0.75");
        window->close();
        EXPECT_EQ(ReadSetting("SplitMode"), "3");
        EXPECT_EQ(ReadSetting("SplitSize"), "0.75");
    }
}

TEST_F(MainWindowTest, TabsSwitchPanelsAndBothExitButtonsCloseStoringTheSkin)
{
    storeReminder(QDate::currentDate());
    for (const char* exitName : {"CmdExit", "CmdExit2"}) {
        SCOPED_TRACE(exitName);
        auto window = open();
        window->show();
        window->TabStrip1->setCurrentIndex(1);
        EXPECT_TRUE(window->PicCleavo->isHidden());
        EXPECT_TRUE(window->PicMerger->isVisible());
        window->TabStrip1->setCurrentIndex(0);
        EXPECT_TRUE(window->PicCleavo->isVisible());
        EXPECT_TRUE(window->PicMerger->isHidden());

        window->setSkinNumber(4);
        auto* exit = window->findChild<QPushButton*>(exitName);
        ASSERT_NE(exit, nullptr);
        exit->click();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(ReadSetting("Skin"), "4");
        window->setSkinNumber(5);
        WriteSetting("Skin", "0");
    }
}

TEST_F(MainWindowTest, PanelsShareOneRectangleWithTheirControlsInsideTheWindow)
{
    storeReminder(QDate::currentDate());
    auto window = open();
    window->show();
    EXPECT_EQ(window->PicCleavo->geometry(), window->PicMerger->geometry());
    const QRect client = window->centralWidget()->rect();
    for (QWidget* w : {static_cast<QWidget*>(window->splitPanel()->CmdSplit),
                       static_cast<QWidget*>(window->splitPanel()->TextCustom)}) {
        const QRect r(w->mapTo(window->centralWidget(), QPoint()), w->size());
        EXPECT_TRUE(client.contains(r)) << w->objectName().toStdString();
    }
    window->TabStrip1->setCurrentIndex(1);
    QWidget* merge = window->mergePanel()->CmdMerge;
    EXPECT_TRUE(
        client.contains(QRect(merge->mapTo(window->centralWidget(), QPoint()), merge->size())));
}

// The window starts with the focus in "File name:", after the reminder, and the keyboard
// reaches what the mouse does: Enter and Space press a focused button, F1 opens the manual and
// Esc or Ctrl+W close it again.
TEST_F(MainWindowTest, StartsInTheFileNameAndTheKeysDoWhatTheySay)
{
    auto window = open(); // the reminder is asked on this first start
    ASSERT_EQ(m_fake.callsOf("message").size(), 1u);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    SplitPanel& split = *window->splitPanel();
    EXPECT_EQ(QApplication::focusWidget(), split.TextFile);

    auto onSplitTab = [&](QWidget* w) {
        return [&, w]() -> QWidget* {
            window->TabStrip1->setCurrentIndex(0);
            return w;
        };
    };
    auto onMergeTab = [&](QWidget* w) {
        return [&, w]() -> QWidget* {
            window->TabStrip1->setCurrentIndex(1);
            return w;
        };
    };
    auto inHelp = [&](bool contents) {
        return [&, contents]() -> QWidget* {
            HelpWindow* help = window->helpWindow();
            return contents ? static_cast<QWidget*>(help->contents()) : help->browser();
        };
    };
    const struct
    {
        const char* what;
        std::function<QWidget*()> focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int dialogs;   // open dialogs shown
        bool helpOpen; // the manual shows afterwards
    } cases[] = {
        {"Enter on Browse", onSplitTab(split.CmdBrowse), Qt::Key_Return, {}, 1, false},
        {"keypad Enter on Browse", onSplitTab(split.CmdBrowse), Qt::Key_Enter, Qt::KeypadModifier,
         1, false},
        {"Space on Browse", onSplitTab(split.CmdBrowse), Qt::Key_Space, {}, 1, false},
        {"Enter on Add", onMergeTab(window->mergePanel()->CmdAdd), Qt::Key_Return, {}, 1, false},
        {"Enter in File name", onSplitTab(split.TextFile), Qt::Key_Return, {}, 0, false},
        {"F1", onSplitTab(split.TextFile), Qt::Key_F1, {}, 0, true},
        {"Esc in the manual", inHelp(false), Qt::Key_Escape, {}, 0, false},
        {"F1 in the merge list", onMergeTab(window->mergePanel()->LvPDF), Qt::Key_F1, {}, 0, true},
        {"Ctrl+W in the manual", inHelp(true), Qt::Key_W, Qt::ControlModifier, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* target = c.focus();
        // The offscreen platform does not hand activation back when a window hides.
        QWidget* top = target->window();
        if (QApplication::activeWindow() != top) {
            top->activateWindow();
            QApplication::setActiveWindow(top);
            ASSERT_TRUE(QTest::qWaitForWindowActive(top));
        }
        target->setFocus();
        m_fake.calls.clear();
        QTest::keyClick(target, c.key, c.modifiers);
        QApplication::processEvents();
        EXPECT_EQ(m_fake.callsOf("dialog").size(), size_t(c.dialogs));
        EXPECT_EQ(window->helpWindow() && window->helpWindow()->isVisible(), c.helpOpen);
    }
}

TEST_F(MainWindowTest, WindowWithoutAnEngineSaysSoAndStillWorks)
{
    storeReminder(QDate::currentDate());
    FormMainOptions options;
    options.programFolder = m_folder.path();
    options.prompter = &m_fake;
    options.createEngine = []() -> std::unique_ptr<PDFLibrary> {
        throw std::runtime_error("no engine");
    };
    FormMain window(options);
    ASSERT_EQ(m_fake.callsOf("message").size(), 1u);
    EXPECT_EQ(m_fake.calls[0].icon, UserQuestions::Icon::Critical);
    EXPECT_EQ(window.engine(), nullptr);
    EXPECT_EQ(window.splitPanel(), nullptr);
    window.show();
    window.TabStrip1->setCurrentIndex(1);
    EXPECT_TRUE(window.PicMerger->isVisible());
    window.findChild<QPushButton*>("CmdExit2")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadSetting("Skin"), "0");
}

TEST_F(MainWindowTest, MergedPasswordsShowALockAndAreWrittenNowhere)
{
    storeReminder(QDate::currentDate());
    QTemporaryDir files;
    const QByteArray password = "pw-never-written-6148";
    QStringList paths;
    for (const char* name : {"locked.pdf", "plain.pdf", "also-locked.pdf"}) {
        PdfSpec recipe;
        recipe.pages = 1;
        recipe.marker = name;
        if (QByteArray(name).contains("locked")) {
            recipe.encryption = Encryption::Aes_128;
            recipe.userPassword = password;
            recipe.ownerPassword = "owner";
        }
        paths << QDir::toNativeSeparators(files.filePath(name));
        makePdf(paths.last(), recipe);
    }
    const QString out = QDir::toNativeSeparators(files.filePath("out.pdf"));
    auto window = open();
    window->show();
    window->TabStrip1->setCurrentIndex(1);
    MergePanel& panel = *window->mergePanel();
    m_fake.dialogs = {paths, {out}};
    m_fake.inputs = {QString(password)};
    panel.CmdAdd->click();
    panel.CmdMerge->click();
    EXPECT_EQ(m_fake.callsOf("input").size(), 1u);
    ASSERT_TRUE(QFile::exists(out));

    auto locks = [&] {
        QList<bool> shown;
        for (int i = 0; i < panel.LvPDF->topLevelItemCount(); ++i)
            shown << !panel.LvPDF->topLevelItem(i)->icon(1).isNull();
        return shown;
    };
    EXPECT_EQ(locks(), QList<bool>({true, false, true}));
    // The lock moves with its file.
    panel.LvPDF->setCurrentItem(panel.LvPDF->topLevelItem(0));
    panel.CmdDown->click();
    EXPECT_EQ(locks(), QList<bool>({false, true, true}));

    window->findChild<QPushButton*>("CmdExit2")->click();
    for (const QString& written : {out, m_settings.file()}) {
        QFile f(written);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << written.toStdString();
        EXPECT_FALSE(f.readAll().contains(password)) << written.toStdString();
    }
}

} // namespace
} // namespace paginor::test
