#include "StringTable.h"

#include <unordered_map>

using ombrel::OMString;

namespace {

// Texts are quoted exactly as the program has always shown them, slips included.
const std::unordered_map<int, const char*>& table()
{
    static const std::unordered_map<int, const char*> texts = {
        {IDS_APP_TITLE, "Vorlane"},
        {IDS_PROGRAM_NAME, "Vorlane"},
        {IDS_LABOUR, "Labour"},
        {IDS_TRAVEL, "Travel"},
        {IDS_MATERIALS, "Materials"},
        {IDS_HIRE, "Tool/Plant Hire"},
        {IDS_TITLE_QUOTE, "QUOTE"},
        {IDS_TITLE_ESTIMATE, "ESTIMATE"},
        {IDS_TITLE_INVOICE, "INVOICE"},
        {IDS_PROPRIETOR, "Proprietor"},
        {IDS_PARTNERS, "Partners"},
        {IDS_DIRECTORS, "Directors"},
        {IDS_FILE_INVALID, "The file %1 is invalid."},
        {IDS_INVALID_KIND_FILE, "Invalid %s file."},
        {IDS_FILE_SAVE_ERROR, "File save error."},
        {IDS_INVALID_DATE, "%s is not a valid date. Please enter one in the form %s"},
        {IDS_APPLY_VAT_QUESTION, "This document was created before VAT regsitration. Do you want "
                                 "to apply VAT at the standard rate of %s to all items?"},
        {IDS_OVERWRITE_CUSTOMER, "Do you wish to overwrite the existing customer information?"},
        {IDS_NO_MATCHING_CUSTOMERS, "No matching customers were found. Try entering less "
                                    "inforation before searching."},
        {IDS_CUSTOMER_NUMBER, "Customer number %d"},
        {IDS_NEW_CUSTOMER, "New customer"},
        {IDS_MATCH_POSITION, "%d of %d"},
        {IDS_SAME_AS_CUSTOMER, "Same as customer"},
        {IDS_FOR_DOCUMENT, "For %s %s"},
        {IDS_JOB_LOCATION, "Job Location:\n"},
        {IDS_STYLE_LOGO_TITLE, "Logo"},
        {IDS_STYLE_LOGO_DESC, "The font used to display the logo"},
        {IDS_STYLE_TAGLINE_TITLE, "Tagline"},
        {IDS_STYLE_TAGLINE_DESC, "The optional line of text underneath the logo"},
        {IDS_STYLE_TITLE_TITLE, "Title"},
        {IDS_STYLE_TITLE_DESC, "The text style used for displaying the main page titles, e.g. INVOICE"},
        {IDS_STYLE_HEADING_TITLE, "Heading"},
        {IDS_STYLE_HEADING_DESC, "The text style used for displaying the main page headings"},
        {IDS_STYLE_NORMAL_TITLE, "Normal"},
        {IDS_STYLE_NORMAL_DESC, "The text style used for general text"},
        {IDS_STYLE_DETAIL_TITLE, "Detail"},
        {IDS_STYLE_DETAIL_DESC, "The font used for detailed information."},
        {IDS_STYLE_DESCRIPTION_TITLE, "Description"},
        {IDS_STYLE_DESCRIPTION_DESC, "The font used to display the invoice/estimate description"},
        {IDS_STYLE_FOOTER_TITLE, "Footer"},
        {IDS_STYLE_FOOTER_DESC, "The text used for the footer text"},
        {IDS_STYLE_TERMS_TITLE, "Terms of business"},
        {IDS_STYLE_TERMS_DESC, "The font used for terms of business"},
        {IDS_STYLE_TABLEHEADER_TITLE, "Table Header"},
        {IDS_STYLE_TABLEHEADER_DESC, "The colours used for table headers"},
        {IDS_STYLE_TABLEFOOTER_TITLE, "Table Footer"},
        {IDS_STYLE_TABLEFOOTER_DESC, "The colours used for table sums"},
        {IDS_STYLE_TABLEEVENROW_TITLE, "Even Table Rows"},
        {IDS_STYLE_TABLEEVENROW_DESC, "The colours used for even table rows"},
        {IDS_STYLE_TABLEODDROW_TITLE, "Odd Table Rows"},
        {IDS_STYLE_TABLEODDROW_DESC, "The colours used for odd table rows"},
        {IDS_PRINT_CUSTOMER_REF, "Customer Ref:"},
        {IDS_PRINT_PHONE, "Phone: "},
        {IDS_PRINT_FAX, "Fax: "},
        {IDS_PRINT_EMAIL, "e-mail: "},
        {IDS_PRINT_VAT_REG_NO, "VAT Registration No."},
        {IDS_PRINT_DESCRIPTION, "Description"},
        {IDS_PRINT_AMOUNT_SYMBOL, "Amount\n%s"},
        {IDS_PRINT_AMOUNT, "Amount"},
        {IDS_PRINT_TOTAL_CAPS, "TOTAL"},
        {IDS_PRINT_EXCLUDE_VAT, "All prices shown exclude VAT."},
        {IDS_PRINT_EAOE, "E & OE"},
        {IDS_PRINT_TERMS, "Terms"},
        {IDS_PRINT_VALID_FOR, "%s valid for %d days"},
        {IDS_PRINT_BREAKDOWN, "Breakdown of costs"},
        {IDS_PRINT_QTY, "Qty"},
        {IDS_PRINT_UNIT_PRICE, "Unit Price\n%s"},
        {IDS_PRINT_TOTAL_SYMBOL, "Total\n%s"},
        {IDS_PRINT_CAPTION_MATERIALS, "\nMaterials\n"},
        {IDS_PRINT_CAPTION_HIRE, "\nHire\n"},
        {IDS_PRINT_CAPTION_TRAVEL, "\nTravel\n"},
        {IDS_PRINT_CAPTION_LABOUR, "\nLabour\n"},
        {IDS_PRINT_CAPTION_BREAKDOWN, "\nLabour Breakdown\n"},
        {IDS_PRINT_DAYS_ON_SITE, "Days on site"},
        {IDS_PRINT_DISTANCE, "Distance to/from site (miles)"},
        {IDS_PRINT_COST_PER_MILE, "Cost per mile"},
        {IDS_PRINT_TRAVEL_TIME, "Time to/from site (hours)"},
        {IDS_PRINT_HOURLY_RATE, "Hourly rate (£/hr)"},
        {IDS_PRINT_TRAVEL_COST_TIME, "Travel cost (time)"},
        {IDS_PRINT_TRAVEL_COST_DISTANCE, "Travel cost (distance)"},
        {IDS_PRINT_HOURS, "Hours"},
        {IDS_PRINT_RATE_SYMBOLS, "Rate\n%s/%s"},
        {IDS_PRINT_HOURS_SELF, "Hours - self"},
        {IDS_PRINT_RESEARCH, "Research"},
        {IDS_PRINT_PURCHASE, "Purchase Materials"},
        {IDS_PRINT_COMPLETE_JOB, "Complete Job"},
        {IDS_PRINT_INSPECT, "Inspect and check"},
        {IDS_PRINT_ADMIN, "Administration"},
        {IDS_PRINT_TOTAL_WORK_HOURS, "Total work hours"},
        {IDS_PRINT_VAT_RATE, "VAT\nRate"},
        {IDS_PRINT_TOTAL_EX_VAT, "Total %s\nEx. VAT"},
        {IDS_PRINT_SUBTOTAL, "SUBTOTAL"},
        {IDS_PRINT_VAT_AT, "VAT at %s"},
        {IDS_PRINT_TOTAL_INC_VAT, "Total including VAT"},
        {IDS_PRINT_LESS_PAYMENTS, "Less Payments Received"},
        {IDS_PRINT_AMOUNT_DUE, "AMOUNT DUE"},
        {IDS_PRINT_REFUND_DUE, "Refund due"},
        {IDS_PRINT_LATE_TERMS, "Payment within %d days otherwise %s%% will be added to the total for late payment."},
        {IDS_PRINT_DUE_TERMS, "Payment due within %d days."},
        {IDS_PRINT_OVERDUE, "OVERDUE"},
        {IDS_PDF_WRITE_ERROR, "The PDF file %s could not be written: %s"},
    };
    return texts;
}

} // namespace

OMString StringTable::text(int id)
{
    const auto it = table().find(id);
    return it == table().end() ? OMString() : OMString(it->second);
}
