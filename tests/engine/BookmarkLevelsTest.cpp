// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "EngineTestUtil.h"
#include "support/OutlineFactory.h"

using namespace paginor;
using namespace paginor::test;

TEST(BookmarkLevelsTest, EveryKindOfTargetIsFollowedAndLoopsAreReadOnce)
{
    TempDir dir;
    PDFLibrary engine;
    std::vector<BookmarkLevel> marks;
    EXPECT_FALSE(engine.readBookmarks(marks));

    ASSERT_TRUE(engine.OpenDocument(makeChapterBook(dir, "book.pdf"), QString()));
    ASSERT_EQ(engine.PickPages("7"), 1); // pages stay counted in the source
    ASSERT_TRUE(engine.readBookmarks(marks));
    const auto outline = chapterOutline();
    ASSERT_EQ(marks.size(), outline.size());
    for (size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i].level, outline[i].level) << i;
        EXPECT_EQ(marks[i].title.toStdString(), outline[i].title) << i;
        EXPECT_EQ(marks[i].page, outline[i].page - 1) << i; // 0 leads nowhere: kNowhere
    }

    ASSERT_TRUE(engine.OpenDocument(makeFile(dir, "plain.pdf", plain(2, "p")), QString()));
    EXPECT_TRUE(engine.readBookmarks(marks));
    EXPECT_TRUE(marks.empty());
}
