#include "SettingsStore.h"

#include "LocaleInfo.h"
#include "foundation/OMException.h"
#include "foundation/OMRegistry.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <cstdlib>

using namespace ombrel;

OMString SettingsStore::keyPath(const OMString& section)
{
    OMString path(RootKey);
    if (!section.isEmpty()) {
        path += "/";
        path += section;
    }
    return path;
}

OMString SettingsStore::settingString(const OMString& section, const OMString& name,
                                      const OMString& fallback)
{
    return om_registry_getString(OMRegistryHive::CurrentUser, keyPath(section), name, fallback);
}

bool SettingsStore::setSettingString(const OMString& section, const OMString& name,
                                     const OMString& value, QString* error)
{
    return om_registry_setString(OMRegistryHive::CurrentUser, keyPath(section), name, value, error);
}

int32_t SettingsStore::settingInteger(const OMString& section, const OMString& name,
                                      int32_t fallback)
{
    return om_registry_getInteger(OMRegistryHive::CurrentUser, keyPath(section), name, fallback);
}

bool SettingsStore::setSettingInteger(const OMString& section, const OMString& name, int32_t value,
                                      QString* error)
{
    return om_registry_setInteger(OMRegistryHive::CurrentUser, keyPath(section), name, value,
                                  error);
}

int32_t SettingsStore::get(const IntegerSetting& setting)
{
    return settingInteger(setting.section, setting.name, setting.fallback);
}

OMString SettingsStore::get(const StringSetting& setting)
{
    return settingString(setting.section, setting.name, setting.fallback);
}

bool SettingsStore::set(const IntegerSetting& setting, int32_t value, QString* error)
{
    return setSettingInteger(setting.section, setting.name, value, error);
}

bool SettingsStore::set(const StringSetting& setting, const OMString& value, QString* error)
{
    return setSettingString(setting.section, setting.name, value, error);
}

bool SettingsStore::change(const IntegerSetting& setting, const std::function<bool(int32_t&)>& step,
                           QString* error)
{
    return om_registry_changeInteger(OMRegistryHive::CurrentUser, keyPath(setting.section),
                                     setting.name, setting.fallback, step, error);
}

OMString SettingsStore::styleKeyPath(const OMString& style)
{
    return OMString(SettingKeys::StyleSectionPrefix) + style;
}

OMString SettingsStore::get(const StyleSetting& setting, const OMString& style,
                            const OMString& fallback)
{
    return settingString(styleKeyPath(style), setting.name, fallback);
}

int32_t SettingsStore::get(const StyleSetting& setting, const OMString& style, int32_t fallback)
{
    return settingInteger(styleKeyPath(style), setting.name, fallback);
}

bool SettingsStore::set(const StyleSetting& setting, const OMString& style, const OMString& value,
                        QString* error)
{
    return setSettingString(styleKeyPath(style), setting.name, value, error);
}

bool SettingsStore::set(const StyleSetting& setting, const OMString& style, int32_t value,
                        QString* error)
{
    return setSettingInteger(styleKeyPath(style), setting.name, value, error);
}

OMString SettingsStore::currencySymbol()
{
    OMString symbol = get(SettingKeys::CurrencySymbol);
    if (symbol.isEmpty())
        symbol = OMString::fromQString(QLocale().currencySymbol(QLocale::CurrencySymbol));
    return symbol.isEmpty() ? OMString("£") : symbol;
}

OMString SettingsStore::currencyCode()
{
    const QString code = get(SettingKeys::CurrencyCode).toQString().trimmed().toUpper();
    return code.isEmpty() ? localeCurrencyCode() : OMString::fromQString(code);
}

OMString SettingsStore::localeCurrencyCode()
{
    const QString code = QLocale().currencySymbol(QLocale::CurrencyIsoCode);
    return OMString::fromQString(code.isEmpty() ? QStringLiteral("GBP") : code);
}

OMString SettingsStore::businessCountry()
{
    const QString code = get(SettingKeys::CompanyCountry).toQString().trimmed().toUpper();
    return code.isEmpty() ? localeCountry() : OMString::fromQString(code);
}

