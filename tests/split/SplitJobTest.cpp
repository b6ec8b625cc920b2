// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SplitJob.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <gtest/gtest.h>
#include <new>
#include <qpdf/QPDF.hh>
#include <stdexcept>

using namespace paginor;
using namespace paginor::test;

namespace {

using Outcome = SplitRequest::Outcome;
const QString kDone = "PDF file has been successfully splitted.";

class SplitJobTest : public ::testing::Test
{
protected:
    TempDir dir;
    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    SplitJob job{engine, session, ui};

    QString source(int pages, const QString& password = QString(), const QString& name = "in.pdf")
    {
        PdfSpec recipe;
        recipe.pages = pages;
        recipe.marker = "src";
        if (!password.isEmpty()) {
            recipe.encryption = Encryption::Aes_256;
            recipe.userPassword = password;
            recipe.ownerPassword = password + "-owner";
        }
        const QString path = dir.path(name);
        makePdf(path, recipe);
        return path;
    }

    // Runs a split of `path` in `mode`, answering the save dialog with `output`.
    SplitRequest split(const QString& path, SplitMode mode, const QString& output,
                       const QString& every = "10")
    {
        SplitRequest r;
        r.TextFile = path;
        r.options.mode = mode;
        r.options.TextEvery = every;
        ui.dialogs.push_back({output});
        job.run(r);
        return r;
    }

    // Document-information entries 5 and 6 of a written file.
    static std::string infoOf(const QString& path, const char* key)
    {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        return pdf.getTrailer().getKey("/Info").getKey(key).getUTF8Value();
    }

    // The source's page contents at the given page numbers (from 1).
    std::vector<std::string> pagesOf(const QString& path, std::initializer_list<int> pages,
                                     const QString& password = QString())
    {
        const auto all = pageContents(path, password);
        std::vector<std::string> out;
        for (int p : pages)
            out.push_back(all.at(size_t(p - 1)));
        return out;
    }
};

} // namespace

