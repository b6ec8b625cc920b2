#include "merge/MergeJob.h"
#include "QtPrinters.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "merge/MergeList.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <qpdf/QPDFExc.hh>
#include <stdexcept>

using namespace paginor;
using namespace paginor::test;

namespace {

const QString kMerged = "PDF file has been successfully merged.";
const QString kAddMore = "Please add more PDF files";
const QString kNoOverwrite = "Can not overwrite the PDF file. Please input a new file name";

class MergeJobTest : public ::testing::Test
{
protected:
    // Makes a PDF whose pages are marked with its name.
    QString make(const QString& name, int pages = 2, PdfSpec recipe = {})
    {
        recipe.pages = pages;
        recipe.marker = name;
        const QString path = dir.path(name + ".pdf");
        makePdf(path, recipe);
        return path;
    }
    QString damaged(const QString& name)
    {
        const QString path = dir.path(name + ".pdf");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R\nthis is not a PDF\n");
        return path;
    }
    void list(const QStringList& paths)
    {
        for (const QString& p : paths)
            rows.AddListRow(p);
    }
    // Presses "&Merge" and names `output` in the save dialog.
    MergeResult mergeTo(const QString& output)
    {
        ui.calls.clear();
        ui.dialogs.push_back({output});
        return job.CmdMerge_Click();
    }
    std::vector<int> progress() const
    {
        std::vector<int> out;
        for (const auto& c : ui.callsOf("progress"))
            out.push_back(c.value);
        return out;
    }
    static std::vector<std::string> contentsOf(const QStringList& paths)
    {
        std::vector<std::string> all;
        for (const QString& p : paths)
            for (const std::string& page : pageContents(p))
                all.push_back(page);
        return all;
    }
    int saveDialogs() const
    {
        int n = 0;
        for (const auto& c : ui.callsOf("dialog"))
            n += c.dialog.kind == DialogKind::Save;
        return n;
    }
    QStringList folderEntries() const { return QDir(dir.root()).entryList(QDir::Files); }

