#include "settings/NumberEntry.h"

#include <gtest/gtest.h>

TEST(NumberEntry, ReadsExactlyByTheLocaleOrRefuses)
{
    const QLocale en(QLocale::English, QLocale::UnitedKingdom);
    const QLocale de(QLocale::German, QLocale::Germany);
    const QLocale fr(QLocale::French, QLocale::France);
    const QString refused; // an empty number: the text is refused
    const struct
    {
        const QLocale& locale;
        const char* typed;
        int decimals;
        QString number;
    } cases[] = {
        // The other separator is the decimals where it cannot be a thousands one.
        {en, "1,5", 6, "1.5"},
        {en, "1,5", 2, "1.5"},
        {en, "12,50", 2, "12.5"},
        {en, "12345,678", 6, "12345.678"},
        {en, "1,500", 2, "1500"},
        {en, "1,234,567.25", 2, "1234567.25"},
        {en, " -0.5 ", 6, "-0.5"},
        {en, "+.75", 2, "0.75"},
        {en, "007", 0, "7"},
        {en, "2.500", 2, "2.5"},
        {en, "", 2, "0"},
        {en, "-0", 2, "0"},
        {de, "1,5", 2, "1.5"},
        {de, "1.5", 2, "1.5"},
        {de, "1.500", 2, "1500"},
        {de, "1.234,56", 2, "1234.56"},
        {fr, "1 234,5", 2, "1234.5"},
        {fr, "1\xE2\x80\xAF" "234,5", 2, "1234.5"},
        // Never cut short or read another way.
        {en, "1.234,5", 2, refused},
        {en, "1,5,0", 6, refused},
        {en, "1,2345,678", 6, refused},
        {en, "1.2.3", 6, refused},
        {en, "12.345", 2, refused},
        {en, "0.1234567", 6, refused},
        {en, "1e5", 6, refused},
        {en, "0x10", 6, refused},
        {en, "inf", 6, refused},
        {en, "\xC2\xA3" "5", 2, refused},
        {en, "5 kg", 6, refused},
        {en, "--5", 2, refused},
        {en, "-", 2, refused},
        {en, ".", 2, refused},
        {en, "1234567890123456", 0, refused},
        {fr, "1.500", 2, refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString() + " \"" + c.typed + "\"");
        const NumberEntry entry = NumberEntry::read(QString::fromUtf8(c.typed), c.decimals, c.locale);
        EXPECT_EQ(entry.number.toStdString(), c.number.toStdString());
        EXPECT_EQ(entry.ok(), !c.number.isEmpty()) << entry.error.toStdString();
        if (!entry.ok()) {
            EXPECT_TRUE(entry.error.contains(QString::fromUtf8(c.typed).trimmed()));
        }
    }
}
