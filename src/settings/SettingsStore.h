#pragma once

#include "SettingKeys.h"
#include "foundation/OMDate.h"
#include "foundation/OMString.h"

#include <QString>
#include <cstdint>
#include <functional>

/**
 * The program's settings below the root key "Software/Ombrel/Vorlane": each is
 * read and written through its declaration in SettingKeys.h, and the typed
 * accessors add their fallback chains. Nothing is cached: every call asks the
 * store. A value that cannot be read gives the default; a write that fails
 * returns false with the reason in `error` (if given).
 */
class SettingsStore
{
public:
    static constexpr const char* RootKey = "Software/Ombrel/Vorlane";

    /// What a typed date reads as: the date and the text rewritten in the date
    /// format, or the reason it cannot be read (the message to show).
    struct DateEntry
    {
        ombrel::OMDate date;
        ombrel::OMString text;
        ombrel::OMString error;
        bool ok() const { return error.isEmpty(); }
    };

    static int32_t get(const IntegerSetting& setting);
    static ombrel::OMString get(const StringSetting& setting);
    /// A flag setting: any value other than 0 is true.
    static bool isSet(const IntegerSetting& setting) { return get(setting) != 0; }
    static bool set(const IntegerSetting& setting, int32_t value, QString* error = nullptr);
    static bool set(const StringSetting& setting, const ombrel::OMString& value,
                    QString* error = nullptr);
    /**
     * Changes `setting` as one step across every copy of the program (see
     * om_registry_changeInteger): `step` gets the stored value and returns
     * whether to store the value it leaves. False, with the reason, when the
     * settings could not be locked, read or written; nothing was stored then.
     */
    static bool change(const IntegerSetting& setting, const std::function<bool(int32_t&)>& step,
                       QString* error);

    /// One value of the text style named `style`.
    static ombrel::OMString get(const StyleSetting& setting, const ombrel::OMString& style,
                                const ombrel::OMString& fallback);
    static int32_t get(const StyleSetting& setting, const ombrel::OMString& style,
                       int32_t fallback);
    static bool set(const StyleSetting& setting, const ombrel::OMString& style,
                    const ombrel::OMString& value, QString* error = nullptr);
    static bool set(const StyleSetting& setting, const ombrel::OMString& style, int32_t value,
                    QString* error = nullptr);

    static ombrel::OMString currencySymbol();
    /// ISO 4217: the setting, else localeCurrencyCode().
    static ombrel::OMString currencyCode();
    /// The locale's currency, else "GBP".
    static ombrel::OMString localeCurrencyCode();
    /// ISO 3166-1 alpha-2: the setting, else localeCountry().
    static ombrel::OMString businessCountry();
    /// The locale's country, else "GB".
    static ombrel::OMString localeCountry();
    static ombrel::OMString hoursSymbol();
    static ombrel::OMString distanceSymbol();
    static ombrel::OMString dateFormat();
    static int32_t standardVATRate();
    static bool isVATRegistered();
    static ombrel::OMString versionText();
    /// The user's documents folder, or the home folder when there is none.
    static QString documentsFolder();
    /// The folder last used for documents while it exists, else documentsFolder().
    static QString lastDocumentFolder();
    /// Remembers the folder of `filePath` as the last used for documents.
    static bool rememberDocumentFolder(const QString& filePath, QString* error = nullptr);

    /**
     * Reads a typed date: day and month in the order of the date format, split
     * at "/" or ".", an optional year (two digits fall in the current century,
     * none is this year). An empty text gives the empty date. Shows nothing:
     * the caller shows `error` when the date cannot be read.
     */
    static DateEntry parseDateEntry(const ombrel::OMString& text);

private:
    static ombrel::OMString keyPath(const ombrel::OMString& section);
    static ombrel::OMString styleKeyPath(const ombrel::OMString& style);
    static ombrel::OMString settingString(const ombrel::OMString& section,
                                          const ombrel::OMString& name,
                                          const ombrel::OMString& fallback);
    static bool setSettingString(const ombrel::OMString& section, const ombrel::OMString& name,
                                 const ombrel::OMString& value, QString* error);
    static int32_t settingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                  int32_t fallback);
    static bool setSettingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                  int32_t value, QString* error);
};
