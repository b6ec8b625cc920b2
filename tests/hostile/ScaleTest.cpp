// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Sizes users reach: thousands of scans merged under a low open-file limit, thousands of rows
// added at once, and a manual of 20,000 pages cut into parts of 100.
#include "hostile/HostileInputs.h"
#include "hostile/JobRunner.h"
#include "merge/MergeList.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QFile>
#include <gtest/gtest.h>
#include <iostream>

using namespace paginor;
using namespace paginor::test;

namespace {

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

} // namespace

TEST(Scale, MergesTwoThousandFilesUnderALowOpenFileLimit)
{
    TempDir dir;
    QStringList inputs;
    for (int i = 1; i <= 2000; ++i) {
        inputs << dir.path(QString("scan %1.pdf").arg(i, 4, 10, QChar('0')));
        writeBytes(inputs.last(), rawPdf(1, "scan " + std::to_string(i)));
    }
    ChildLimits limits;
    limits.openFiles = 256;
    limits.seconds = 300;
    const QString out = dir.path("all.pdf");
    const JobReport r = runMerge(inputs, out, {}, limits);
    ASSERT_TRUE(r.child.ok()) << r.describe();
    ASSERT_EQ(r.messages, QStringList{text::kMergeOk}) << r.describe();

    const auto pages = pageContents(out);
    ASSERT_EQ(pages.size(), 2000u);
    for (int i : {1, 251, 1000, 2000})
        EXPECT_EQ(pages[size_t(i - 1)], rawPageContent("scan " + std::to_string(i), 1));
}

// Adding n rows must not rewrite the numbers of the rows already there for every one of them
// (n² work for 5,000 files), while every row still ends up with its number.
TEST(Scale, AddingFiveThousandRowsNumbersEachRowOnce)
{
    Session session;
    FakeInteraction ui;
    MergeList list(session, ui);
    long rewritten = 0;
    QObject::connect(&list, &MergeList::rowsChanged,
                     [&](int first, int last) { rewritten += last - first + 1; });
    QStringList chosen;
    for (int i = 1; i <= 5000; ++i)
        chosen << "/scans/page " + QString::number(i) + ".pdf";
    ui.dialogs.push_back(chosen);
    list.AddPdfFiles();

    ASSERT_EQ(list.rowCount(), 5000);
    EXPECT_LE(rewritten, 5000) << "numbers were rewritten again for each added row";
    EXPECT_EQ(list.row(0).number, "001");
    EXPECT_EQ(list.row(998).number, "999");
    EXPECT_EQ(list.row(999).number, "1000");
    EXPECT_EQ(list.row(4999).number, "5000");
    EXPECT_EQ(list.fullPath(4999), "/scans/page 5000.pdf");
    EXPECT_EQ(ui.callsOf("yield").size(), 5001u);
}

TEST(Scale, SplitsTwentyThousandPagesIntoPartsOfOneHundred)
{
    TempDir dir;
    const QString source = dir.path("manual.pdf");
    ASSERT_TRUE(writeLargeRawPdf(source, 20000, "manual"));
    SplitOptions every;
    every.mode = SplitMode::EveryN;
    every.TextEvery = "100";
    ChildLimits limits;
    limits.seconds = 300;
    const JobReport r = runSplit(source, every, dir.path("part.pdf"), {}, {}, limits);
    ASSERT_TRUE(r.child.ok()) << r.describe();
    ASSERT_EQ(r.messages, QStringList{text::kSplitOk}) << r.describe();
    std::cout << "[ memory   ] peak " << r.child.peakKb / 1024 << " MB for 200 parts\n";

    const auto last = pageContents(dir.path("part Page 19901-20000.pdf"));
    ASSERT_EQ(last.size(), 100u);
    EXPECT_EQ(last.front(), rawPageContent("manual", 19901));
    EXPECT_EQ(last.back(), rawPageContent("manual", 20000));
    EXPECT_EQ(pageCount(dir.path("part Page 1-100.pdf")), 100);
    EXPECT_EQ(pageCount(dir.path("part Page 10001-10100.pdf")), 100);
    // Parsing a source of this size takes a few hundred megabytes at most; keeping every part
    // in memory until the end, or re-parsing the source per part, would not stay under this.
    if (!underSanitizer())
        EXPECT_LT(r.child.peakKb, 1024L * 1024) << "peak " << r.child.peakKb << " kB";
}
