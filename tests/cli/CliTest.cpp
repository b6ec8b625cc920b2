// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "support/CliRun.h"
#include "support/OutlineFactory.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

using namespace paginor::test;

namespace {

CliRun cli(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    return runCli(QStringLiteral(PAGINOR_CLI_PATH), args, env);
}

QProcessEnvironment withoutPassword()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("PAGINOR_PASSWORD"));
    return env;
}

// The decoded contents of the given 1-based pages of a source.
std::vector<std::string> pagesOf(const std::vector<std::string>& all, std::vector<int> pages)
{
    std::vector<std::string> out;
    for (int p : pages)
        out.push_back(all.at(size_t(p - 1)));
    return out;
}

class CliTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        source = dir.path("book.pdf");
        PdfSpec recipe;
        recipe.pages = 5;
        recipe.marker = "book";
        makePdf(source, recipe);
        pages = pageContents(source);
        ASSERT_EQ(pages.size(), 5u);
    }

    TempDir dir;
    QString source;
    std::vector<std::string> pages;
};

TEST_F(CliTest, SplitFormsWriteTheChosenPages)
{
    struct Case
    {
        QStringList mode;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {{"--range", "2", "4"}, {2, 3, 4}},
        {{"--odd"}, {1, 3, 5}},
        {{"--even"}, {2, 4}},
        {{"--pages", "5,1-2,2"}, {5, 1, 2, 2}},
        {{"--compat", "--odd"}, {1, 3, 5}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString out = dir.path(QStringLiteral("out%1.pdf").arg(++n));
        const CliRun r = cli(QStringList{"split"} << c.mode << source << out);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out.trimmed(), "PDF file has been successfully splitted.");
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_EQ(pageContents(out), pagesOf(pages, c.expected)) << c.mode.join(' ').toStdString();
        // Object streams unless --compat asks for the classic layout.
        EXPECT_EQ(fileBytes(out).find("/ObjStm") != std::string::npos,
                  !c.mode.contains("--compat"));
    }
}

TEST_F(CliTest, SplitEveryAndAfterNameThePartsAfterTheOutput)
{
    const CliRun r = cli({"split", "--every", "2", source, dir.path("Report.PDF")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("Report Page 1-2.pdf")), pagesOf(pages, {1, 2}));
    EXPECT_EQ(pageContents(dir.path("Report Page 3-4.pdf")), pagesOf(pages, {3, 4}));
    EXPECT_EQ(pageContents(dir.path("Report Page 5-6.pdf")), pagesOf(pages, {5}));
    EXPECT_FALSE(QFile::exists(dir.path("Report.PDF")));

    const CliRun after = cli({"split", "--after", "3,1", source, dir.path("Cut.pdf")});
    ASSERT_EQ(after.status, 0) << after.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("Cut Page 1-1.pdf")), pagesOf(pages, {1}));
    EXPECT_EQ(pageContents(dir.path("Cut Page 2-3.pdf")), pagesOf(pages, {2, 3}));
    EXPECT_EQ(pageContents(dir.path("Cut Page 4-5.pdf")), pagesOf(pages, {4, 5}));
}

// The /Rotate of each page of a file.
std::vector<int> rotations(const QString& path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    std::vector<int> out;
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        auto rotate = page.getObjectHandle().getKey("/Rotate");
        out.push_back(rotate.isInteger() ? rotate.getIntValueAsInt() : 0);
    }
    return out;
}

