// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/SizeParts.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>

using namespace paginor;

// The cut by size against files whose written size is known: each page's own bytes, one
// object every page shares (a font), and a fixed cost per file, the estimate missing the true
// size by `scale`. Whatever the estimate says, every kept file is within the limit unless it is
// one page, each is as long as fits, and a file that was there before is never removed.
TEST(SizeParts, KeepsEachFileWithinTheLimitAndAsLongAsFits)
{
    const struct
    {
        std::vector<int64_t> pages;
        double scale; // written bytes per estimated byte
        int64_t limit;
        std::vector<std::pair<int32_t, int32_t>> parts;
        bool existing; // every part's name is taken before the split
    } cases[] = {
        {{10, 10, 10, 10, 10, 10, 10}, 1.0, 60, {{1, 4}, {5, 7}}, false},
        {{10, 10, 10, 10, 10, 10, 10}, 0.5, 30, {{1, 4}, {5, 7}}, false},
        {{10, 10, 10, 10, 10, 10, 10}, 2.0, 120, {{1, 4}, {5, 7}}, true},
        {{5, 90, 5, 5, 200, 5}, 1.0, 50, {{1, 1}, {2, 2}, {3, 4}, {5, 5}, {6, 6}}, false},
        {{1, 1, 1}, 3.0, 1000, {{1, 3}}, false},
        {std::vector<int64_t>(400, 3), 0.8, 500, {}, false}, // many pages: see below
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(++n);
        PageWeights weights;
        weights.objectBytes = c.pages;
        weights.objectBytes.push_back(10); // the shared font
        for (size_t k = 0; k < c.pages.size(); ++k)
            weights.pageObjects.push_back({int32_t(k), int32_t(c.pages.size())});
        SizeEstimate estimate(weights);
        const auto trueSize = [&](int32_t first, int32_t last) {
            const int64_t own =
                std::accumulate(c.pages.begin() + first - 1, c.pages.begin() + last, int64_t(0));
            return int64_t(double(own + 10 + 10) * c.scale); // font and the file's own cost
        };

        std::map<std::pair<int32_t, int32_t>, int64_t> files; // what is on disk
        int writes = 0;
        SizeTrials trials;
        trials.write = [&](int32_t first, int32_t last, const std::function<bool(int64_t)>& keep) {
            ++writes;
            const int64_t size = trueSize(first, last);
            if (keep(size))
                files[{first, last}] = size;
            return size;
        };
        trials.isNew = [&](int32_t first, int32_t last) {
            return !c.existing && !files.count({first, last});
        };
        trials.remove = [&](int32_t first, int32_t last) {
            EXPECT_FALSE(c.existing);
            files.erase({first, last});
        };
        std::vector<SizedPart> parts;
        ASSERT_TRUE(cutBySize(estimate, c.limit, trials, parts));

        const auto total = int32_t(c.pages.size());
        int32_t next = 1;
        for (const SizedPart& part : parts) {
            EXPECT_EQ(part.first, next);
            EXPECT_TRUE(part.bytes <= c.limit || part.first == part.last);
            EXPECT_EQ(part.bytes, trueSize(part.first, part.last));
            if (part.last < total)
                EXPECT_GT(trueSize(part.first, part.last + 1), c.limit);
            EXPECT_TRUE(files.count({part.first, part.last}));
            next = part.last + 1;
        }
        EXPECT_EQ(next, total + 1);
        EXPECT_EQ(files.size(), parts.size());
        if (!c.parts.empty()) {
            std::vector<std::pair<int32_t, int32_t>> got;
            for (const SizedPart& part : parts)
                got.emplace_back(part.first, part.last);
            EXPECT_EQ(got, c.parts);
        }
        // A few writes a file, not one per page.
        EXPECT_LE(writes, 4 * int(parts.size()) + 2);
    }
}
