// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Every hostile input goes through the password check, a split in every mode and a merge
// between two good files. Whatever the input, each job ends in one of the program's own
// messages, in bounded time, with the inputs unchanged, no stray or partial file, and any
// file already at the output path intact unless the job reported success.
#include "hostile/HostileInputs.h"
#include "hostile/JobRunner.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

std::string madeBytes(const PdfSpec& recipe)
{
    TempDir dir;
    const QString path = dir.path("made.pdf");
    makePdf(path, recipe);
    return fileBytes(path);
}

const std::vector<HostileInput>& cases()
{
    static const std::vector<HostileInput> all = [] {
        PdfSpec rich;
        rich.marker = "made";
        rich.sharedResources = true;
        rich.link = true;
        rich.formField = true;
        std::vector<HostileInput> out = hostileInputs(madeBytes(rich));
        PdfSpec packed;
        packed.marker = "packed";
        packed.uriLinks = 120;
        packed.objectStreams = true;
        packed.uncompressed = true;
        for (auto& in : objectStreamInputs(madeBytes(packed), packed.pages))
            out.push_back(std::move(in));
        auto encrypted = [&](const char* name, Encryption e, const QString& user,
                             const QString& owner) {
            PdfSpec recipe;
            recipe.marker = "locked";
            recipe.encryption = e;
            recipe.userPassword = user;
            recipe.ownerPassword = owner;
            HostileInput in;
            in.name = name;
            in.bytes = madeBytes(recipe);
            in.pages = recipe.pages;
            in.verdict = user.isEmpty() ? Verdict::Opens : Verdict::NeedsPassword;
            in.password = user;
            out.push_back(in);
        };
        encrypted("aes256-user-password", Encryption::Aes_256, "user", "owner");
        encrypted("rc4-user-password-non-ascii", Encryption::Rc4_128, QString::fromUtf8("pässwörd"),
                  "owner");
        encrypted("aes128-owner-password-only", Encryption::Aes_128, "", "owner");
        encrypted("rc4-owner-password-only", Encryption::Rc4_40, "", "owner");
        return out;
    }();
    return all;
}

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

const std::string& goodBytes(int which)
{
    static const std::string files[] = {
        [] {
            PdfSpec s;
            s.pages = 2;
            s.marker = "first";
            return madeBytes(s);
        }(),
        [] {
            PdfSpec s;
            s.pages = 2;
            s.marker = "last";
            return madeBytes(s);
        }(),
        [] {
            PdfSpec s;
            s.pages = 1;
            s.marker = "already there";
            return madeBytes(s);
        }(),
    };
    return files[which];
}

// A folder holding the input, two good files, and files already at every output name.
struct Scene
{
    TempDir dir;
    QString input = dir.path("input.pdf");
    QString first = dir.path("first.pdf");
    QString last = dir.path("last.pdf");
    QString existing = dir.path("existing.pdf");
    QString parts = dir.path("part.pdf"); // chosen name in pages-per-file mode
    std::map<QString, std::string> before;

    explicit Scene(const std::string& bytes)
    {
        writeBytes(input, bytes);
        writeBytes(first, goodBytes(0));
        writeBytes(last, goodBytes(1));
        writeBytes(existing, goodBytes(2));
        writeBytes(dir.path("part Page 1-2.pdf"), goodBytes(2));
        before = folderSnapshot(dir.root());
    }

    // Every file that is new or changed since the scene was set up.
    QStringList changed() const
    {
        QStringList out;
        const auto now = folderSnapshot(dir.root());
        for (const auto& [name, bytes] : now) {
            auto it = before.find(name);
            if (it == before.end() || it->second != bytes)
                out << name;
        }
        for (const auto& [name, bytes] : before)
            if (!now.count(name))
                out << name + " (gone)";
        return out;
    }
};

class HostileInputTest : public ::testing::TestWithParam<size_t>
{
protected:
    const HostileInput& in() const { return cases()[GetParam()]; }
};

// Which source pages (from 1) each output of a mode holds, for a source of `total` pages.
std::vector<std::vector<int>> expectedPages(const std::string& mode, int total)
{
    auto upTo = [&](int from, int to, int step) {
        std::vector<int> v;
        for (int p = from; p <= std::min(to, total); p += step)
            v.push_back(p);
        return v;
    };
    if (mode == "every-2") {
        std::vector<std::vector<int>> parts;
        for (int p = 1; p <= total; p += 2)
            parts.push_back(upTo(p, p + 1, 1));
        return parts;
    }
    if (mode == "range-1-10")
        return {upTo(1, 10, 1)};
    if (mode == "odd")
        return {upTo(1, total, 2)};
    if (mode == "even")
        return {upTo(2, total, 2)};
    return {{3, 2, 1, 2, 2}}; // "3-1,2,2" on three pages
}

QStringList outputNames(const std::string& mode, int parts)
{
    if (mode != "every-2")
        return {"existing.pdf"};
    QStringList names;
    for (int k = 0; k < parts; ++k)
        names << QString("part Page %1-%2.pdf").arg(2 * k + 1).arg(2 * k + 2);
    return names;
}

