// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/MergeList.h"
#include "QtPrinters.h"
#include "merge/PathParts.h"
#include "jobs/Session.h"
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

TEST_F(MergeListTest, CancelChangesNothing)
{
    session.LastOpenFolder = "kept";
    list.AddPdfFiles();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(session.LastOpenFolder, "kept");
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

TEST_F(MergeListTest, DraggedRowsMoveTogetherInTheirOrder)
{
    struct Case
    {
        QVector<int> rows;
        int before;
        QString order; // the files afterwards; "" = nothing moved
        int current;
    } cases[] = {
        {{3}, 0, "dabce", 0},     {{0, 2}, 4, "bdace", 2},
        {{2, 0}, 5, "bdeac", 3},  // order given does not matter; the end
        {{1, 3}, 99, "acebd", 3}, // past the end counts as the end
        {{1, 2}, 2, "", -1},      // onto itself
        {{1, 2}, 1, "", -1},      {{0, 1}, 0, "", -1},
        {{}, 2, "", -1},          {{7, -1}, 0, "", -1}, // out of range only
    };
    for (const Case& c : cases) {
        for (int i = 0; i < list.rowCount(); ++i)
            list.setSelected(i, true);
        list.RemoveSelectedRows();
        addNames({"a.pdf", "b.pdf", "c.pdf", "d.pdf", "e.pdf"});
        list.setSelected(4, true); // a row that does not move loses its selection
        const bool moved = list.moveRows(c.rows, c.before);
        EXPECT_EQ(moved, !c.order.isEmpty()) << c.before;
        QString order;
        for (int i = 0; i < list.rowCount(); ++i)
            order += list.row(i).fileName.at(0);
        EXPECT_EQ(order, c.order.isEmpty() ? "abcde" : c.order) << c.before;
        if (!moved)
            continue;
        EXPECT_EQ(list.currentRow(), c.current);
        QVector<int> selected;
        for (int i = 0; i < int(c.rows.size()); ++i)
            selected << c.current + i;
        EXPECT_EQ(list.selectedRows(), selected);
        for (int i = 0; i < list.rowCount(); ++i)
            EXPECT_EQ(list.row(i).number, MergeList::NumberText(i + 1));
    }
}
