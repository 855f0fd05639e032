#include "OMRegistry.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>

namespace ombrel {

namespace {

struct Location
{
    std::unique_ptr<QSettings> store;
    QString key;
};

/// The stores held open for reads while om_registry_holdReads() is in force.
struct HeldReads
{
    int depth = 0;
    struct Store
    {
        QSettings::Scope scope;
        QString company;
        QString application;
        std::unique_ptr<QSettings> settings;
    };
    std::vector<Store> stores;
};

HeldReads& heldReads()
{
    static HeldReads held;
    return held;
}

/// The store a read goes to: the held one while reads are held, else null.
QSettings* heldStore(QSettings::Scope scope, const QString& company, const QString& application)
{
    HeldReads& held = heldReads();
    if (held.depth == 0)
        return nullptr;
    for (const HeldReads::Store& store : held.stores)
        if (store.scope == scope && store.company == company && store.application == application)
            return store.settings.get();
    held.stores.push_back(
        {scope, company, application,
         std::make_unique<QSettings>(QSettings::NativeFormat, scope, company, application)});
    return held.stores.back().settings.get();
}

/// A write: held stores would keep giving what they read before it.
void dropHeldStores()
{
    heldReads().stores.clear();
}

/// Where a key path leads: the store's scope, company and application, and
/// the key below it; `valid` false when the path names no setting.
struct KeyParts
{
    bool valid = false;
    QSettings::Scope scope = QSettings::UserScope;
    QString company;
    QString application;
    QString key;
};

// Splits "Software/Company/Application/sub" into a store and a key below it.
KeyParts split(OMRegistryHive hive, const OMString& keyPath, const OMString& name)
{
    QStringList parts = keyPath.toQString().split(u'/', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(u"Software", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.size() < 2 || name.isEmpty())
        return {};
    KeyParts at;
    at.valid = true;
    at.company = parts.takeFirst();
    at.application = parts.takeFirst();
    parts.append(name.toQString());
    at.key = parts.join(u'/');
    at.scope = hive == OMRegistryHive::CurrentUser ? QSettings::UserScope : QSettings::SystemScope;
    return at;
}

/// A store opened for a write (or a change), and the key in it.
Location locate(OMRegistryHive hive, const OMString& keyPath, const OMString& name)
{
    const KeyParts at = split(hive, keyPath, name);
    if (!at.valid)
        return {};
    dropHeldStores();
    return {
        std::make_unique<QSettings>(QSettings::NativeFormat, at.scope, at.company, at.application),
        at.key};
}

/// The value of `name`: from the held store while reads are held, else from
/// a store opened for it. Invalid when absent or the path names no setting.
QVariant readValue(OMRegistryHive hive, const OMString& keyPath, const OMString& name)
{
    const KeyParts at = split(hive, keyPath, name);
    if (!at.valid)
        return {};
    if (QSettings* held = heldStore(at.scope, at.company, at.application))
        return held->value(at.key);
    return QSettings(QSettings::NativeFormat, at.scope, at.company, at.application).value(at.key);
}

bool fail(QString* error, const QString& file, const QString& reason)
{
    if (error)
        *error = QStringLiteral("The settings file %1 cannot be written: %2.")
                     .arg(QDir::toNativeSeparators(file), reason);
    return false;
}

QString statusReason(QSettings::Status status)
{
    return status == QSettings::FormatError ? QStringLiteral("its contents cannot be read")
                                            : QStringLiteral("access was denied");
}

bool commit(QSettings& store, QString* error)
{
    store.sync();
    return store.status() == QSettings::NoError ||
           fail(error, store.fileName(), statusReason(store.status()));
}

bool writable(const Location& at, QString* error)
{
    if (!at.store) {
        if (error)
            *error = QStringLiteral("The key path names no setting.");
        return false;
    }
    return at.store->isWritable() ||
           fail(error, at.store->fileName(), QStringLiteral("it is read-only"));
}

int32_t integerOf(const QVariant& value, int32_t fallback)
{
    if (!value.isValid())
        return fallback;
    bool ok = false;
    // Integers come back from a text store as text; a full 32-bit unsigned
    // value (a flags word) reads back as the same bits.
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > qlonglong(UINT32_MAX))
        return fallback;
    return int32_t(uint32_t(number));
}

/// Waits up to 10 s for the lock; a lock whose process has ended is taken
/// over at once, as QLockFile does. Polls often, so that copies taking turns
/// at a counter are not held up by QLockFile's growing waits.
bool lockWithin(QLockFile& lock, QString* reason)
{
    QDeadlineTimer deadline(10000);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError) {
            *reason = lock.error() == QLockFile::PermissionError
                          ? QStringLiteral("its folder cannot be written")
                          : QStringLiteral("its lock file cannot be made");
            return false;
        }
        if (deadline.hasExpired()) {
            *reason = QStringLiteral("another program keeps it locked");
            return false;
        }
        QThread::msleep(2);
    }
    return true;
}