// Splits by size and by turning pages, each output read back by its pages' text: a split by
// size writes the pages in order, each file within the limit unless it is one page that alone
// is over it, and each file as long as fits (one page more, written as a range, is over).
TEST_F(CliTest, SplitBySizeAndTurnedPages)
{
    struct Case
    {
        std::vector<int> kilobytes; // the picture on each page of the source
        int ownRotate;
        QStringList args;
        std::vector<std::vector<int>> parts; // by size: the pages of each file, in order
        QString oversized;                   // by size: the pages named as over the limit
        std::vector<int> turned;             // by rotation: each output page's /Rotate
    };
    const std::vector<Case> cases = {
        {{8, 8, 8, 8, 8, 8, 8}, 0, {"--size", "30K"}, {{1, 2, 3}, {4, 5, 6}, {7}}, "", {}},
        {{8, 8, 64, 8, 8, 8}, 0, {"--size", "0.03"}, {{1, 2}, {3}, {4, 5, 6}}, "3", {}},
        {{40, 8, 8, 70, 0}, 0, {"--size", "30k"}, {{1}, {2, 3}, {4}, {5}}, "1, 4", {}},
        {{1, 1, 1, 1, 1}, 0, {"--size", "1G"}, {{1, 2, 3, 4, 5}}, "", {}},
        {{}, 90, {"--rotate", "90", "--range", "1", "3"}, {}, "", {180, 180, 180}},
        {{}, 180, {"--rotate", "270:2,4-9", "--pages", "1-5"}, {}, "", {180, 90, 180, 90, 90}},
        {{}, 0, {"--rotate", "180", "--odd", "--compat"}, {}, "", {180, 180, 180}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString in = dir.path(QStringLiteral("in%1.pdf").arg(++n));
        PdfSpec recipe;
        recipe.pages = std::max(int(c.kilobytes.size()), 5);
        recipe.imageKilobytes = c.kilobytes;
        recipe.rotate = c.ownRotate;
        makePdf(in, recipe);
        const auto all = pageContents(in);
        const QString out = dir.path(QStringLiteral("out%1.pdf").arg(n));
        const CliRun r = cli(QStringList{"split"} << c.args << in << out);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        if (!c.turned.empty()) {
            EXPECT_EQ(rotations(out), c.turned);
            continue;
        }
        const int64_t limit = c.args.at(1) == "1G" ? int64_t(1) << 30
                              : c.args.at(1).endsWith('K', Qt::CaseInsensitive)
                                  ? c.args.at(1).chopped(1).toLongLong() * 1024
                                  : int64_t(c.args.at(1).toDouble() * 1024 * 1024);
        QStringList written = QDir(dir.root()).entryList({QStringLiteral("out%1 Page *").arg(n)});
        EXPECT_EQ(written.size(), qsizetype(c.parts.size()));
        for (size_t i = 0; i < c.parts.size(); ++i) {
            const auto& pagesIn = c.parts[i];
            const QString part = dir.path(QStringLiteral("out%1 Page %2-%3.pdf")
                                              .arg(n)
                                              .arg(pagesIn.front())
                                              .arg(pagesIn.back()));
            EXPECT_EQ(pageContents(part), pagesOf(all, pagesIn)) << part.toStdString();
            EXPECT_TRUE(QFileInfo(part).size() <= limit || pagesIn.size() == 1);
            if (i + 1 == c.parts.size())
                continue;
            const QString longer = dir.path("longer.pdf");
            cli({"split", "--range", QString::number(pagesIn.front()),
                 QString::number(pagesIn.back() + 1), in, longer});
            EXPECT_GT(QFileInfo(longer).size(), limit) << part.toStdString();
        }
        EXPECT_EQ(r.out.contains("on their own"), !c.oversized.isEmpty());
        if (!c.oversized.isEmpty())
            EXPECT_TRUE(r.out.trimmed().endsWith(": " + c.oversized)) << r.out.toStdString();
    }
}

TEST_F(CliTest, OutlineListsWhatASplitAtBookmarksWrites)
{
    const QString book = makeChapterBook(dir, "chapters.pdf");
    CliRun r = cli({"outline", book});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), int(chapterOutline().size()));
    EXPECT_EQ(lines[0], "1\t2\tIntro: A/B\\C");
    EXPECT_EQ(lines[4], "2\t-\tLost");
    EXPECT_EQ(lines[5], "2\t4\tSame page"); // a tab in a title would split the line
    EXPECT_EQ(lines[8], QString::fromUtf8("1\t6\t日本語 \"quoted\"|pipe"));

    r = cli({"split", "--dry-run", "--at-bookmarks", "2", book, dir.path("Book.pdf")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "7 pages\n" + dir.path("Book 01 Über _Grüße_.pdf: 2 pages\n") +
                         dir.path("Book 02 Détails.pdf: 1 page\n") +
                         dir.path("Book 03 Same_page.pdf: 3 pages\n") +
                         dir.path("Book 04.pdf: 1 page\n"));

    r = cli({"split", "--at-bookmarks", "1", book, dir.path("Book.pdf")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto all = pageContents(book);
    EXPECT_EQ(pageContents(dir.path("Book 02 Chapter _ 2_.pdf")), pagesOf(all, {4, 5}));
    EXPECT_EQ(pageContents(dir.path(QString::fromUtf8("Book 03 日本語 _quoted__pipe.pdf"))),
              pagesOf(all, {6, 7}));
}

TEST_F(CliTest, DryRunTellsWhatTheSplitWouldWriteAndWritesNothing)
{
    const QString out = dir.path("Report.pdf");
    const auto part = [&](const char* pages) {
        return dir.path(QString("Report Page ") + pages);
    };
    struct Case
    {
        QStringList mode;
        int status;
        QString out;
        QString err;
    };
    const std::vector<Case> cases = {
        {{"--every", "2"},
         0,
         "5 pages\n" + part("1-2.pdf: 2 pages\n") + part("3-4.pdf: 2 pages\n") +
             part("5-6.pdf: 1 page\n"),
         ""},
        {{"--pages", "1,7-9"},
         0,
         "5 pages\n" + out + ": 1 page\nPast the end, so left out: 7-9.\n",
         ""},
        {{"--range", "6", "9"}, 1, "5 pages\nPages 6-9 are past the end.\n", "Writes no file.\n"},
        {{"--pages", "1,x"}, 1, "5 pages\n", "This page list is not valid: x\n"},
        {{"--every", "0"}, 1, "5 pages\n", "Please input a valid number\n"},
        {{"--at-bookmarks", "2"}, 1, "5 pages\n", "This PDF has no bookmarks at level 2\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(QStringList{"split", "--dry-run"} << c.mode << source << out);
        EXPECT_EQ(r.status, c.status) << c.mode.join(' ').toStdString();
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList{"book.pdf"});
}

TEST_F(CliTest, MergeJoinsInOrderAndReplacesAnExistingOutput)
{
    const QString other = dir.path("other.pdf");
    PdfSpec recipe;
    recipe.pages = 2;
    recipe.marker = "other";
    makePdf(other, recipe);
    const QString out = dir.path("joined.pdf");
    QFile junk(out);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("old");
    junk.close();

    const CliRun r = cli({"merge", "--compat", out, other, source, other});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(fileBytes(out).find("/ObjStm"), std::string::npos);
    EXPECT_EQ(r.out.trimmed(), "PDF file has been successfully merged.");
    std::vector<std::string> expected = pageContents(other);
    expected.insert(expected.end(), pages.begin(), pages.end());
    const std::vector<std::string> again = pageContents(other);
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(pageContents(out), expected);

    // Some pages of each input, by the input's number.
    const CliRun some = cli({"merge", "--pages", "2=5,1-2", out, other, source, "--pages", "1=2"});
    ASSERT_EQ(some.status, 0) << some.err.toStdString();
    expected = {pageContents(other).at(1)};
    for (int page : {5, 1, 2})
        expected.push_back(pages.at(size_t(page - 1)));
    EXPECT_EQ(pageContents(out), expected);
    // Interleaved, the second input's pages reversed after its list.
    const CliRun shaped =
        cli({"merge", "--interleave", "--reverse", "2", out, other, source, "--pages", "2=1-2"});
    ASSERT_EQ(shaped.status, 0) << shaped.err.toStdString();
    expected = {pageContents(other).at(0), pages.at(1), pageContents(other).at(1), pages.at(0)};
    EXPECT_EQ(pageContents(out), expected);
    const CliRun bad = cli({"merge", "--pages", "2=1,x", out, other, source});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains("This page list is not valid: x")) << bad.err.toStdString();
}

// The titles of a file's top-level bookmarks, joined by spaces.
std::string topBookmarks(const QString& path)
{
    QPDF pdf;
    pdf.processFile(QFile::encodeName(path).constData());
    std::string titles;
    for (auto& item : QPDFOutlineDocumentHelper(pdf).getTopLevelOutlines())
        titles += (titles.empty() ? "" : " ") + item.getTitle();
    return titles;
}

TEST_F(CliTest, BookmarkModesOfMergeAndSplit)
{
    const QString other = dir.path("other.pdf");
    makePdf(other, PdfSpec());
    const QString merged = dir.path("merged.pdf");
    struct Case
    {
        QStringList args;
        std::string titles;
    };
    const std::vector<Case> cases = {
        {{"merge", merged, source, other}, "book other"},
        {{"split", "--odd", merged, dir.path("odd.pdf")}, "book"},
        {{"split", "--pages", "6,1", merged, dir.path("two.pdf")}, "book other"},
        {{"split", "--bookmarks=none", "--range", "1", "6", merged, dir.path("none.pdf")}, ""},
        {{"merge", "--bookmarks=keep", dir.path("keep.pdf"), merged, other}, "book other"},
        {{"merge", "--bookmarks=none", dir.path("none.pdf"), merged, other}, ""},
        {{"merge", "--bookmarks=per-file", dir.path("per.pdf"), other, source}, "other book"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(topBookmarks(c.args.at(c.args.size() - (c.args[0] == "merge" ? 3 : 1))), c.titles)
            << c.args.join(' ').toStdString();
    }
}

TEST_F(CliTest, DocumentAttachmentsAreKeptUnlessDropped)
{
    PdfSpec recipe;
    recipe.extras = true;
    const QString attached = dir.path("attached.pdf");
    makePdf(attached, recipe);
    struct Case
    {
        QStringList args;
        int files;
    };
    const std::vector<Case> cases = {
        {{"merge", dir.path("kept.pdf"), attached, attached}, 2},
        {{"merge", "--attachments=drop", dir.path("dropped.pdf"), attached, attached}, 0},
        {{"split", "--attachments=drop", "--odd", attached, dir.path("odd.pdf")}, 0},
        {{"split", "--attachments=keep", "--odd", attached, dir.path("odd.pdf")}, 1},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(c.args.at(c.args.size() - (c.args[0] == "merge" ? 3 : 1)))
                            .constData());
        auto files = pdf.getRoot().getKey("/Names").getKey("/EmbeddedFiles").getKey("/Names");
        EXPECT_EQ(files.isArray() ? files.getArrayNItems() / 2 : 0, c.files)
            << c.args.join(' ').toStdString();
    }
}

TEST_F(CliTest, RefusalsAndFailuresExitWithOneAndTheJobsText)
{
    const QString damaged = dir.path("damaged.pdf");
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("%PDF-1.4\nthis is not a PDF at all\n");
    f.close();
    const QString out = dir.path("x.pdf");
    struct Case
    {
        QStringList args;
        QString text;
    };
    const std::vector<Case> cases = {
        {{"split", "--every", "0", source, out}, "Please input a valid number"},
        {{"split", "--every", "0.4", source, out}, "Please input a valid number"},
        {{"split", "--pages", " ", source, out}, "Please input the page number"},
        {{"split", "--pages", "9", source, out}, "Split failed\nError code: "},
        {{"split", "--at-bookmarks", "2", source, out}, "This PDF has no bookmarks at level 2"},
        {{"split", "--odd", dir.path("missing.pdf"), out}, "Please select the source file"},
        {{"merge", out, source}, "Please add more PDF files"},
        {{"merge", source, source, dir.path("BOOK.pdf").replace("BOOK", "book")},
         "Can not overwrite the PDF file. Please input a new file name"},
        {{"merge", out, source, damaged}, "Can not merge file: 002 - " + damaged},
        {{"split", "--odd", damaged, out},
         "Can not open file: " + damaged + "\nIt is not a PDF file, or it is damaged.\n"},
        {{"merge", dir.path("no such folder/x.pdf"), source, source},
         "Can not write the PDF file: " + dir.path("no such folder/x.pdf") +
             "\nPlease make sure the disk has space and the folder can be written to.\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args, withoutPassword());
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.text)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(pageContents(source), pages);
}

TEST_F(CliTest, PasswordFromOptionOrEnvironmentButNeverAsked)
{
    const QString locked = dir.path("locked.pdf");
    PdfSpec recipe;
    recipe.pages = 3;
    recipe.marker = "locked";
    recipe.encryption = Encryption::Aes_256;
    recipe.userPassword = "s3cret";
    recipe.ownerPassword = "owner";
    makePdf(locked, recipe);
    const std::vector<std::string> lockedPages = pageContents(locked, "s3cret");
    ASSERT_EQ(lockedPages.size(), 3u);

    // --decrypt writes the part unprotected, and says so.
    CliRun r =
        cli({"split", "--password", "s3cret", "--decrypt", "--even", locked, dir.path("a.pdf")},
            withoutPassword());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("a.pdf")), pagesOf(lockedPages, {2}));
    EXPECT_TRUE(r.out.contains("The protected file was split without its password."))
        << r.out.toStdString();

    // Otherwise the parts keep the source's password.
    QProcessEnvironment env = withoutPassword();
    env.insert("PAGINOR_PASSWORD", "s3cret");
    r = cli({"split", "--odd", locked, dir.path("b.pdf")}, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_FALSE(r.out.contains("protected")) << r.out.toStdString();
    EXPECT_TRUE(pageContents(dir.path("b.pdf")).empty());
    EXPECT_EQ(pageContents(dir.path("b.pdf"), "s3cret"), pagesOf(lockedPages, {1, 3}));

    r = cli({"split", "--odd", locked, dir.path("c.pdf")}, withoutPassword());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Need password")) << r.err.toStdString();

    r = cli({"split", "--password", "wrong", "--odd", locked, dir.path("d.pdf")},
            withoutPassword());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Need password")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.path("c.pdf")));
    EXPECT_FALSE(QFile::exists(dir.path("d.pdf")));
}

TEST_F(CliTest, MergeTriesEveryPasswordGivenAndNamesAnInputNoneOpens)
{
    auto lockedFile = [&](const QString& name, const QString& password) {
        PdfSpec recipe;
        recipe.pages = 1;
        recipe.marker = name;
        recipe.encryption = Encryption::Rc4_128;
        recipe.userPassword = password;
        recipe.ownerPassword = "owner";
        makePdf(dir.path(name), recipe);
        return dir.path(name);
    };
    const QString one = lockedFile("one.pdf", "pw-one");
    const QString two = lockedFile("two.pdf", "pw-two");
    const QString out = dir.path("out.pdf");
    struct Case
    {
        QStringList options;
        QString environment; // PAGINOR_PASSWORD; "" = unset
        int status;
        QString text; // on standard output when merged, else on standard error
    };
    const QString unlocked =
        "PDF file has been successfully merged.\nThe protected files were merged without their "
        "passwords.";
    const std::vector<Case> cases = {
        {{"--password", "pw-two", "--password", "pw-one"}, "", 0, unlocked},
        {{"--password", "pw-one"},
         "pw-two",
         1,
         "Need password: Please input the password for " + two},
        {{}, "pw-one", 1, two},
        {{}, "", 1, "Need password: Please input the password for " + one},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString() + " / " + c.environment.toStdString());
        QProcessEnvironment env = withoutPassword();
        if (!c.environment.isEmpty())
            env.insert("PAGINOR_PASSWORD", c.environment);
        const CliRun r =
            cli(QStringList{"merge"} + c.options + QStringList{out, one, source, two}, env);
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE((c.status == 0 ? r.out : r.err).contains(c.text))
            << r.out.toStdString() << r.err.toStdString();
        EXPECT_EQ(QFile::exists(out), c.status == 0);
        if (c.status == 0) {
            EXPECT_EQ(pageContents(out).size(), 7u);
            QFile::remove(out);
        }
    }
}

TEST(CliUsage, EachUsageErrorNamesItsProblemOnOneLine)
{
    const QString tryHelp = "Try 'paginor-cli --help'.\n";
    struct Case
    {
        QStringList args;
        int status;
        QString line; // the first line on standard error; "" = nothing there
    };
    const QString missing = QDir::temp().filePath("paginor-no-such-file.pdf");
    const std::vector<Case> cases = {
        {{}, 2, "paginor-cli: no command given"},
        {{"cut", "a.pdf"}, 2, "paginor-cli: unknown command: cut"},
        {{"split", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: split needs one of --every, --range, --odd, --even, --pages, "
         "--at-bookmarks, --after, --size"},
        {{"split", "--odd", "a.pdf"}, 2, "paginor-cli: split needs SOURCE and OUTPUT"},
        {{"split", "--odd", "--even", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: give exactly one of --every, --range, --odd, --even, --pages, "
         "--at-bookmarks, --after, --size"},
        {{"split", "--every"}, 2, "paginor-cli: Missing value after '--every'."},
        {{"split", "--range", "5", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --range needs FROM and TO: the TO page is missing"},
        {{"split", "--range", "5"},
         2,
         "paginor-cli: --range needs FROM and TO: the TO page is missing"},
        {{"split", "--range", "1", "5", "a.pdf"}, 2, "paginor-cli: split needs SOURCE and OUTPUT"},
        {{"split", "--at-bookmarks", "x", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --at-bookmarks takes a level (1 = the top), not x"},
        {{"split", "--bookmarks=keep", "--odd", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: split takes only --bookmarks none, not keep"},
        {{"split", "--password", "a", "--password", "b", "--odd", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --password takes one value, once"},
        {{"merge", "--fast", "a.pdf", "b.pdf"}, 2, "paginor-cli: unknown option: --fast"},
        {{"merge", "--bookmarks=all", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --bookmarks takes per-file, keep or none, not all"},
        {{"merge", "--attachments=all", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --attachments takes keep or drop, not all"},
        {{"split", "--after"}, 2, "paginor-cli: Missing value after '--after'."},
        {{"split", "--after", "3", "--every", "2", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: give exactly one of --every, --range, --odd, --even, --pages, "
         "--at-bookmarks, --after, --size"},
        {{"merge", "--pages", "3=1", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --pages names input 3, but there are 2"},
        {{"merge", "--pages", "1", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --pages takes N=LIST, once per input N, not 1"},
        {{"merge", "--pages", "1=1", "--pages", "1=2", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --pages takes N=LIST, once per input N, not 1=2"},
        {{"merge", "--rotate", "2=45", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --rotate takes N=ANGLE, once per input N, with ANGLE a multiple of 90, "
         "not 2=45"},
        {{"merge", "--rotate", "3=90", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --rotate names input 3, but there are 2"},
        {{"merge", "--reverse", "2", "--reverse", "4", "o.pdf", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --reverse names input 4, but there are 2"},
        // Sizes and angles that are refused before anything is read or written.
        {{"split", "--size", "0", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --size takes a size above 0 such as 10M, 500K or 1.5G, not 0"},
        {{"split", "--size", "ten", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --size takes a size above 0 such as 10M, 500K or 1.5G, not ten"},
        {{"split", "--size", "2T", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --size takes a size above 0 such as 10M, 500K or 1.5G, not 2T"},
        {{"split", "--rotate", "45", "--odd", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --rotate takes 90, 180 or 270, for some pages with their list "
         "(90:1-3,7), not 45"},
        {{"split", "--rotate", "360:1", "--odd", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --rotate takes 90, 180 or 270, for some pages with their list "
         "(90:1-3,7), not 360:1"},
        {{"split", "--rotate", "90:1-x", "--odd", "a.pdf", "b.pdf"},
         2,
         "paginor-cli: --rotate: this page list is not valid: 1-x"},
        {{"outline"}, 2, "paginor-cli: outline needs SOURCE"},
        {{"outline", "a.pdf", "b.pdf"}, 2, "paginor-cli: outline needs SOURCE"},
        // The keep policy with or without "=", and the old spelling of a split at bookmarks,
        // which goes on to the job after its hint.
        {{"split", "--bookmarks", "none", "--odd", missing, "b.pdf"},
         1,
         "Please select the source file"},
        {{"merge", "--bookmarks", "keep", missing}, 1, "Please add more PDF files"},
        {{"split", "--bookmarks", "2", missing, "b.pdf"},
         1,
         "paginor-cli: --bookmarks LEVEL is now --at-bookmarks LEVEL"},
        {{"--help"}, 0, ""},
        {{"--version"}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.section('\n', 0, 0), c.line);
        if (c.status == 2)
            EXPECT_EQ(r.err, c.line + '\n' + tryHelp);
    }
    EXPECT_TRUE(cli({"--help"}).out.contains("paginor-cli split --at-bookmarks LEVEL"));
    EXPECT_EQ(cli({"--version"}).out.trimmed(), "paginor-cli 4.0\nLicense: Apache-2.0");
}

} // namespace
