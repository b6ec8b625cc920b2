#include "engine/PDFLibrary.h"

#include <gtest/gtest.h>

TEST(EngineSmoke, ProbeHandlesArePositive)
{
    paginor::PDFLibrary lib;
    EXPECT_GT(lib.ProbeOpen("/nonexistent.pdf", ""), 0);
}
