#include "MailLauncher.h"

#include "views/MessageHook.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

MailLauncher::MailLauncher() : m_alive(std::make_shared<int>(0))
{
}

MailLauncher::~MailLauncher() = default;

QStringList MailLauncher::arguments(const QString& subject, const QString& attachment,
                                    const QString& recipient)
{
    return arguments(subject, QStringList{attachment}, recipient);
}

QStringList MailLauncher::arguments(const QString& subject, const QStringList& attachments,
                                    const QString& recipient)
{
    // Each attachment is an absolute path, so it never reads as an option.
    QStringList args = {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject};
    for (const QString& attachment : attachments)
        args << QStringLiteral("--attach") << attachment;
    // One address, "name@host": no blank, comma, "?" or leading "-" that the
    // program could read as a list, a mailto query or an option.
    static const QRegularExpression address(
        QStringLiteral("^[^-\\s,;?&<>\"'][^\\s,;?&<>\"']*@[^\\s,;?&<>\"'@]+$"));
    const QString to = recipient.trimmed();
    if (address.match(to).hasMatch())
        args << to;
    return args;
}

bool MailLauncher::available() const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !QStandardPaths::findExecutable(QString::fromLatin1(Program)).isEmpty();
#else
    return false;
#endif
}

void MailLauncher::start(const QString& program, const QStringList& arguments, Finished finished)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) {
        finished(false);
        return;
    }
    // No parent: the program (and the mail program it may run) carries on
    // if Vorlane ends first.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, finished](int code, QProcess::ExitStatus status) {
                         finished(status == QProcess::NormalExit && code == 0);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, finished](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         finished(false);
                         process->deleteLater();
                     });
    process->start(found, arguments);
}

void MailLauncher::send(const QString& subject, const QString& attachment, Finished finished,
                        const QString& recipient)
{
    send(subject, QStringList{attachment}, std::move(finished), recipient);
}

void MailLauncher::send(const QString& subject, const QStringList& attachments, Finished finished,
                        const QString& recipient)
{
    start(QString::fromLatin1(Program), arguments(subject, attachments, recipient),
          [alive = std::weak_ptr<int>(m_alive), finished = std::move(finished)](bool sent) {
              if (!alive.expired())
                  finished(sent);
          });
}

bool MailLauncher::showFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void MailLauncher::sendOrOfferFolder(const QString& subject, const QStringList& attachments,
                                     const QString& folder, const QString& recipient)
{
    const QString path = attachments.value(0);
    send(
        subject, attachments,
        [this, folder, path](bool sent) {
            if (sent)
                return;
            const QString question =
                QStringLiteral("No mail program could be started. The PDF was saved as\n%1\n\n"
                               "Show its folder?")
                    .arg(QDir::toNativeSeparators(path));
            if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) ==
                MessageHook::AnswerYes)
                showFolder(folder);
        },
        recipient);
}
