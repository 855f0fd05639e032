#include "InstanceChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace {
// Generous bounds for a local socket. The running program acknowledges
// before acting, but only once its event loop runs, which a program still
// starting up may take a while to reach.
constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 30000;
constexpr int LockMs = 60000;
const QByteArray Acknowledged = "ack\n";
const QString More = QStringLiteral("more");

// Room for the verb and the brackets; escaping at most doubles a piece.
constexpr qsizetype PieceLength = (InstanceChannel::MaxRequestLength - 16) / 2;

QString escaped(const QString& path)
{
    QString text;
    text.reserve(path.size());
    for (const QChar c : path) {
        if (c == u'\\')
            text += QStringLiteral("\\\\");
        else if (c == u'\n')
            text += QStringLiteral("\\n");
        else if (c == u'\r')
            text += QStringLiteral("\\r");
        else
            text += c;
    }
    return text;
}

bool unescape(const QString& text, QString* path)
{
    path->clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            *path += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        if (text[i] == u'\\')
            *path += u'\\';
        else if (text[i] == u'n')
            *path += u'\n';
        else if (text[i] == u'r')
            *path += u'\r';
        else
            return false;
    }
    return true;
}

QString quoted(const QString& verb, const QString& path)
{
    return QStringLiteral("[%1(\"%2\")]").arg(verb, escaped(path));
}

/// A long path goes ahead in pieces, each line staying under the length cap.
QString request(const QString& verb, const QString& path)
{
    QStringList lines;
    qsizetype at = 0;
    while (path.size() - at > PieceLength) {
        qsizetype length = PieceLength;
        if (path[at + length - 1].isHighSurrogate())
            --length;
        lines.append(quoted(More, path.mid(at, length)));
        at += length;
    }
    lines.append(quoted(verb, path.mid(at)));
    return lines.join(u'\n');
}

InstanceChannel::HandOver sendOne(const QString& request)
{
    QLocalSocket socket;
    socket.connectToServer(InstanceChannel::serverName());
    if (!socket.waitForConnected(ConnectMs))
        return InstanceChannel::HandOver::NoProgram;
    socket.write(request.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(AnswerMs))
        return InstanceChannel::HandOver::Refused;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(AnswerMs))
        answer += socket.readAll();
    answer += socket.readAll();
    return answer == Acknowledged ? InstanceChannel::HandOver::Delivered
                                  : InstanceChannel::HandOver::Refused;
}
} // namespace

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)), m_watch(new QTimer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
    // A QLocalServer whose accept fails (no file descriptor left) closes and
    // removes its socket without a signal: look now and then.
    m_watch->setInterval(1000);
    connect(m_watch, &QTimer::timeout, this, &InstanceChannel::keepListening);
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::serverName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("vorlane-instance"));
}

QString InstanceChannel::lockPath()
{
    return serverName() + QStringLiteral(".lock");
}

QString InstanceChannel::openRequest(const QString& path)
{
    return request(QStringLiteral("open"), path);
}

QString InstanceChannel::printRequest(const QString& path)
{
    return request(QStringLiteral("print"), path);
}

bool InstanceChannel::parseRequest(const QString& line, QString* verb, QString* path)
{
    for (const QString& name : {QStringLiteral("open"), QStringLiteral("print"), More}) {
        const QString head = QStringLiteral("[%1(\"").arg(name);
        const QString tail = QStringLiteral("\")]");
        if (line.startsWith(head) && line.endsWith(tail) &&
            line.size() >= head.size() + tail.size()) {
            *verb = name;
            return unescape(line.mid(head.size(), line.size() - head.size() - tail.size()), path) &&
                   !path->isEmpty();
        }
    }
    return false;
}

InstanceChannel::HandOver InstanceChannel::handOver(const QStringList& requests)
{
    for (qsizetype i = 0; i < requests.size(); ++i) {
        const HandOver result = sendOne(requests[i]);
        // A program that goes away after taking some requests did not take the rest.
        if (result == HandOver::NoProgram && i > 0)
            return HandOver::Refused;
        if (result != HandOver::Delivered)
            return result;
    }
    return HandOver::Delivered;
}

InstanceChannel::HandOver InstanceChannel::handOverOrListen(const QStringList& requests, bool serve)
{
    // Without the lock (a start hung holding it) this start goes on regardless.
    QLockFile lock(lockPath());
    lock.tryLock(LockMs);
    const HandOver result = requests.isEmpty() ? HandOver::NoProgram : handOver(requests);
    if (result == HandOver::NoProgram && serve)
        listen();
    return result;
}

bool InstanceChannel::isListening() const
{
    return m_server->isListening();
}

bool InstanceChannel::listen()
{
    if (isListening())
        return true;
    // Listening puts a new socket in place of the old one, so only a socket
    // nobody answers on (a crashed program's) may go.
    const QString name = serverName();
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(ConnectMs))
        return false;
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        return false;
    m_serving = true;
    m_watch->start();
    return true;
}

void InstanceChannel::keepListening()
{
    if (m_serving && !m_server->isListening()) {
        m_serving = false;
        // Another program that started meanwhile serves now; leave it be.
        if (!listen()) {
            QLocalSocket probe;
            probe.connectToServer(serverName());
            if (probe.waitForConnected(ConnectMs))
                m_watch->stop();
            else
                m_serving = true; // still no room: try again later
        }
    }
}

void InstanceChannel::serve(QLocalSocket* socket)
{
    // Too many at once: the one waiting longest goes.
    while (m_connections.size() >= MaxConnections) {
        QLocalSocket* oldest = m_connections.takeFirst();
        oldest->abort();
        oldest->deleteLater();
    }
    m_connections.append(socket);
    connect(socket, &QObject::destroyed, this, [this, socket] {
        m_connections.removeOne(socket);
        keepListening();
    });
    // A caller that sends nothing, or not a whole request, is hung up on.
    QTimer::singleShot(ConnectionDeadlineMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto pieces = std::make_shared<QString>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, pieces] {
        for (;;) {
            // Bytes bound the characters from above; stop reading a line that is already too long.
            const qsizetype newline = socket->peek(4 * MaxRequestLength).indexOf('\n');
            if (newline < 0) {
                if (socket->bytesAvailable() >= 4 * MaxRequestLength)
                    socket->abort();
                return;
            }
            const QString line = QString::fromUtf8(socket->read(newline + 1)).chopped(1);
            QString verb, path;
            if (line.size() >= MaxRequestLength || !parseRequest(line, &verb, &path) ||
                pieces->size() + path.size() > MaxPathLength) {
                socket->disconnectFromServer();
                return;
            }
            if (verb == More) {
                *pieces += path;
                continue;
            }
            path.prepend(*pieces);
            socket->write(Acknowledged);
            socket->flush();
            socket->disconnectFromServer();
            emit requestReceived(verb, path);
            return;
        }
    });
}
