#pragma once

#include "foundation/OMDate.h"

#include <cstdint>

/**
 * What a document's figures depend on beyond the record itself. The records
 * read no setting of their own: the caller passes these in, and current()
 * gives the settings' values as they stand now, read afresh each call.
 */
struct FigureInputs
{
    /// Whether the business charges VAT.
    bool vatRegistered = false;
    /// The length of a working day in hundredths of an hour ("DailyWorkingHours");
    /// 0 or less gives no days on site.
    int32_t dailyWorkingHours = 700;
    /// The day an invoice's overdue state is judged on.
    ombrel::OMDate asOf;
    /// The standard VAT rate in hundredths of a percent: what an estimate's or
    /// a quote's labour and travel would be charged at on its invoice.
    int32_t standardVATRate = 2000;

    /// The settings' values now, and today.
    static FigureInputs current();
};
