#pragma once

#include "PageSections.h"
#include "foundation/OMString.h"
#include "settings/SettingsStore.h"

/// What a view adds to its record when the page is composed.
struct PageOptions
{
    /// The VAT flag the view read when it opened.
    bool vat = false;
    /// The working day the days on site are counted in: the setting as it
    /// stands when the options are made.
    int32_t dailyWorkingHours = SettingsStore::get(SettingKeys::DailyWorkingHours);
    /// Estimates and quotes with the VAT flag: the VAT and the total including
    /// VAT under the net total, rather than "All prices shown exclude VAT.".
    bool vatOnJobs = SettingsStore::isSet(SettingKeys::ShowVATOnEstimates);
    PageSections sections;
    /// Invoices: one row per payment instead of their sum.
    bool showPaymentDetails = false;
    /// The title word: "ESTIMATE", "QUOTE" or "INVOICE".
    ombrel::OMString pageTitle;
    /// Drawn across every page when not empty.
    ombrel::OMString stampText;
};
