#pragma once

#include "foundation/OMString.h"

/// Ids of the user-visible texts. Ids the program had from the start keep their
/// numbers; texts added since take numbers from 3000 up.
enum StringId : int {
    IDS_APP_TITLE = 128,
    IDS_FIRST_RUN = 2048,
    IDS_PROGRAM_NAME = 2050,
    IDS_LABOUR = 2057,
    IDS_TRAVEL = 2058,
    IDS_MATERIALS = 2059,
    IDS_HIRE = 2060,
    IDS_TITLE_QUOTE = 2064,
    IDS_TITLE_ESTIMATE = 2065,
    IDS_TITLE_INVOICE = 2066,
    IDS_PROPRIETOR = 2067,
    IDS_PARTNERS = 2068,
    IDS_DIRECTORS = 2069,
    IDS_HELP_MISSING = 2144,

    IDS_FILE_INVALID = 3000,
    IDS_INVALID_KIND_FILE = 3001,
    IDS_FILE_SAVE_ERROR = 3002,
    IDS_INVALID_DATE = 3003,
    IDS_APPLY_VAT_QUESTION = 3004,
    IDS_OVERWRITE_CUSTOMER = 3005,
    IDS_NO_MATCHING_CUSTOMERS = 3006,
    IDS_CUSTOMER_NUMBER = 3007,
    IDS_NEW_CUSTOMER = 3008,
    IDS_MATCH_POSITION = 3009,
    IDS_SAME_AS_CUSTOMER = 3010,
    IDS_FOR_DOCUMENT = 3011,
    IDS_JOB_LOCATION = 3012,
    IDS_START_NEW_ESTIMATE = 3013,
    IDS_START_NEW_QUOTE = 3014,
    IDS_START_NEW_INVOICE = 3015,
    IDS_START_OPEN = 3016,
    IDS_START_BUSINESS = 3017,
    IDS_START_OPTIONS = 3018,
    IDS_START_PAGE_TITLE = 3019,
    IDS_START_PAGE_NEW_TITLE = 3020,
    IDS_ASK_TO_SAVE = 3021,
    IDS_IDLE_MESSAGE = 3022,
    IDS_ABOUT_MORE_INFO = 3023,
    IDS_NO_DEFAULT_PRINTER = 3024,

    // Status-bar prompt and tool tip of a command, split at a line break.
    IDS_PROMPT_NEW_ESTIMATE = 32773,
    IDS_PROMPT_NEW_QUOTE = 32774,
    IDS_PROMPT_NEW_INVOICE = 32775,
    IDS_PROMPT_OPTIONS = 32794,
    IDS_PROMPT_HELP = 32838,
};

/// The program's user-visible texts, looked up by id.
class StringTable
{
public:
    /// The text of `id`; an empty text for an unknown id.
    static ombrel::OMString text(int id);
};
