// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Merging some pages of each file: the rows' page lists, read back with pdftotext.
#include "MergeJobFixture.h"
#include "support/OutlineFactory.h"

#include <QProcess>
#include <map>

using namespace paginor;
using namespace paginor::test;

namespace {

// The text of each page of `path` as poppler reads it, with blanks simplified.
QStringList pageTexts(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!tool.waitForFinished(60000))
        return {};
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    for (QString& page : pages)
        page = page.simplified();
    return pages;
}

} // namespace

TEST_F(MergeJobTest, EachRowGivesThePagesOfItsListWithTheirBookmarks)
{
    list({make("alpha", 3), makeChapterBook(dir, "book.pdf"), make("gamma", 2)});
    rows.setPageList(0, " 3,1 ");
    rows.setPageList(1, "6-7");
    engine.setBookmarkMode(BookmarkMode::Keep);
    const QString out = dir.path("out.pdf");
    ASSERT_EQ(mergeTo(out).kind, MergeResult::Kind::Merged)
        << ui.messageTexts().join('|').toStdString();
    EXPECT_EQ(pageTexts(out), QStringList({"alpha page 3", "alpha page 1", "book page 6",
                                           "book page 7", "gamma page 1", "gamma page 2"}));

    // Only the bookmarks of the pages taken lead anywhere, and to where those pages went.
    ASSERT_TRUE(engine.OpenDocument(out, QString()));
    std::vector<BookmarkLevel> marks;
    ASSERT_TRUE(engine.readBookmarks(marks));
    std::map<QString, int32_t> led;
    for (const BookmarkLevel& mark : marks)
        if (mark.page != BookmarkLevel::kNowhere)
            led[mark.title] = mark.page;
    const std::map<QString, int32_t> expected = {
        {QString::fromUtf8("日本語 \"quoted\"|pipe"), 2}, {"", 3}, {"Dup on 6", 2}};
    EXPECT_EQ(led, expected);
}

TEST_F(MergeJobTest, ABadRowListStopsTheMergeBeforeAnythingIsWritten)
{
    list({make("a", 3), make("b", 3)});
    const QString out = dir.path("out.pdf");
    const QString row2 = QStringLiteral("Can not merge file: 002 - ") + rows.fullPath(1) + "\r\n";

    // A malformed list is refused before the save dialog.
    rows.setPageList(1, "2, x ,3");
    EXPECT_EQ(mergeTo(out).kind, MergeResult::Kind::BadPageList);
    EXPECT_EQ(ui.messageTexts(), QStringList{row2 + "This page list is not valid: x"});
    EXPECT_EQ(ui.callsOf("message").at(0).title, "Error");
    EXPECT_EQ(saveDialogs(), 0);

    // One that names none of the file's pages, once the file is counted.
    rows.setPageList(1, "5-9");
    ui.calls.clear();
    EXPECT_EQ(job.CmdMerge_Click().kind, MergeResult::Kind::BadPageList);
    EXPECT_EQ(ui.messageTexts(),
              QStringList{row2 + "This page list names no page of the file: 5-9"});
    EXPECT_EQ(saveDialogs(), 1);
    EXPECT_TRUE(ui.idle());
    EXPECT_FALSE(QFile::exists(out));
}
