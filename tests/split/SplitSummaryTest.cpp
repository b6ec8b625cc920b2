// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitSummary.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "split/PageCountProbe.h"
#include "split/SplitJob.h"
#include "support/FakeInteraction.h"
#include "support/OutlineFactory.h"
#include "support/PdfFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

using namespace paginor;
using namespace paginor::test;

namespace {

// Sources of 1, 36 and 311 pages and the 7-page book with chapters, made once for the suite.
class SplitSummaryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        makeChapterBook(*dir, "in7.pdf");
        for (int pages : {1, 36, 311}) {
            PdfSpec recipe;
            recipe.pages = pages;
            recipe.marker = "s";
            makePdf(source(pages), recipe);
        }
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static QString source(int pages) { return dir->path(QStringLiteral("in%1.pdf").arg(pages)); }

    static inline TempDir* dir = nullptr;
};

struct Row
{
    int pages; // which source
    SplitMode mode;
    QString a; // TextEvery, TextFrom, TextCustom, TextLevel, TextAfter or TextSize
    QString b; // TextTo
    QString summary;
};

SplitOptions optionsOf(const Row& r)
{
    SplitOptions o;
    o.mode = r.mode;
    o.TextEvery = r.a;
    o.TextFrom = r.a;
    o.TextCustom = r.a;
    o.TextLevel = r.a;
    o.TextAfter = r.a;
    o.TextSize = r.a;
    o.TextTo = r.b;
    return o;
}

const QString dots(QChar(0x2026));
const std::vector<Row> kRows = {
    {311, SplitMode::EveryN, "50", "",
     "311 pages. Writes 7 files: Page 1-50, Page 51-100, " + dots +
         " Page 301-350 (holds 301-311)."},
    {311, SplitMode::EveryN, "150", "",
     "311 pages. Writes 3 files: Page 1-150, Page 151-300, Page 301-450 (holds 301-311)."},
    {311, SplitMode::EveryN, "310", "",
     "311 pages. Writes 2 files: Page 1-310, Page 311-620 (holds 311)."},
    {311, SplitMode::EveryN, "0311", "", "311 pages. Writes 1 file: Page 1-311."},
    {36, SplitMode::EveryN, "1000", "", "36 pages. Writes 1 file: Page 1-1000 (holds 1-36)."},
    {36, SplitMode::EveryN, "0", "", "36 pages. Please input a valid number."},
    {36, SplitMode::PageRange, "5", "999",
     "36 pages. Writes 1 file with 32 pages (5-36). Pages 37-999 are past the end."},
    {36, SplitMode::PageRange, "12", "3", "36 pages. Writes 1 file with 10 pages (12-3)."},
    {36, SplitMode::PageRange, "007", "37",
     "36 pages. Writes 1 file with 30 pages (7-36). Page 37 is past the end."},
    {36, SplitMode::PageRange, "40", "50",
     "36 pages. Writes no file. Pages 40-50 are past the end."},
    {36, SplitMode::PageRange, "40", "5",
     "36 pages. Writes no file. The range starts past the end, so it selects nothing."},
    {36, SplitMode::PageRange, "", "10", "36 pages. This page list is not valid: 0-10"},
    {311, SplitMode::OddPages, "", "", "311 pages. Writes 1 file with 156 pages."},
    {311, SplitMode::EvenPages, "", "", "311 pages. Writes 1 file with 155 pages."},
    {1, SplitMode::EvenPages, "", "", "1 page. Writes no file."},
    {311, SplitMode::CustomPages, " 1-12,350-360 ", "",
     "311 pages. Writes 1 file with 12 pages. Past the end, so left out: 350-360."},
    {36, SplitMode::CustomPages, "1,50-60", "",
     "36 pages. Writes 1 file with 1 page. Past the end, so left out: 50-60."},
    {36, SplitMode::CustomPages, "37,2,38-40,99-1,41,3", "",
     "36 pages. Writes 1 file with 2 pages. Past the end, so left out: 37, 38-40, 99-1, " + dots +
         "."},
    {36, SplitMode::CustomPages, "50-60", "",
     "36 pages. Writes no file. Past the end, so left out: 50-60."},
    {36, SplitMode::CustomPages, "1,3, 4-x ,0", "", "36 pages. This page list is not valid: 4-x"},
    {36, SplitMode::CustomPages, "  ", "", "36 pages. Please input the page number."},
    {7, SplitMode::Bookmarks, "1", "",
     "7 pages. Writes 3 files: 01 Intro_ A_B_C, 02 Chapter _ 2_, 03 日本語 _quoted__pipe."},
    {7, SplitMode::Bookmarks, "02", "",
     "7 pages. Writes 4 files: 01 Über _Grüße_, 02 Détails, " + dots + " 04."},
    {7, SplitMode::Bookmarks, "03", "", "7 pages. This PDF has no bookmarks at level 3."},
    {36, SplitMode::Bookmarks, "1", "", "36 pages. This PDF has no bookmarks at level 1."},
    {36, SplitMode::AfterPages, "12,5,40", "",
     "36 pages. Writes 3 files: Page 1-5, Page 6-12, Page 13-36."},
    {36, SplitMode::AfterPages, "5-7", "", "36 pages. Please input the page number."},
    {36, SplitMode::SizeParts, " 2.5 ", "",
     "36 pages. Writes files of at most 2.5 MB, about 1 or more."},
    {36, SplitMode::SizeParts, "0.001", "",
     "36 pages. Writes files of at most 0.001 MB, about 11 or more."},
    {36, SplitMode::SizeParts, "0", "", "36 pages. Please input a valid number."},
};

} // namespace

