#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

/**
 * Hands a file to the desktop's mail program as the attachment of a new
 * message. The program is started directly with its arguments, never through
 * a shell, so quotes, spaces or ";" in a subject or path cannot run anything.
 * Its result comes back later, without blocking the window: the launcher
 * can be installed and still find no mail program set up (it then ends with
 * a failure status). Tests replace it so that no mail program or file
 * manager starts.
 */
class MailLauncher
{
public:
    static constexpr const char* Program = "xdg-email";
    /// Told once whether the program took the message (ended with status 0).
    using Finished = std::function<void(bool sent)>;

    MailLauncher();
    virtual ~MailLauncher();

    /// The arguments that open a new message with `subject` and `attachment`,
    /// addressed to `recipient` when that is one plain address (anything else,
    /// such as text the program could take for an option, is left out).
    static QStringList arguments(const QString& subject, const QString& attachment,
                                 const QString& recipient = {});
    /// The same with every file of `attachments` attached.
    static QStringList arguments(const QString& subject, const QStringList& attachments,
                                 const QString& recipient = {});

    /// True where the desktop can take a message: a Unix desktop with the
    /// program on the PATH.
    virtual bool available() const;
    /// Starts `program` with `arguments` and returns at once; `finished`
    /// follows when it could not start or has ended.
    virtual void start(const QString& program, const QStringList& arguments, Finished finished);

    /// Shows `folder` in the file manager; false when nothing could show it.
    virtual bool showFolder(const QString& folder);

    /// Opens a new message with `attachment`; `finished` is not called once
    /// this launcher is gone.
    void send(const QString& subject, const QString& attachment, Finished finished,
              const QString& recipient = {});
    void send(const QString& subject, const QStringList& attachments, Finished finished,
              const QString& recipient = {});
    /// Sends the PDF `attachments.first()` (and any others); when no mail
    /// program starts, says where the PDF was saved and offers its `folder`.
    void sendOrOfferFolder(const QString& subject, const QStringList& attachments,
                           const QString& folder, const QString& recipient = {});

private:
    std::shared_ptr<int> m_alive;
};
