#include "foundation/OMBool.h"
#include "foundation/OMDouble.h"
#include "foundation/OMMoney.h"
#include "foundation/OMString.h"
#include "foundation/OMUInt32.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <random>

using namespace ombrel;

namespace {

// Switches the process to a locale that writes "7,5" for seven and a half.
class GermanLocale
{
public:
    GermanLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_ALL, name))
                break;
    }
    ~GermanLocale()
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
};

} // namespace

TEST(NumberText, DoublesIgnoreTheUserLocale)
{
    GermanLocale german;
    EXPECT_EQ(OMDouble(7.5).toString("%f"), "7.500000");
    EXPECT_DOUBLE_EQ(OMDouble::fromText("12.5"), 12.5);
    EXPECT_EQ(OMString::format("%u|%.2f", 42u, 0.5), "42|0.50");
    EXPECT_EQ(OMMoney(123456).toString(), "1,234.56");
}

TEST(NumberText, DoublesReadOnlyWholeNumbers)
{
    EXPECT_DOUBLE_EQ(OMDouble::fromText(" 3.25 "), 3.25);
    EXPECT_DOUBLE_EQ(OMDouble::fromText("-1"), -1.0);
    EXPECT_DOUBLE_EQ(OMDouble::fromText("+2"), 2.0);
    for (const char* text : {"", "abc", "7,5", "1.5x", "inf", "nan", "1e999", "--1"})
        EXPECT_EQ(OMDouble::fromText(text), 0.0) << text;
    // Huge values are held where their sums stay finite.
    EXPECT_EQ(OMDouble::fromText("1e308"), OMDouble::MaxMagnitude);
    EXPECT_EQ(OMDouble::fromText("-1e308"), -OMDouble::MaxMagnitude);
    // Within the range every six-decimal figure is exact, so 1.00 times it
    // is its own amount; beyond it the figure is held at the range's end.
    const std::pair<const char*, int64_t> quantities[] = {
        {"999999999.999999", 99999999999},
        {"-999999999.999999", -99999999999},
        {"123456789012.345678", 100000000000},
        {"-1e12", -100000000000},
    };
    for (const auto& [text, hundredths] : quantities)
        EXPECT_EQ(OMMoney(100).multipliedBy(OMDouble::fromText(text)).value(), hundredths) << text;
}

TEST(NumberText, UnsignedAndFlags)
{
    EXPECT_EQ(OMUInt32::fromText("17"), 17u);
    EXPECT_EQ(OMUInt32::fromText(" 0042 "), 42u);
    EXPECT_EQ(OMUInt32::fromText("99999999999"), 4294967295u);
    for (const char* text : {"", "-1", "1.5", "x", "12 3"})
        EXPECT_EQ(OMUInt32::fromText(text), 0u) << text;
    EXPECT_EQ(OMUInt32(101).toString(), "101");
    EXPECT_TRUE(OMBool::fromText("1"));
    EXPECT_TRUE(OMBool::fromText("2"));
    EXPECT_FALSE(OMBool::fromText("0"));
    EXPECT_FALSE(OMBool::fromText("yes"));
    EXPECT_EQ(OMBool(true).toString(), "1");
}

TEST(NumberText, StringOperations)
{
    OMString s("Hello World");
    EXPECT_TRUE(s.startsWith("hello", OMString::CaseInsensitive));
    EXPECT_FALSE(s.startsWith("hello"));
    EXPECT_TRUE(s.endsWith("WORLD", 1));
    EXPECT_EQ(s.first('o'), 4);
    EXPECT_EQ(s.first('z'), -1);
    EXPECT_EQ(s.mid(6), "World");
    EXPECT_EQ(s.mid(99), "");
    EXPECT_EQ(s.left(-1), "");
    OMString bars("a|b||c");
    EXPECT_EQ(bars.replaceAll("|", "\n"), 3);
    EXPECT_EQ(bars, "a\nb\n\nc");
    EXPECT_EQ(OMString("  -12x").toInt32(), -12);
    EXPECT_EQ(OMString("99999999999").toInt32(), 2147483647);
}

TEST(NumberText, NoTextCrashesAParser)
{
    std::mt19937 random(7);
    const std::string alphabet = "0123456789.,-+ \t|eE%xX\xC2\xA3\xFF";
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        const int length = int(random() % 40);
        for (int k = 0; k < length; ++k)
            text += (random() % 8) ? alphabet[random() % alphabet.size()] : char(random() % 256);
        const OMString input(text);
        (void)OMMoney(input);
        (void)OMDouble::fromText(input);
        (void)OMUInt32::fromText(input);
        (void)OMBool::fromText(input);
        (void)input.toInt32();
        // A number that reads at all prints back to a text that reads the same.
        const OMMoney money(input);
        EXPECT_EQ(OMMoney(money.toString()), money);
    }
}
