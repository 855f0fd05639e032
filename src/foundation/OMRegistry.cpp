#include "OMRegistry.h"

#include <QSettings>
#include <QStringList>
#include <memory>

namespace ombrel {

namespace {

struct Location
{
    std::unique_ptr<QSettings> store;
    QString key;
};

// Splits "Software/Company/Application/sub" into a store and a key below it.
Location locate(OMRegistryHive hive, const OMString& keyPath, const OMString& name)
{
    QStringList parts = keyPath.toQString().split(u'/', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(u"Software", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.size() < 2 || name.isEmpty())
        return {};
    const QString company = parts.takeFirst();
    const QString application = parts.takeFirst();
    parts.append(name.toQString());
    const auto scope =
        hive == OMRegistryHive::CurrentUser ? QSettings::UserScope : QSettings::SystemScope;
    return {std::make_unique<QSettings>(QSettings::NativeFormat, scope, company, application),
            parts.join(u'/')};
}

bool commit(QSettings& store)
{
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace

OMString om_registry_getString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               const OMString& fallback)
{
    const Location at = locate(hive, keyPath, name);
    if (!at.store)
        return fallback;
    const QVariant value = at.store->value(at.key);
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
                           const OMString& value)
{
    const Location at = locate(hive, keyPath, name);
    if (!at.store || !at.store->isWritable())
        return false;
    at.store->setValue(at.key, value.toQString());
    return commit(*at.store);
}

int32_t om_registry_getInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback)
{
    const Location at = locate(hive, keyPath, name);
    if (!at.store)
        return fallback;
    const QVariant value = at.store->value(at.key);
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

bool om_registry_setInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                            int32_t value)
{
    const Location at = locate(hive, keyPath, name);
    if (!at.store || !at.store->isWritable())
        return false;
    at.store->setValue(at.key, value);
    return commit(*at.store);
}

} // namespace ombrel
