#include "documents/StartPageLayout.h"

#include <gtest/gtest.h>

namespace {

const QSize kPicture(481, 530);

} // namespace

TEST(StartPageLayoutFigures, AWideAreaClampsTheButtonWidth)
{
    const StartPageLayout layout = StartPageLayout::compute(QRect(0, 0, 1000, 800), kPicture);
    EXPECT_EQ(layout.buttonWidth, 300);
    EXPECT_EQ(layout.buttonHeight, 330);
    EXPECT_EQ(layout.block, QSize(980, 720));
    EXPECT_EQ(layout.offsetX, 10);
    EXPECT_EQ(layout.offsetY, 40);
    EXPECT_EQ(layout.buttons[0], QRect(30, 60, 300, 330));
    EXPECT_EQ(layout.buttons[2].topLeft(), QPoint(670, 60));
    EXPECT_EQ(layout.buttons[4].topLeft(), QPoint(350, 410));
}

TEST(StartPageLayoutFigures, ALowAreaFitsTheHeightInstead)
{
    const StartPageLayout layout = StartPageLayout::compute(QRect(0, 0, 700, 400), kPicture);
    EXPECT_EQ(layout.buttonHeight, 170);
    EXPECT_EQ(layout.buttonWidth, 154);
    EXPECT_EQ(layout.block, QSize(542, 400));
    EXPECT_EQ(layout.offsetX, 79);
    EXPECT_EQ(layout.offsetY, 0);
    EXPECT_EQ(layout.buttons[3].topLeft(), QPoint(99, 210));
}

TEST(StartPageLayoutFigures, ATinyAreaKeepsButtonsUsableAndNoPictureMeansNoButtons)
{
    const StartPageLayout tiny = StartPageLayout::compute(QRect(5, 7, 90, 60), kPicture);
    EXPECT_GE(tiny.buttonHeight, 50);
    EXPECT_GE(tiny.buttonWidth, 1);
    EXPECT_LT(tiny.offsetY, 0) << "the block overflows and is centred on the area";
    EXPECT_EQ(tiny.buttons[0].topLeft(), QPoint(5 + tiny.offsetX + 20, 7 + tiny.offsetY + 20));

    const StartPageLayout none = StartPageLayout::compute(QRect(0, 0, 640, 480), QSize());
    EXPECT_EQ(none.block, QSize(640, 480));
    EXPECT_EQ(none.buttonWidth, 0);
    EXPECT_TRUE(none.buttons[0].isNull());
}
