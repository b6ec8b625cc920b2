// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "settings/SettingsStore.h"
#include "settings/UpdateReminder.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"
#include "ui/CommandBars.h"
#include "ui/FormFlash.h"
#include "ui/FormMain.h"
#include "ui/HelpWindow.h"
#include "ui/PanelLayout.h"
#include "ui/Resource.h"
#include "ui/SplitPanel.h"
#include "ui/UiTestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {
namespace {

class CommandsTest : public ::testing::Test
{
protected:
    CommandsTest()
    {
        resetLook();
        QFile::copy(QStringLiteral(PAGINOR_RESOURCE_DIR "/skin.styles"),
                    m_folder.path() + "/skin.styles");
        WriteSetting("LastCheckUpdate", formatReminderDate(QDate::currentDate(), QLocale()));
    }
    ~CommandsTest() override { resetLook(); }

    std::unique_ptr<FormMain> open()
    {
        FormMainOptions options;
        options.programFolder = m_folder.path();
        options.prompter = &m_fake;
        options.openUrl = [this](const QUrl& url) {
            m_opened << url;
        };
        auto window = std::make_unique<FormMain>(options);
        window->show();
        return window;
    }

    // Closes each About window as soon as its modal loop runs, counting them.
    void closeAboutWindows(FormMain& window)
    {
        QObject::connect(&window, &FormMain::aboutWindowOpening, &window, [this](FormFlash* f) {
            ++m_aboutOpened;
            m_aboutIntervals << f->Timer1->interval();
            QTimer::singleShot(0, f, [f] { f->close(); });
        });
    }

    // The captions of the checked entries of the Skin menu, as it shows them.
    static QStringList checkedSkins(FormMain& window)
    {
        QMenu* menu = window.commandBars()->menu(ID_SKIN);
        Q_EMIT menu->aboutToShow();
        QStringList checked;
        for (QAction* a : menu->actions())
            if (a->isChecked())
                checked << a->text();
        return checked;
    }

