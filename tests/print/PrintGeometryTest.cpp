#include "PrintTestSupport.h"

#include "print/PrintableArea.h"
#include "print/Stamp.h"

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

class PrintGeometry : public PrintTest
{
};

// A printer at 600 dpi with A4 paper (4960 x 7016) whose printable area starts
// 100 units in and 60 units down and leaves a 50-unit strip right, 80 below.
DeviceMetrics printer()
{
    DeviceMetrics d;
    d.dpiX = d.dpiY = 600;
    d.physicalWidth = 4960;
    d.physicalHeight = 7016;
    d.physicalOffsetX = 100;
    d.physicalOffsetY = 60;
    d.horzRes = 4960 - 100 - 50;
    d.vertRes = 7016 - 60 - 80;
    return d;
}

} // namespace

TEST_F(PrintGeometry, DefaultMarginsAtSixHundredDpi)
{
    const PrintMargins margins = PrintMargins::fromSettings();
    EXPECT_EQ(margins.top, 10);
    EXPECT_EQ(margins.bottom, 5);
    EXPECT_EQ(margins.left, 20);
    EXPECT_EQ(margins.right, 15);
    EXPECT_EQ(PrintableArea::toDeviceUnits(10, 600), 236);

    const DeviceMetrics d = printer();
    const QRect r = PrintableArea::rect(d, margins);
    EXPECT_EQ(r.left(), PrintableArea::toDeviceUnits(20, 600) - 100);
    EXPECT_EQ(r.top(), 236 - 60);
    // Each margin is measured from the paper's edge, whatever the offsets.
    EXPECT_EQ(d.physicalOffsetX + r.left() + r.width(),
              4960 - PrintableArea::toDeviceUnits(15, 600));
    EXPECT_EQ(d.physicalOffsetY + r.top() + r.height(),
              7016 - PrintableArea::toDeviceUnits(5, 600));
}

TEST_F(PrintGeometry, MarginsInsideTheUnprintableStripClampToIt)
{
    SettingsStore::set(SettingKeys::MarginLeft, 2);
    SettingsStore::set(SettingKeys::MarginTop, 1);
    SettingsStore::set(SettingKeys::MarginRight, 1);
    SettingsStore::set(SettingKeys::MarginBottom, 0);
    const DeviceMetrics d = printer();
    const QRect r = PrintableArea::rect(d, PrintMargins::fromSettings());
    EXPECT_EQ(r.left(), 0);
    EXPECT_EQ(r.top(), 0);
    EXPECT_EQ(r.width(), d.horzRes);
    EXPECT_EQ(r.height(), d.vertRes);
}

TEST_F(PrintGeometry, MarginsThatLeaveNoRoomGiveAnEmptyArea)
{
    PrintMargins margins;
    margins.left = 150;
    margins.right = 150;
    EXPECT_TRUE(PrintableArea::rect(printer(), margins).isEmpty());

    // However large, a margin leaves no room rather than wrap round; however
    // far below 0, it is none.
    for (int huge : {1000000000, 2147483647}) {
        EXPECT_TRUE(PrintableArea::rect(printer(), PrintMargins{huge, 0, 0, 0}).isEmpty());
        EXPECT_TRUE(PrintableArea::rect(printer(), PrintMargins{0, 0, huge, 0}).isEmpty());
    }
    // A body of a millimetre or two either way is no room either; one just
    // over the least is.
    const int wide = 210 - PrintableArea::MinimumBodyMillimetres;
    const int tall = 297 - PrintableArea::MinimumBodyMillimetres;
    EXPECT_TRUE(PrintableArea::rect(printer(), PrintMargins{148, 148, 104, 105}).isEmpty());
    EXPECT_TRUE(
        PrintableArea::rect(printer(), PrintMargins{10, 5, wide / 2, wide / 2 + 2}).isEmpty());
    EXPECT_TRUE(
        PrintableArea::rect(printer(), PrintMargins{tall / 2, tall / 2 + 2, 20, 15}).isEmpty());
    EXPECT_FALSE(PrintableArea::rect(printer(), PrintMargins{tall / 2 - 2, tall / 2 - 2,
                                                             wide / 2 - 2, wide / 2 - 2})
                     .isEmpty());
    const QRect none = PrintableArea::rect(printer(), PrintMargins{0, 0, 0, 0});
    EXPECT_EQ(PrintableArea::rect(
                  printer(), PrintMargins{-2147483647 - 1, -1000000000, -1000000000, -1000000000}),
              none);
}

