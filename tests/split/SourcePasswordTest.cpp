// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SourcePassword.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "split/SplitJob.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

class PasswordTest : public ::testing::Test
{
protected:
    TempDir dir;
    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    SourcePassword password{engine, session, ui};
    SplitJob job{engine, session, ui};

    QString make(const QString& name, const QString& userPassword, Encryption enc)
    {
        PdfSpec recipe;
        recipe.pages = 3;
        recipe.marker = name;
        recipe.encryption = userPassword.isEmpty() ? Encryption::None : enc;
        recipe.userPassword = userPassword;
        recipe.ownerPassword = userPassword.isEmpty() ? QString() : "owner";
        makePdf(dir.path(name), recipe);
        return dir.path(name);
    }
    QString locked(const QString& name = "locked.pdf")
    {
        return make(name, "right", Encryption::Aes_256);
    }
    QString damaged()
    {
        QFile f(dir.path("damaged.pdf"));
        f.open(QIODevice::WriteOnly);
        f.write("%PDF-1.7\nthis is not really a PDF\n");
        return dir.path("damaged.pdf");
    }
    std::vector<FakeInteraction::Call> prompts() const { return ui.callsOf("input"); }
};

} // namespace

TEST_F(PasswordTest, TestPasswordAcrossEncryptions)
{
    const struct
    {
        Encryption enc;
        const char* name;
    } kinds[] = {{Encryption::Rc4_40, "rc40.pdf"},
                 {Encryption::Rc4_128, "rc128.pdf"},
                 {Encryption::Aes_128, "aes128.pdf"},
                 {Encryption::Aes_256, "aes256.pdf"}};
    for (const auto& k : kinds) {
        const QString path = make(k.name, "right", k.enc);
        EXPECT_FALSE(password.TestPassword(path, "")) << k.name;
        EXPECT_FALSE(password.TestPassword(path, "wrong")) << k.name;
        EXPECT_TRUE(password.TestPassword(path, "right")) << k.name;
    }
    const QString plain = make("plain.pdf", "", Encryption::None);
    EXPECT_TRUE(password.TestPassword(plain, ""));
    EXPECT_FALSE(password.TestPassword(damaged(), ""));
    EXPECT_FALSE(password.TestPassword(dir.path("missing.pdf"), ""));
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(PasswordTest, BrowseOutcomes)
{
    const QString plain = make("plain.pdf", "", Encryption::None);
    const QString lockedPath = locked();
    session.SourcePassword = "old";
    session.SourcePasswordFile = "old.pdf";
    QString textFile = "before";

    // Cancelled dialog: nothing changes.
    password.CmdBrowse_Click(textFile);
    EXPECT_EQ(textFile, "before");
    EXPECT_EQ(session.SourcePassword, "old");
    EXPECT_EQ(session.SourcePasswordFile, "old.pdf");

    // Unprotected: no prompt, both fields cleared.
    ui.dialogs.push_back({plain});
    password.CmdBrowse_Click(textFile);
    EXPECT_EQ(textFile, plain);
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(session.SourcePassword, "");
    EXPECT_EQ(session.SourcePasswordFile, "");

    // Wrong, then right: the second prompt shows the wrong entry.
    ui.dialogs.push_back({lockedPath});
    ui.inputs = {QString("nope"), QString("right")};
    password.CmdBrowse_Click(textFile);
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[0].text, "Please input the password for " + lockedPath);
    EXPECT_EQ(prompts()[0].title, "Need password");
    EXPECT_EQ(prompts()[0].prefill, "");
    EXPECT_EQ(prompts()[1].prefill, "nope");
    EXPECT_EQ(session.SourcePassword, "right");
    EXPECT_EQ(session.SourcePasswordFile, lockedPath);

    // Cancelled prompt, and an empty answer: the path stays, the fields are empty.
    for (std::optional<QString> answer : {std::optional<QString>(), std::optional<QString>("")}) {
        ui.calls.clear();
        textFile = "before";
        ui.dialogs.push_back({lockedPath});
        ui.inputs = {answer};
        password.CmdBrowse_Click(textFile);
        EXPECT_EQ(textFile, lockedPath);
        EXPECT_EQ(prompts().size(), 1u);
        EXPECT_EQ(prompts()[0].prefill, ""); // cleared before asking
        EXPECT_EQ(session.SourcePassword, "");
        EXPECT_EQ(session.SourcePasswordFile, "");
        EXPECT_TRUE(ui.messageTexts().isEmpty());
    }
}

