#pragma once

#include <cstdint>

/// One integer setting: where it lives and what it reads as when absent.
struct IntegerSetting
{
    const char* section;
    const char* name;
    int32_t fallback;
};

/// One text setting: where it lives and what it reads as when absent.
struct StringSetting
{
    const char* section;
    const char* name;
    const char* fallback;
};

/// One value of a text style: stored under StyleSectionPrefix and the style's
/// name; the fallback is the style's default (see TextStyles).
struct StyleSetting
{
    const char* name;
};

/// Every setting of the program, declared once. Money and hours count hundredths,
/// rates hundredths of a percent, flags are 0 or 1. An empty section is the root.
namespace SettingKeys {

inline constexpr IntegerSetting NextEstimateNo{"", "NextEstimateNo", 101};
inline constexpr IntegerSetting NextQuoteNo{"", "NextQuoteNo", 101};
inline constexpr IntegerSetting NextInvoiceNo{"", "NextInvoiceNo", 101};
inline constexpr IntegerSetting NextCreditNoteNo{"", "NextCreditNoteNo", 101};

inline constexpr IntegerSetting Mode{"options", "mode", 0};
inline constexpr IntegerSetting Splash{"options", "splash", 1};
inline constexpr StringSetting CurrencySymbol{"options", "CurrencySymbol", ""};
inline constexpr StringSetting HoursSymbol{"options", "HoursSymbol", ""};
inline constexpr StringSetting DistanceSymbol{"options", "DistanceSymbol", ""};
inline constexpr StringSetting DateFormat{"options", "DateFormat", ""};
inline constexpr IntegerSetting ShowAllInvoicePayments{"options", "ShowAllInvoicePayments", 0};
inline constexpr StringSetting CustomerDatabase{"options", "CustomerDatabase", ""};
/// The folder a document was last opened from, imported from or saved to.
inline constexpr StringSetting DocumentFolder{"options", "DocumentFolder", ""};
/// The folder a PDF was last exported to.
inline constexpr StringSetting ExportFolder{"options", "ExportFolder", ""};
/// Where Send by E-mail writes its attachments; empty: "outgoing" in the cache folder.
inline constexpr StringSetting MailFolder{"options", "MailFolder", ""};
/// The documents overview: the folders it lists beside the document folder
/// (separated by "|"), and whether it opens at start-up.
inline constexpr StringSetting OverviewFolders{"options", "OverviewFolders", ""};
inline constexpr IntegerSetting OverviewAtStart{"options", "OverviewAtStart", 0};
/// How an estimate or quote last went into an invoice: materials, hire as one line.
inline constexpr IntegerSetting ImportMaterialsAsOneLine{"options", "ImportMaterialsAsOneLine", 0};
inline constexpr IntegerSetting ImportHireAsOneLine{"options", "ImportHireAsOneLine", 0};

inline constexpr StringSetting CompanyName{"options/company", "name", ""};
inline constexpr StringSetting CompanyAddress{"options/company", "address", ""};
inline constexpr StringSetting CompanyPhone{"options/company", "phone", ""};
inline constexpr StringSetting CompanyFax{"options/company", "fax", ""};
inline constexpr StringSetting CompanyMobile{"options/company", "mobile", ""};
inline constexpr StringSetting CompanyEmail{"options/company", "email", ""};
inline constexpr StringSetting CompanyDirectors{"options/company", "directors", ""};
inline constexpr IntegerSetting CompanyType{"options/company", "CompanyType", 0};
inline constexpr IntegerSetting IsVATRegistered{"options/company", "IsVATRegistered", 0};
inline constexpr StringSetting VATRegistrationNo{"options/company", "VATRegistrationNo", ""};
/// The standard rate new lines take; 20 % for a new profile, a stored rate is kept.
inline constexpr IntegerSetting VATRate{"options/company", "VATRate", 2000};
/// The business's company registration number; empty for a sole trader.
inline constexpr StringSetting CompanyNumber{"options/company", "CompanyNumber", ""};
/// The business's country, ISO 3166-1 alpha-2 ("GB"); empty: the locale's.
inline constexpr StringSetting CompanyCountry{"options/company", "Country", ""};
/// The currency documents are billed in, ISO 4217 ("GBP"); empty: the locale's.
inline constexpr StringSetting CurrencyCode{"options", "CurrencyCode", ""};
/// The e-invoice format last chosen: 0 UBL, 1 CII, 2 PDF with the CII inside.
inline constexpr IntegerSetting EInvoiceFormat{"options", "EInvoiceFormat", 0};
/// Send by E-mail attaches the e-invoice (in the format above) to invoices and credit notes.
inline constexpr IntegerSetting MailEInvoice{"options", "MailEInvoice", 0};
/// The format customers were last exported in: 0 CSV, 1 vCard 3.0, 2 vCard 4.0.
inline constexpr IntegerSetting CustomerExportFormat{"options", "CustomerExportFormat", 0};

/// Where customers pay: printed on invoices (and read for e-invoices). Any may
/// be empty; a UK account gives the sort code and account number, an account
/// abroad the IBAN and BIC.
inline constexpr StringSetting BankAccountName{"options/bank", "AccountName", ""};
inline constexpr StringSetting BankSortCode{"options/bank", "SortCode", ""};
inline constexpr StringSetting BankAccountNumber{"options/bank", "AccountNumber", ""};
inline constexpr StringSetting BankIBAN{"options/bank", "IBAN", ""};
inline constexpr StringSetting BankBIC{"options/bank", "BIC", ""};
/// Free text on how to pay ("Please quote the invoice number."), printed below the account.
inline constexpr StringSetting PaymentInstructions{"options/bank", "PaymentInstructions", ""};

inline constexpr IntegerSetting HourlyRate{"options/defaults", "HourlyRate", 1200};
inline constexpr IntegerSetting CostPerMile{"options/defaults", "CostPerMile", 40};
inline constexpr IntegerSetting ChargeTravelTime{"options/defaults", "ChargeTravelTime", 0};
inline constexpr IntegerSetting ChargeTravelDistance{"options/defaults", "ChargeTravelDistance", 0};
inline constexpr IntegerSetting TimeResearch{"options/defaults", "TimeResearch", 0};
inline constexpr IntegerSetting TimePurchase{"options/defaults", "TimePurchase", 0};
inline constexpr IntegerSetting TimeInspection{"options/defaults", "TimeInspection", 0};
inline constexpr IntegerSetting TimeAdmin{"options/defaults", "TimeAdmin", 0};
inline constexpr IntegerSetting DailyWorkingHours{"options/defaults", "DailyWorkingHours", 700};
inline constexpr IntegerSetting TermsEstimate{"options/defaults", "TermsEstimate", 60};
inline constexpr IntegerSetting TermsQuote{"options/defaults", "TermsQuote", 60};
inline constexpr IntegerSetting TermsInvoice{"options/defaults", "TermsInvoice", 30};
inline constexpr IntegerSetting DisplayEAOE{"options/defaults", "DisplayEAOE", 1};
/// Estimates and quotes of a VAT-registered business print the VAT and the
/// total including VAT under the net total (read only when VAT registered).
inline constexpr IntegerSetting ShowVATOnEstimates{"options/defaults", "ShowVATOnEstimates", 1};

inline constexpr IntegerSetting LogoMode{"options/logo", "mode", 0};
inline constexpr StringSetting LogoText{"options/logo", "text", ""};
inline constexpr StringSetting LogoFilename{"options/logo", "filename", ""};
inline constexpr IntegerSetting LogoSetImageWidth{"options/logo", "SetImageWidth", 0};
inline constexpr IntegerSetting LogoImageWidth{"options/logo", "ImageWidth", 0};
inline constexpr IntegerSetting LogoDisplayTagline{"options/logo", "displayTagline", 0};
inline constexpr StringSetting LogoTagline{"options/logo", "tagline", ""};
inline constexpr IntegerSetting LogoLayout{"options/logo", "layout", 0};
/// The tallest a logo picture prints, in millimetres; 0 for no limit.
inline constexpr IntegerSetting LogoMaxHeight{"options/logo", "MaxHeight", 25};

// Getting paid: reminder letters and late-payment interest.
/// The three reminder letters' texts (friendly, firm, final notice), with the
/// placeholders {invoice}, {date}, {amount} and {days}.
inline constexpr StringSetting ReminderTexts[3] = {
    {"options/reminders", "Text1",
     "We notice that invoice {invoice} of {date} is now {days} days overdue, with {amount} "
     "still to pay. It may simply have been overlooked; we should be grateful if you would "
     "arrange payment at your earliest convenience. If you have paid in the last few days, "
     "please accept our thanks and disregard this letter."},
    {"options/reminders", "Text2",
     "Despite our earlier reminder, invoice {invoice} of {date} remains unpaid, and is now "
     "{days} days overdue. The amount outstanding is {amount}. Please pay it within seven days "
     "of this letter, or contact us straight away if there is a problem with the invoice."},
    {"options/reminders", "Text3",
     "Invoice {invoice} of {date} is {days} days overdue and {amount} is still "
     "owed, although we have written to you about it before. Unless payment reaches us within "
     "seven days of this letter we shall take further steps to recover the debt without "
     "writing to you again."},
};
/// The user's base rates, laid over the shipped ones: "YYYY-MM-DD RATE" a line.
inline constexpr StringSetting LatePaymentBaseRates{"options/reminders", "BaseRates", ""};

inline constexpr IntegerSetting MarginTop{"print", "marginTop", 10};
inline constexpr IntegerSetting MarginBottom{"print", "marginBottom", 5};
inline constexpr IntegerSetting MarginLeft{"print", "marginLeft", 20};
inline constexpr IntegerSetting MarginRight{"print", "marginRight", 15};

/// The recent-file list, most recent first.
inline constexpr StringSetting RecentFiles[4] = {
    {"Recent File List", "File1", ""},
    {"Recent File List", "File2", ""},
    {"Recent File List", "File3", ""},
    {"Recent File List", "File4", ""},
};

/// Bit of "options"/"mode" set once the first-run message has been shown.
inline constexpr uint32_t FirstRunDone = 0x80000000u;

/// Text styles: one section per style, "options/style/" and the style's name,
/// each holding the five values below (defaults in TextStyles).
inline constexpr const char* StyleSectionPrefix = "options/style/";
inline constexpr StyleSetting StyleFontName{"name"};
inline constexpr StyleSetting StyleFontSize{"size"};
inline constexpr StyleSetting StyleFontStyle{"style"};
inline constexpr StyleSetting StyleTextColour{"color"};
inline constexpr StyleSetting StyleBackground{"bgcolor"};

} // namespace SettingKeys
