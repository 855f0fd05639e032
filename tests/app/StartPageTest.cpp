#include "WindowFixture.h"

#include "app/StartPageView.h"
#include "documents/StartPageLayout.h"
#include "documents/UpdateHint.h"

#include <QMouseEvent>

namespace {

const QSize kPicture(481, 530);

void moveTo(QWidget& view, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
}

void releaseAt(QWidget& view, QPoint at)
{
    QMouseEvent release(QEvent::MouseButtonRelease, at, view.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &release);
}

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

TEST(StartPageViewInput, HoverFollowsThePointerEdgesIncludedAndTheClickRunsThatButton)
{
    StartPageView view;
    view.resize(1000, 800);
    view.OnUpdate(nullptr, InitialUpdate);
    ASSERT_EQ(view.layoutFigures().buttonWidth, 300);
    std::vector<int> clicked;
    QObject::connect(&view, &StartPageView::actionRequested,
                     [&](int action) { clicked.push_back(action); });

    const QRect second = view.layoutFigures().buttons[1];
    EXPECT_TRUE(view.updateHover(second.topLeft()));
    EXPECT_TRUE(view.isHovered(1));
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(view.updateHover(second.center())) << "moving within a button changes nothing";
    EXPECT_FALSE(view.updateHover(second.topLeft() + QPoint(300, 330))) << "far edges belong to it";

    // Between the buttons: nothing hovered, arrow again, and a click does nothing.
    EXPECT_TRUE(view.updateHover(second.topLeft() + QPoint(310, 10)));
    EXPECT_FALSE(view.isHovered(1));
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    releaseAt(view, second.topLeft() + QPoint(310, 10));
    EXPECT_TRUE(clicked.empty());

    // Real mouse events: over the last button, then release.
    const QPoint options = view.layoutFigures().buttons[5].center();
    moveTo(view, options);
    EXPECT_TRUE(view.isHovered(5));
    releaseAt(view, options);
    EXPECT_EQ(clicked, std::vector<int>{StartPageView::ProgramOptions});
}

using StartPage = WindowTest;

TEST_F(StartPage, ItsButtonsStartTheirTasks)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    auto* view =
        qobject_cast<StartPageView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(app->mainWindow()->currentMenuId(), 128);

    emit view->actionRequested(StartPageView::NewInvoice);
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("Invoice 101"));
    emit view->actionRequested(StartPageView::OpenDocument);
    EXPECT_EQ(frameTitles().size(), 2) << "the open dialog was cancelled";
    int options = 0, business = 0;
    QObject::connect(app.get(), &Application::optionsRequested, [&] { ++options; });
    QObject::connect(app.get(), &Application::businessInformationRequested, [&] { ++business; });
    emit view->actionRequested(StartPageView::ProgramOptions);
    emit view->actionRequested(StartPageView::BusinessInfo);
    EXPECT_EQ(options, 1);
    EXPECT_EQ(business, 1);
}
