// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Protected rows in a merge: asked for before anything is written, remembered while unchanged.
#include "MergeJobFixture.h"

using namespace paginor;
using namespace paginor::test;

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
