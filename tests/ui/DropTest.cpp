// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Files and rows dropped on the real panels, and files named when the program starts.
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "merge/DroppedFiles.h"
#include "merge/MergeList.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"
#include "ui/FileDropTarget.h"
#include "ui/FormMain.h"
#include "ui/Launch.h"
#include "ui/MergeListView.h"
#include "ui/MergePanel.h"
#include "ui/SplitPanel.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace paginor::test {
namespace {

QMimeData* filesMime(const QStringList& paths)
{
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    mime->setUrls(urls);
    return mime;
}

// A drag that enters `target` at `pos` and, when it was accepted and `drop` is set, drops
// there; then the event loop runs what the drop left for it. Returns whether the target took
// the drag.
bool drag(QWidget* target, QPoint pos, QMimeData* mime, bool drop = true)
{
    std::unique_ptr<QMimeData> owned(mime);
    QDragEnterEvent enter(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted() || !drop)
        return enter.isAccepted();
    QDropEvent dropped(pos, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

class DropTest : public ::testing::Test
{
protected:
    DropTest()
    {
        for (const QString& name : {"a.pdf", "B.PDF", "notes.txt", "dir/file 10.pdf",
                                    "dir/file 2.pdf", "dir/readme.txt", "dir/sub/deep.pdf"}) {
            QDir().mkpath(QFileInfo(dir.path(name)).path());
            QFile f(dir.path(name));
            f.open(QIODevice::WriteOnly);
        }
        merge.resize(600, 400);
        merge.show();
    }

    QStringList rows() const
    {
        QStringList out;
        for (int i = 0; i < merge.LvPDF->topLevelItemCount(); ++i)
            out << merge.LvPDF->topLevelItem(i)->text(0) + " " +
                       merge.LvPDF->topLevelItem(i)->text(1);
        return out;
    }
    QWidget* listArea() const { return merge.listView()->viewport(); }

    TempDir dir;
    Session session;
    FakeInteraction ui;
    PDFLibrary engine;
    MergePanel merge{engine, session, ui};
};

} // namespace

TEST_F(DropTest, FilesAndFoldersDroppedOnTheMergeList)
{
    struct Case
    {
        QStringList dropped;
        QStringList rows;
        QString message; // "" = none
    } cases[] = {
        {{"a.pdf", "notes.txt", "B.PDF"},
         {"001 a.pdf", "002 B.PDF"},
         "1 file was not added: notes.txt"},
        // A folder gives the PDFs directly inside it, in natural order; its other files and
        // its subfolders are not counted.
        {{"dir", "a.pdf"}, {"001 file 2.pdf", "002 file 10.pdf", "003 a.pdf"}, ""},
        {{"notes.txt", "dir/readme.txt"}, {}, "2 files were not added: notes.txt, readme.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dropped.join(' ').toStdString());
        merge.LvPDF->selectAll();
        merge.CmdRemove_Click();
        ui.calls.clear();
        QStringList paths;
        for (const QString& n : c.dropped)
            paths << dir.path(n);
        EXPECT_TRUE(drag(listArea(), {20, 20}, filesMime(paths)));
        EXPECT_EQ(rows(), c.rows);
        EXPECT_EQ(ui.messageTexts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        if (!c.message.isEmpty()) {
            EXPECT_EQ(ui.callsOf("message").front().icon, UserQuestions::Icon::Information);
            EXPECT_EQ(ui.callsOf("message").front().title, "Paginor");
        }
        EXPECT_TRUE(ui.idle());
        EXPECT_FALSE(merge.listView()->fileDropShown());
    }
    // A long list names the first five.
    EXPECT_EQ(notAddedText({"a.txt", "b.txt", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt"}),
              "7 files were not added: a.txt, b.txt, c.txt, d.txt, e.txt and 2 more");
}

TEST_F(DropTest, RowsDraggedWithinTheMergeList)
{
    merge.addPaths({dir.path("a.pdf"), dir.path("B.PDF"), dir.path("dir/file 2.pdf"),
                    dir.path("dir/file 10.pdf")});
    MergeListView* view = merge.listView();
    // Rows 1 and 3 dropped on the lower half of row 0: they go before row 1, in their order.
    const QRect first = view->visualItemRect(view->topLevelItem(0));
    EXPECT_TRUE(drag(listArea(), {10, first.bottom() - 1}, view->rowDragData({1, 3})));
    EXPECT_EQ(rows(), QStringList({"001 a.pdf", "002 B.PDF", "003 file 10.pdf", "004 file 2.pdf"}));
    // Row 0 dropped below the last row goes to the end, keeping its selection.
    EXPECT_TRUE(drag(listArea(), {10, view->viewport()->height() - 2}, view->rowDragData({0})));
    EXPECT_EQ(rows(), QStringList({"001 B.PDF", "002 file 10.pdf", "003 file 2.pdf", "004 a.pdf"}));
    EXPECT_TRUE(view->topLevelItem(3)->isSelected());
    EXPECT_EQ(view->currentItem(), view->topLevelItem(3));

    // Rows of another list are not taken.
    MergePanel other{engine, session, ui};
    other.addPaths({dir.path("a.pdf")});
    EXPECT_FALSE(drag(listArea(), {10, 10}, other.listView()->rowDragData({0})));
    EXPECT_EQ(merge.list().rowCount(), 4);
}

TEST_F(DropTest, FeedbackWhileDraggingAndNoDropsWhileAJobRuns)
{
    EXPECT_FALSE(MergeListView::emptyHint().isEmpty());
    EXPECT_TRUE(drag(listArea(), {20, 20}, filesMime({dir.path("a.pdf")}), false));
    EXPECT_TRUE(merge.listView()->fileDropShown());
    QDragLeaveEvent leave;
    QApplication::sendEvent(listArea(), &leave);
    EXPECT_FALSE(merge.listView()->fileDropShown());

    SplitPanel split{engine, session, ui};
    split.show();
    bool busy = true;
    merge.setDropsAllowed([&busy] { return !busy; });
    split.setDropsAllowed([&busy] { return !busy; });
    EXPECT_FALSE(drag(listArea(), {20, 20}, filesMime({dir.path("a.pdf")})));
    EXPECT_FALSE(drag(&split, {20, 20}, filesMime({dir.path("a.pdf")})));
    EXPECT_FALSE(split.dropTarget()->highlighted());
    EXPECT_EQ(merge.list().rowCount(), 0);
    EXPECT_TRUE(split.TextFile->text().isEmpty());
    busy = false;
    EXPECT_TRUE(drag(listArea(), {20, 20}, filesMime({dir.path("a.pdf")})));
    EXPECT_EQ(merge.list().rowCount(), 1);
}

TEST_F(DropTest, OnePdfDroppedOnTheSplitPanelIsChosenAsWithBrowse)
{
    makePdf(dir.path("plain.pdf"), {});
    PdfSpec locked;
    locked.encryption = Encryption::Aes_256;
    locked.userPassword = "pw";
    locked.ownerPassword = "owner";
    makePdf(dir.path("locked.pdf"), locked);

    SplitPanel split{engine, session, ui};
    split.resize(500, 300);
    split.show();
    // Not one PDF: refused, wherever it lands.
    for (const QStringList& names :
         {QStringList{"notes.txt"}, QStringList{"a.pdf", "B.PDF"}, QStringList{"dir"}}) {
        QStringList paths;
        for (const QString& n : names)
            paths << dir.path(n);
        for (QWidget* target :
             {static_cast<QWidget*>(&split), static_cast<QWidget*>(split.TextFile)})
            EXPECT_FALSE(drag(target, {5, 5}, filesMime(paths)));
    }
    EXPECT_TRUE(split.TextFile->text().isEmpty());

    // Dropped on the panel or on a text box, a PDF becomes the source; a protected one asks.
    session.SourcePassword = "old";
    session.SourcePasswordFile = "old.pdf";
    EXPECT_TRUE(drag(&split, {5, 5}, filesMime({dir.path("plain.pdf")})));
    EXPECT_EQ(split.TextFile->text(), dir.path("plain.pdf"));
    EXPECT_EQ(session.SourcePasswordFile, "");
    EXPECT_TRUE(ui.callsOf("input").empty());

    ui.inputs = {QString("wrong"), QString("pw")};
    EXPECT_TRUE(drag(split.TextFile, {5, 5}, filesMime({dir.path("locked.pdf")})));
    EXPECT_EQ(split.TextFile->text(), dir.path("locked.pdf"));
    EXPECT_EQ(ui.callsOf("input").size(), 2u);
    EXPECT_EQ(session.SourcePasswordFile, dir.path("locked.pdf"));
    EXPECT_FALSE(split.dropTarget()->highlighted());

    // Plain text still goes into the box it is dropped on.
    split.TextEvery->clear();
    auto* text = new QMimeData;
    text->setText("25");
    drag(split.TextEvery, {5, 5}, text);
    EXPECT_EQ(split.TextFile->text(), dir.path("locked.pdf"));
}

TEST(LaunchArguments, Parse)
{
    using Kind = LaunchRequest::Kind;
    struct Case
    {
        QStringList args;
        Kind kind;
        QStringList files;
    } cases[] = {
        {{}, Kind::Window, {}},
        {{"a.pdf", "b c.pdf"}, Kind::Window, {"a.pdf", "b c.pdf"}},
        {{"--", "--odd.pdf"}, Kind::Window, {"--odd.pdf"}},
        {{"--version"}, Kind::Version, {}},
        {{"-h"}, Kind::Help, {}},
        {{"--list-skins"}, Kind::ListSkins, {}},
        {{"a.pdf", "--version"}, Kind::Usage, {}},
        {{"--bogus"}, Kind::Usage, {}},
    };
    for (const Case& c : cases) {
        const LaunchRequest r = parseLaunchArguments(c.args);
        EXPECT_EQ(r.kind, c.kind) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.files, c.files) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.error.isEmpty(), c.kind != Kind::Usage);
    }
}

TEST(LaunchFiles, OneFileIsChosenForSplittingSeveralGoToTheMergeList)
{
    FreshSettings settings;
    TempDir dir;
    makePdf(dir.path("one.pdf"), {});
    makePdf(dir.path("two.pdf"), {});
    FakeInteraction ui;
    FormMainOptions options;
    options.programFolder = dir.root();
    options.prompter = &ui;
    options.openUrl = [](const QUrl&) {
    };

    FormMain single(options);
    const QString oldFolder = QDir::currentPath();
    QDir::setCurrent(dir.root());
    openLaunchFiles(single, {"one.pdf"}); // relative to the current folder
    QDir::setCurrent(oldFolder);
    EXPECT_EQ(single.TabStrip1->currentIndex(), 0);
    EXPECT_EQ(single.splitPanel()->TextFile->text(), dir.path("one.pdf"));
    EXPECT_EQ(single.mergePanel()->list().rowCount(), 0);
    const size_t asked = ui.callsOf("input").size();
    openLaunchFiles(single, {dir.path("gone.pdf")}); // filled in, no password asked for
    EXPECT_EQ(single.splitPanel()->TextFile->text(), dir.path("gone.pdf"));
    EXPECT_EQ(ui.callsOf("input").size(), asked);

    FormMain several(options);
    openLaunchFiles(several, {dir.path("two.pdf"), dir.path("one.pdf"), dir.path("x.txt")});
    EXPECT_EQ(several.TabStrip1->currentIndex(), 1);
    EXPECT_TRUE(several.PicMerger->isVisibleTo(&several));
    EXPECT_EQ(several.mergePanel()->list().fullPaths(),
              QStringList({dir.path("two.pdf"), dir.path("one.pdf")}));
    EXPECT_TRUE(several.splitPanel()->TextFile->text().isEmpty());
    EXPECT_EQ(ui.messageTexts().last(), "1 file was not added: x.txt");
}

} // namespace paginor::test
