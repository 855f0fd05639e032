#pragma once

#include "OMString.h"

#include <cstdint>

namespace ombrel {

enum class OMRegistryHive { CurrentUser, LocalMachine };

/*
 * Settings functions over Qt's native settings store. A key path of the form
 * "Software/<Company>/<Application>/<sub/keys>" names the store of that company
 * and application (on Linux $XDG_CONFIG_HOME/<Company>/<Application>.conf, on
 * Windows the registry key of the same path) and the value `name` below the
 * sub-keys in it: ("Software/Ombrel/Vorlane/options/company", "VATRate") is the
 * key "options/company/VATRate"; a path without sub-keys names a top-level key.
 *
 * Reads give `fallback` when the value is absent or unreadable; writes report
 * whether the store took the value, and callers may ignore that.
 */
OMString om_registry_getString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               const OMString& fallback);
bool om_registry_setString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                           const OMString& value);
int32_t om_registry_getInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback);
bool om_registry_setInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                            int32_t value);

} // namespace ombrel
