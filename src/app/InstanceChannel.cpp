#include "InstanceChannel.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
// Generous bounds for a local socket; a busy running program answers at once
// because it acknowledges before acting.
constexpr int ConnectMs = 1000;
constexpr int AnswerMs = 5000;
const QByteArray Acknowledged = "ack\n";

QString quoted(const QString& verb, const QString& path)
{
    return QStringLiteral("[%1(\"%2\")]").arg(verb, path);
}
} // namespace

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::serverName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("vorlane-instance"));
}

QString InstanceChannel::openRequest(const QString& path)
{
    return quoted(QStringLiteral("open"), path);
}

QString InstanceChannel::printRequest(const QString& path)
{
    return quoted(QStringLiteral("print"), path);
}

bool InstanceChannel::parseRequest(const QString& request, QString* verb, QString* path)
{
    for (const QString& name : {QStringLiteral("open"), QStringLiteral("print")}) {
        const QString head = QStringLiteral("[%1(\"").arg(name);
        const QString tail = QStringLiteral("\")]");
        if (request.startsWith(head) && request.endsWith(tail) &&
            request.size() >= head.size() + tail.size()) {
            *verb = name;
            *path = request.mid(head.size(), request.size() - head.size() - tail.size());
            return !path->isEmpty();
        }
    }
    return false;
}

bool InstanceChannel::handOver(const QStringList& requests)
{
    for (const QString& request : requests) {
        // A line break would split the request; such a path cannot be handed over.
        if (request.contains(u'\n'))
            return false;
        QLocalSocket socket;
        socket.connectToServer(serverName());
        if (!socket.waitForConnected(ConnectMs))
            return false;
        socket.write(request.toUtf8() + '\n');
        if (!socket.waitForBytesWritten(AnswerMs))
            return false;
        QByteArray answer;
        while (!answer.endsWith('\n') && socket.waitForReadyRead(AnswerMs))
            answer += socket.readAll();
        if (answer != Acknowledged)
            return false;
    }
    return true;
}

bool InstanceChannel::isListening() const
{
    return m_server->isListening();
}

bool InstanceChannel::listen()
{
    if (isListening())
        return true;
    const QString name = serverName();
    if (m_server->listen(name))
        return true;
    // Someone answers: that program serves. Nobody answers: a crashed program left its socket.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(ConnectMs))
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void InstanceChannel::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        // Bytes bound the characters from above; stop reading a request that is already too long.
        const qsizetype newline = socket->peek(4 * MaxRequestLength).indexOf('\n');
        if (newline < 0) {
            if (socket->bytesAvailable() >= 4 * MaxRequestLength)
                socket->abort();
            return;
        }
        const QString request = QString::fromUtf8(socket->read(newline + 1)).chopped(1);
        if (request.size() >= MaxRequestLength) {
            socket->disconnectFromServer();
            return;
        }
        socket->write(Acknowledged);
        socket->flush();
        socket->disconnectFromServer();
        emit requestReceived(request);
    });
}
