#include "ui/MergePanel.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

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

} // namespace paginor::test
