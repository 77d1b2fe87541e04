#include "generators/numbers.h"
#include "generators/rangegenerators.h"
#include "tests/support/scriptedrandom.h"

#include <set>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

using test::ScriptedRandomSource;

TEST(DrawNumberInRange, HandsTheSpanToTheSourceAndAddsTheOffset) {
    ScriptedRandomSource random({0, 6, 3, 0});
    EXPECT_EQ(drawNumberInRange(-3, 3, random), -3);
    EXPECT_EQ(drawNumberInRange(-3, 3, random), 3);
    EXPECT_EQ(drawNumberInRange(16, 31, random), 19);
    EXPECT_EQ(drawNumberInRange(5, 5, random), 5);
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{6, 6, 15, 0}));
}

TEST(DrawNumberInRange, BoundsInTheWrongOrderDrawBetweenThem) {
    ScriptedRandomSource random({0, 10});
    EXPECT_EQ(drawNumberInRange(10, 0, random), 0);
    EXPECT_EQ(drawNumberInRange(10, 0, random), 10);
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{10, 10}));
}

TEST(DrawNumberInRange, CoversTheFullSixtyFourBitSpanWithoutOverflow) {
    ScriptedRandomSource random({0, UINT64_MAX, 2});
    EXPECT_EQ(drawNumberInRange(INT64_MAX, INT64_MIN, random), INT64_MIN);
    EXPECT_EQ(drawNumberInRange(INT64_MIN, INT64_MAX, random), INT64_MAX);
    const std::int64_t big = 5000000000;
    EXPECT_EQ(drawNumberInRange(big, big + 2, random), big + 2);
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{UINT64_MAX, UINT64_MAX, 2}));
}

TEST(DrawPrice, DrawsCentsBetweenTheBounds) {
    ScriptedRandomSource random({0, 1000, 0, 100, 200, 500});
    EXPECT_EQ(formatPrice(drawPrice(9.99, 19.99, random)), "9.99");
    EXPECT_EQ(formatPrice(drawPrice(9.99, 19.99, random)), "19.99");
    EXPECT_EQ(formatPrice(drawPrice(5, 5, random)), "5.00");
    EXPECT_EQ(formatPrice(drawPrice(-1, 1, random)), "0.00");
    EXPECT_EQ(formatPrice(drawPrice(1, -1, random)), "1.00");
    EXPECT_EQ(formatPrice(drawPrice(15, 20, random)), "20.00");
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{1000, 1000, 0, 200, 200, 500}));
}

TEST(DrawPrice, RoundsHalfCentStepsToEven) {
    // 0.005 apart: half a step rounds to the even count, 0.
    ScriptedRandomSource random({0});
    drawPrice(0, 0.005, random);
    EXPECT_EQ(random.maxima(), (std::vector<std::uint64_t>{0}));
}

TEST(DrawPrice, FarApartBoundsStayFiniteAndBetweenThem) {
    ScriptedRandomSource random({0, 4294967296ULL * 100, (std::uint64_t{1} << 53) - 1, 0});
    EXPECT_EQ(formatPrice(drawPrice(0, 4294967296.0, random)), "0.00");
    EXPECT_EQ(formatPrice(drawPrice(0, 4294967296.0, random)), "4294967296.00");
    const double huge = 1e300;
    EXPECT_EQ(drawPrice(-huge, huge, random), huge);
    EXPECT_EQ(drawPrice(-huge, huge, random), -huge);
}

TEST(SystemRandomSource, EveryValueOfASmallRangeAppearsAndNothingOutside) {
    SystemRandomSource random;
    std::set<std::int64_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const auto value = drawNumberInRange(-3, 3, random);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, 3);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(SystemRandomSource, DrawsStayWithinAnyMaximum) {
    SystemRandomSource random(12345);
    for (std::uint64_t max : std::vector<std::uint64_t>{0, 1, 2, 1000, (1ULL << 63) + 5, UINT64_MAX - 1}) {
        for (int i = 0; i < 200; ++i)
            ASSERT_LE(random.uniform(max), max);
    }
}

} // namespace
} // namespace rowsmith
