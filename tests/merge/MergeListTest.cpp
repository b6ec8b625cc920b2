#include "merge/MergeList.h"
#include "QtPrinters.h"
#include "merge/PathParts.h"
#include "split/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace paginor;
using paginor::test::FakeInteraction;
using paginor::test::TempDir;

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

void writeBytes(const QString& path, qint64 size)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(size));
}

class MergeListTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Adds rows for `names` (missing files are fine) straight from a dialog answer.
    void addNames(const QStringList& names)
    {
        QStringList paths;
        for (const QString& n : names)
            paths << dir.path(n);
        ui.dialogs.push_back(paths);
        list.AddPdfFiles();
    }
    QStringList names() const
    {
        QStringList out;
        for (int i = 0; i < list.rowCount(); ++i)
            out << list.row(i).number + " " + list.row(i).fileName;
        return out;
    }

    TempDir dir;
    Session session;
    FakeInteraction ui;
    MergeList list{session, ui};
};

} // namespace

TEST(PathParts, SplitAndRebuild)
{
    struct Case
    {
        QString path, folder, name;
    } cases[] = {
        {"/home/u/a.pdf", "/home/u", "a.pdf"},
        {"/a.pdf", "", "a.pdf"}, // the root: the rebuilt "" + "/" + "a.pdf" is right again
        {"a.pdf", "", "a.pdf"},
        {"/x.pdf/a", "/x.pdf", "a"},
        {"/home/u/", "/home/u", ""},
    };
    for (const Case& c : cases) {
        const QString path = native(c.path);
        EXPECT_EQ(GetFolderName(path), native(c.folder)) << c.path.toStdString();
        EXPECT_EQ(GetFileName(path), c.name) << c.path.toStdString();
        if (path.contains(QDir::separator()))
            EXPECT_EQ(GetFolderName(path) + QDir::separator() + GetFileName(path), path);
    }
}

TEST(MergeListNames, HasPdfExtension)
{
    struct Case
    {
        const char* path;
        bool pdf;
    } cases[] = {
        {"a.pdf", true},   {"a.PDF", true},     {"/x/a.Pdf", true}, {"a.pdf.bak", false},
        {"a.pdf ", false}, {"/x.pdf/a", false}, {"a", false},       {"a.", false},
        {".pdf", true},    {"a.pdfx", false},   {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MergeList::HasPdfExtension(native(c.path)), c.pdf) << c.path;
}

TEST_F(MergeListTest, SizeTextRoundsHalfUpAndGroups)
{
    struct Case
    {
        int64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 KB"},
        {511, "0 KB"},
        {512, "1 KB"},
        {1535, "1 KB"},
        {1536, "2 KB"},
        {1048576, "1,024 KB"},
        {int64_t(2) << 30, "2,097,152 KB"},     // 2 GiB overflows a 32-bit count
        {int64_t(5) << 40, "5,368,709,120 KB"}, // 5 TiB
    };
    for (const Case& c : cases)
        EXPECT_EQ(MergeList::SizeText(c.bytes), QString(c.text)) << c.bytes;

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(MergeList::SizeText(1048576), "1.024 KB");
    // The C locale omits grouping by default; the size pattern groups anyway.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(MergeList::SizeText(1048576), "1,024 KB");
}

TEST_F(MergeListTest, RowsShowNumberNameFolderAndSize)
{
    writeBytes(dir.path("a.pdf"), 1048576);
    writeBytes(dir.path("b.pdf"), 600);
    addNames({"a.pdf", "b.pdf", "gone.pdf"});
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.row(0).number, "001");
    EXPECT_EQ(list.row(0).fileName, "a.pdf");
    EXPECT_EQ(list.row(0).path, dir.root());
    EXPECT_EQ(list.row(0).sizeText, "1,024 KB");
    EXPECT_EQ(list.row(1).sizeText, "1 KB");
    EXPECT_EQ(list.row(2).number, "003");
    EXPECT_EQ(list.row(2).sizeText, "0 KB"); // missing file: still a row
    EXPECT_EQ(list.fullPath(2), dir.path("gone.pdf"));
    EXPECT_TRUE(list.selectedRows().isEmpty());
}

TEST_F(MergeListTest, OneFileAddsWithoutWaitOrYield)
{
    addNames({"one.PDF"});
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(session.LastOpenFolder, dir.root() + QDir::separator());
    EXPECT_TRUE(ui.callsOf("wait").empty());
    EXPECT_TRUE(ui.callsOf("yield").empty());

    addNames({"note.txt"}); // one non-PDF: no row, but the folder is remembered
    EXPECT_EQ(list.rowCount(), 1);
}

