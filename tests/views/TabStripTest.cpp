#include "views/TabStrip.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(TabStrip, TitlesWrapOntoRowsWhenNarrow)
{
    TabStrip strip;
    for (const char* title : {"Customer Details", "Location", "Description", "Labour", "Travel",
                              "Materials", "Tool/Plant Hire", "Preview"})
        strip.insertTab(strip.count(), title);
    EXPECT_EQ(strip.rowCount(5000), 1);
    EXPECT_GE(strip.rowCount(300), 3);
    EXPECT_GT(strip.heightForWidth(300), strip.heightForWidth(5000));
    strip.resize(300, strip.heightForWidth(300));
    // Every tab stays inside the strip: nothing scrolls out of sight.
    for (int i = 0; i < strip.count(); ++i)
        EXPECT_TRUE(strip.rect().contains(strip.tabRect(i))) << i;
}

TEST(TabStrip, KeysAndClicksChooseAnotherTab)
{
    TabStrip strip;
    strip.insertTab(0, "One");
    strip.insertTab(1, "Two");
    strip.resize(400, 40);
    QSignalSpy chosen(&strip, &TabStrip::currentChanged);
    QTest::keyClick(&strip, Qt::Key_Left);
    EXPECT_EQ(chosen.count(), 0);
    QTest::keyClick(&strip, Qt::Key_Right);
    EXPECT_EQ(strip.currentIndex(), 1);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(1).center());
    EXPECT_EQ(chosen.count(), 1);
    QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.tabRect(0).center());
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.last().at(0).toInt(), 0);
}
