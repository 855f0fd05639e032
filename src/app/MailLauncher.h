#pragma once

#include <QString>
#include <QStringList>

/**
 * Hands a file to the desktop's mail program as the attachment of a new
 * message. The program is started directly with its arguments, never through
 * a shell, so quotes, spaces or ";" in a subject or path cannot run anything.
 * Tests replace it so that no mail program or file manager starts.
 */
class MailLauncher
{
public:
    static constexpr const char* Program = "xdg-email";

    virtual ~MailLauncher() = default;

    /// The arguments that open a new message with `subject` and `attachment`.
    static QStringList arguments(const QString& subject, const QString& attachment);

    /// True where the desktop can take a message: a Unix desktop with the
    /// program on the PATH.
    virtual bool available() const;
    /// Starts `program` with `arguments` without waiting; false when it could not start.
    virtual bool start(const QString& program, const QStringList& arguments);

    /// Shows `folder` in the file manager; false when nothing could show it.
    virtual bool showFolder(const QString& folder);

    /// Opens a new message with `attachment`; false when no mail program started.
    bool send(const QString& subject, const QString& attachment);
};