TEST_F(MergeListTest, SeveralFilesSkipNonPdfAndYieldPerRow)
{
    session.LastOpenFolder = "elsewhere";
    addNames({"a.pdf", "b.txt", "c.pdf", "a.pdf"});
    EXPECT_EQ(names(), QStringList({"001 a.pdf", "002 c.pdf", "003 a.pdf"}));
    EXPECT_EQ(session.LastOpenFolder, dir.root() + QDir::separator());
    QStringList kinds;
    for (const auto& c : ui.calls)
        if (c.kind != "dialog")
            kinds << c.kind + QString::number(c.value);
    EXPECT_EQ(kinds, QStringList({"wait1", "yield0", "yield0", "yield0", "yield0", "wait0"}));
    EXPECT_EQ(ui.callsOf("dialog").at(0).dialog.kind, DialogKind::OpenMany);
}

TEST_F(MergeListTest, RootFolderRebuildsFullPaths)
{
    const QString root = QDir::rootPath();
    ui.dialogs.push_back({native(root + "a.pdf"), native(root + "b.pdf")});
    list.AddPdfFiles();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.row(0).path, GetFolderName(native(root + "a.pdf")));
    EXPECT_EQ(list.fullPath(0), native(root + "a.pdf"));
    EXPECT_EQ(list.fullPath(1), native(root + "b.pdf"));
    EXPECT_EQ(session.LastOpenFolder, native(root));
}

TEST_F(MergeListTest, CancelChangesNothing)
{
    session.LastOpenFolder = "kept";
    list.AddPdfFiles();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(session.LastOpenFolder, "kept");
}

TEST_F(MergeListTest, ThousandthRowShowsAllDigits)
{
    QStringList many;
    for (int i = 0; i < 1000; ++i)
        many << QString("f%1.pdf").arg(i);
    addNames(many);
    ASSERT_EQ(list.rowCount(), 1000);
    EXPECT_EQ(list.row(998).number, "999");
    EXPECT_EQ(list.row(999).number, "1000");
}

TEST_F(MergeListTest, RemoveSelectedRowsRenumbers)
{
    addNames({"1.pdf", "2.pdf", "3.pdf", "4.pdf", "5.pdf"});
    list.RemoveSelectedRows(); // none selected
    EXPECT_EQ(list.rowCount(), 5);

    int resets = 0;
    QObject::connect(&list, &MergeList::listReset, [&] { ++resets; });
    list.setSelected(1, true);
    list.setSelected(3, true);
    list.setCurrentRow(3);
    list.RemoveSelectedRows();
    EXPECT_EQ(names(), QStringList({"001 1.pdf", "002 3.pdf", "003 5.pdf"}));
    EXPECT_TRUE(list.selectedRows().isEmpty());
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_EQ(resets, 1);

    for (int i = 0; i < 3; ++i)
        list.setSelected(i, true);
    list.RemoveSelectedRows();
    EXPECT_EQ(list.rowCount(), 0);
    list.RemoveSelectedRows(); // empty list
    EXPECT_EQ(resets, 2);
}

TEST_F(MergeListTest, MovesCarryTheFileAndItsSelection)
{
    addNames({"a.pdf", "b.pdf", "c.pdf"});
    EXPECT_FALSE(list.MoveSelectedUp()); // no current row

    list.setSelected(0, true);
    list.setCurrentRow(0);
    EXPECT_FALSE(list.MoveSelectedUp()); // already first
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_FALSE(list.MoveSelectedDown()); // now last
    EXPECT_EQ(names(), QStringList({"001 b.pdf", "002 c.pdf", "003 a.pdf"}));
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(list.selectedRows(), QVector<int>({2}));

    // A selected neighbour keeps its selection when the current file passes it.
    list.setSelected(1, true);
    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_EQ(names(), QStringList({"001 b.pdf", "002 a.pdf", "003 c.pdf"}));
    EXPECT_EQ(list.selectedRows(), QVector<int>({1, 2}));
    EXPECT_EQ(list.row(2).sizeText, "0 KB");

    MergeList empty(session, ui);
    empty.setCurrentRow(0);
    EXPECT_FALSE(empty.MoveSelectedUp());
    EXPECT_FALSE(empty.MoveSelectedDown());
}

TEST_F(MergeListTest, AppendSignalsOnlyTheNewRow)
{
    // A view mirroring the list must never be told to redo earlier rows when one is appended.
    int changed = 0;
    int appended = 0;
    QObject::connect(&list, &MergeList::rowsChanged, [&](int, int) { ++changed; });
    QObject::connect(&list, &MergeList::rowsAppended, [&](int, int count) { appended += count; });
    addNames({"a.pdf", "b.pdf", "c.pdf"});
    EXPECT_EQ(appended, 3);
    EXPECT_EQ(changed, 0);
    list.RenumberList(); // numbers already right: nothing to tell
    EXPECT_EQ(changed, 0);
}

TEST_F(MergeListTest, OverlongBufferWithoutPaddingIsRead)
{
    // No NUL padding at the end and a folder that is the root: both still split right.
    const QString root = native(QDir::rootPath());
    QString buffer = root + QChar(0) + "x.pdf" + QChar(0) + "y.pdf";
    list.addFromBuffer(buffer);
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.fullPath(1), root + "y.pdf");
    list.addFromBuffer(root + "z.pdf");
    EXPECT_EQ(list.fullPath(2), root + "z.pdf");
}
