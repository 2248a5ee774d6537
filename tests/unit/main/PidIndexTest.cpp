#include "ui/main/PidIndex.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PidIndex, FindsEveryIdentifierAmongManyAndKeepsTheFirstRow) {
    // Windows-like identifiers (multiples of four), a few huge ones, and 0.
    PidIndex index(5003);
    for (int row = 0; row < 5000; ++row) index.Add(4u * static_cast<std::uint32_t>(row) + 4u, row);
    index.Add(0, 5000);
    index.Add(0xFFFFFFFCu, 5001);
    index.Add(8, 9999);  // a second row for pid 8: the first one stays
    for (int row = 0; row < 5000; ++row) ASSERT_EQ(index.RowOf(4u * static_cast<std::uint32_t>(row) + 4u), row);
    EXPECT_EQ(index.RowOf(0), 5000);
    EXPECT_EQ(index.RowOf(0xFFFFFFFCu), 5001);
    EXPECT_EQ(index.RowOf(8), 1);
    EXPECT_EQ(index.RowOf(2), -1);
    EXPECT_EQ(index.RowOf(4u * 5000u + 4u), -1);
}

TEST(PidIndex, AnEmptyIndexFindsNothing) {
    PidIndex index(0);
    EXPECT_EQ(index.RowOf(4), -1);
    index.Add(4, 0);
    EXPECT_EQ(index.RowOf(4), 0);
}

}  // namespace
}  // namespace velmora
