// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "split/BookmarkParts.h"
#include "split/SplitJob.h"
#include "support/FakeInteraction.h"
#include "support/OutlineFactory.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

using Outcome = SplitRequest::Outcome;

class BookmarkSplitTest : public ::testing::Test
{
protected:
    TempDir dir;
    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    SplitJob job{engine, session, ui};
    QString book = makeChapterBook(dir, "book.pdf");

    SplitRequest split(const QString& level, const QString& output)
    {
        SplitRequest r;
        r.TextFile = book;
        r.options.mode = SplitMode::Bookmarks;
        r.options.TextLevel = level;
        ui.dialogs.push_back({output});
        job.run(r);
        return r;
    }
};

} // namespace

TEST_F(BookmarkSplitTest, OneFilePerBookmarkOfTheLevelInPageOrder)
{
    const auto all = pageContents(book);
    const struct
    {
        QString level;
        std::vector<std::pair<QString, std::vector<int>>> parts; // file name, pages
    } cases[] = {
        {"1",
         {{"Out 01 Intro_ A_B_C.pdf", {1, 2, 3}},
          {"Out 02 Chapter _ 2_.pdf", {4, 5}},
          {"Out 03 日本語 _quoted__pipe.pdf", {6, 7}}}},
        {"02",
         {{"Out 01 Über _Grüße_.pdf", {1, 2}},
          {"Out 02 Détails.pdf", {3}},
          {"Out 03 Same_page.pdf", {4, 5, 6}},
          {"Out 04.pdf", {7}}}},
    };
    for (const auto& c : cases) {
        QDir(dir.root()).mkdir(c.level);
        const QString folder = dir.path(c.level) + QDir::separator();
        ui.calls.clear();
        SplitRequest r = split(c.level, folder + "Out.PDF");
        EXPECT_EQ(r.outcome, Outcome::Succeeded);
        ASSERT_EQ(r.written.size(), int(c.parts.size())) << c.level.toStdString();
        QStringList status{"Please wait..."};
        for (size_t i = 0; i < c.parts.size(); ++i) {
            const auto& [name, pages] = c.parts[i];
            EXPECT_EQ(r.written[int(i)], folder + name);
            std::vector<std::string> expected;
            for (int p : pages)
                expected.push_back(all.at(size_t(p - 1)));
            EXPECT_EQ(pageContents(folder + name), expected) << name.toStdString();
            const QString range =
                pages.size() == 1 ? QString::number(pages.front())
                                  : QStringLiteral("%1-%2").arg(pages.front()).arg(pages.back());
            status << "Splitting page: " + range + ", please wait...";
        }
        EXPECT_EQ(ui.statusTexts(), status << "");
        EXPECT_EQ(ui.callsOf("yield").size(), c.parts.size() + 1);
        EXPECT_EQ(ui.messageTexts(), QStringList{"PDF file has been successfully splitted."});
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), int(c.parts.size()));
        EXPECT_TRUE(ui.idle());
    }
}

TEST_F(BookmarkSplitTest, ALevelWithoutBookmarksIsRefusedBeforeTheSaveDialog)
{
    const struct
    {
        QString level;
        QString message;
    } cases[] = {
        {"3", QString(kMsgNoBookmarksAtLevel) + "3"},
        {"0", "Please input a valid number"},
    };
    for (const auto& c : cases) {
        ui.calls.clear();
        SplitRequest r;
        r.TextFile = book;
        r.options.mode = SplitMode::Bookmarks;
        r.options.TextLevel = c.level;
        job.run(r);
        EXPECT_EQ(r.outcome, Outcome::InvalidOptions);
        EXPECT_EQ(r.focus, OptionField::TextLevel);
        EXPECT_EQ(ui.messageTexts(), QStringList{c.message});
        EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Exclamation);
        EXPECT_EQ(ui.callsOf("message")[0].title, "Error");
        EXPECT_TRUE(ui.callsOf("dialog").empty());
        EXPECT_TRUE(ui.idle());
    }
    // A source without any outline says the same.
    ui.calls.clear();
    PdfSpec recipe;
    makePdf(book, recipe);
    split("1", dir.path("x.pdf"));
    EXPECT_EQ(ui.messageTexts(), QStringList{QString(kMsgNoBookmarksAtLevel) + "1"});
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList{"book.pdf"});
}

TEST(BookmarkParts, FileNamesFromTitles)
{
    const QString s = QDir::separator();
    const QString out = s + "out" + s;
    const struct
    {
        int number;
        QString title;
        QString name;
    } cases[] = {
        {1, "  a\\b/c:d*e?f\"g<h>i|j\r\n  ", "Book 01 a_b_c_d_e_f_g_h_i_j.pdf"},
        {12, " \t ", "Book 12.pdf"},
        {100, QString(90, 'x') + " y", "Book 100 " + QString(80, 'x') + ".pdf"},
        {2, QString(79, 'x') + " ab", "Book 02 " + QString(79, 'x') + ".pdf"},
        {3, QString::fromUtf8("Ωmega 😀"), QString::fromUtf8("Book 03 Ωmega 😀.pdf")},
        // Format characters go: a right-to-left override cannot make the name read backwards.
        {4, QString::fromUtf8("Photo\u202Egnp.exe"), "Book 04 Photognp.exe.pdf"},
        {5,
         QString::fromUtf8("\u2067 a\u200Eb\u200F\u202A\u202B\u202C\u202D\u2066\u2068\u2069c"
                           "\U000E0041d \uFEFF"),
         "Book 05 abcd.pdf"},
        {6, QString::fromUtf8("\u202E"), "Book 06.pdf"},
        {7, "../..", "Book 07 .._...pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bookmarkPartFileName(out + "Book.pdf", c.number, c.title), out + c.name)
            << c.title.toStdString();

    // 80 letters of three bytes each would pass what a file name may hold on disk.
    const QString wide = bookmarkPartFileName(out + "Book.pdf", 1, QString(80, QChar(0x65e5)));
    EXPECT_LE(QFile::encodeName(wide.mid(out.size())).size(), 255);
    EXPECT_TRUE(wide.startsWith(out + "Book 01 " + QChar(0x65e5)));
    // Letters outside the basic plane count once and are never cut in half.
    const QString emoji = titleForFileName(QString::fromUtf8("😀").repeated(81));
    EXPECT_EQ(emoji, QString::fromUtf8("😀").repeated(80));
}
