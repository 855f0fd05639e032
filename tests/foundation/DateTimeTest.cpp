#include "foundation/OMDate.h"
#include "foundation/OMException.h"
#include "foundation/OMTime.h"

#include <QDateTime>
#include <ctime>
#include <gtest/gtest.h>

using namespace ombrel;

TEST(Date, ValidatingConstructorRefusesImpossibleDates)
{
    EXPECT_THROW(OMDate(31, 2, 2007, true), OMInvalidDateException);
    EXPECT_THROW(OMDate(0, 1, 2007, true), OMInvalidDateException);
    EXPECT_THROW(OMDate(1, 13, 2007, true), OMInvalidDateException);
    EXPECT_NO_THROW(OMDate(29, 2, 2008, true));
    EXPECT_TRUE(OMDate(31, 2, 2007, false).isEmpty());
}

TEST(Date, FormatsAndParsesByTokens)
{
    const OMDate date(2, 3, 2007, true);
    EXPECT_EQ(date.toString("YYYYMMDD"), "20070302");
    EXPECT_EQ(date.toString("DD/MM/YYYY"), "02/03/2007");
    EXPECT_EQ(date.toString("MM/DD/YYYY"), "03/02/2007");
    EXPECT_EQ(OMDate().toString("DD/MM/YYYY"), "");
    EXPECT_EQ(date.isoText(), "2007-03-02");
    EXPECT_EQ(OMDate(31, 12, 9999, true).isoText(), "9999-12-31");
    EXPECT_EQ(OMDate().isoText(), "");

    OMDate parsed;
    EXPECT_TRUE(parsed.set("20070302", "YYYYMMDD"));
    EXPECT_EQ(parsed, date);
    for (const char* bad : {"", "2007030", "200703021", "2007x302", "20070230"}) {
        OMDate d(1, 1, 2000, true);
        EXPECT_FALSE(d.set(bad, "YYYYMMDD")) << bad;
        EXPECT_TRUE(d.isEmpty());
    }
}

TEST(Date, ArithmeticAndOrder)
{
    OMDate due(1, 3, 2007, true);
    due += 30;
    EXPECT_EQ(due, OMDate(31, 3, 2007, true));
    EXPECT_TRUE(OMDate(1, 4, 2007, true) > due);
    EXPECT_FALSE(due > due);
    EXPECT_EQ(due.year(), 2007);
    OMDate empty;
    empty += 5;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(OMDate::today().isEmpty());
}

TEST(Time, RoundTripsThroughTheFileForm)
{
    OMTime time;
    EXPECT_FALSE(time.isSet());
    EXPECT_EQ(time.toString("%Y%m%d%H%M%S"), "");
    ASSERT_TRUE(time.set("20070302134501", "YYYYMMDDhhmmss"));
    EXPECT_EQ(time.toString("%Y%m%d%H%M%S"), "20070302134501");
    EXPECT_EQ(time.toDate(), OMDate(2, 3, 2007, true));
    EXPECT_FALSE(time.set("2007030213450", "YYYYMMDDhhmmss"));
    EXPECT_FALSE(time.isSet());
    EXPECT_FALSE(time.set("20071302134501", "YYYYMMDDhhmmss"));
    EXPECT_TRUE(OMTime(true).isSet());
}

TEST(Time, ReadsLocalTimesAsTheSystemDoesAcrossClockChanges)
{
    // Every half hour of a year in zones with clock changes, and a zone far
    // east: the time read is the one QDateTime makes of the same local time.
    const QByteArray saved = qgetenv("TZ");
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    for (const char* zone : {"Europe/London", "America/New_York", "Pacific/Auckland"}) {
        qputenv("TZ", zone);
        tzset();
        const QDateTime start(QDate(2026, 1, 1), QTime(0, 15, 7));
        for (int step = 0; step < 2 * 24 * 366; ++step) {
            const QDateTime local = start.addSecs(qint64(step) * 1800);
            const QString text = local.toString(QStringLiteral("yyyyMMddHHmmss"));
            OMTime time;
            ASSERT_TRUE(time.set(OMString(text.toStdString()), "YYYYMMDDhhmmss"))
                << zone << ' ' << text.toStdString();
            // A time the clocks go back over is read as QDateTime reads it.
            const QDateTime read(local.date(), local.time());
            EXPECT_EQ(time, OMTime::fromSeconds(read.toSecsSinceEpoch()))
                << zone << ' ' << text.toStdString();
            EXPECT_EQ(time.toString("%Y%m%d%H%M%S").toQString(), text) << zone;
        }
    }
    if (hadZone)
        qputenv("TZ", saved);
    else
        qunsetenv("TZ");
    tzset();
}
