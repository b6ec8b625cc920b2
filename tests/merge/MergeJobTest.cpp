// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "MergeJobFixture.h"

using namespace paginor;
using namespace paginor::test;

TEST_F(MergeJobTest, TooFewRowsAsksForMoreAndDoesNotMerge)
{
    for (int rows : {0, 1}) {
        SCOPED_TRACE(rows);
        MergeList few(session, ui);
        MergeJob fewJob(engine, session, ui, few);
        if (rows == 1)
            few.AddListRow(dir.path("a.pdf"));
        ui.calls.clear();
        // Even adding two files in this run must not start a merge.
        ui.dialogs.push_back({dir.path("x.pdf"), dir.path("y.pdf")});
        const MergeResult out = fewJob.CmdMerge_Click();
        EXPECT_EQ(out.kind, MergeResult::Kind::TooFewFiles);
        ASSERT_EQ(ui.messageTexts(), QStringList{kAddMore});
        EXPECT_EQ(ui.calls.front().title, "Paginor");
        EXPECT_EQ(ui.calls.front().icon, UserQuestions::Icon::Information);
        EXPECT_EQ(ui.callsOf("dialog").at(0).dialog.kind, DialogKind::OpenMany);
        EXPECT_EQ(saveDialogs(), 0);
        EXPECT_TRUE(ui.callsOf("busy").empty());
        EXPECT_EQ(few.rowCount(), rows + 2);
    }
}

TEST_F(MergeJobTest, OutputNamingAnInputIsRefusedUntilAnotherOrCancel)
{
    list({dir.path("a.pdf"), dir.path("b.pdf")});
    const QString a = dir.path("a.pdf");
    const QString upperB = QFileInfo(dir.path("b.pdf")).path() + QDir::separator() + "B.PDF";
    ui.dialogs.push_back({a});
    ui.dialogs.push_back({QDir::toNativeSeparators(upperB)}); // case only differs: refused as well
    ui.dialogs.push_back({});                                 // then Cancel
    const MergeResult out = job.CmdMerge_Click();
    EXPECT_EQ(out.kind, MergeResult::Kind::Cancelled);
    EXPECT_EQ(ui.messageTexts(), QStringList({kNoOverwrite, kNoOverwrite}));
    for (const auto& m : ui.callsOf("message")) {
        EXPECT_EQ(m.title, "Error");
        EXPECT_EQ(m.icon, UserQuestions::Icon::Critical);
    }
    EXPECT_EQ(saveDialogs(), 3);
    EXPECT_TRUE(ui.callsOf("busy").empty());
    EXPECT_TRUE(ui.callsOf("progress").empty());
}

TEST_F(MergeJobTest, CancelAtTheFirstDialogDoesNothing)
{
    list({dir.path("a.pdf"), dir.path("b.pdf")});
    EXPECT_EQ(job.CmdMerge_Click().kind, MergeResult::Kind::Cancelled);
    EXPECT_TRUE(ui.messageTexts().isEmpty());
    EXPECT_TRUE(ui.callsOf("busy").empty());
    EXPECT_EQ(session.ChosenOutputPath, "");
}

TEST_F(MergeJobTest, ListedFileMatchesOtherSpellingsOfAnInput)
{
    list({dir.path("a.pdf"), dir.path("b.pdf")});
    QFile(dir.path("a.pdf")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(dir.path("a.pdf"), dir.path("link.pdf")));
    ASSERT_TRUE(QDir(dir.root()).mkdir("sub"));
    EXPECT_TRUE(job.IsListedFile(dir.path("A.pdf")));
    EXPECT_TRUE(job.IsListedFile(dir.path("link.pdf")));
    EXPECT_TRUE(
        job.IsListedFile(dir.path("sub") + QDir::separator() + ".." + QDir::separator() + "a.pdf"));
    EXPECT_FALSE(job.IsListedFile(dir.path("c.pdf")));
    EXPECT_FALSE(job.IsListedFile(""));
}

TEST_F(MergeJobTest, JoinsInListOrderAndCanAtOnceAgain)
{
    const QStringList inputs = {make("b", 1), make("a", 3), make("b", 1), make("c", 2)};
    list(inputs);
    std::vector<std::string> before;
    for (const QString& p : inputs)
        before.push_back(fileBytes(p));
    const QString out = dir.path("out.pdf");

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const MergeResult result = mergeTo(out);
        EXPECT_EQ(result.kind, MergeResult::Kind::Merged);
        EXPECT_EQ(result.joined, 4);
        ASSERT_EQ(ui.messageTexts(), QStringList{kMerged});
        EXPECT_EQ(ui.callsOf("message")[0].title, "OK");
        EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Information);
        QStringList order;
        for (const auto& c : ui.calls)
            if (c.kind != "dialog")
                order << c.kind + QString::number(c.value);
        EXPECT_EQ(order, QStringList({"busy1", "progress1", "progress70", "progress100", "message0",
                                      "busy0", "progress-1"}));
        const std::vector<std::string> expected = contentsOf(inputs);
        EXPECT_EQ(expected.size(), 7u);
        EXPECT_EQ(pageContents(out), expected);
        EXPECT_EQ(session.ChosenOutputPath, out);
    }
    EXPECT_EQ(rows.fullPaths(), inputs);
    EXPECT_EQ(rows.row(3).number, "004");
    for (int i = 0; i < inputs.size(); ++i)
        EXPECT_EQ(fileBytes(inputs[i]), before[i]);
    EXPECT_EQ(engine.PathListEntry("TmpList", 4), inputs[3]);
}