TEST_F(SplitSummaryTest, TellsWhatEachModeWrites)
{
    PDFLibrary engine;
    for (const Row& r : kRows) {
        const SourceCount count = countPages(engine, source(r.pages), QString());
        ASSERT_EQ(count.state, SourceCount::State::Counted);
        ASSERT_EQ(count.pageTotal, r.pages);
        EXPECT_EQ(summaryText(planSplit(optionsOf(r), count)).toStdString(),
                  r.summary.toStdString());
    }
}

TEST_F(SplitSummaryTest, TheSplitWritesWhatTheSummarySays)
{
    PDFLibrary engine;
    int n = 0;
    for (const Row& r : kRows) {
        if (r.mode == SplitMode::SizeParts)
            continue; // its files are only known once written
        const QString folder = dir->path(QStringLiteral("out%1").arg(++n));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString chosen = QDir(folder).filePath(QStringLiteral("Part.pdf"));
        const SplitPlan plan = planSplit(optionsOf(r), countPages(engine, source(r.pages), ""));

        Session session;
        FakeInteraction ui;
        SplitJob job(engine, session, ui);
        SplitRequest request;
        request.TextFile = source(r.pages);
        request.options = optionsOf(r);
        ui.dialogs.push_back({QDir::toNativeSeparators(chosen)});
        job.run(request);

        QStringList planned;
        for (size_t i = 0; i < plan.parts.size(); ++i) {
            planned << plannedPath(plan, i, QDir::toNativeSeparators(chosen));
            EXPECT_EQ(int(pageContents(planned.back()).size()), plan.parts[i].pageCount)
                << planned.back().toStdString();
        }
        EXPECT_EQ(request.written, planned) << r.summary.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), planned.size());
        EXPECT_EQ(request.outcome == SplitRequest::Outcome::Succeeded, !planned.isEmpty())
            << r.summary.toStdString();
    }
}

TEST_F(SplitSummaryTest, CountsOrNamesWhyNot)
{
    PdfSpec locked;
    locked.pages = 4;
    locked.encryption = Encryption::Aes_256;
    locked.userPassword = "pw";
    locked.ownerPassword = "owner";
    makePdf(dir->path("locked.pdf"), locked);
    PdfSpec ownerOnly = locked;
    ownerOnly.userPassword.clear();
    makePdf(dir->path("owner.pdf"), ownerOnly);
    for (const char* name : {"junk.pdf", ".hidden.pdf"}) {
        QFile f(dir->path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(name[0] == '.' ? QByteArray::fromStdString(fileBytes(source(36)))
                               : QByteArray("%PDF-1.4 not really\n"));
    }

    using S = SourceCount::State;
    const struct
    {
        QString path;
        QString password;
        S state;
        int32_t pages;
    } cases[] = {
        {dir->path("locked.pdf"), "", S::Protected, 0},
        {dir->path("locked.pdf"), "wrong", S::Protected, 0},
        {dir->path("locked.pdf"), "pw", S::Counted, 4},
        {dir->path("owner.pdf"), "", S::Counted, 4},
        {dir->path("junk.pdf"), "", S::Damaged, 0},
        {dir->path("missing.pdf"), "", S::Unreadable, 0},
        {dir->path(".hidden.pdf"), "", S::Unreadable, 0}, // the split would not take it either
        {dir->root(), "", S::Unreadable, 0},
    };
    PDFLibrary engine;
    for (const auto& c : cases) {
        const SourceCount count = countPages(engine, c.path, c.password);
        EXPECT_EQ(count.state, c.state) << c.path.toStdString();
        EXPECT_EQ(count.pageTotal, c.pages) << c.path.toStdString();
    }
}

TEST_F(SplitSummaryTest, TheProbeAnswersLaterAndParsesAnUnchangedFileOnce)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    PageCountProbe probe;
    std::vector<std::pair<QString, SourceCount>> answers;
    QObject::connect(&probe, &PageCountProbe::counted,
                     [&](const QString& path, const QString&, const SourceCount& count) {
                         answers.emplace_back(path, count);
                     });
    const auto ask = [&](const QString& path, bool outline = false) {
        const size_t before = answers.size();
        probe.request(path, QString(), outline);
        QElapsedTimer waited;
        waited.start();
        while (answers.size() == before && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return answers.size() == before ? -1 : answers.back().second.pageTotal;
    };

    const QString copy = dir->path("copy.pdf");
    ASSERT_TRUE(QFile::copy(source(36), copy));
    EXPECT_EQ(ask(copy), 36);
    EXPECT_EQ(ask(copy), 36);
    EXPECT_EQ(probe.parsed(), 1);
    // Replaced by another file under the same name: counted anew.
    ASSERT_TRUE(QFile::remove(copy));
    ASSERT_TRUE(QFile::copy(source(311), copy));
    EXPECT_EQ(ask(copy), 311);
    EXPECT_EQ(probe.parsed(), 2);
    // The outline is read only when asked for; a count that has it serves one that does not.
    EXPECT_FALSE(answers.back().second.outlineAsked);
    EXPECT_EQ(ask(copy, true), 311);
    EXPECT_TRUE(answers.back().second.outlineAsked);
    EXPECT_EQ(ask(copy), 311);
    EXPECT_EQ(probe.parsed(), 3);
}
