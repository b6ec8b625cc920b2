// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "EngineTestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

using namespace paginor;
using namespace paginor::test;

namespace {

// Files in a folder, apart from the ones named.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace

TEST(Write, OverTheOpenInputReplacesItAndLaterOpensSeeTheNewFile)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(6, "w"));
    ::chmod(QFile::encodeName(src).constData(), 0640);
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("6,1"), 1);
    ASSERT_TRUE(lib.WriteToFile(src));
    EXPECT_EQ(pageTexts(src), expectedPages("w", {6, 1}));
    EXPECT_EQ(modeOf(src), mode_t(0640));
    // The cached parse of the old file is not reused for the new one.
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    EXPECT_EQ(lib.GetPageTotal(), 2);
    ASSERT_EQ(lib.PickPages("2"), 1);
    ASSERT_TRUE(lib.WriteToFile(dir.path("again.pdf")));
    EXPECT_EQ(pageTexts(dir.path("again.pdf")), expectedPages("w", {1}));
    EXPECT_EQ(filesIn(dir.root()), (QStringList{"again.pdf", "src.pdf"}));
}

TEST(Write, NewFilesGetTheUsualPermissions)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(1, "p"));
    const mode_t old = ::umask(022);
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    const bool written = lib.WriteToFile(dir.path("new.pdf"));
    ::umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(dir.path("new.pdf")), mode_t(0644));
}

TEST(Write, AFailingStreamLeavesNothingAndKeepsTheOldFile)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(3, "full"));
    const QString target = dir.path("target.pdf");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("precious");
    old.close();

    PDFLibrary lib;
    lib.setStreamOpener([](const std::string&) { return std::fopen("/dev/full", "wb"); });
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    EXPECT_FALSE(lib.WriteToFile(target));
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::WriteFailed));
    EXPECT_EQ(fileBytes(target), "precious");
    EXPECT_FALSE(lib.WriteToFile(dir.path("fresh.pdf")));
    EXPECT_EQ(filesIn(dir.root()), (QStringList{"src.pdf", "target.pdf"}));

    lib.NewPathList("L");
    lib.AppendToPathList("L", src);
    lib.AppendToPathList("L", src);
    EXPECT_LT(lib.MergePathList("L", dir.path("merged.pdf")), 2);
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::WriteFailed));
    EXPECT_EQ(filesIn(dir.root()), (QStringList{"src.pdf", "target.pdf"}));

    // A stream that cannot be opened at all fails the same way.
    lib.setStreamOpener([](const std::string&) { return nullptr; });
    EXPECT_FALSE(lib.WriteToFile(target));
    EXPECT_EQ(fileBytes(target), "precious");
}

TEST(Write, FoldersDevicesAndMissingFoldersAreRefused)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(2, "t"));
    ASSERT_TRUE(QDir(dir.root()).mkdir("sub"));
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    for (const QString& target :
         {dir.path("sub"), QString("/dev/null"), dir.path("no/such.pdf"), QString()}) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_FALSE(lib.WriteToFile(target));
        EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::WriteFailed));
    }
    EXPECT_TRUE(QFileInfo(dir.path("sub")).isDir());
    EXPECT_EQ(filesIn(dir.root()), QStringList{"src.pdf"});
}

TEST(Write, AnInputRemovedBeforeTheWriteStillGivesACompleteFile)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(4, "gone"));
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("3-4"), 1);
    ASSERT_TRUE(QFile::remove(src));
    // The open file still reads; what is written must be whole.
    ASSERT_TRUE(lib.WriteToFile(dir.path("out.pdf")));
    EXPECT_EQ(pageTexts(dir.path("out.pdf")), expectedPages("gone", {3, 4}));
    EXPECT_FALSE(lib.OpenDocument(src, ""));
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::FileNotFound));
}

TEST(Write, AnInputChangedInPlaceBeforeTheWriteFailsIt)
{
    TempDir dir;
    const QString src = makeFile(dir, "src.pdf", plain(4, "chg"));
    PDFLibrary lib;
    ASSERT_TRUE(lib.OpenDocument(src, ""));
    ASSERT_EQ(lib.PickPages("1"), 1);
    {
        QFile f(src);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(f.size());
        f.write("\n% appended\n");
    }
    EXPECT_FALSE(lib.WriteToFile(dir.path("out.pdf")));
    EXPECT_EQ(lib.LastErrorNumber(), int32_t(EngineError::InputChanged));
    EXPECT_FALSE(QFile::exists(dir.path("out.pdf")));
}