TEST_F(SplitJobTest, PagesPerFileWritesOneFilePerRunWithItsPages)
{
    const QString in = source(25);
    const std::string before = fileBytes(in);
    SplitRequest r = split(in, SplitMode::EveryN, dir.path("Report.pdf"));

    EXPECT_EQ(r.outcome, Outcome::Succeeded);
    const QStringList names = {dir.path("Report Page 1-10.pdf"), dir.path("Report Page 11-20.pdf"),
                               dir.path("Report Page 21-30.pdf")};
    EXPECT_EQ(r.written, names);
    EXPECT_EQ(pageContents(names[0]), pagesOf(in, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(pageContents(names[1]), pagesOf(in, {11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(pageContents(names[2]), pagesOf(in, {21, 22, 23, 24, 25}));
    EXPECT_FALSE(QFileInfo::exists(dir.path("Report.pdf")));
    EXPECT_EQ(fileBytes(in), before);
    for (const char* key : {"/Creator", "/Producer"})
        EXPECT_EQ(infoOf(names[2], key), "Paginor (https://www.velmora.example/)");

    EXPECT_EQ(ui.statusTexts(),
              (QStringList{"Please wait...", "Splitting page: 1-10, please wait...",
                           "Splitting page: 11-20, please wait...",
                           "Splitting page: 21-30, please wait...", ""}));
    EXPECT_EQ(ui.callsOf("yield").size(), 4u);
    ASSERT_EQ(ui.messageTexts(), QStringList{kDone});
    EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Information);
    EXPECT_EQ(ui.callsOf("message")[0].title, "OK");
    EXPECT_TRUE(ui.idle());
    EXPECT_EQ(ui.calls.back().kind, "message"); // the outcome comes after the idle state
    EXPECT_FALSE(job.running());
}

TEST_F(SplitJobTest, SingleFileModesWriteTheChosenFile)
{
    const QString in = source(6);
    const struct
    {
        SplitMode mode;
        QString custom;
        std::initializer_list<int> pages;
    } cases[] = {
        {SplitMode::PageRange, "", {2, 3, 4}},
        {SplitMode::OddPages, "", {1, 3, 5}},
        {SplitMode::EvenPages, "", {2, 4, 6}},
        {SplitMode::CustomPages, "  4-6,1  ", {4, 5, 6, 1}},
    };
    int k = 0;
    for (const auto& c : cases) {
        ui.calls.clear();
        const QString out = dir.path(QString("out%1.pdf").arg(k++));
        SplitRequest r;
        r.TextFile = "  " + in + " ";
        r.options.mode = c.mode;
        r.options.TextFrom = "02";
        r.options.TextTo = "4";
        r.options.TextCustom = c.custom;
        ui.dialogs.push_back({out});
        job.run(r);
        EXPECT_EQ(r.TextFile, in);
        EXPECT_EQ(r.outcome, Outcome::Succeeded) << k;
        EXPECT_EQ(r.written, QStringList{out});
        EXPECT_EQ(pageContents(out), pagesOf(in, c.pages)) << k;
        EXPECT_EQ(ui.statusTexts(), (QStringList{"Please wait...", ""}));
        EXPECT_EQ(ui.messageTexts(), QStringList{kDone});
        EXPECT_TRUE(ui.idle());
    }
    EXPECT_EQ(session.ChosenOutputPath, dir.path("out3.pdf"));
    EXPECT_EQ(session.LastSaveFolder, dir.root() + QDir::separator());
}

TEST_F(SplitJobTest, PartNamesDropPdfFromTheFileNameOnly)
{
    const QString s = QDir::separator();
    const struct
    {
        QString chosen;
        QString part;
    } cases[] = {
        {s + "out" + s + "Report.pdf", s + "out" + s + "Report Page 1-10.pdf"},
        {s + "out" + s + "Report.PDF", s + "out" + s + "Report Page 1-10.pdf"},
        {s + "out" + s + "my.pdf.copy.Pdf", s + "out" + s + "my.copy Page 1-10.pdf"},
        {s + "Scans.pdf.d" + s + "a.pdf", s + "Scans.pdf.d" + s + "a Page 1-10.pdf"},
        {"Report", "Report Page 1-10.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitJob::partFileName(c.chosen, "1-10"), c.part);

    // On disk: the parts land in the chosen folder, even one whose name holds ".pdf".
    const QString in = source(3);
    ASSERT_TRUE(QDir(dir.root()).mkdir("Scans.pdf.d"));
    const QString folder = dir.path("Scans.pdf.d") + s;
    SplitRequest r = split(in, SplitMode::EveryN, folder + "Part.PDF", "2");
    EXPECT_EQ(r.written, (QStringList{folder + "Part Page 1-2.pdf", folder + "Part Page 3-4.pdf"}));
    EXPECT_EQ(pageContents(folder + "Part Page 3-4.pdf"), pagesOf(in, {3}));
}

TEST_F(SplitJobTest, AnyPartNotWrittenReportsFailure)
{
    const QString in = source(25);
    // A folder where the middle part should go makes that one write fail.
    ASSERT_TRUE(QDir(dir.root()).mkdir("Report Page 11-20.pdf"));
    SplitRequest r = split(in, SplitMode::EveryN, dir.path("Report.pdf"));
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.written,
              (QStringList{dir.path("Report Page 1-10.pdf"), dir.path("Report Page 21-30.pdf")}));
    EXPECT_EQ(ui.messageTexts(), QStringList{"Split failed\r\nError code: 8"});
    EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Critical);
    EXPECT_EQ(ui.callsOf("message")[0].title, "Error");
    EXPECT_TRUE(ui.idle());
}

TEST_F(SplitJobTest, NothingSelectedOrUnopenableSourceFailsWithTheEngineCode)
{
    const QString in = source(3);
    SplitRequest r = split(in, SplitMode::EvenPages, dir.path("even.pdf"));
    EXPECT_EQ(r.outcome, Outcome::Succeeded);

    source(1, QString(), "one.pdf");
    ui.calls.clear();
    r = split(dir.path("one.pdf"), SplitMode::EvenPages, dir.path("none.pdf"));
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Split failed\r\nError code: 6"});
    EXPECT_FALSE(QFileInfo::exists(dir.path("none.pdf")));
    EXPECT_TRUE(ui.idle());

    // The source turns into junk between the checks and the opening.
    ui.calls.clear();
    ui.onYield = [&] {
        QFile f(in);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("junk");
    };
    r = split(in, SplitMode::EveryN, dir.path("gone.pdf"));
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_TRUE(r.written.isEmpty());
    EXPECT_EQ(ui.statusTexts(), (QStringList{"Please wait...", ""}));
    ASSERT_EQ(ui.messageTexts().size(), 1);
    EXPECT_TRUE(ui.messageTexts()[0].startsWith("Split failed\r\nError code: "));
    EXPECT_NE(ui.messageTexts()[0], "Split failed\r\nError code: 0");
    EXPECT_TRUE(ui.idle());
}

// An exception inside the engine while a part is written fails the split with its code and
// leaves nothing behind, in both writers (the second source has a form field).
TEST_F(SplitJobTest, AnExceptionWhileWritingIsAFailure)
{
    const QString plain = source(3);
    PdfSpec withForm;
    withForm.formField = true;
    makePdf(dir.path("form.pdf"), withForm);
    const QStringList before = QDir(dir.root()).entryList(QDir::Files | QDir::Hidden);
    const PDFLibrary::StreamOpener throwers[] = {
        [](const std::string&) -> std::FILE* { throw std::runtime_error("x"); },
        [](const std::string&) -> std::FILE* {
            throw std::bad_alloc();
        }};
    for (const QString& in : {plain, dir.path("form.pdf")}) {
        for (const auto& thrower : throwers) {
            engine.setStreamOpener(thrower);
            ui.calls.clear();
            const SplitRequest r = split(in, SplitMode::OddPages, dir.path("odd.pdf"));
            EXPECT_EQ(r.outcome, Outcome::Failed);
            ASSERT_EQ(ui.messageTexts().size(), 1);
            EXPECT_TRUE(ui.messageTexts()[0].startsWith("Split failed\r\nError code: "));
            EXPECT_NE(ui.messageTexts()[0], "Split failed\r\nError code: 0");
            EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden), before);
        }
    }
}

TEST_F(SplitJobTest, MissingSourceOffersTheOpenDialogAndStops)
{
    QDir(dir.root()).mkdir("folder.pdf");
    source(2, QString(), ".hidden.pdf");
    for (const QString& typed :
         {QString("   "), dir.path("nope.pdf"), dir.path("folder.pdf"), dir.path(".hidden.pdf")}) {
        ui.calls.clear();
        SplitRequest r;
        r.TextFile = typed;
        job.run(r);
        EXPECT_EQ(r.outcome, Outcome::NoSource);
        EXPECT_EQ(r.TextFile, typed.trimmed());
        ASSERT_EQ(ui.calls.size(), 2u);
        EXPECT_EQ(ui.calls[0].text, "Please select the source file");
        EXPECT_EQ(ui.calls[0].icon, UserQuestions::Icon::Critical);
        EXPECT_EQ(ui.calls[0].title, "Error");
        EXPECT_EQ(ui.calls[1].dialog.kind, DialogKind::OpenOne);
    }
    // Choosing a file in that dialog puts it in TextFile, ready for the next split.
    const QString in = source(2);
    ui.dialogs.push_back({in});
    SplitRequest r;
    job.run(r);
    EXPECT_EQ(r.TextFile, in);
}

TEST_F(SplitJobTest, RefusedOptionsAndCancelledSaveEndBeforeAnythingIsBusy)
{
    const QString in = source(2);
    SplitRequest r;
    r.TextFile = in;
    r.options.mode = SplitMode::EveryN;
    r.options.TextEvery = "0.4";
    job.run(r);
    EXPECT_EQ(r.outcome, Outcome::InvalidOptions);
    EXPECT_EQ(r.focus, OptionField::TextEvery);
    EXPECT_EQ(ui.messageTexts(), QStringList{"Please input a valid number"});
    EXPECT_TRUE(ui.callsOf("dialog").empty());

    ui.calls.clear();
    r.options.TextEvery = "1";
    job.run(r); // the save dialog is not answered: Cancel
    EXPECT_EQ(r.outcome, Outcome::Cancelled);
    EXPECT_EQ(ui.callsOf("dialog").size(), 1u);
    EXPECT_TRUE(ui.callsOf("busy").empty());
    EXPECT_TRUE(ui.callsOf("status").empty());
    EXPECT_TRUE(ui.messageTexts().isEmpty());
    EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files), QStringList{"in.pdf"});
}