    TempDir dir;
    Session session;
    FakeInteraction ui;
    PDFLibrary engine;
    MergeList rows{session, ui};
    MergeJob job{engine, session, ui, rows};
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
        const MergeResult out = fewJob.CmdMerge_Click();
        EXPECT_EQ(out.kind, MergeResult::Kind::TooFewFiles);
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
        EXPECT_EQ(m.icon, Interaction::Icon::Critical);
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
        EXPECT_EQ(ui.callsOf("message")[0].icon, Interaction::Icon::Information);
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
    EXPECT_EQ(ui.callsOf("message")[0].icon, Interaction::Icon::Critical);
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

// A file in a password table: protected by `password` (none when ""), or damaged.
struct Listed
{
    QString password;
    bool damaged = false;
    bool ownerOnly = false; // an owner password alone: opens without one
};

TEST_F(MergeJobTest, ProtectedRowsAreAskedForBeforeAnythingIsWritten)
{
    using Answers = std::vector<std::optional<QString>>;
    const MergeResult::Kind merged = MergeResult::Kind::Merged;
    const MergeResult::Kind failed = MergeResult::Kind::Failed;
    const MergeResult::Kind cancelled = MergeResult::Kind::Cancelled;
    const struct
    {
        const char* name;
        std::vector<Listed> files;
        Answers answers;
        std::vector<int> prompted; // rows asked for, in order
        MergeResult::Kind kind;
        int failedRow; // from 1, for a failure naming one row
    } cases[] = {
        {"one password shared, asked once",
         {{"pw-shared-4811"}, {""}, {"pw-shared-4811"}},
         {"pw-shared-4811"},
         {0},
         merged,
         0},
        {"two passwords",
         {{"pw-one-5521"}, {"pw-two-7730"}},
         {"pw-one-5521", "pw-two-7730"},
         {0, 1},
         merged,
         0},
        {"wrong, then right",
         {{""}, {"pw-right-9032"}},
         {"wrong", "pw-right-9032"},
         {1, 1},
         merged,
         0},
        {"owner password only: no prompt", {{""}, {"owner", false, true}}, {}, {}, merged, 0},
        {"cancel part-way",
         {{"pw-one-5521"}, {"pw-two-7730"}, {""}},
         {"pw-one-5521", std::nullopt},
         {0, 1},
         cancelled,
         0},
        {"empty answer",
         {{"pw-one-5521"}, {"pw-two-7730"}},
         {"pw-one-5521", ""},
         {0, 1},
         cancelled,
         0},
        {"protected, then damaged",
         {{"pw-one-5521"}, {"", true}, {""}},
         {"pw-one-5521"},
         {0},
         failed,
         2},
        {"damaged, then protected: no prompt",
         {{""}, {"", true}, {"pw-one-5521"}},
         {},
         {},
         failed,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        MergeList caseRows(session, ui);
        MergeJob caseJob(engine, session, ui, caseRows);
        QStringList paths;
        std::vector<std::string> expected;
        for (size_t i = 0; i < c.files.size(); ++i) {
            const Listed& f = c.files[i];
            const QString path = folder.path(QString("f%1.pdf").arg(i));
            PdfSpec recipe;
            recipe.pages = 2;
            recipe.marker = QString("f%1").arg(i);
            if (!f.password.isEmpty()) {
                recipe.encryption = Encryption::Aes_256;
                recipe.userPassword = f.ownerOnly ? QString() : f.password;
                recipe.ownerPassword = f.ownerOnly ? f.password : "owner";
            }
            if (f.damaged) {
                QFile bad(path);
                bad.open(QIODevice::WriteOnly);
                bad.write("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R\nnot a PDF\n");
            } else {
                makePdf(path, recipe);
            }
            for (const std::string& page : pageContents(path, f.password))
                expected.push_back(page);
            paths << path;
            caseRows.AddListRow(path);
        }
        const QStringList before = QDir(folder.root()).entryList(QDir::Files);
        const QString out = folder.path("out.pdf");
        ui.calls.clear();
        ui.dialogs.push_back({out});
        ui.inputs.assign(c.answers.begin(), c.answers.end());
        const MergeResult result = caseJob.CmdMerge_Click();

        EXPECT_EQ(result.kind, c.kind);
        EXPECT_TRUE(ui.inputs.empty());
        EXPECT_TRUE(ui.idle());
        const auto prompts = ui.callsOf("input");
        ASSERT_EQ(prompts.size(), c.prompted.size());
        for (size_t k = 0; k < prompts.size(); ++k) {
            EXPECT_EQ(prompts[k].text, "Please input the password for " + paths[c.prompted[k]]);
            EXPECT_EQ(prompts[k].title, "Need password");
            // After a refusal the box shows the rejected answer again.
            const bool again = k > 0 && c.prompted[k] == c.prompted[k - 1];
            EXPECT_EQ(prompts[k].prefill, again ? *c.answers[k - 1] : QString());
            EXPECT_TRUE(caseRows.row(c.prompted[k]).lock.isProtected);
        }
        if (c.kind == merged) {
            const bool unlocked = !c.prompted.empty();
            EXPECT_EQ(ui.messageTexts(),
                      QStringList{kMerged + (unlocked ? "\r\nThe protected files were merged "
                                                        "without their passwords."
                                                      : "")});
            EXPECT_EQ(pageContents(out), expected);
            const std::string bytes = fileBytes(out);
            EXPECT_EQ(bytes.find("/Encrypt"), std::string::npos);
            for (const Listed& f : c.files)
                if (!f.password.isEmpty())
                    EXPECT_EQ(bytes.find(f.password.toStdString()), std::string::npos);
        } else {
            EXPECT_EQ(QDir(folder.root()).entryList(QDir::Files), before);
        }
        if (c.kind == cancelled)
            EXPECT_TRUE(ui.messageTexts().isEmpty());
        if (c.kind == failed) {
            ASSERT_EQ(ui.messageTexts().size(), 1);
            EXPECT_TRUE(ui.messageTexts()[0].contains(MergeList::NumberText(c.failedRow) + " - " +
                                                      paths[c.failedRow - 1]));
        }
        // Passwords accepted before a Cancel are kept.
        if (c.kind == cancelled)
            EXPECT_EQ(caseRows.row(0).lock.password, c.files[0].password);
    }
}

TEST_F(MergeJobTest, RowsAreTestedAgainOnlyWhenTheirFileChanged)
{
    auto lock = [&](const QString& name, const QString& password) {
        PdfSpec recipe;
        if (!password.isEmpty()) {
            recipe.encryption = Encryption::Rc4_128;
            recipe.userPassword = password;
            recipe.ownerPassword = "owner";
        }
        return make(name, 1, recipe);
    };
    const QString a = lock("a", "pw-first-1207");
    list({a, make("b", 1)});
    const struct
    {
        const char* name;
        std::function<void()> change;
        std::optional<QString> answer; // nullopt: no prompt expected
        bool protectedA;
    } steps[] = {
        {"first merge asks", [] {}, "pw-first-1207", true},
        {"unchanged: not asked", [] {}, std::nullopt, true},
        {"a later row with the same password: not asked",
         [&] { rows.AddListRow(lock("c", "pw-first-1207")); }, std::nullopt, true},
        {"saved again with the same password: not asked", [&] { lock("a", "pw-first-1207"); },
         std::nullopt, true},
        {"new password: asked again", [&] { lock("a", "pw-second-3344"); }, "pw-second-3344", true},
        {"no longer protected: the lock goes", [&] { lock("a", ""); }, std::nullopt, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        if (step.answer)
            ui.inputs.push_back(step.answer);
        const MergeResult result = mergeTo(dir.path("out.pdf"));
        EXPECT_EQ(result.kind, MergeResult::Kind::Merged);
        const auto prompts = ui.callsOf("input");
        ASSERT_EQ(prompts.size(), step.answer ? 1u : 0u);
        if (step.answer)
            EXPECT_EQ(prompts[0].text, "Please input the password for " + a);
        EXPECT_EQ(rows.row(0).lock.isProtected, step.protectedA);
        EXPECT_EQ(pageContents(dir.path("out.pdf")).size(), size_t(rows.rowCount()));
    }
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
            EXPECT_EQ(ui.callsOf("message")[0].icon, Interaction::Icon::Critical);
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
