#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QTimer;

/**
 * Lets a second start of the program hand its files to the one already
 * running, over a per-user local socket. A request is one line,
 * [open("path")] or [print("path")], with backslash, line feed and carriage
 * return in the path written \\, \n and \r; a longer path goes ahead in
 * [more("piece")] lines. The server acknowledges each whole request at once
 * and hangs up unanswered on a line of MaxRequestLength characters or more.
 *
 * The server never lets a caller hold it: each connection has
 * ConnectionDeadlineMs to send its request, at most MaxConnections are open
 * at once (a new one drops the oldest), and should the server stop (an
 * accept that failed for want of file descriptors closes a QLocalServer and
 * removes its socket) it listens again as soon as it can.
 */
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxRequestLength = 520;
    /// Bounds a path assembled from pieces, so garbage cannot grow it forever.
    static constexpr int MaxPathLength = 64 * MaxRequestLength;
    /// A hand-over is a line or a few, written at once on connecting.
    static constexpr int ConnectionDeadlineMs = 3000;
    static constexpr int MaxConnections = 16;

    /// What became of a start's requests.
    enum class HandOver {
        Delivered, ///< a running program took every one
        NoProgram, ///< nobody serves
        Refused,   ///< a program serves but did not take one
    };

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    /// The socket's path: in the user's runtime folder, so each user has one.
    static QString serverName();
    /// The lock a start holds while it decides between handing over and serving.
    static QString lockPath();
    /// The request's text: one line, or several for a long path.
    static QString openRequest(const QString& path);
    static QString printRequest(const QString& path);
    /// Splits one line into its verb ("open", "print", "more") and path; false when malformed.
    static bool parseRequest(const QString& line, QString* verb, QString* path);

    /// Sends each request to a running program.
    static HandOver handOver(const QStringList& requests);

    /**
     * Hands `requests` to a running program or, when nobody serves and
     * `serve` is set, starts serving. Both happen under lockPath(), so of
     * two starts at the same moment one serves and the other hands over.
     */
    HandOver handOverOrListen(const QStringList& requests, bool serve);

    /// Starts serving; false when another program already serves.
    bool listen();
    bool isListening() const;

signals:
    /// An acknowledged request; the receiver decides when it can act on it.
    void requestReceived(const QString& verb, const QString& path);

private:
    void serve(QLocalSocket* socket);
    /// Listens again when the server stopped by itself.
    void keepListening();

    QLocalServer* m_server;
    QTimer* m_watch;
    QList<QLocalSocket*> m_connections; // oldest first
    bool m_serving = false;
};
