// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/MergePanel.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "settings/SettingsStore.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"
#include "ui/LockIcon.h"
#include "ui/MergeOptionsWindow.h"
#include "ui/MergeRowMenu.h"
#include "ui/MergeRowPages.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

namespace paginor::test {
namespace {

class MergePanelTest : public ::testing::Test
{
protected:
    MergePanelTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~MergePanelTest() override { QLocale::setDefault(QLocale::c()); }

    QTreeWidget& view() { return *panel.LvPDF; }
    // Each row as its four texts joined by "|".
    QStringList shown()
    {
        QStringList out;
        for (int i = 0; i < view().topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = view().topLevelItem(i);
            out << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(
                '|');
        }
        return out;
    }
    QStringList shownNames()
    {
        QStringList out;
        for (int i = 0; i < view().topLevelItemCount(); ++i)
            out << view().topLevelItem(i)->text(0) + " " + view().topLevelItem(i)->text(1);
        return out;
    }
    QList<int> selected()
    {
        QList<int> out;
        for (int i = 0; i < view().topLevelItemCount(); ++i)
            if (view().topLevelItem(i)->isSelected())
                out << i;
        return out;
    }
    void add(const QStringList& names)
    {
        QStringList paths;
        for (const QString& n : names)
            paths << dir.path(n);
        ui.dialogs.push_back(paths);
        panel.CmdAdd->click();
    }
    // Selects `rows` the way a user's clicks do; the last one becomes the current row.
    void pick(const QList<int>& rows)
    {
        view().clearSelection();
        for (int r : rows) {
            view().setCurrentItem(view().topLevelItem(r), 0, QItemSelectionModel::NoUpdate);
            view().topLevelItem(r)->setSelected(true);
        }
    }

