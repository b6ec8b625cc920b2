// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Outputs that cannot be written: a folder that does not exist, a name taken by a folder, a
// full disk and a write that breaks off half way. Every job ends in its failure message,
// leaves no temporary file behind and damages nothing that was there.
#include "engine/PDFLibrary.h"
#include "hostile/JobRunner.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace paginor;
using namespace paginor::test;

namespace {

// The output stream is the real temporary file, but the file may grow to `bytes` only: the
// write after that fails with EFBIG, as on a disk that fills up mid-way.
EngineSetup breakAfter(rlim_t bytes)
{
    return [=](PDFLibrary& engine) {
        engine.setStreamOpener([=](const std::string& temp) -> std::FILE* {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return std::fopen(temp.c_str(), "wb");
        });
    };
}

EngineSetup diskFull()
{
    return [](PDFLibrary& engine) {
        engine.setStreamOpener([](const std::string&) { return std::fopen("/dev/full", "wb"); });
    };
}

enum class Fault
{
    MissingFolder,
    NameIsFolder,
    DiskFull,
    BreaksHalfWay,
};

struct Case
{
    const char* name;
    Fault fault;
};

class WriteFaultTest : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        PdfSpec recipe;
        recipe.pages = 5;
        recipe.marker = "source";
        recipe.sharedResources = true; // large enough that a write is cut in the middle
        makePdf(source, recipe);
        recipe.pages = 2;
        recipe.marker = "other";
        recipe.sharedResources = false;
        makePdf(other, recipe);
        makePdf(dir.path("existing.pdf"), PdfSpec{});
        makePdf(dir.path("existing Page 1-2.pdf"), PdfSpec{});
        // The chosen name and, for the pages-per-file mode, every part name are folders.
        for (const char* name :
             {"folder.pdf", "folder Page 1-2.pdf", "folder Page 3-4.pdf", "folder Page 5-6.pdf"})
            ASSERT_TRUE(QDir(dir.root()).mkdir(name));
        QFile keep(dir.path("folder.pdf/keep.txt"));
        ASSERT_TRUE(keep.open(QIODevice::WriteOnly) && keep.write("kept") == 4);
    }

    // The chosen output path and the engine hook for this case's fault.
    std::pair<QString, EngineSetup> target() const
    {
        switch (GetParam().fault) {
        case Fault::MissingFolder:
            return {dir.path("no such folder/out.pdf"), {}};
        case Fault::NameIsFolder:
            return {dir.path("folder.pdf"), {}};
        case Fault::DiskFull:
            return {dir.path("existing.pdf"), diskFull()};
        case Fault::BreaksHalfWay:
            return {dir.path("existing.pdf"), breakAfter(300)};
        }
        return {};
    }

    void expectNothingChanged(const std::map<QString, std::string>& before)
    {
        EXPECT_EQ(folderSnapshot(dir.root()), before) << "a file was left, changed or removed";
        EXPECT_EQ(fileBytes(dir.path("folder.pdf/keep.txt")), "kept");
        EXPECT_FALSE(QDir(dir.path("no such folder")).exists());
    }

    TempDir dir;
    QString source = dir.path("source.pdf");
    QString other = dir.path("other.pdf");
};

TEST_P(WriteFaultTest, SplitFailsAndKeepsWhatWasThere)
{
    const auto [output, setup] = target();
    for (const auto& [mode, options] : everySplitMode()) {
        SCOPED_TRACE(mode);
        const auto before = folderSnapshot(dir.root());
        const JobReport r = runSplit(source, options, output, {}, setup);
        ASSERT_TRUE(r.child.ok()) << r.describe();
        EXPECT_EQ(r.messages, QStringList{text::kSplitFailed + "8"}) << r.describe();
        EXPECT_TRUE(r.idle);
        expectNothingChanged(before);
    }
}

TEST_P(WriteFaultTest, MergeFailsAndKeepsWhatWasThere)
{
    const auto [output, setup] = target();
    const auto before = folderSnapshot(dir.root());
    const JobReport r = runMerge({source, other}, output, setup);
    ASSERT_TRUE(r.child.ok()) << r.describe();
    // No input is to blame: the output is named.
    EXPECT_EQ(r.messages, QStringList{text::kCanNotWrite + output + "\r\n" + text::kCheckDisk})
        << r.describe();
    EXPECT_TRUE(r.idle);
    expectNothingChanged(before);
}

// The injected fault is what fails the jobs above: with room to spare the same write works.
TEST(WriteFault, InjectionLeavesASoundWriteAlone)
{
    TempDir dir;
    makePdf(dir.path("source.pdf"), PdfSpec{});
    SplitOptions odd;
    odd.mode = SplitMode::OddPages;
    const JobReport r =
        runSplit(dir.path("source.pdf"), odd, dir.path("out.pdf"), {}, breakAfter(1 << 26));
    EXPECT_EQ(r.messages, QStringList{text::kSplitOk}) << r.describe();
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFaultTest,
                         ::testing::Values(Case{"MissingFolder", Fault::MissingFolder},
                                           Case{"NameIsFolder", Fault::NameIsFolder},
                                           Case{"DiskFull", Fault::DiskFull},
                                           Case{"BreaksHalfWay", Fault::BreaksHalfWay}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

// One part of several that cannot be written fails the whole split, even when the last part
// is written; the parts before and after are whole files.
TEST(WriteFault, MiddlePartFailingFailsTheSplit)
{
    TempDir dir;
    PdfSpec recipe;
    recipe.pages = 5;
    recipe.marker = "source";
    makePdf(dir.path("source.pdf"), recipe);
    const auto before = folderSnapshot(dir.root());
    SplitOptions every;
    every.mode = SplitMode::EveryN;
    every.TextEvery = "2";
    // The first part is written, the second breaks, the third is written again.
    const EngineSetup setup = [](PDFLibrary& engine) {
        auto count = std::make_shared<int>(0);
        engine.setStreamOpener([count](const std::string& temp) -> std::FILE* {
            return std::fopen((*count)++ == 1 ? "/dev/full" : temp.c_str(), "wb");
        });
    };
    const JobReport r = runSplit(dir.path("source.pdf"), every, dir.path("out.pdf"), {}, setup);
    ASSERT_TRUE(r.child.ok()) << r.describe();
    EXPECT_EQ(r.messages, QStringList{text::kSplitFailed + "8"}) << r.describe();

    auto after = folderSnapshot(dir.root());
    EXPECT_EQ(pageCount(dir.path("out Page 1-2.pdf")), 2);
    EXPECT_EQ(pageCount(dir.path("out Page 5-6.pdf")), 1);
    after.erase("out Page 1-2.pdf");
    after.erase("out Page 5-6.pdf");
    EXPECT_EQ(after, before) << "the broken part or its temporary file was left";
}

} // namespace
