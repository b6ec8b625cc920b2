// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/SourceCache.h"

#include "EngineTestUtil.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>

using namespace paginor;
using namespace paginor::test;

TEST(SourceCache, ReusesAnUnchangedFileAndReparsesAChangedOne)
{
    TempDir dir;
    const QString path = makeFile(dir, "a.pdf", plain(3, "a"));
    const std::string local = QFile::encodeName(path).toStdString();
    SourceCache cache;
    auto first = cache.open(local, "");
    EXPECT_EQ(cache.open(local, "").get(), first.get());
    // Another password is another opening.
    EXPECT_NE(cache.open(local, "x").get(), first.get());
    auto again = cache.open(local, "");
    EXPECT_EQ(again->pageCount(), 3);

    // Same size, new modification time: parsed again.
    struct timespec times[2] = {{0, UTIME_OMIT}, {12345, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, local.c_str(), times, 0), 0);
    auto changed = cache.open(local, "");
    EXPECT_NE(changed.get(), again.get());

    // Replaced by another file under the same name.
    makePdf(path, plain(5, "b"));
    EXPECT_EQ(cache.open(local, "")->pageCount(), 5);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_THROW(cache.open(local, ""), EngineFailure);
}