// A file no password can open is said to be broken, once, on "&Browse" and on "&Split"; only
// a protected one gets the prompt.
TEST_F(PasswordTest, UnreadableSourceIsSaidOnceAndNeverPromptedFor)
{
    const QString truncated = dir.path("truncated.pdf");
    const std::string whole = fileBytes(make("whole.pdf", "", Encryption::None));
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(whole.data(), qint64(whole.size() / 2));
    cut.close();
    const QString text = dir.path("notes.pdf");
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Shopping list\n- milk\n- bread\n");
    notes.close();

    const struct
    {
        QString path;
        bool locked;
    } cases[] = {{truncated, false}, {text, false}, {damaged(), false}, {locked(), true}};
    for (const auto& c : cases) {
        const std::string bytes = fileBytes(c.path);
        const QStringList said{kMsgCanNotOpenFile + c.path + "\r\n" + kMsgNotPdfOrDamaged};
        for (const bool browse : {true, false}) {
            SCOPED_TRACE(c.path.toStdString() + (browse ? " browse" : " split"));
            ui.calls.clear();
            ui.dialogs.clear();
            session = Session();
            QString textFile;
            if (browse) {
                ui.dialogs.push_back({c.path});
                password.CmdBrowse_Click(textFile);
            } else {
                SplitRequest r;
                r.TextFile = " " + c.path + " ";
                job.run(r);
                textFile = r.TextFile;
                EXPECT_EQ(r.outcome, c.locked ? SplitRequest::Outcome::PasswordRefused
                                              : SplitRequest::Outcome::Unreadable);
                EXPECT_TRUE(ui.callsOf("dialog").empty()); // no save dialog
            }
            EXPECT_EQ(textFile, c.path);
            EXPECT_EQ(prompts().size(), c.locked ? 1u : 0u);
            EXPECT_EQ(ui.messageTexts(), c.locked ? QStringList() : said);
            for (const auto& m : ui.callsOf("message")) {
                EXPECT_EQ(m.icon, UserQuestions::Icon::Critical);
                EXPECT_EQ(m.title, "Error");
            }
            EXPECT_EQ(session.SourcePassword, "");
            EXPECT_EQ(session.SourcePasswordFile, "");
            EXPECT_EQ(fileBytes(c.path), bytes);
        }
    }
}

TEST_F(PasswordTest, SplitReusesThePasswordOfItsFileIgnoringCase)
{
    const QString path = locked();
    session.SourcePassword = "right";
    session.SourcePasswordFile = path.toUpper();
    SplitRequest r;
    r.TextFile = path;
    r.options.mode = SplitMode::OddPages;
    ui.dialogs.push_back({dir.path("odd.pdf")});
    job.run(r);
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(r.outcome, SplitRequest::Outcome::Succeeded);
    const auto src = pageContents(path, "right");
    ASSERT_EQ(src.size(), 3u);
    EXPECT_EQ(pageContents(dir.path("odd.pdf"), "right"), (std::vector<std::string>{src[0], src[2]}));
}

TEST_F(PasswordTest, SplitOfATypedPathAsksAgain)
{
    const QString first = locked("first.pdf");
    const QString typed = locked("typed.pdf");
    session.SourcePassword = "right";
    session.SourcePasswordFile = first;

    // Wrong, then empty: the split ends silently with both fields empty.
    SplitRequest r;
    r.TextFile = typed;
    ui.inputs = {QString("wrong"), QString("")};
    job.run(r);
    EXPECT_EQ(r.outcome, SplitRequest::Outcome::PasswordRefused);
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts()[0].prefill, "");
    EXPECT_EQ(prompts()[1].prefill, "wrong");
    EXPECT_EQ(session.SourcePassword, "");
    EXPECT_EQ(session.SourcePasswordFile, "");
    EXPECT_TRUE(ui.messageTexts().isEmpty());
    EXPECT_TRUE(ui.callsOf("dialog").empty());

    // The right one lets the split go on, and is remembered with the file.
    ui.calls.clear();
    ui.inputs = {QString("right")};
    ui.dialogs.push_back({dir.path("range.pdf")});
    r.options.TextTo = "2";
    job.run(r);
    EXPECT_EQ(r.outcome, SplitRequest::Outcome::Succeeded);
    EXPECT_EQ(session.SourcePasswordFile, typed);
    EXPECT_EQ(pageContents(dir.path("range.pdf"), "right").size(), 2u);

    // An unprotected source needs no prompt, and the remembered pair is left alone.
    ui.calls.clear();
    r.TextFile = make("plain.pdf", "", Encryption::None);
    ui.dialogs.push_back({dir.path("plain-out.pdf")});
    job.run(r);
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(r.outcome, SplitRequest::Outcome::Succeeded);
    EXPECT_EQ(session.SourcePasswordFile, typed);
}
