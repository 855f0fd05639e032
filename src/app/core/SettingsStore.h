#pragma once

#include "SettingKeys.h"
#include "foundation/OMDate.h"
#include "foundation/OMString.h"

#include <cstdint>

/**
 * The program's settings: the generic operations on (section, name) below the
 * root key "Software/Ombrel/Vorlane" and the typed accessors with their
 * fallback chains. Nothing is cached: every call asks the store, and store
 * failures are silent (a read gives the default, a failed write is dropped).
 */
class SettingsStore
{
public:
    static constexpr const char* RootKey = "Software/Ombrel/Vorlane";

    static ombrel::OMString GetSettingString(const ombrel::OMString& section,
                                             const ombrel::OMString& name,
                                             const ombrel::OMString& fallback);
    static void SetSettingString(const ombrel::OMString& section, const ombrel::OMString& name,
                                 const ombrel::OMString& value);
    static int32_t GetSettingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                     int32_t fallback);
    static void SetSettingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                  int32_t value);

    static int32_t get(const IntegerSetting& setting);
    static ombrel::OMString get(const StringSetting& setting);
    /// A flag setting: any value other than 0 is true.
    static bool isSet(const IntegerSetting& setting) { return get(setting) != 0; }
    static void set(const IntegerSetting& setting, int32_t value);
    static void set(const StringSetting& setting, const ombrel::OMString& value);

    static ombrel::OMString GetCurrencySymbol();
    static ombrel::OMString GetHoursSymbol();
    static ombrel::OMString GetDistanceSymbol();
    static ombrel::OMString GetDateFormat();
    static int32_t GetStandardVATRate();
    static bool IsVATRegistered();
    static ombrel::OMString GetVersionText();

    /**
     * Reads a typed date: day and month in the order of the date format, split
     * at "/" or ".", an optional year (two digits fall in the current century,
     * none is this year). On success the date is set and the text rewritten in
     * the date format; otherwise a message says what is wrong, both stay as
     * they were and the result is false. An empty text gives the empty date.
     */
    static bool ParseDateEntry(ombrel::OMString& text, ombrel::OMDate& date);

private:
    static ombrel::OMString keyPath(const ombrel::OMString& section);
};