TEST_F(PrintGeometry, StampIsSizedToTheLimitAndCentred)
{
    // A font whose text is ten units wide and two high per point.
    const auto measure = [](int size) { return QSize(size * 10, size * 2); };
    for (const bool onPaper : {true, false}) {
        const int angle = onPaper ? Stamp::PaperAngle : Stamp::ScreenAngle;
        const QRect rect(100, 50, 1000, 1400);
        const StampGeometry g = Stamp::geometry(rect, angle, onPaper, measure);
        const int limit = onPaper ? 1000 : 750;
        // The first size of the 60, 70, ... series that is wider than the limit.
        EXPECT_GT(g.textSize.width(), limit);
        EXPECT_LE(measure(g.pointSize - 10).width(), limit);
        EXPECT_EQ((g.pointSize - 60) % 10, 0);

        const double a = angle * std::numbers::pi / 180;
        const double w = g.textSize.width(), h = g.textSize.height();
        // The rotated text's bounds sit in the middle of the rectangle.
        const double boundsLeft = g.left;
        const double boundsRight = g.left + w * std::cos(a) + h * std::sin(a);
        const double boundsTop = g.top - w * std::sin(a);
        const double boundsBottom = g.top + h * std::cos(a);
        EXPECT_NEAR(boundsLeft - rect.left(), rect.left() + rect.width() - boundsRight, 3);
        EXPECT_NEAR(boundsTop - rect.top(), rect.top() + rect.height() - boundsBottom, 3);
    }
}

TEST_F(PrintGeometry, StampStaysOnThePaperInEveryOrientation)
{
    const auto measure = [](int size) { return QSize(size * 10, size * 2); };
    // Portrait and landscape A4 at 1200 dpi less the margins, landscape A6,
    // and paper too small for the stamp's starting size.
    for (const QRect& rect : {QRect(0, 0, 8267, 13323), QRect(0, 0, 13323, 8267),
                              QRect(40, 20, 6000, 3500), QRect(0, 0, 200, 150)}) {
        for (const bool onPaper : {true, false}) {
            SCOPED_TRACE(QString("%1x%2 %3")
                             .arg(rect.width())
                             .arg(rect.height())
                             .arg(onPaper)
                             .toStdString());
            const int angle = onPaper ? Stamp::PaperAngle : Stamp::ScreenAngle;
            const StampGeometry g = Stamp::geometry(rect, angle, onPaper, measure);
            const double a = angle * std::numbers::pi / 180;
            const double w = g.textSize.width(), h = g.textSize.height();
            EXPECT_GE(g.pointSize, 1);
            EXPECT_GE(g.left, rect.left());
            EXPECT_LE(g.left + w * std::cos(a) + h * std::sin(a), rect.right() + 2);
            EXPECT_GE(g.top - w * std::sin(a), rect.top() - 1);
            EXPECT_LE(g.top + h * std::cos(a), rect.bottom() + 2);
        }
    }
}

TEST_F(PrintGeometry, StampGrowthStopsForTextThatMeasuresNothing)
{
    const StampGeometry g =
        Stamp::geometry(QRect(0, 0, 100, 100), 30, false, [](int) { return QSize(); });
    EXPECT_GT(g.pointSize, 60);
}

TEST_F(PrintGeometry, StampDrawsRedOutlines)
{
    QImage image(600, 800, QImage::Format_RGB32);
    const auto redPixels = [&image]() {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 120 && c.blue() < 120;
            }
        return count;
    };
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Stamp::draw(painter, QRect(0, 0, 600, 800), "", 30, false);
    }
    EXPECT_EQ(redPixels(), 0);
    {
        QPainter painter(&image);
        Stamp::draw(painter, QRect(0, 0, 600, 800), "OVERDUE", 30, false);
    }
    const int outline = redPixels();
    EXPECT_GT(outline, 500);
    // Outlines only: the middle of the page is mostly still white.
    EXPECT_LT(outline, 600 * 800 / 10);
}
