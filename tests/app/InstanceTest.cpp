#include "WindowFixture.h"

#include "app/InstanceChannel.h"

#include <QDialog>
#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

namespace {

// Only a guard against a hung run; no result depends on it.
constexpr int kGuardMs = 60000;

/// Sends `request` from this process and returns the answer once the server hangs up.
QByteArray ask(const QString& request)
{
    QLocalSocket socket;
    QByteArray answer;
    QEventLoop loop;
    QObject::connect(&socket, &QLocalSocket::readyRead, [&] { answer += socket.readAll(); });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kGuardMs, &loop, &QEventLoop::quit);
    socket.connectToServer(InstanceChannel::serverName());
    socket.write(request.toUtf8() + '\n');
    loop.exec();
    answer += socket.readAll();
    return answer;
}

} // namespace

using Instance = WindowTest;

TEST_F(Instance, ASecondStartHandsItsFileToTheRunningProgramAndEnds)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());

    QProcess second;
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&second, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kGuardMs, &loop, &QEventLoop::quit);
    second.start(QStringLiteral(VORLANE_PATH), {example("quote-2043-boiler-replacement.vlq")});
    loop.exec();

    ASSERT_EQ(second.state(), QProcess::NotRunning) << second.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(frameTitles(),
              (QStringList{"Vorlane Start Page", "quote-2043-boiler-replacement.vlq"}));
}

TEST_F(Instance, LongRequestsGoUnansweredAndRequestsDuringADialogAreOnlyAcknowledged)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());
    const QString path = example("estimate-1017-bathroom-refit.vle");

    QString padded = InstanceChannel::openRequest(path + QString(600, u'/'));
    EXPECT_GE(padded.size(), InstanceChannel::MaxRequestLength);
    EXPECT_EQ(ask(padded), QByteArray());

    QDialog modal(app->mainFrame());
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    EXPECT_EQ(ask(InstanceChannel::openRequest(path)), QByteArray("ack\n"));
    QApplication::processEvents();
    EXPECT_EQ(frameTitles().size(), 1);
    modal.close();

    EXPECT_EQ(ask(InstanceChannel::openRequest(path)), QByteArray("ack\n"));
    QApplication::processEvents();
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("estimate-1017-bathroom-refit.vle"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Instance, StartUpServesLaterStartsOnceTheWindowExists)
{
    // The channel answers while the first-run message is still up, so a
    // later start does not become a second program. (A real message box is
    // modal: the request is then only acknowledged, as the test above shows.)
    const QString path = example("estimate-1017-bathroom-refit.vle");
    QByteArray answerDuringFirstRun;
    whileShown = [&] { answerDuringFirstRun = ask(InstanceChannel::openRequest(path)); };
    ASSERT_TRUE(start());
    EXPECT_EQ(answerDuringFirstRun, QByteArray("ack\n"));
    whileShown = {};

    const QString quote = example("quote-2043-boiler-replacement.vlq");
    EXPECT_EQ(ask(InstanceChannel::openRequest(quote)), QByteArray("ack\n"));
    QApplication::processEvents();
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("quote-2043-boiler-replacement.vlq"));
}

TEST(InstanceRequests, RoundTripPathsWithQuotesAndRefuseOtherText)
{
    QString verb, path;
    ASSERT_TRUE(InstanceChannel::parseRequest(InstanceChannel::printRequest("/a \"b\")].vle"),
                                              &verb, &path));
    EXPECT_EQ(verb, QStringLiteral("print"));
    EXPECT_EQ(path, QStringLiteral("/a \"b\")].vle"));
    EXPECT_FALSE(InstanceChannel::parseRequest(QStringLiteral("[delete(\"/x\")]"), &verb, &path));
    EXPECT_FALSE(InstanceChannel::parseRequest(QStringLiteral("[open(\"\")]"), &verb, &path));
    EXPECT_FALSE(InstanceChannel::parseRequest(QStringLiteral("[open(\""), &verb, &path));
}