TEST_P(HostileInputTest, EveryJobEndsCleanly)
{
    const HostileInput& input = in();
    const bool locked = input.verdict == Verdict::NeedsPassword;

    // The password check.
    bool opens = false;
    {
        Scene scene(input.bytes);
        const JobReport plain = runTestPassword(scene.input, "");
        ASSERT_TRUE(plain.child.ok()) << plain.describe();
        EXPECT_TRUE(plain.messages.isEmpty() && plain.prompts == 0) << plain.describe();
        opens = plain.verdict == "true";
        if (input.verdict == Verdict::Opens)
            EXPECT_TRUE(opens) << "a readable file was refused";
        if (input.verdict == Verdict::Refused || locked)
            EXPECT_FALSE(opens) << "an unreadable or locked file was accepted";
        if (locked) {
            EXPECT_EQ(runTestPassword(scene.input, input.password).verdict, "true");
            EXPECT_EQ(runTestPassword(scene.input, "wrong").verdict, "false");
        }
        EXPECT_EQ(scene.changed(), QStringList());
    }
    const bool readable = opens || locked;
    const std::vector<std::string> sourcePages =
        readable && input.verdict != Verdict::Either
            ? [&] {
                  Scene scene(input.bytes);
                  return pageContents(scene.input, input.password);
              }()
            : std::vector<std::string>();
    if (input.verdict != Verdict::Either && readable)
        ASSERT_EQ(int(sourcePages.size()), input.pages);

    // A split in every mode, over files already at the output names.
    for (const auto& [mode, options] : everySplitMode()) {
        SCOPED_TRACE(mode);
        Scene scene(input.bytes);
        std::vector<std::optional<QString>> answers{QString("wrong")};
        answers.push_back(locked ? std::optional<QString>(input.password) : std::nullopt);
        const QString chosen = mode == "every-2" ? scene.parts : scene.existing;
        const JobReport r = runSplit(scene.input, options, chosen, answers);
        ASSERT_TRUE(r.child.ok()) << r.describe();
        EXPECT_TRUE(r.idle);
        if (!readable) {
            // An unreadable file is said to be so, without a prompt, and nothing is written.
            EXPECT_EQ(r.prompts, 0) << r.describe();
            EXPECT_EQ(r.messages, QStringList{text::kCanNotOpen + scene.input + "\r\n" +
                                              text::kNotPdfOrDamaged})
                << r.describe();
            EXPECT_EQ(scene.changed(), QStringList());
            continue;
        }
        ASSERT_EQ(r.messages.size(), 1) << r.describe();
        const QString& msg = r.messages.first();
        const bool ok = msg == text::kSplitOk;
        if (!ok) {
            ASSERT_TRUE(msg.startsWith(text::kSplitFailed)) << r.describe();
            EXPECT_GT(msg.mid(text::kSplitFailed.size()).toInt(), 0) << r.describe();
        }
        EXPECT_EQ(r.verdict, ok ? "succeeded" : "failed");
        if (input.verdict != Verdict::Either) {
            EXPECT_TRUE(ok) << r.describe();
            const auto want = expectedPages(mode, input.pages);
            const QStringList names = outputNames(mode, int(want.size()));
            EXPECT_EQ(scene.changed(), names);
            for (int k = 0; k < names.size() && ok; ++k) {
                std::vector<std::string> expect;
                for (int p : want[size_t(k)])
                    expect.push_back(sourcePages[size_t(p - 1)]);
                // A protected source's parts keep its password.
                EXPECT_EQ(pageContents(scene.dir.path(names[k]), input.password), expect)
                    << names[k].toStdString();
            }
            continue;
        }
        // Damaged but readable: whatever was written is a whole document at an output name,
        // and a failed single-file split leaves the file that was there.
        for (const QString& name : scene.changed()) {
            EXPECT_TRUE(name == "existing.pdf" || name.startsWith("part Page "))
                << name.toStdString();
            EXPECT_GT(pageCount(scene.dir.path(name)), 0) << name.toStdString();
        }
        if (!ok && mode != "every-2")
            EXPECT_EQ(scene.changed(), QStringList());
    }

    // A merge with a good file on either side, over a file already at the output path.
    {
        Scene scene(input.bytes);
        std::vector<std::optional<QString>> answers;
        if (locked)
            answers = {QString("wrong"), input.password};
        const JobReport r =
            runMerge({scene.first, scene.input, scene.last}, scene.existing, {}, {}, answers);
        ASSERT_TRUE(r.child.ok()) << r.describe();
        EXPECT_TRUE(r.idle);
        if (locked)
            EXPECT_EQ(r.prompts, 2) << r.describe(); // a wrong answer, then the right one
        if (r.messages.isEmpty() && !locked) {
            // Damage that reads as a wrong password is asked for; unanswered, nothing is written.
            EXPECT_GT(r.prompts, 0) << r.describe();
            EXPECT_FALSE(opens);
            EXPECT_EQ(scene.changed(), QStringList());
            return;
        }
        ASSERT_EQ(r.messages.size(), 1) << r.describe();
        const QString failure = text::kMergeFailed + "002 - " + scene.input +
                                "\r\nPlease make sure it is NOT encrypted or damaged.";
        if (r.messages.first() == text::kMergeOk + (locked ? text::kMergeUnlocked : QString())) {
            EXPECT_TRUE(opens || locked) << "a file the password check refused was merged";
            EXPECT_EQ(scene.changed(), QStringList{"existing.pdf"});
            if (input.verdict != Verdict::Either) {
                const auto merged = pageContents(scene.existing);
                std::vector<std::string> expect = pageContents(scene.first);
                expect.insert(expect.end(), sourcePages.begin(), sourcePages.end());
                const auto tail = pageContents(scene.last);
                expect.insert(expect.end(), tail.begin(), tail.end());
                EXPECT_EQ(merged, expect);
            } else {
                EXPECT_GE(pageCount(scene.existing), 5);
            }
        } else {
            EXPECT_EQ(r.messages.first(), failure) << r.describe();
            EXPECT_NE(input.verdict, Verdict::Opens) << "a readable file was not merged";
            EXPECT_EQ(scene.changed(), QStringList());
        }
    }
}

std::vector<size_t> caseIndices()
{
    std::vector<size_t> v(cases().size());
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = i;
    return v;
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileInputTest, ::testing::ValuesIn(caseIndices()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             std::string name = cases()[info.param].name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
