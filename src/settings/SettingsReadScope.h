#pragma once

/**
 * While one lives, the settings are read from one store, opened at the first
 * read, instead of being opened again for every value: a page composed or a
 * command-line run reads each of its many values without looking for the
 * settings files each time. Values read are the settings as they stood when
 * the store was opened, and this process's own writes (a write opens it
 * afresh). Scopes nest; the store is closed when the outermost one ends.
 *
 *     {
 *         SettingsReadScope reads;
 *         printed.compose(record, options);   // every setting read once
 *     }
 */
class SettingsReadScope
{
public:
    SettingsReadScope();
    ~SettingsReadScope();
    SettingsReadScope(const SettingsReadScope&) = delete;
    SettingsReadScope& operator=(const SettingsReadScope&) = delete;
};