bool readWhole(const QString& path, QByteArray& bytes, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

/// QSettings reads its file again only when the size or the modification
/// time (to the millisecond) changed, in this process and in every other. A
/// counter advanced within the same millisecond keeps its size, so the file
/// that replaces `previous` must carry a later time.
bool laterThan(const QString& path, const QDateTime& previous)
{
    return QFileInfo(path).lastModified() > previous;
}

void setLaterTime(QFileDevice& file, const QDateTime& previous)
{
    if (previous.isValid())
        file.setFileTime(std::max(QDateTime::currentDateTimeUtc(), previous.addMSecs(1)),
                         QFileDevice::FileModificationTime);
}

} // namespace

OMString om_registry_getString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               const OMString& fallback)
{
    const QVariant value = readValue(hive, keyPath, name);
    if (!value.isValid())
        return fallback;
    // A hand-edited settings file may hold a text with unquoted commas, which
    // the store reads as a list: take it back as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return OMString::fromQString(value.toStringList().join(QLatin1String(", ")));
    if (!value.canConvert<QString>())
        return fallback;
    return OMString::fromQString(value.toString());
}

bool om_registry_setString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                           const OMString& value, QString* error)
{
    const Location at = locate(hive, keyPath, name);
    if (!writable(at, error))
        return false;
    at.store->setValue(at.key, value.toQString());
    return commit(*at.store, error);
}

int32_t om_registry_getInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback)
{
    return integerOf(readValue(hive, keyPath, name), fallback);
}

bool om_registry_setInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                            int32_t value, QString* error)
{
    const Location at = locate(hive, keyPath, name);
    if (!writable(at, error))
        return false;
    at.store->setValue(at.key, value);
    return commit(*at.store, error);
}

void om_registry_holdReads()
{
    ++heldReads().depth;
}

void om_registry_releaseReads()
{
    HeldReads& held = heldReads();
    if (held.depth > 0 && --held.depth == 0)
        held.stores.clear();
}

bool om_registry_changeInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback, const std::function<bool(int32_t& value)>& change,
                               QString* error)
{
    QString file;
    QString key;
    {
        // This process's own store is done with before the lock is taken:
        // it may still want to write changes of its own under that lock.
        const Location at = locate(hive, keyPath, name);
        if (!writable(at, error))
            return false;
        file = at.store->fileName();
        key = at.key;
    }
    QString reason;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return fail(error, file, QStringLiteral("its folder cannot be made"));
    // The lock QSettings takes to write the file: every copy of the program
    // waits here, and no QSettings writes the file while it is replaced.
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lockWithin(lock, &reason))
        return fail(error, file, reason);

    const QFileInfo current(file);
    QByteArray bytes;
    if (current.exists()) {
        // A file marked read-only is kept as it is, even by a user (root)
        // whom the system would let write it.
        if (!current.isWritable() || !(current.permissions() & QFileDevice::WriteOwner))
            return fail(error, file, QStringLiteral("it is read-only"));
        if (!readWhole(file, bytes, &reason))
            return fail(error, file, reason);
    }

    // The change is made in a copy read by a QSettings of its own. The store
    // this process shares would keep a change it failed to write, and write it
    // with some later change of another setting, perhaps over the numbers
    // other copies gave out meanwhile.
    QTemporaryDir scratch;
    const QString copyPath = scratch.filePath(QStringLiteral("settings.conf"));
    {
        QFile copy(copyPath);
        if (!scratch.isValid() || !copy.open(QIODevice::WriteOnly) ||
            copy.write(bytes) != bytes.size() || !copy.flush())
            return fail(error, file, QStringLiteral("no working copy can be made"));
    }
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        if (copy.status() != QSettings::NoError)
            return fail(error, file, statusReason(copy.status()));
        int32_t value = integerOf(copy.value(key), fallback);
        if (!change(value))
            return true;
        copy.setValue(key, value);
        copy.sync();
        if (copy.status() != QSettings::NoError)
            return fail(error, file, statusReason(copy.status()));
    }
    if (!readWhole(copyPath, bytes, &reason))
        return fail(error, file, reason);

    const QDateTime previous = current.exists() ? current.lastModified() : QDateTime();
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        return fail(error, file, out.errorString());
    setLaterTime(out, previous);
    if (!out.commit())
        return fail(error, file, out.errorString());
    if (previous.isValid() && !laterThan(file, previous)) {
        // A file system that keeps whole seconds only.
        QFile touched(file);
        if (touched.open(QIODevice::ReadOnly))
            touched.setFileTime(previous.addSecs(2), QFileDevice::FileModificationTime);
    }
    return true;
}

} // namespace ombrel