TEST_F(MergeJobTest, DamagedLaterFileIsNamedAndNothingIsWritten)
{
    const QStringList inputs = {make("a"), make("b"), damaged("c"), make("d"), make("e")};
    list(inputs);
    const QStringList filesBefore = folderEntries();
    const MergeResult result = mergeTo(dir.path("out.pdf"));
    EXPECT_EQ(result.kind, MergeResult::Kind::Failed);
    EXPECT_EQ(result.joined, 2);
    ASSERT_EQ(ui.messageTexts(),
              QStringList{"Can not merge file: 003 - " + inputs[2] +
                          "\r\nPlease make sure it is NOT encrypted or damaged."});
    EXPECT_EQ(ui.callsOf("message")[0].title, "Error");
    EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Critical);
    EXPECT_EQ(progress(), std::vector<int>({1, 70, -1}));
    EXPECT_TRUE(ui.idle());
    EXPECT_EQ(folderEntries(), filesBefore); // no output and no leftover temporary file
}

TEST_F(MergeJobTest, DamagedFirstFileNamesTheFirstTwoAndKeepsTheReplacedFile)
{
    const QStringList inputs = {damaged("a"), make("b"), make("c")};
    list(inputs);
    // The user agreed in the save dialog to replace this file: a failed merge must keep it.
    const QString out = make("old", 1);
    const std::string oldBytes = fileBytes(out);
    const MergeResult result = mergeTo(out);
    EXPECT_EQ(result.kind, MergeResult::Kind::Failed);
    EXPECT_EQ(result.joined, 0);
    ASSERT_EQ(ui.messageTexts(),
              QStringList{"Can not merge file: \r\n001 - " + inputs[0] + "\r\n002 - " + inputs[1] +
                          "\r\n\r\nPlease make sure they are NOT encrypted or damaged."});
    EXPECT_EQ(fileBytes(out), oldBytes);
    EXPECT_TRUE(ui.idle());
}
TEST_F(MergeJobTest, ThousandthFileIsNamedWithAllDigits)
{
    const QString one = make("one", 1);
    for (int i = 0; i < 999; ++i)
        rows.AddListRow(one);
    rows.AddListRow(damaged("last"));
    const MergeResult result = mergeTo(dir.path("out.pdf"));
    EXPECT_EQ(result.joined, 999);
    ASSERT_EQ(ui.messageTexts().size(), 1);
    EXPECT_TRUE(
        ui.messageTexts()[0].startsWith("Can not merge file: 1000 - " + dir.path("last.pdf")));
}

// Failures that are no input's fault. An output that cannot be written is named as such; any
// other exception inside the engine (qpdf while the output is finished, memory) is a failure
// too, never a success. Nothing is written either way and a file already there stays.
TEST_F(MergeJobTest, FailuresOfTheOutputOrTheEngineItselfAreFailures)
{
    using Opener = PDFLibrary::StreamOpener;
    const struct
    {
        const char* name;
        Opener opener;
        bool unwritable;
    } faults[] = {
        {"disk full", [](const std::string&) { return std::fopen("/dev/full", "wb"); }, true},
        {"qpdf",
         [](const std::string&) -> std::FILE* {
             throw QPDFExc(qpdf_e_damaged_pdf, "out.pdf", "", 0, "finishing the output");
         },
         false},
        {"runtime", [](const std::string&) -> std::FILE* { throw std::runtime_error("x"); }, false},
        {"memory", [](const std::string&) -> std::FILE* { throw std::bad_alloc(); }, false},
    };
    PdfSpec withForm;
    withForm.formField = true; // joined through a full copy rather than streamed
    const QString out = dir.path("out.pdf");
    for (const bool forms : {false, true}) {
        makePdf(out, PdfSpec{});
        const std::string oldBytes = fileBytes(out);
        const QStringList inputs = {make(forms ? "fa" : "a", 2, forms ? withForm : PdfSpec{}),
                                    make(forms ? "fb" : "b", 1)};
        const std::string firstBytes = fileBytes(inputs[0]);
        const QStringList before = QDir(dir.root()).entryList(QDir::Files | QDir::Hidden);
        for (const auto& f : faults) {
            SCOPED_TRACE(std::string(f.name) + (forms ? ", forms" : ""));
            engine.setStreamOpener(f.opener);
            ui.calls.clear();
            const MergeResult r = MergeJob::merge(engine, ui, inputs, out);
            EXPECT_EQ(r.kind, MergeResult::Kind::Failed);
            EXPECT_EQ(r.joined, 0);
            const QString text = f.unwritable
                                     ? kMsgCanNotWritePdf + out + "\r\n" + kMsgCheckDiskAndFolder
                                     : "Can not merge file: \r\n001 - " + inputs[0] + "\r\n002 - " +
                                           inputs[1] +
                                           "\r\n\r\nPlease make sure they are NOT encrypted "
                                           "or damaged.";
            ASSERT_EQ(ui.messageTexts(), QStringList{text});
            EXPECT_EQ(ui.callsOf("message")[0].icon, UserQuestions::Icon::Critical);
            EXPECT_EQ(ui.callsOf("message")[0].title, "Error");
            EXPECT_NE(engine.LastErrorNumber(), 0);
            EXPECT_TRUE(ui.idle());
            EXPECT_EQ(fileBytes(out), oldBytes);
            EXPECT_EQ(fileBytes(inputs[0]), firstBytes);
            EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden), before);
        }
        // The injected fault is what failed: without it the same merge succeeds.
        engine.setStreamOpener({});
        EXPECT_EQ(MergeJob::merge(engine, ui, inputs, out).kind, MergeResult::Kind::Merged);
    }
}
