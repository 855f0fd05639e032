#include "CustomerFileLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int PollMs = 500;
// A lock file this long unchanged may have been abandoned.
constexpr qint64 SettledMs = 2000;

} // namespace

CustomerFileLock::CustomerFileLock(const QString& databasePath, int waitMs, int staleMs)
    : m_path(databasePath + QStringLiteral(".lock")), m_lock(m_path)
{
    m_lock.setStaleLockTime(staleMs);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        const qint64 left = std::max<qint64>(deadline.remainingTime(), 0);
        m_locked = m_lock.tryLock(int(std::min<qint64>(left, PollMs)));
        if (m_locked || m_lock.error() != QLockFile::LockFailedError)
            return;
        if (unchangedForAWhile(m_path) && takeOver()) {
            if (m_locked)
                return;
            continue;
        }
        if (deadline.hasExpired())
            return;
    }
}

QString CustomerFileLock::reason() const
{
    if (m_locked)
        return {};
    return m_lock.error() == QLockFile::LockFailedError
               ? QStringLiteral("another copy of Vorlane is writing it")
               : QStringLiteral("its lock file %1 cannot be made").arg(m_path);
}

bool CustomerFileLock::takeOver()
{
    QLockFile guard(m_path + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0)) {
        // A takeover lock left by a copy killed while taking over.
        if (!unchangedForAWhile(guard.fileName()) || !guard.removeStaleLockFile() ||
            !guard.tryLock(0))
            return false;
    }
    if (!unchangedForAWhile(m_path) || !m_lock.removeStaleLockFile())
        return false;
    m_locked = m_lock.tryLock(0);
    return true;
}

bool CustomerFileLock::unchangedForAWhile(const QString& path)
{
    const QDateTime changed = QFileInfo(path).fileTime(QFileDevice::FileModificationTime).toUTC();
    return changed.isValid() && changed.msecsTo(QDateTime::currentDateTimeUtc()) > SettledMs;
}
