#include "settings/SettingsStore.h"
#include "settings/LocaleInfo.h"

#include <QLocale>
#include <QSettings>
#include <gtest/gtest.h>

using namespace ombrel;

namespace {

// Each test starts from an empty store and the C locale.
class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_F(Settings, EmptyStoreGivesTheDefaults)
{
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 101);
    EXPECT_EQ(SettingsStore::get(SettingKeys::HourlyRate), 1200);
    EXPECT_EQ(SettingsStore::get(SettingKeys::CostPerMile), 40);
    EXPECT_EQ(SettingsStore::get(SettingKeys::DailyWorkingHours), 700);
    EXPECT_EQ(SettingsStore::get(SettingKeys::TermsEstimate), 60);
    EXPECT_EQ(SettingsStore::get(SettingKeys::TermsInvoice), 30);
    EXPECT_EQ(SettingsStore::standardVATRate(), 2000);
    EXPECT_FALSE(SettingsStore::isVATRegistered());
    EXPECT_EQ(SettingsStore::hoursSymbol(), "hr");
    EXPECT_EQ(SettingsStore::versionText(), "v1.3");
}

TEST_F(Settings, DeclarationsAddressSectionAndName)
{
    SettingsStore::set(SettingKeys::NextQuoteNo, 333);
    SettingsStore::set(SettingKeys::VATRate, 1500);
    SettingsStore::set(SettingKeys::CompanyName, "Smith & Sons Plumbing");
    QSettings raw(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    EXPECT_EQ(raw.value("NextQuoteNo").toInt(), 333);
    EXPECT_EQ(raw.value("options/company/VATRate").toInt(), 1500);
    EXPECT_EQ(SettingsStore::standardVATRate(), 1500);
    EXPECT_EQ(raw.value("options/company/name").toString(), "Smith & Sons Plumbing");
    EXPECT_EQ(SettingsStore::get(SettingKeys::CompanyName), "Smith & Sons Plumbing");
    EXPECT_EQ(SettingsStore::get(IntegerSetting{"options", "absent", -4}), -4);

    SettingsStore::set(SettingKeys::IsVATRegistered, 2);
    EXPECT_TRUE(SettingsStore::isVATRegistered());
}

TEST_F(Settings, ValuesAreNeverCached)
{
    EXPECT_EQ(SettingsStore::hoursSymbol(), "hr");
    QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"))
        .setValue("options/HoursSymbol", "h");
    EXPECT_EQ(SettingsStore::hoursSymbol(), "h");
}

TEST_F(Settings, CurrencyFallsBackToTheLocale)
{
    EXPECT_EQ(SettingsStore::currencySymbol(), "£");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SettingsStore::currencySymbol(), "€");
    SettingsStore::set(SettingKeys::CurrencySymbol, "CHF");
    EXPECT_EQ(SettingsStore::currencySymbol(), "CHF");
}

TEST_F(Settings, DistanceFollowsTheTelephoneCode)
{
    EXPECT_EQ(LocaleInfo::countryCode(QLocale(QLocale::English, QLocale::UnitedKingdom)), 44);
    EXPECT_EQ(LocaleInfo::countryCode(QLocale(QLocale::English, QLocale::UnitedStates)), 1);
    EXPECT_EQ(LocaleInfo::countryCode(QLocale(QLocale::German, QLocale::Germany)), 49);
    EXPECT_EQ(SettingsStore::distanceSymbol(), "mile");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SettingsStore::distanceSymbol(), "mile");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SettingsStore::distanceSymbol(), "km");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(SettingsStore::distanceSymbol(), "km");
    SettingsStore::set(SettingKeys::DistanceSymbol, "furlong");
    EXPECT_EQ(SettingsStore::distanceSymbol(), "furlong");
}

TEST_F(Settings, DateFormatFromTheLocaleInTokens)
{
    EXPECT_EQ(SettingsStore::dateFormat(), "DD/MM/YYYY");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SettingsStore::dateFormat(), "MM/DD/YYYY");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SettingsStore::dateFormat(), "DD.MM.YYYY");
    SettingsStore::set(SettingKeys::DateFormat, "MM/DD/YYYY");
    EXPECT_EQ(SettingsStore::dateFormat(), "MM/DD/YYYY");
}