    FreshSettings m_settings;
    QTemporaryDir m_folder;
    FakeInteraction m_fake;
    QList<QUrl> m_opened;
    int m_aboutOpened = 0;
    QList<int> m_aboutIntervals;
};

TEST_F(CommandsTest, MenusHoldTheCommandsInOrderAndTheRestAreWindowActions)
{
    auto window = open();
    QStringList bar;
    for (QAction* a : window->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Skin", "&Help"}));
    auto captions = [&](int id) {
        QStringList out;
        for (QAction* a : window->commandBars()->menu(id)->actions())
            out << (a->isSeparator() ? QString("-") : a->text());
        return out;
    };
    EXPECT_EQ(captions(ID_FILE), QStringList({"&Exit"}));
    EXPECT_EQ(captions(ID_SKIN),
              QStringList({"&Blue", "&Light Blue", "&Aqua", "&Silver", "Bla&ck", "-", "&No Skin"}));
    EXPECT_EQ(captions(ID_HELP),
              QStringList({"Paginor &Help", "-", "&About", "More PDF Freeware..."}));
    // F1 is bound once, to the manual's menu entry.
    EXPECT_EQ(window->commandBars()->action(ID_PAGINORHELP)->shortcut(),
              QKeySequence(QKeySequence::HelpContents));
    EXPECT_TRUE(window->commandBars()->action(ID_CONTENTS)->shortcut().isEmpty());
    EXPECT_EQ(window->commandBars()->action(ID_Exit)->toolTip(), "Quit");
    for (int id : {ID_CONTENTS, ID_OPEN, ID_CONVERT}) {
        QAction* a = window->commandBars()->action(id);
        ASSERT_NE(a, nullptr) << id;
        EXPECT_TRUE(window->actions().contains(a)) << id;
    }
    EXPECT_EQ(window->commandBars()->action(ID_CONVERT)->text(), "&Save");
    EXPECT_EQ(window->commandBars()->action(ID_CONVERT)->toolTip(), "Convert");
}

TEST_F(CommandsTest, DispatchOfEveryCommandNumber)
{
    struct Case
    {
        int id;
        int skin;       // skin number afterwards (starts at 5)
        QString scheme; // scheme in effect afterwards
        QString opened; // what was opened, "" = nothing
        bool stillOpen;
        int about;
    } cases[] = {
        {ID_BLUE, 0, "NormalBlue.ini", "", true, 0},
        {ID_LIGHTBLUE, 1, "LightBlue.ini", "", true, 0},
        {ID_AQUA, 2, "NormalAqua.ini", "", true, 0},
        {ID_SILVER, 3, "NormalSilver.ini", "", true, 0},
        {ID_BLACK, 4, "NormalBlack.ini", "", true, 0},
        {ID_NOSKIN, 5, "", "", true, 0},
        {ID_MOREPDFFREEWARE, 5, "", "https://www.velmora.example/", true, 0},
        {ID_CONTENTS, 5, "", "", true, 0}, // the help window of its own
        {ID_PAGINORHELP, 5, "", "", true, 0},
        {ID_ABOUT, 5, "", "", true, 1},
        {ID_Exit, 5, "", "", false, 0},
        {ID_FILE, 5, "", "", true, 0},
        {ID_SKIN, 5, "", "", true, 0},
        {ID_HELP, 5, "", "", true, 0},
        {9999, 5, "", "", true, 0},
        {0, 5, "", "", true, 0},
        {-1, 5, "", "", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        WriteSetting("Skin", "5");
        auto window = open();
        closeAboutWindows(*window);
        m_opened.clear();
        m_aboutOpened = 0;
        const qsizetype requestsBefore = window->skinEngine().requests().size();
        window->CommandBars1_Execute(c.id);
        EXPECT_EQ(window->skinNumber(), c.skin);
        EXPECT_EQ(window->skinEngine().currentScheme(), c.scheme);
        EXPECT_EQ(window->skinEngine().requests().size(),
                  requestsBefore + (skinOfCommand(c.id) ? 1 : 0));
        EXPECT_EQ(m_opened.isEmpty() ? QString() : m_opened.first().toString(), c.opened);
        EXPECT_EQ(window->isVisible(), c.stillOpen);
        EXPECT_EQ(m_aboutOpened, c.about);
        EXPECT_EQ(window->aboutFlag(), c.about);
        EXPECT_TRUE(m_fake.calls.empty());
        const bool help = c.id == ID_CONTENTS || c.id == ID_PAGINORHELP;
        EXPECT_EQ(window->helpWindow() && window->helpWindow()->isVisible(), help);
    }
}

TEST_F(CommandsTest, SkinCommandReappliesTheCurrentSkinAndHelpNeedsNoFile)
{
    WriteSetting("Skin", "3");
    auto window = open();
    const qsizetype before = window->skinEngine().requests().size();
    window->commandBars()->action(ID_SILVER)->trigger();
    EXPECT_EQ(window->skinEngine().requests().size(), before + 1);
    window->commandBars()->action(ID_CONTENTS)->trigger();
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(window->helpWindow() && window->helpWindow()->isVisible());
    EXPECT_TRUE(m_fake.calls.empty());
}

// What the window looks like: the application's style, sheet and palette, and every widget's
// own sheet and palette, in the order the window holds them.
QStringList lookOf(QWidget& window)
{
    auto colours = [](const QPalette& p) {
        QString out;
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Disabled})
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                out += p.color(g, QPalette::ColorRole(r)).name(QColor::HexArgb);
        return out;
    };
    QStringList look{QApplication::style()->name(), qApp->styleSheet(),
                     colours(QApplication::palette())};
    for (QWidget* w : window.findChildren<QWidget*>())
        look << QString(w->metaObject()->className()) + " " + w->objectName() + " " +
                    w->styleSheet() + " " + colours(w->palette());
    return look;
}

// "&No Skin" takes the window back to the look it has when it starts without a skin.
TEST_F(CommandsTest, NoSkinAfterAnySkinLooksLikeAFreshWindow)
{
    WriteSetting("Skin", "5");
    QStringList fresh;
    {
        auto window = open();
        QApplication::processEvents();
        fresh = lookOf(*window);
    }
    resetLook();
    WriteSetting("Skin", "0"); // started with a skin, as most users do
    auto window = open();
    for (int id : {ID_BLUE, ID_LIGHTBLUE, ID_AQUA, ID_SILVER, ID_BLACK}) {
        SCOPED_TRACE(id);
        window->CommandBars1_Execute(id);
        QApplication::processEvents();
        EXPECT_NE(lookOf(*window), fresh);
        window->CommandBars1_Execute(ID_NOSKIN);
        QApplication::processEvents();
        const QStringList look = lookOf(*window);
        ASSERT_EQ(look.size(), fresh.size());
        for (int i = 0; i < look.size(); ++i)
            EXPECT_EQ(look[i].toStdString(), fresh[i].toStdString());
    }
}

TEST_F(CommandsTest, CheckMarkFollowsTheSkinNumber)
{
    auto window = open();
    struct Case
    {
        int skin;
        QStringList checked;
    } cases[] = {
        {0, {"&Blue"}},  {1, {"&Light Blue"}}, {2, {"&Aqua"}}, {3, {"&Silver"}},
        {4, {"Bla&ck"}}, {5, {"&No Skin"}},    {9, {}},        {-1, {}},
    };
    for (const Case& c : cases) {
        window->setSkinNumber(c.skin);
        EXPECT_EQ(checkedSkins(*window), c.checked) << c.skin;
    }
    // From an out-of-range number, choosing an entry recovers.
    window->commandBars()->action(ID_AQUA)->trigger();
    EXPECT_EQ(checkedSkins(*window), QStringList({"&Aqua"}));
    EXPECT_EQ(window->skinEngine().currentScheme(), "NormalAqua.ini");
}

TEST_F(CommandsTest, ExitFromTheMenuStoresTheSkinLikeTheButtons)
{
    auto window = open();
    window->commandBars()->action(ID_BLACK)->trigger();
    window->commandBars()->action(ID_Exit)->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadSetting("Skin"), "4");
}

