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
        {IDS_FIRST_RUN, "This is the first time this program has been run on this system.\r\n\r\n "
                        "You will now be taken to the program options screen where you should "
                        "enter the business information."},
        {IDS_HELP_MISSING, "The Vorlane help has not been installed or cannot be located."},
        {IDS_START_NEW_ESTIMATE, "Create new estimate..."},
        {IDS_START_NEW_QUOTE, "Create new quote..."},
        {IDS_START_NEW_INVOICE, "Create new invoice..."},
        {IDS_START_OPEN, "Open document..."},
        {IDS_START_BUSINESS, "Set business info..."},
        {IDS_START_OPTIONS, "Set program options..."},
        {IDS_START_PAGE_TITLE, "Start Page"},
        {IDS_START_PAGE_NEW_TITLE, "Vorlane Start Page"},
        {IDS_ASK_TO_SAVE, "Save changes to %1?"},
        {IDS_IDLE_MESSAGE, "Ready"},
        {IDS_ABOUT_MORE_INFO, "For more information and support visit "},
        {IDS_NO_DEFAULT_PRINTER, "No default printer is set up, so %1 cannot be printed."},
        {IDS_PROMPT_NEW_ESTIMATE, "Create a new estimate\nNew Estimate"},
        {IDS_PROMPT_NEW_QUOTE, "Create a new quote\nNew quote"},
        {IDS_PROMPT_NEW_INVOICE, "Create a new invoice\nNew invoice"},
        {IDS_PROMPT_OPTIONS, "Change the program options and defaults"},
        {IDS_PROMPT_HELP, "Display the help\nHelp"},
    };
    return texts;
}

} // namespace

OMString StringTable::text(int id)
{
    const auto it = table().find(id);
    return it == table().end() ? OMString() : OMString(it->second);
}
