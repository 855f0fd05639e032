// The message boxes the window shows for the core's messages.
#include "app/MessageBoxHandler.h"
#include "app/SplashScreen.h"
#include "views/MessageHook.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageBoxes, ShowFileNamesAsTheyAreNeverAsMarkup)
{
    MessageBoxHandler::install();
    const QString message =
        QStringLiteral("The file /tmp/<h1>big</h1><img src=\"/tmp/x.png\">.vle is invalid.");
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    MessageHook::show(message, MessageHook::Error, MessageHook::Ok);
    MessageHook::setHandler({});
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, message);
}

TEST(MessageBoxes, ABoxShownWhileTheSplashIsUpOutlivesIt)
{
    MessageBoxHandler::install();
    SplashScreen* splash = SplashScreen::showFor(50);
    QApplication::setActiveWindow(splash);
    bool answered = false;
    // Answer only once the splash has closed and deleted itself.
    QTimer::singleShot(400, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answered = true;
            box->accept();
        }
    });
    MessageHook::show("First run", MessageHook::Information, MessageHook::Ok);
    MessageHook::setHandler({});
    EXPECT_TRUE(answered);
}
