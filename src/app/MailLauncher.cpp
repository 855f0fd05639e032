#include "MailLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

QStringList MailLauncher::arguments(const QString& subject, const QString& attachment)
{
    // The attachment is an absolute path, so it never reads as an option.
    return {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
            QStringLiteral("--attach"), attachment};
}

bool MailLauncher::available() const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !QStandardPaths::findExecutable(QString::fromLatin1(Program)).isEmpty();
#else
    return false;
#endif
}

bool MailLauncher::start(const QString& program, const QStringList& arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    return !found.isEmpty() && QProcess::startDetached(found, arguments);
}

bool MailLauncher::send(const QString& subject, const QString& attachment)
{
    return start(QString::fromLatin1(Program), arguments(subject, attachment));
}

bool MailLauncher::showFolder(const QString& folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
