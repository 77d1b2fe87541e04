#include "generators/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace rowsmith {
namespace {

struct IntegerCase {
    const char* text;
    std::int64_t expected;
};

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, ReadsAsFarAsTheNumberGoes) {
    EXPECT_EQ(parseInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntegerTest,
    ::testing::Values(IntegerCase{"", 0}, IntegerCase{"abc", 0}, IntegerCase{"42", 42},
                      IntegerCase{"  \t 17", 17}, IntegerCase{"+7", 7}, IntegerCase{"-3", -3},
                      IntegerCase{"- 3", 0}, IntegerCase{"12abc", 12}, IntegerCase{"12.9", 12},
                      IntegerCase{"$FF", 255}, IntegerCase{"$ff", 255}, IntegerCase{"-$10", -16},
                      IntegerCase{"$1g", 1}, IntegerCase{"$", 0}, IntegerCase{"%101", 5},
                      IntegerCase{"%102", 2}, IntegerCase{"+%11", 3}, IntegerCase{"\n5", 0},
                      IntegerCase{"0012", 12}, IntegerCase{"9223372036854775807", INT64_MAX},
                      IntegerCase{"-9223372036854775808", INT64_MIN},
                      // No overflow check: the digits wrap modulo 2^64.
                      IntegerCase{"9223372036854775808", INT64_MIN},
                      IntegerCase{"18446744073709551617", 1},
                      IntegerCase{"$FFFFFFFFFFFFFFFF", -1}));

TEST(FormatInteger, WritesPlainDecimalDigits) {
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(1234567), "1234567");
    EXPECT_EQ(formatInteger(-42), "-42");
    EXPECT_EQ(formatInteger(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(formatInteger(INT64_MAX), "9223372036854775807");
}

struct DecimalCase {
    const char* text;
    double expected;
};

class ParseDecimalTest : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTest, ReadsLocaleIndependentDecimals) {
    EXPECT_DOUBLE_EQ(parseDecimal(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDecimalTest,
    ::testing::Values(DecimalCase{"", 0}, DecimalCase{"x", 0}, DecimalCase{"9.99", 9.99},
                      DecimalCase{"  -1.5", -1.5}, DecimalCase{"+2", 2}, DecimalCase{"4,50", 4},
                      DecimalCase{".5", 0.5}, DecimalCase{"5.", 5}, DecimalCase{".", 0},
                      DecimalCase{"1.5e1", 15}, DecimalCase{"2E-2", 0.02}, DecimalCase{"3e", 3},
                      DecimalCase{"3e+", 3}, DecimalCase{"7.25abc", 7.25}, DecimalCase{"inf", 0},
                      DecimalCase{"nan", 0}, DecimalCase{"1e999", 0}, DecimalCase{"-1e999", 0},
                      DecimalCase{"1e-999", 0}));

TEST(FormatPrice, WritesTwoDecimalsRounded) {
    EXPECT_EQ(formatPrice(0), "0.00");
    EXPECT_EQ(formatPrice(-0.0), "0.00");
    EXPECT_EQ(formatPrice(-0.001), "0.00");
    EXPECT_EQ(formatPrice(5), "5.00");
    EXPECT_EQ(formatPrice(9.99 + 10.0), "19.99");
    EXPECT_EQ(formatPrice(-1), "-1.00");
    EXPECT_EQ(formatPrice(1234567.891), "1234567.89");
    EXPECT_EQ(formatPrice(0.126), "0.13");
    EXPECT_EQ(formatPrice(std::numeric_limits<double>::infinity()), "0.00");
    EXPECT_EQ(formatPrice(std::nan("")), "0.00");
    EXPECT_EQ(formatPrice(1e20), "100000000000000000000.00");
    EXPECT_EQ(formatPrice(-12.345), "-12.35"); // the double lies just above -12.345
    EXPECT_EQ(formatPrice(0.125), "0.12");     // exactly half a cent: to the even cent
}

// The whole-cents shortcut must give what exact decimal rounding of the double gives, also for
// values a hair's breadth from half a cent.
TEST(FormatPrice, AgreesWithExactRoundingNearHalfCents) {
    const auto exact = [](double value) {
        char buffer[400];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
        std::string text(buffer, end);
        return text == "-0.00" ? std::string("0.00") : text;
    };
    for (long cents = -100000; cents <= 100000; cents += 7) {
        const double half = (static_cast<double>(cents) + 0.5) / 100.0;
        for (const double value :
             {half, std::nextafter(half, 1e300), std::nextafter(half, -1e300),
              static_cast<double>(cents) / 100.0, 9.99 + static_cast<double>(cents) / 100.0}) {
            ASSERT_EQ(formatPrice(value), exact(value)) << value;
        }
    }
}

} // namespace
} // namespace rowsmith
