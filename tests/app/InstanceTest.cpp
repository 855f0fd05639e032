#include "WindowFixture.h"

#include "app/InstanceChannel.h"

#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QSet>
#include <QTimer>

#include <memory>
#include <sys/resource.h>
#include <vector>

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

/// Waits for a started program to end (or the guard to run out).
void waitForEnd(QProcess& second)
{
    QEventLoop loop;
    QObject::connect(&second, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&second, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kGuardMs, &loop, &QEventLoop::quit);
    if (second.state() != QProcess::NotRunning)
        loop.exec();
}

void runSecond(QProcess& second, const QStringList& arguments)
{
    second.start(QStringLiteral(VORLANE_PATH), arguments);
    waitForEnd(second);
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

using Instance = WindowTest;

TEST_F(Instance, ASecondStartHandsItsFileToTheRunningProgramAndEnds)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());

    QProcess second;
    runSecond(second, {example("quote-2043-boiler-replacement.vlq")});

    ASSERT_EQ(second.state(), QProcess::NotRunning) << second.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(frameTitles(),
              (QStringList{"Vorlane Start Page", "quote-2043-boiler-replacement.vlq"}));
}

TEST_F(Instance, LongLinesGoUnansweredAndRequestsDuringADialogWaitForItInOrder)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());
    const QString estimate = example("estimate-1017-bathroom-refit.vle");
    const QString quote = example("quote-2043-boiler-replacement.vlq");

    const QString garbage = QStringLiteral("[open(\"%1\")]").arg(QString(600, u'x'));
    EXPECT_EQ(ask(garbage), QByteArray());
    EXPECT_EQ(ask(QStringLiteral("[open(\"bad\\escape\")]")), QByteArray());

    QDialog modal(app->mainWindow());
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    EXPECT_EQ(ask(InstanceChannel::openRequest(estimate)), QByteArray("ack\n"));
    EXPECT_EQ(ask(InstanceChannel::openRequest(quote)), QByteArray("ack\n"));
    QApplication::processEvents();
    EXPECT_EQ(frameTitles().size(), 1);
    modal.close();
    QApplication::processEvents();

    EXPECT_EQ(frameTitles(), (QStringList{"Vorlane Start Page", "estimate-1017-bathroom-refit.vle",
                                          "quote-2043-boiler-replacement.vlq"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Instance, AnotherListenerLeavesTheServingProgramsSocketAlone)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());
    {
        InstanceChannel other;
        EXPECT_FALSE(other.listen());
    }
    EXPECT_EQ(ask(InstanceChannel::openRequest(example("estimate-1017-bathroom-refit.vle"))),
              QByteArray("ack\n"));
    QApplication::processEvents();
    EXPECT_EQ(frameTitles().constLast(), QStringLiteral("estimate-1017-bathroom-refit.vle"));
}

TEST_F(Instance, PathsWithLineBreaksOrBeyondOneLineReachTheRunningProgram)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_TRUE(app->listenForOtherStarts());
    QTemporaryDir folder;
    QString deep = folder.path();
    while (deep.size() < 2 * InstanceChannel::MaxRequestLength)
        deep += QStringLiteral("/folder-\\-%1-\u00e9\U0001F600").arg(deep.size());
    ASSERT_TRUE(QDir().mkpath(deep));
    const QStringList paths{folder.filePath("line\nbreak.vle"), deep + "/deep.vle"};
    for (const QString& path : paths)
        ASSERT_TRUE(QFile::copy(example("estimate-1017-bathroom-refit.vle"), path));

    QProcess second;
    runSecond(second, paths);

    ASSERT_EQ(second.state(), QProcess::NotRunning) << second.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    QStringList opened;
    for (DocumentWindow* frame : app->mainWindow()->documentWindows())
        opened.append(frame->document().path());
    EXPECT_EQ(opened.mid(1), paths);
}

TEST_F(Instance, ARefusedRequestEndsTheSecondStartWithAFailure)
{
    // A program that hangs up without acknowledging.
    QLocalServer refusing;
    QLocalServer::removeServer(InstanceChannel::serverName());
    ASSERT_TRUE(refusing.listen(InstanceChannel::serverName()));
    QObject::connect(&refusing, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = refusing.nextPendingConnection())
            socket->disconnectFromServer();
    });

    QProcess second;
    runSecond(second, {example("quote-2043-boiler-replacement.vlq")});

    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("did not take"));
}

