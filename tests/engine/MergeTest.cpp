// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "EngineTestUtil.h"

#include <QDir>
#include <QFile>
#include <sys/resource.h>

using namespace paginor;
using namespace paginor::test;

namespace {

// Lowers the soft open-file limit for one test and restores it afterwards.
class FileLimit
{
public:
    explicit FileLimit(rlim_t soft)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        struct rlimit lower = m_saved;
        lower.rlim_cur = soft;
        ::setrlimit(RLIMIT_NOFILE, &lower);
    }
    ~FileLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    struct rlimit m_saved;
};

void fill(PDFLibrary& lib, const QStringList& paths)
{
    lib.NewPathList("TmpList");
    for (const auto& p : paths)
        EXPECT_TRUE(lib.AppendToPathList("TmpList", p));
}

} // namespace

TEST(Merge, JoinsInOrderIncludingRepeatsAndOwnerOnlyFiles)
{
    TempDir dir;
    PdfSpec owner = plain(2, "c");
    owner.encryption = Encryption::Rc4_128;
    owner.ownerPassword = "boss";
    PdfSpec linked = plain(3, "b");
    linked.link = true;
    linked.formField = true;
    const QStringList inputs = {makeFile(dir, "a.pdf", plain(2, "a")),
                                makeFile(dir, "b.pdf", linked), makeFile(dir, "c.pdf", owner),
                                dir.path("b.pdf")};
    PDFLibrary lib;
    fill(lib, inputs);
    EXPECT_EQ(lib.PathListEntry("TmpList", 3), inputs[2]);
    EXPECT_EQ(lib.PathListEntry("TmpList", 5), "");
    EXPECT_EQ(lib.PathListEntry("TmpList", 0), "");
    const QString out = dir.path("out.pdf");
    ASSERT_EQ(lib.MergePathList("TmpList", out), 4);
    std::vector<std::string> expected;
    for (auto part : {expectedPages("a", {1, 2}), expectedPages("b", {1, 2, 3}),
                      expectedPages("c", {1, 2}), expectedPages("b", {1, 2, 3})})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(pageTexts(out), expected);
    EXPECT_TRUE(readsCleanly(out));
}

TEST(Merge, StopsAtTheFirstFailureAndWritesNothing)
{
    TempDir dir;
    PdfSpec locked = plain(2, "x");
    locked.encryption = Encryption::Aes_256;
    locked.userPassword = "pw";
    const QString a = makeFile(dir, "a.pdf", plain(1, "a"));
    const QString locked1 = makeFile(dir, "locked.pdf", locked);
    QFile junk(dir.path("junk.pdf"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a pdf at all");
    junk.close();
    struct Case
    {
        QStringList inputs;
        int32_t joined;
        EngineError error;
    };
    for (const auto& c : {Case{{a, a, locked1, a}, 2, EngineError::PasswordRequired},
                          Case{{junk.fileName(), a}, 0, EngineError::NotPdfOrDamaged},
                          Case{{a, dir.path("missing.pdf")}, 1, EngineError::FileNotFound},
                          Case{{}, 0, EngineError::EmptySelection}}) {
        PDFLibrary lib;
        fill(lib, c.inputs);
        EXPECT_EQ(lib.MergePathList("TmpList", dir.path("out.pdf")), c.joined);
        EXPECT_EQ(lib.LastErrorNumber(), int32_t(c.error));
        EXPECT_FALSE(QFile::exists(dir.path("out.pdf")));
    }
    PDFLibrary lib;
    EXPECT_EQ(lib.MergePathList("NoSuchList", dir.path("out.pdf")), 0);
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::UnknownList));
}

