#include "settings/SettingsStore.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace ombrel;

namespace {

class DateEntry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    }
};

int thisYear()
{
    return OMDate::today().year();
}

} // namespace

// The entry as the fields use it: the text rewritten and the date set on
// success, both left as they were and the reason kept otherwise.
static bool parse(OMString& text, OMDate& date, OMString* error = nullptr)
{
    const SettingsStore::DateEntry entry = SettingsStore::parseDateEntry(text);
    if (error)
        *error = entry.error;
    if (!entry.ok())
        return false;
    text = entry.text;
    date = entry.date;
    return true;
}

TEST_F(DateEntry, DayFirstAndMonthFirst)
{
    OMString text("2.3.07");
    OMDate date;
    ASSERT_TRUE(parse(text, date));
    EXPECT_EQ(date, OMDate(2, 3, thisYear() / 100 * 100 + 7, true));
    EXPECT_EQ(text, date.toString("DD/MM/YYYY"));

    SettingsStore::set(SettingKeys::DateFormat, "MM/DD/YYYY");
    text = "2.3.07";
    ASSERT_TRUE(parse(text, date));
    EXPECT_EQ(date, OMDate(3, 2, thisYear() / 100 * 100 + 7, true));
    EXPECT_EQ(text, date.toString("MM/DD/YYYY"));
}

TEST_F(DateEntry, YearsAndExtraParts)
{
    OMString text("5/6");
    OMDate date;
    ASSERT_TRUE(parse(text, date));
    EXPECT_EQ(date, OMDate(5, 6, thisYear(), true));

    text = "1/2/2007/9";
    ASSERT_TRUE(parse(text, date));
    EXPECT_EQ(date, OMDate(1, 2, 2007, true));
    EXPECT_EQ(text, "01/02/2007");

    text = "1/2/99";
    ASSERT_TRUE(parse(text, date));
    EXPECT_EQ(date.year(), thisYear() / 100 * 100 + 99);

    // Only a year of one or two digits takes the century: one typed in full
    // is kept as typed, never rewritten.
    for (const auto& [typed, year] : {std::pair{"1/1/0001", 1}, std::pair{"1/1/099", 99},
                                      std::pair{"1/1/0050", 50}, std::pair{"1/1/7", 2007}}) {
        text = typed;
        ASSERT_TRUE(parse(text, date)) << typed;
        EXPECT_EQ(date.year(), year == 2007 ? thisYear() / 100 * 100 + 7 : year) << typed;
    }

    text = "";
    date = OMDate(1, 1, 2000, true);
    ASSERT_TRUE(parse(text, date));
    EXPECT_TRUE(date.isEmpty());
}

TEST_F(DateEntry, RefusesImpossibleDatesWithAMessage)
{
    const OMDate before(9, 9, 2009, true);
    // Years a file cannot hold in its eight digits are refused too.
    for (const char* typed :
         {"31/2/2007", "abc", "0/0", "32/1/2007", "1/13/2007", "%s%n/1", "1/1/20266", "1/1/-150",
          "1/1/-5", "1/1/0000", "1/1/+26", "1/1/2x"}) {
        OMString text(typed);
        OMDate date = before;
        OMString error;
        EXPECT_FALSE(parse(text, date, &error)) << typed;
        EXPECT_EQ(text, typed);
        EXPECT_EQ(date, before);
        EXPECT_EQ(error.str(), std::string(typed) +
                                   " is not a valid date. Please enter one in the form DD/MM/YYYY");
    }
}

TEST_F(DateEntry, NoTypedTextCrashesTheParser)
{
    std::mt19937 random(17);
    const std::string alphabet = "0123456789/.-+ %sdnx\xC3\xA9";
    for (int i = 0; i < 20000; ++i) {
        std::string typed;
        const int length = int(random() % 16);
        for (int k = 0; k < length; ++k)
            typed += (random() % 10) ? alphabet[random() % alphabet.size()] : char(random() % 256);
        OMString text(typed);
        OMDate date;
        if (parse(text, date) && !typed.empty()) {
            // Whatever is accepted is rewritten in the format and reads back
            // the same, in the entry and in a file.
            OMString again = text;
            OMDate reread;
            ASSERT_TRUE(parse(again, reread)) << typed;
            EXPECT_EQ(reread, date) << typed;
            OMDate stored;
            stored.set(date.toString("YYYYMMDD"), "YYYYMMDD");
            EXPECT_EQ(stored, date) << typed;
        }
    }
}