TEST_F(SplitJobTest, TheSourceIsNeverWrittenOver)
{
    const QString in = source(4);
    const std::string before = fileBytes(in);
    ui.dialogs = {{in}, {dir.path("odd.pdf")}};
    SplitRequest r;
    r.TextFile = in;
    r.options.mode = SplitMode::OddPages;
    job.run(r);
    EXPECT_EQ(ui.messageTexts(),
              (QStringList{"Can not overwrite the PDF file. Please input a new file name", kDone}));
    EXPECT_EQ(ui.callsOf("dialog").size(), 2u);
    EXPECT_EQ(fileBytes(in), before);
    EXPECT_EQ(pageContents(dir.path("odd.pdf")), pagesOf(in, {1, 3}));

    // A part name that comes out as the source is skipped and reported.
    const QString chained = source(4, QString(), "Book Page 1-2.pdf");
    const std::string chainedBefore = fileBytes(chained);
    ui.calls.clear();
    r = split(chained, SplitMode::EveryN, dir.path("Book.pdf"), "2");
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.written, QStringList{dir.path("Book Page 3-4.pdf")});
    EXPECT_EQ(fileBytes(chained), chainedBefore);
}

TEST_F(SplitJobTest, ARunningSplitHoldsOffAnotherSplitAndBrowsing)
{
    const QString in = source(4);
    const QString other = source(2, QString(), "other.pdf");
    int heldOff = 0;
    ui.onYield = [&] {
        EXPECT_TRUE(job.running());
        SplitRequest second;
        second.TextFile = other;
        job.run(second);
        heldOff += second.outcome == Outcome::HeldOff;
        QString textFile = "kept";
        job.CmdBrowse_Click(textFile);
        EXPECT_EQ(textFile, "kept");
    };
    SplitRequest r = split(in, SplitMode::EveryN, dir.path("x.pdf"), "2");
    EXPECT_EQ(heldOff, 3);
    EXPECT_EQ(ui.callsOf("dialog").size(), 1u); // only this split's save dialog
    EXPECT_EQ(r.written.size(), 2);
    EXPECT_EQ(pageContents(r.written[1]), pagesOf(in, {3, 4}));
    EXPECT_FALSE(job.running());
}
