#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

/**
 * Lets a second start of the program hand its files to the one already
 * running, over a per-user local socket. A request is one line,
 * [open("path")] or [print("path")]; the server acknowledges it at once and
 * ignores requests of MaxRequestLength characters or more unanswered.
 */
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxRequestLength = 520;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    /// The socket's path: in the user's runtime folder, so each user has one.
    static QString serverName();
    static QString openRequest(const QString& path);
    static QString printRequest(const QString& path);
    /// Splits a request into its verb ("open", "print") and path; false when malformed.
    static bool parseRequest(const QString& request, QString* verb, QString* path);

    /**
     * Sends each request to a running program; true when every one was
     * acknowledged. False at once when no program is running.
     */
    static bool handOver(const QStringList& requests);

    /// Starts serving; false when another program already serves.
    bool listen();
    bool isListening() const;

signals:
    /// An acknowledged request; the receiver decides whether it can act on it now.
    void requestReceived(const QString& request);

private:
    void serve(QLocalSocket* socket);

    QLocalServer* m_server;
};
