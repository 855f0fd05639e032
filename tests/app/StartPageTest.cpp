#include "WindowFixture.h"

#include "app/DocumentsOverview.h"
#include "app/StartPageView.h"
#include "documents/UpdateHint.h"

#include <QMouseEvent>
#include <QPushButton>

namespace {

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

TEST(StartPageViewInput, HoverFollowsThePointerEdgesIncludedAndTheClickRunsThatButton)
{
    StartPageView view;
    view.resize(1000, 800);
    view.onUpdate(nullptr, InitialUpdate);
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
    ASSERT_EQ(app->documentsOverview(), nullptr);
    view->documentsButton()->click();
    EXPECT_NE(app->documentsOverview(), nullptr);
}