OMString SettingsStore::localeCountry()
{
    const QLocale locale;
    const QString code = locale.territory() == QLocale::AnyTerritory
                             ? QString()
                             : QLocale::territoryToCode(locale.territory());
    return OMString::fromQString(code.isEmpty() ? QStringLiteral("GB") : code);
}

OMString SettingsStore::hoursSymbol()
{
    const OMString symbol = get(SettingKeys::HoursSymbol);
    return symbol.isEmpty() ? OMString("hr") : symbol;
}

OMString SettingsStore::distanceSymbol()
{
    OMString symbol = get(SettingKeys::DistanceSymbol);
    if (!symbol.isEmpty())
        return symbol;
    const int code = LocaleInfo::countryCode(QLocale());
    return (code == 44 || code == 1) ? OMString("mile") : OMString("km");
}

OMString SettingsStore::dateFormat()
{
    OMString format = get(SettingKeys::DateFormat);
    if (format.isEmpty())
        format = LocaleInfo::dateFormat(QLocale(), QLocale::ShortFormat);
    if (format.isEmpty())
        format = LocaleInfo::dateFormat(QLocale(), QLocale::LongFormat);
    return format.isEmpty() ? OMString("DD/MM/YYYY") : format;
}

int32_t SettingsStore::standardVATRate()
{
    return get(SettingKeys::VATRate);
}

bool SettingsStore::isVATRegistered()
{
    return isSet(SettingKeys::IsVATRegistered);
}

QString SettingsStore::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

QString SettingsStore::lastDocumentFolder()
{
    const QString last = get(SettingKeys::DocumentFolder).toQString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : documentsFolder();
}

bool SettingsStore::rememberDocumentFolder(const QString& filePath, QString* error)
{
    return filePath.isEmpty() ||
           set(SettingKeys::DocumentFolder,
               OMString::fromQString(QFileInfo(filePath).absolutePath()), error);
}

OMString SettingsStore::versionText()
{
    return OMString::format("v%d.%d", VORLANE_VERSION_MAJOR, VORLANE_VERSION_MINOR);
}

SettingsStore::DateEntry SettingsStore::parseDateEntry(const OMString& text)
{
    DateEntry entry;
    entry.text = text;
    if (text.isEmpty())
        return entry;

    OMString parts[3];
    int count = 0;
    std::string rest = text.str();
    while (count < 3 && !rest.empty()) {
        const size_t at = rest.find_first_of("/.");
        if (at == std::string::npos) {
            parts[count++] = OMString(rest);
            rest.clear();
        } else {
            parts[count++] = OMString(rest.substr(0, at));
            rest.erase(0, at + 1);
        }
    }

    const OMString format = dateFormat();
    const bool monthFirst = format == "MM/DD/YYYY";
    const int day = (monthFirst ? parts[1] : parts[0]).toInt32();
    const int month = (monthFirst ? parts[0] : parts[1]).toInt32();
    const int thisYear = OMDate::today().year();
    int year = thisYear;
    if (!parts[2].isEmpty()) {
        // Digits only; one or two of them take this century ("26" is 2026),
        // more are the year as typed ("0001" is the year 1, never 2001). A
        // year the files cannot hold is refused below, not rewritten.
        const std::string& digits = parts[2].str();
        const bool plain =
            digits.size() <= 5 && digits.find_first_not_of("0123456789") == std::string::npos;
        year = plain ? std::stoi(digits) : 0;
        if (plain && digits.size() <= 2)
            year += thisYear / 100 * 100;
    }

    try {
        entry.date = OMDate(day, month, year, true);
        entry.text = entry.date.toString(format);
    } catch (const OMInvalidDateException&) {
        // The pattern comes from the string table; the typed text is only an argument.
        entry.error = OMString::format(StringTable::text(IDS_INVALID_DATE).c_str(), text.c_str(),
                                       format.c_str());
    }
    return entry;
}