TEST_F(Instance, AStartWaitsForOneStartingAtTheSameMomentAndHandsOver)
{
    // This process plays the start that got the lock first and serves late.
    QLockFile lock(InstanceChannel::lockPath());
    ASSERT_TRUE(lock.tryLock(0));
    QProcess second;
    second.start(QStringLiteral(VORLANE_PATH), {example("quote-2043-boiler-replacement.vlq")});
    // Time for a second start that ignored the lock to begin serving itself.
    for (int i = 0; i < 30 && !QFile::exists(InstanceChannel::serverName()); ++i)
        wait(100);
    InstanceChannel first;
    QStringList received;
    QObject::connect(&first, &InstanceChannel::requestReceived,
                     [&](const QString&, const QString& path) { received.append(path); });
    ASSERT_TRUE(first.listen());
    lock.unlock();

    waitForEnd(second);

    ASSERT_EQ(second.state(), QProcess::NotRunning) << second.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(
        received,
        QStringList{QFileInfo(example("quote-2043-boiler-replacement.vlq")).absoluteFilePath()});
}

TEST_F(Instance, StartUpServesLaterStartsOnceTheWindowExists)
{
    // The channel answers while the first-run message is still up, so a
    // later start does not become a second program. (A real message box is
    // modal: the request then waits for it, as a test above shows.)
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
    ASSERT_TRUE(
        InstanceChannel::parseRequest(InstanceChannel::openRequest("/a\\n\nb\r"), &verb, &path));
    EXPECT_EQ(path, QStringLiteral("/a\\n\nb\r"));
}

namespace {

// The lowest file descriptor number this process has free.
int lowestFreeDescriptor()
{
    QSet<int> open;
    for (const QString& name :
         QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System))
        open.insert(name.toInt());
    int free = 0;
    while (open.contains(free))
        ++free;
    return free;
}

} // namespace

// Callers that connect and send nothing are hung up on; a flood of them, even
// one that leaves no file descriptor for accepting, never stops the server
// for good, and a real request is still served.
TEST(InstanceServer, IdleCallersAndFloodsNeverTakeTheServerDown)
{
    InstanceChannel channel;
    ASSERT_TRUE(channel.listen());
    QStringList received;
    QObject::connect(&channel, &InstanceChannel::requestReceived,
                     [&](const QString&, const QString& path) { received.append(path); });

    std::vector<std::unique_ptr<QLocalSocket>> idle;
    const auto connectIdle = [&](int count) {
        for (int i = 0; i < count; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(InstanceChannel::serverName());
            idle.back()->waitForConnected(1000);
        }
    };
    // More idle callers than the server keeps at once: it stays open to a
    // real request, and the idle ones are gone after the deadline.
    connectIdle(3 * InstanceChannel::MaxConnections);
    wait(200);
    EXPECT_EQ(ask(InstanceChannel::openRequest(QStringLiteral("/one.vle"))), QByteArray("ack\n"));
    wait(InstanceChannel::ConnectionDeadlineMs + 500);
    int stillConnected = 0;
    for (const auto& socket : idle)
        stillConnected += socket->state() != QLocalSocket::UnconnectedState;
    EXPECT_EQ(stillConnected, 0);
    idle.clear();
    wait(100);

    // A flood while no descriptor is left: accepting fails.
    connectIdle(40);
    rlimit old{};
    getrlimit(RLIMIT_NOFILE, &old);
    rlimit tight = old;
    tight.rlim_cur = rlim_t(lowestFreeDescriptor() + 2);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    wait(300);
    setrlimit(RLIMIT_NOFILE, &old);
    idle.clear();
    wait(InstanceChannel::ConnectionDeadlineMs + 1500);
    EXPECT_TRUE(channel.isListening());
    EXPECT_EQ(ask(InstanceChannel::openRequest(QStringLiteral("/two.vle"))), QByteArray("ack\n"));
    EXPECT_EQ(received, (QStringList{"/one.vle", "/two.vle"}));
}
