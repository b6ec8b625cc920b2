#include "support/PdfFactory.h"

#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace paginor::test;

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PAGINOR_CLI_PATH), args);
    p.closeWriteChannel(); // standard input is no terminal
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    CliRun r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
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
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString out = dir.path(QStringLiteral("out%1.pdf").arg(++n));
        const CliRun r = cli(QStringList{"split"} << c.mode << source << out);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out.trimmed(), "PDF file has been successfully splitted.");
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        EXPECT_EQ(pageContents(out), pagesOf(pages, c.expected)) << c.mode.join(' ').toStdString();
    }
}

TEST_F(CliTest, SplitEveryNamesThePartsAfterTheOutput)
{
    const CliRun r = cli({"split", "--every", "2", source, dir.path("Report.PDF")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("Report Page 1-2.pdf")), pagesOf(pages, {1, 2}));
    EXPECT_EQ(pageContents(dir.path("Report Page 3-4.pdf")), pagesOf(pages, {3, 4}));
    EXPECT_EQ(pageContents(dir.path("Report Page 5-6.pdf")), pagesOf(pages, {5}));
    EXPECT_FALSE(QFile::exists(dir.path("Report.PDF")));
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

    const CliRun r = cli({"merge", out, other, source, other});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), "PDF file has been successfully merged.");
    std::vector<std::string> expected = pageContents(other);
    expected.insert(expected.end(), pages.begin(), pages.end());
    const std::vector<std::string> again = pageContents(other);
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(pageContents(out), expected);
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
        EXPECT_EQ(topBookmarks(c.args.at(c.args.size() - (c.args[0] == "merge" ? 3 : 1))),
                  c.titles)
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
        {{"split", "--odd", dir.path("missing.pdf"), out}, "Please select the source file"},
        {{"merge", out, source}, "Please add more PDF files"},
        {{"merge", source, source, dir.path("BOOK.pdf").replace("BOOK", "book")},
         "Can not overwrite the PDF file. Please input a new file name"},
        {{"merge", out, source, damaged}, "Can not merge file: 002 - " + damaged},
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

    CliRun r = cli({"split", "--password", "s3cret", "--even", locked, dir.path("a.pdf")},
                   withoutPassword());
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("a.pdf")), pagesOf(lockedPages, {2}));

    QProcessEnvironment env = withoutPassword();
    env.insert("PAGINOR_PASSWORD", "s3cret");
    r = cli({"split", "--odd", locked, dir.path("b.pdf")}, env);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(pageContents(dir.path("b.pdf")), pagesOf(lockedPages, {1, 3}));

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

TEST(CliUsage, ExitStatusesOfTheWordsThemselves)
{
    struct Case
    {
        QStringList args;
        int status;
        bool usageOnStderr;
    };
    const std::vector<Case> cases = {
        {{}, 2, true},
        {{"cut", "a.pdf"}, 2, true},
        {{"split", "a.pdf", "b.pdf"}, 2, true},
        {{"split", "--odd", "a.pdf"}, 2, true},
        {{"split", "--odd", "--even", "a.pdf", "b.pdf"}, 2, true},
        {{"split", "--every"}, 2, true},
        {{"split", "--range", "1", "a.pdf", "b.pdf"}, 2, true},
        {{"merge", "--fast", "a.pdf", "b.pdf"}, 2, true},
        {{"merge", "--bookmarks=all", "a.pdf", "b.pdf"}, 2, true},
        {{"split", "--bookmarks=keep", "--odd", "a.pdf", "b.pdf"}, 2, true},
        {{"--help"}, 0, false},
        {{"--version"}, 0, false},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err.contains("Usage:"), c.usageOnStderr) << c.args.join(' ').toStdString();
    }
    EXPECT_TRUE(cli({"--help"}).out.contains("paginor-cli merge OUTPUT INPUT INPUT"));
    EXPECT_EQ(cli({"--version"}).out.trimmed(), "paginor-cli 4.0");
}

} // namespace