    FreshSettings settings;
    TempDir dir;
    Session session;
    FakeInteraction ui;
    PDFLibrary engine;
    MergePanel panel{engine, session, ui};
};

} // namespace

TEST_F(MergePanelTest, AddShowsTheFourTexts)
{
    QFile big(dir.path("big.pdf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(3 * 1048576 + 700));
    big.close();
    add({"big.pdf"});
    add({"gone.pdf", "notes.txt", "big.pdf"});
    EXPECT_EQ(view().columnCount(), 5); // and "Pages", empty while the lists are
    EXPECT_EQ(shown(), QStringList({"001|big.pdf|" + dir.root() + "|3,073 KB",
                                    "002|gone.pdf|" + dir.root() + "|0 KB",
                                    "003|big.pdf|" + dir.root() + "|3,073 KB"}));
    EXPECT_EQ(view().topLevelItem(0)->textAlignment(3) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(view().selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(MergePanelTest, RootFolderRowsRebuildTheirPaths)
{
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    ui.dialogs.push_back({root + "a.pdf", root + "b.pdf"});
    panel.CmdAdd_Click();
    ASSERT_EQ(view().topLevelItemCount(), 2);
    EXPECT_EQ(view().topLevelItem(0)->text(2) + QDir::separator() + view().topLevelItem(0)->text(1),
              root + "a.pdf");
    EXPECT_EQ(panel.list().fullPath(1), root + "b.pdf");
}

TEST_F(MergePanelTest, RemoveTakesTheSelectedRowsOnly)
{
    panel.CmdRemove_Click(); // empty list: nothing at all
    EXPECT_EQ(view().topLevelItemCount(), 0);

    add({"1.pdf", "2.pdf", "3.pdf", "4.pdf", "5.pdf"});
    panel.CmdRemove->click(); // nothing selected
    EXPECT_EQ(view().topLevelItemCount(), 5);

    pick({1, 3});
    panel.CmdRemove->click();
    EXPECT_EQ(shownNames(), QStringList({"001 1.pdf", "002 3.pdf", "003 5.pdf"}));
    EXPECT_TRUE(selected().isEmpty());
    EXPECT_EQ(panel.list().rowCount(), 3);
}

TEST_F(MergePanelTest, MovesCarryTheSelectionAndStopAtTheEnds)
{
    panel.show();
    panel.CmdUp->click(); // empty list
    add({"a.pdf", "b.pdf", "c.pdf"});

    pick({0});
    panel.CmdUp->click();
    EXPECT_EQ(shownNames(), QStringList({"001 a.pdf", "002 b.pdf", "003 c.pdf"}));
    panel.CmdDown->click();
    panel.CmdDown->click();
    panel.CmdDown->click(); // already last
    EXPECT_EQ(shownNames(), QStringList({"001 b.pdf", "002 c.pdf", "003 a.pdf"}));
    EXPECT_EQ(selected(), QList<int>({2}));
    EXPECT_EQ(view().currentItem(), view().topLevelItem(2));

    // With two rows selected, the current one moves and both files stay selected.
    pick({0, 2});
    panel.CmdUp->setFocus();
    panel.CmdUp->click();
    EXPECT_EQ(shownNames(), QStringList({"001 b.pdf", "002 a.pdf", "003 c.pdf"}));
    EXPECT_EQ(selected(), QList<int>({0, 1}));
    EXPECT_EQ(panel.focusWidget(), panel.LvPDF);
}

TEST_F(MergePanelTest, ThousandRowsArriveInTheViewNumbered)
{
    QStringList names;
    for (int i = 1; i <= 1000; ++i)
        names << QString("p%1.pdf").arg(i);
    add(names);
    ASSERT_EQ(view().topLevelItemCount(), 1000);
    EXPECT_EQ(view().topLevelItem(999)->text(0), "1000");
    EXPECT_EQ(view().topLevelItem(999)->text(1), "p1000.pdf");

    // Rows added outside a command show up once the event loop runs.
    panel.list().AddListRow(dir.path("late.pdf"));
    QEventLoop loop;
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(view().topLevelItemCount(), 1001);
}

TEST_F(MergePanelTest, MergeWithTooFewRowsOffersTheAddDialog)
{
    ui.dialogs.push_back({dir.path("a.pdf"), dir.path("b.pdf")});
    int finished = 0;
    QObject::connect(&panel, &MergePanel::jobFinished, [&] { ++finished; });
    panel.CmdMerge->click();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Please add more PDF files"});
    EXPECT_EQ(shownNames(), QStringList({"001 a.pdf", "002 b.pdf"}));
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(panel.jobRunning());
}

// Files are checked in the background as they are added: a row the merge could not read shows
// a warning with its reason, and "&Merge" names it before asking anything. A protected file is
// not unusable: it shows its lock and is asked for after the save dialog, as before.
TEST_F(MergePanelTest, RowsAreCheckedWhenAddedAndMergeRefusesAnUnusableOne)
{
    makePdf(dir.path("good.pdf"), {});
    QFile damaged(dir.path("damaged.pdf"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R\nthis is not a PDF\n");
    damaged.close();
    QFile notes(dir.path("notes.pdf"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Shopping: bread, milk.\n");
    notes.close();
    PdfSpec locked;
    locked.encryption = Encryption::Aes_256;
    locked.userPassword = "pw";
    locked.ownerPassword = "owner";
    makePdf(dir.path("locked.pdf"), locked);

    const QImage lock = lockIcon().pixmap(16).toImage();
    const QImage warning =
        panel.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16).toImage();
    const struct
    {
        const char* name;
        QImage mark; // null = none
        QString reason;
    } rows[] = {
        {"good.pdf", QImage(), ""},
        {"damaged.pdf", warning, "It is a damaged PDF file."},
        {"notes.pdf", warning, "It is not a PDF file."},
        {"locked.pdf", lock, ""},
        {"gone.pdf", warning, "The file was not found or can not be read."},
    };
    QStringList names;
    for (const auto& r : rows)
        names << r.name;
    add(names);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.list().checksPending(); }, 20000));
    ASSERT_EQ(view().topLevelItemCount(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(rows[i].name);
        QTreeWidgetItem* item = view().topLevelItem(i);
        EXPECT_EQ(item->icon(1).isNull() ? QImage() : item->icon(1).pixmap(16).toImage(),
                  rows[i].mark);
        EXPECT_EQ(item->toolTip(1), rows[i].reason);
        EXPECT_EQ(item->toolTip(2), rows[i].reason);
    }

    // Each press names the first unusable row and asks nothing. A file mended since its check
    // is checked again; a row removed takes its warning with it.
    const QString refusal = "Can not merge file: %1 - %2\r\n%3\r\nPlease remove it from the list.";
    const struct
    {
        QString message;
        std::function<void()> mend;
    } presses[] = {
        {refusal.arg("002", dir.path("damaged.pdf"), rows[1].reason),
         [&] {
             makePdf(dir.path("damaged.pdf"), {});
         }},
        {refusal.arg("003", dir.path("notes.pdf"), rows[2].reason),
         [&] {
             pick({2});
             panel.CmdRemove->click();
         }},
        {refusal.arg("004", dir.path("gone.pdf"), rows[4].reason),
         [&] {
             pick({3});
             panel.CmdRemove->click();
         }},
    };
    for (const auto& p : presses) {
        ui.calls.clear();
        panel.CmdMerge->click();
        EXPECT_EQ(ui.messageTexts(), QStringList{p.message});
        EXPECT_EQ(ui.callsOf("message").at(0).icon, UserQuestions::Icon::Critical);
        EXPECT_TRUE(ui.callsOf("dialog").empty());
        EXPECT_TRUE(ui.callsOf("input").empty());
        p.mend();
    }
    EXPECT_TRUE(view().topLevelItem(1)->icon(1).isNull()); // the mended file lost its warning

    // good, the mended file and the protected one: saved, then the password asked for.
    ui.calls.clear();
    ui.dialogs.push_back({dir.path("out.pdf")});
    ui.inputs.push_back(QString("pw"));
    panel.CmdMerge->click();
    QStringList order;
    for (const auto& c : ui.calls)
        if (c.kind == "dialog" || c.kind == "input" || c.kind == "message")
            order << c.kind;
    EXPECT_EQ(order, QStringList({"dialog", "input", "message"}));
    EXPECT_EQ(ui.messageTexts().value(0).split("\r\n").value(0),
              "PDF file has been successfully merged.");
    EXPECT_EQ(pageContents(dir.path("out.pdf")).size(), 9u);
    EXPECT_TRUE(ui.idle());
}

TEST_F(MergePanelTest, OptionsWindowAndRowMenusLayThePagesOut)
{
    // The window shows what it holds and gives back what was ticked.
    MergeOptionsWindow window;
    window.setChoices({false, true, false});
    window.CheckContents->click();
    EXPECT_EQ(window.choices(), (MergeChoices{false, true, true}));

    // "&Options..." asks through the seam with the remembered choices; Cancel keeps them.
    ui.options = {MergeChoices{true, false, false}, std::nullopt};
    panel.CmdOptions->click();
    panel.CmdOptions->click();
    const auto asked = ui.callsOf("options");
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].choices, MergeChoices());
    EXPECT_EQ(asked[1].choices, (MergeChoices{true, false, false}));
    EXPECT_EQ(ReadSetting("MergeInterleave"), "1");
    ui.options = {std::nullopt};
    MergePanel again{engine, session, ui};
    again.CmdOptions->click();
    EXPECT_EQ(ui.callsOf("options").back().choices, (MergeChoices{true, false, false}));

    // Row menus: the second file reversed, the first turned; each row shows its marks.
    makePdf(dir.path("a.pdf"), {3, "a"});
    makePdf(dir.path("b.pdf"), {2, "b"});
    add({"a.pdf", "b.pdf"});
    QTest::qWait(100);
    auto act = [&](int row, const char* action) {
        std::unique_ptr<QMenu> menu(panel.rowMenu()->menuFor(row));
        menu->findChild<QAction*>(action)->trigger();
    };
    act(1, "ActionReverse");
    act(0, "ActionTurn90");
    EXPECT_EQ(view().topLevelItem(0)->data(MergeRowPages::kPagesColumn, MergeRowPages::kMarksRole),
              QStringList{"turned 90°"});
    EXPECT_EQ(view().topLevelItem(1)->data(MergeRowPages::kPagesColumn, MergeRowPages::kMarksRole),
              QStringList{"reversed"});

    ui.dialogs.push_back({dir.path("out.pdf")});
    panel.CmdMerge->click();
    std::vector<std::string> texts;
    for (const std::string& content : pageContents(dir.path("out.pdf")))
        texts.push_back(content.substr(content.find('(') + 1, 8));
    EXPECT_EQ(texts, (std::vector<std::string>{"a page 1", "b page 2", "a page 2", "b page 1",
                                               "a page 3"}));
    QPDF out;
    out.processFile(QFile::encodeName(dir.path("out.pdf")).constData());
    std::vector<QPDFObjectHandle> outPages = out.getAllPages();
    EXPECT_EQ(outPages.at(0).getKey("/Rotate").getIntValue(), 90);
    EXPECT_FALSE(outPages.at(1).hasKey("/Rotate"));
}

} // namespace paginor::test
