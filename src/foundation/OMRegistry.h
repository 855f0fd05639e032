#pragma once

#include "OMString.h"

#include <QString>
#include <cstdint>
#include <functional>

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
 * Reads give `fallback` when the value is absent or unreadable; writes return
 * whether the store took the value and, when it did not, put the reason in
 * `error` (if given).
 */
OMString om_registry_getString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               const OMString& fallback);
bool om_registry_setString(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                           const OMString& value, QString* error = nullptr);
int32_t om_registry_getInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback);
bool om_registry_setInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                            int32_t value, QString* error = nullptr);

/*
 * Changes an integer as one step across every process using the store, for
 * counters that must never give a value out twice. Under the lock file that
 * QSettings itself takes while writing the store ("<file>.lock"), the file is
 * read afresh, `change` is given the value (or `fallback`) and, when it
 * returns true, the value it leaves is written and the file replaced with a
 * later modification time. False, with the reason in `error`, when the store
 * cannot be locked, read or written: the stored value is then as it was, and
 * no unwritten change stays behind in this process to be written later.
 * The store must be a file in INI format, as the native one is on Linux.
 */
/*
 * Reads held open: from the first om_registry_holdReads() to the matching
 * om_registry_releaseReads() (they nest), every read of a store goes to one
 * QSettings opened on its first read, instead of opening the store (and
 * looking for its fallback files) again for every value. What the held store
 * gives is the store as it stood when it was opened, with this process's own
 * writes: a write drops the held stores, so that the next read opens afresh.
 * Meant for a piece of work that reads many values at one moment (a page
 * composed, a command-line run), not for a whole session.
 */
void om_registry_holdReads();
void om_registry_releaseReads();

bool om_registry_changeInteger(OMRegistryHive hive, const OMString& keyPath, const OMString& name,
                               int32_t fallback, const std::function<bool(int32_t& value)>& change,
                               QString* error = nullptr);

} // namespace ombrel
