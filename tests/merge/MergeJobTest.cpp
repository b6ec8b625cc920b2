#include "merge/MergeJob.h"
#include "QtPrinters.h"
#include "engine/PDFLibrary.h"
#include "merge/MergeList.h"
#include "split/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace paginor;
using paginor::test::FakeInteraction;
using paginor::test::TempDir;

namespace {

const QString kAddMore = "Please add more PDF files";
const QString kNoOverwrite = "Can not overwrite the PDF file. Please input a new file name";

class MergeJobTest : public ::testing::Test
{
protected:
    // Lists `names` inside the temporary folder, files or not.
    void listFiles(const QStringList& names)
    {
        QStringList paths;
        for (const QString& n : names)
            paths << dir.path(n);
        ui.dialogs.push_back(paths);
        list.AddPdfFiles();
        ui.calls.clear();
    }
    void answerSave(const QString& path)
    {
        ui.dialogs.push_back(path.isEmpty() ? QStringList() : QStringList{path});
    }
    int saveDialogs() const
    {
        int n = 0;
        for (const auto& c : ui.callsOf("dialog"))
            n += c.dialog.kind == DialogKind::Save;
        return n;
    }

    TempDir dir;
    Session session;
    FakeInteraction ui;
    PDFLibrary engine;
    MergeList list{session, ui};
    MergeJob job{engine, session, ui, list};
};

} // namespace

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
        const MergeOutcome out = fewJob.CmdMerge_Click();
        EXPECT_EQ(out.kind, MergeOutcome::Kind::TooFewFiles);
        ASSERT_EQ(ui.messageTexts(), QStringList{kAddMore});
        EXPECT_EQ(ui.calls.front().title, "Paginor");
        EXPECT_EQ(ui.calls.front().icon, Interaction::Icon::Information);
        EXPECT_EQ(ui.callsOf("dialog").at(0).dialog.kind, DialogKind::OpenMany);
        EXPECT_EQ(saveDialogs(), 0);
        EXPECT_TRUE(ui.callsOf("busy").empty());
        EXPECT_EQ(few.rowCount(), rows + 2);
    }
}

TEST_F(MergeJobTest, OutputNamingAnInputIsRefusedUntilAnotherOrCancel)
{
    listFiles({"a.pdf", "b.pdf"});
    const QString a = dir.path("a.pdf");
    const QString upperB = QFileInfo(dir.path("b.pdf")).path() + QDir::separator() + "B.PDF";
    answerSave(a);
    answerSave(QDir::toNativeSeparators(upperB)); // case only differs: refused as well
    answerSave("");                               // then Cancel
    const MergeOutcome out = job.CmdMerge_Click();
    EXPECT_EQ(out.kind, MergeOutcome::Kind::Cancelled);
    EXPECT_EQ(ui.messageTexts(), QStringList({kNoOverwrite, kNoOverwrite}));
    for (const auto& m : ui.callsOf("message")) {
        EXPECT_EQ(m.title, "Error");
        EXPECT_EQ(m.icon, Interaction::Icon::Critical);
    }
    EXPECT_EQ(saveDialogs(), 3);
    EXPECT_TRUE(ui.callsOf("busy").empty());
    EXPECT_TRUE(ui.callsOf("progress").empty());
}

TEST_F(MergeJobTest, CancelAtTheFirstDialogDoesNothing)
{
    listFiles({"a.pdf", "b.pdf"});
    EXPECT_EQ(job.CmdMerge_Click().kind, MergeOutcome::Kind::Cancelled);
    EXPECT_TRUE(ui.messageTexts().isEmpty());
    EXPECT_TRUE(ui.callsOf("busy").empty());
    EXPECT_EQ(session.ChosenOutputPath, "");
}

TEST_F(MergeJobTest, ListedFileMatchesOtherSpellingsOfAnInput)
{
    listFiles({"a.pdf", "b.pdf"});
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
