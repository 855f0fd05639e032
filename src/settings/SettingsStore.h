#pragma once

#include "SettingKeys.h"
#include "foundation/OMDate.h"
#include "foundation/OMString.h"

#include <QString>
#include <cstdint>

/**
 * The program's settings below the root key "Software/Ombrel/Vorlane": each is
 * read and written through its declaration in SettingKeys.h, and the typed
 * accessors add their fallback chains. Nothing is cached: every call asks the
 * store, and store failures are silent (a read gives the default, a failed
 * write is dropped).
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
    static void set(const IntegerSetting& setting, int32_t value);
    static void set(const StringSetting& setting, const ombrel::OMString& value);

    /// One value of the text style named `style`.
    static ombrel::OMString get(const StyleSetting& setting, const ombrel::OMString& style,
                                const ombrel::OMString& fallback);
    static int32_t get(const StyleSetting& setting, const ombrel::OMString& style,
                       int32_t fallback);
    static void set(const StyleSetting& setting, const ombrel::OMString& style,
                    const ombrel::OMString& value);
    static void set(const StyleSetting& setting, const ombrel::OMString& style, int32_t value);

    static ombrel::OMString GetCurrencySymbol();
    static ombrel::OMString GetHoursSymbol();
    static ombrel::OMString GetDistanceSymbol();
    static ombrel::OMString GetDateFormat();
    static int32_t GetStandardVATRate();
    static bool IsVATRegistered();
    static ombrel::OMString GetVersionText();
    /// The user's documents folder, or the home folder when there is none.
    static QString GetDocumentsFolder();
    /// The folder last used for documents while it exists, else GetDocumentsFolder().
    static QString GetLastDocumentFolder();
    /// Remembers the folder of `filePath` as the last used for documents.
    static void RememberDocumentFolder(const QString& filePath);

    /**
     * Reads a typed date: day and month in the order of the date format, split
     * at "/" or ".", an optional year (two digits fall in the current century,
     * none is this year). An empty text gives the empty date. Shows nothing:
     * the caller shows `error` when the date cannot be read.
     */
    static DateEntry ParseDateEntry(const ombrel::OMString& text);

private:
    static ombrel::OMString keyPath(const ombrel::OMString& section);
    static ombrel::OMString styleKeyPath(const ombrel::OMString& style);
    static ombrel::OMString GetSettingString(const ombrel::OMString& section,
                                             const ombrel::OMString& name,
                                             const ombrel::OMString& fallback);
    static void SetSettingString(const ombrel::OMString& section, const ombrel::OMString& name,
                                 const ombrel::OMString& value);
    static int32_t GetSettingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                     int32_t fallback);
    static void SetSettingInteger(const ombrel::OMString& section, const ombrel::OMString& name,
                                  int32_t value);
};