TEST_F(CommandsTest, AboutOpensAFreshWindowEachTimeAndKeepsTheFlag)
{
    auto window = open();
    closeAboutWindows(*window);
    QList<FormFlash*> seen;
    QObject::connect(window.get(), &FormMain::aboutWindowOpening, window.get(), [&](FormFlash* f) {
        seen << f;
        EXPECT_EQ(f->parentWidget(), window.get());
    });
    window->commandBars()->action(ID_ABOUT)->trigger();
    window->commandBars()->action(ID_ABOUT)->trigger();
    EXPECT_EQ(m_aboutOpened, 2);
    EXPECT_EQ(m_aboutIntervals, QList<int>({50000, 50000}));
    EXPECT_EQ(window->aboutFlag(), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(CommandsTest, OpenAndConvertRunTheButtonHandlers)
{
    auto window = open();
    SplitPanel* split = window->splitPanel();
    auto kinds = [&] {
        QStringList out;
        for (const auto& c : m_fake.calls)
            out << c.kind + ":" + c.text;
        return out;
    };
    split->CmdBrowse->click();
    const QStringList browse = kinds();
    m_fake.calls.clear();
    window->commandBars()->action(ID_OPEN)->trigger();
    EXPECT_EQ(kinds(), browse);

    m_fake.calls.clear();
    split->CmdSplit->click();
    const QStringList convert = kinds();
    m_fake.calls.clear();
    window->commandBars()->action(ID_CONVERT)->trigger();
    EXPECT_EQ(kinds(), convert);
}

// Runs `during` from inside the split's save dialog, while the split is under way.
class InterruptingInteraction : public FakeInteraction
{
public:
    std::function<void()> during;
    QStringList fileDialog(const FileDialogRequest& request) override
    {
        if (request.kind == DialogKind::Save && during) {
            auto run = std::move(during);
            during = nullptr;
            run();
        }
        return FakeInteraction::fileDialog(request);
    }
};

TEST_F(CommandsTest, OpenConvertAndClosingAreHeldOffWhileASplitRuns)
{
    TempDir files;
    makePdf(files.path("book.pdf"), PdfSpec{});
    InterruptingInteraction ui;
    FormMainOptions options;
    options.programFolder = m_folder.path();
    options.prompter = &ui;
    FormMain window(options);
    window.show();
    window.commandBars()->action(ID_BLACK)->trigger();
    window.splitPanel()->TextFile->setText(files.path("book.pdf"));
    ui.dialogs = {QStringList{files.path("out.pdf")}};
    bool runningInside = false;
    ui.during = [&] {
        runningInside = window.jobRunning();
        window.CommandBars1_Execute(ID_CONVERT);
        window.CommandBars1_Execute(ID_OPEN);
        window.commandBars()->action(ID_Exit)->trigger();
        EXPECT_TRUE(window.isVisible());
    };
    window.commandBars()->action(ID_CONVERT)->trigger();

    EXPECT_TRUE(runningInside);
    // One save dialog and no open dialog: neither command started anything of its own.
    ASSERT_EQ(ui.callsOf("dialog").size(), 1u);
    EXPECT_EQ(ui.callsOf("dialog")[0].dialog.kind, DialogKind::Save);
    EXPECT_EQ(ui.messageTexts(), QStringList{"PDF file has been successfully splitted."});
    EXPECT_EQ(pageContents(files.path("out.pdf")).size(), 3u);
    // The close asked for during the split happens once it has ended.
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadSetting("Skin"), "4");
}

TEST(PanelLayout, FromTheFreeClientArea)
{
    const PanelPlacement before{{1, 2, 3, 4}, {5, 6, 7, 8}};
    struct Case
    {
        int l, t, r, b;
        PanelPlacement expected;
    } cases[] = {
        // The designed example: width R and height B - 60, not R - L and B - T - 60.
        {0, 400, 900, 800, {{0, 430, 900, 740}, {50, 910, 800, 200}}},
        {30, 0, 9570, 6075, {{30, 30, 9570, 6015}, {80, 510, 9470, 5475}}},
        // Too small for the panels: their move is skipped.
        {0, 0, 90, 600, {{0, 30, 90, 540}, {5, 6, 7, 8}}},
        // Too small for the strip: it stays, and the panels follow the strip as it stands.
        {0, 0, 900, 50, {{1, 2, 3, 4}, {5, 6, 7, 8}}},
        {0, 0, 900, 1000, {{0, 30, 900, 940}, {50, 510, 800, 400}}},
    };
    for (const Case& c : cases) {
        const PanelPlacement got = arrangePanels(c.l, c.t, c.r, c.b, before);
        EXPECT_EQ(got.tabStrip, c.expected.tabStrip)
            << c.l << "," << c.t << "," << c.r << "," << c.b;
        EXPECT_EQ(got.panels, c.expected.panels) << c.l << "," << c.t << "," << c.r << "," << c.b;
    }
    EXPECT_EQ(toPixels({50, 910, 800, 200}), QRect(3, 61, 53, 13));
}

} // namespace
} // namespace paginor::test