TEST(Merge, EachEntryOpensWithItsOwnPassword)
{
    // With form fields every input is read before writing, and past the open-file budget the
    // later ones are reopened: they must open with their own password again.
    for (bool forms : {false, true}) {
        SCOPED_TRACE(forms ? "forms" : "plain");
        TempDir dir;
        PdfSpec a = plain(1, "a");
        a.encryption = Encryption::Aes_128; // cheap to open, unlike 256-bit keys
        a.userPassword = "pa";
        a.ownerPassword = "owner";
        a.formField = forms;
        PdfSpec b = plain(1, "b");
        b.encryption = Encryption::Rc4_128;
        b.userPassword = "pb";
        b.ownerPassword = "owner";
        const QString pa = makeFile(dir, "a.pdf", a);
        const QString pb = makeFile(dir, "b.pdf", b);
        PDFLibrary lib;
        lib.NewPathList("L");
        for (int i = 0; i < 240; ++i)
            lib.AppendToPathList("L", i % 2 ? pb : pa, i % 2 ? "pb" : "pa");
        FileLimit limit(256);
        ASSERT_EQ(lib.MergePathList("L", dir.path("out.pdf")), 240);
        const auto texts = pageTexts(dir.path("out.pdf"));
        ASSERT_EQ(texts.size(), 240u);
        EXPECT_EQ(texts[238], "a page 1");
        EXPECT_EQ(texts[239], "b page 1");
        EXPECT_EQ(lib.PathListEntry("L", 2), pb);

        lib.AppendToPathList("L", pa, "wrong");
        EXPECT_EQ(lib.MergePathList("L", dir.path("bad.pdf")), 240);
        EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::PasswordRequired));
        EXPECT_FALSE(QFile::exists(dir.path("bad.pdf")));
    }
}

TEST(Merge, ThousandsOfInputsUnderALowOpenFileLimit)
{
    TempDir dir;
    const int count = 1500;
    QStringList inputs;
    for (int i = 0; i < 5; ++i)
        makeFile(dir, QString("m%1.pdf").arg(i), plain(1, QString("m%1").arg(i)));
    for (int i = 0; i < count; ++i)
        inputs << dir.path(QString("m%1.pdf").arg(i % 5));
    PDFLibrary lib;
    fill(lib, inputs);
    int calls = 0;
    lib.setProgressHandler([&](int done, int total) {
        EXPECT_LE(done, total);
        ++calls;
    });
    FileLimit limit(256);
    ASSERT_EQ(lib.MergePathList("TmpList", dir.path("all.pdf")), count);
    const auto texts = pageTexts(dir.path("all.pdf"));
    ASSERT_EQ(texts.size(), size_t(count));
    EXPECT_EQ(texts[1499], "m4 page 1");
    EXPECT_EQ(texts[7], "m2 page 1");
    EXPECT_TRUE(readsCleanly(dir.path("all.pdf")));
    EXPECT_GT(calls, 0);
}

TEST(Merge, AnInputRemovedDuringTheMergeIsBlamedAndNothingIsWritten)
{
    // Plain inputs are written as they are read; inputs with form fields are all read first
    // (the later ones held closed under the low limit) and written at the end.
    for (bool forms : {false, true}) {
        SCOPED_TRACE(forms ? "forms" : "plain");
        TempDir dir;
        QStringList inputs;
        for (int i = 0; i < 300; ++i) {
            PdfSpec recipe = plain(1, QString("m%1").arg(i));
            recipe.formField = forms;
            inputs << makeFile(dir, QString("m%1.pdf").arg(i), recipe);
        }
        PDFLibrary lib;
        fill(lib, inputs);
        // Removed once all are read (forms), or long before the last is read (plain).
        lib.setProgressHandler([&](int done, int) {
            if (done == (forms ? 300 : 1))
                QFile::remove(inputs.last());
        });
        FileLimit limit(256);
        EXPECT_EQ(lib.MergePathList("TmpList", dir.path("all.pdf")), 299);
        EXPECT_EQ(lib.LastErrorNumber(),
                  int32_t(forms ? EngineError::InputChanged : EngineError::FileNotFound));
        EXPECT_FALSE(QFile::exists(dir.path("all.pdf")));
        EXPECT_EQ(QDir(dir.root()).entryList(QDir::Files | QDir::Hidden).size(), 299);
    }
}
