#include "foundation/OMMoney.h"
#include "foundation/OMWideArithmetic.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using ombrel::OMMoney;
using ombrel::OMString;

TEST(Money, PrintsTwoDecimalsWithGroupedThousands)
{
    EXPECT_EQ(OMMoney(0).toString(), "0.00");
    EXPECT_EQ(OMMoney(1200).toString(), "12.00");
    EXPECT_EQ(OMMoney(123456).toString(), "1,234.56");
    EXPECT_EQ(OMMoney(-500).toString(), "-5.00");
    EXPECT_EQ(OMMoney(-5).toString(), "-0.05");
    EXPECT_EQ(OMMoney(int64_t(100000000000)).toString(), "1,000,000,000.00");
    EXPECT_EQ(OMMoney(-123456).toPlainString(), "-1234.56");
    EXPECT_EQ(OMMoney(std::numeric_limits<int64_t>::min()).toString(),
              "-92,233,720,368,547,758.08");
}

TEST(Money, ReadsGroupedPlainAndShortForms)
{
    EXPECT_EQ(OMMoney("1,234.56").value(), 123456);
    EXPECT_EQ(OMMoney("1234.56").value(), 123456);
    EXPECT_EQ(OMMoney("12").value(), 1200);
    EXPECT_EQ(OMMoney("12.5").value(), 1250);
    EXPECT_EQ(OMMoney(".5").value(), 50);
    EXPECT_EQ(OMMoney("-3").value(), -300);
    EXPECT_EQ(OMMoney("12.").value(), 1200);
    EXPECT_EQ(OMMoney("  \t7.10 \t").value(), 710);
    EXPECT_EQ(OMMoney("+4.00").value(), 400);
    EXPECT_EQ(OMMoney("-0.05").value(), -5);
}

TEST(Money, TruncatesFurtherDecimalsTowardZero)
{
    EXPECT_EQ(OMMoney("1.239").value(), 123);
    EXPECT_EQ(OMMoney("-1.239").value(), -123);
    EXPECT_EQ(OMMoney("0.0099999").value(), 0);
}

TEST(Money, TextThatIsNotANumberReadsAsZero)
{
    for (const char* text : {"", " ", "abc", "12a", "1.2.3", "£12", "-", ".", "1 2", "1e5", ","})
        EXPECT_EQ(OMMoney(text).value(), 0) << text;
}

TEST(Money, ClampsOutOfRangeAmounts)
{
    EXPECT_EQ(OMMoney("99999999999999999999999999").value(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(OMMoney("-99999999999999999999999999").value(), std::numeric_limits<int64_t>::min());
    EXPECT_EQ((OMMoney(std::numeric_limits<int64_t>::max()) + OMMoney(1)).value(),
              std::numeric_limits<int64_t>::max());
    EXPECT_EQ((-OMMoney(std::numeric_limits<int64_t>::min())).value(),
              std::numeric_limits<int64_t>::max());
}

TEST(Money, EveryAmountReadsBackToItself)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int64_t> any(std::numeric_limits<int64_t>::min(),
                                               std::numeric_limits<int64_t>::max());
    std::uniform_int_distribution<int64_t> small(-10000000, 10000000);
    for (int i = 0; i < 20000; ++i) {
        const OMMoney amount(i % 2 ? any(random) : small(random));
        EXPECT_EQ(OMMoney(amount.toString()), amount) << amount.toString().str();
        EXPECT_EQ(OMMoney(amount.toPlainString()), amount);
    }
}

TEST(Money, ProductsWithDecimalQuantitiesAreExact)
{
    // The binary nearest to 1.15 lies below it; the product must not lose a penny.
    EXPECT_EQ(OMMoney(100).multipliedBy(1.15).value(), 115);
    EXPECT_EQ(OMMoney(2500).multipliedBy(25.15).value(), 62875);
    EXPECT_EQ(OMMoney(1).multipliedBy(0.29).value(), 0); // 0.29 hundredths truncates
    EXPECT_EQ(OMMoney(100).multipliedBy(0.29).value(), 29);
    EXPECT_EQ(OMMoney(333).multipliedBy(2.5).value(), 832);
    EXPECT_EQ(OMMoney(-333).multipliedBy(2.5).value(), -832);
    EXPECT_EQ(OMMoney(1000).multipliedBy(std::numeric_limits<double>::quiet_NaN()).value(), 0);
    EXPECT_EQ(OMMoney(1000).multipliedBy(1e300).value(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(OMMoney(99).scaledBy(1750, 10000).value(), 17);
}

TEST(Money, WideArithmeticWithoutA128BitType)
{
    using ombrel::OMWideArithmetic;
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    // The portable path agrees with the built-in one everywhere, clamps included.
    std::mt19937_64 random(99);
    std::uniform_int_distribution<int64_t> any(min, max);
    std::uniform_int_distribution<int64_t> small(-2000000, 2000000);
    for (int i = 0; i < 200000; ++i) {
        const int64_t a = i % 3 ? small(random) * 1000 : any(random);
        const int64_t b = i % 2 ? small(random) : any(random);
        int64_t c = i % 5 ? small(random) : any(random);
        if (i % 7 == 0)
            c = 1000000;
        ASSERT_EQ(OMWideArithmetic::mulDivPortable(a, b, c), OMWideArithmetic::mulDiv(a, b, c))
            << a << " * " << b << " / " << c;
    }
    for (const int64_t edge : {min, min + 1, int64_t(-1), int64_t(0), int64_t(1), max - 1, max}) {
        for (const int64_t factor : {min, int64_t(-1), int64_t(0), int64_t(1), int64_t(2), max})
            for (const int64_t divisor :
                 {min, int64_t(-3), int64_t(-1), int64_t(1), int64_t(7), max})
                EXPECT_EQ(OMWideArithmetic::mulDivPortable(edge, factor, divisor),
                          OMWideArithmetic::mulDiv(edge, factor, divisor))
                    << edge << " * " << factor << " / " << divisor;
    }
    EXPECT_EQ(OMWideArithmetic::mulDiv(-333, 25, 10), -832); // truncated toward zero
    EXPECT_EQ(OMWideArithmetic::mulDiv(5, 5, 0), 0);
    EXPECT_EQ(OMWideArithmetic::add(max, 1), max);
    EXPECT_EQ(OMWideArithmetic::subtract(min, 1), min);
    EXPECT_EQ(OMWideArithmetic::negate(min), max);
}
