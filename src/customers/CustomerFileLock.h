#pragma once

#include <QLockFile>
#include <QString>

/**
 * The lock beside the customer database file ("<file>.lock"), held for one
 * read-merge-write; waits up to `waitMs` for another copy of the program.
 *
 * QLockFile takes over a lock whose process has ended, but not when that
 * process died while creating the lock file (it is still empty) or while
 * taking over another one: such a lock only counts as stale after the stale
 * time. A lock file that has not changed for a while is therefore removed
 * whenever no process holds it open any more: the system lock a live holder
 * keeps on it (an open handle on Windows) makes the removal fail. The removal
 * happens under the takeover lock QLockFile itself uses ("<file>.lock.rmlock"),
 * so two copies never remove each other's fresh lock.
 */
class CustomerFileLock
{
public:
    CustomerFileLock(const QString& databasePath, int waitMs, int staleMs);
    CustomerFileLock(const CustomerFileLock&) = delete;
    CustomerFileLock& operator=(const CustomerFileLock&) = delete;

    bool locked() const { return m_locked; }
    /// Why the lock was not taken: another copy holds it, or the lock file
    /// cannot be made.
    QString reason() const;
    /// Whether the lock was not taken because another copy holds it.
    bool heldElsewhere() const { return !m_locked && m_lock.error() == QLockFile::LockFailedError; }

private:
    /// Removes an abandoned lock file and takes the lock; false when there
    /// was nothing to take over (or another copy is taking over).
    bool takeOver();
    static bool unchangedForAWhile(const QString& path);

    QString m_path;
    QLockFile m_lock;
    bool m_locked = false;
};
