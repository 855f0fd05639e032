#pragma once

#include "records/JobInvoice.h"

/// The invoice every benchmark measures: `lines` priced lines at two VAT
/// rates, every seventh with a description long enough to wrap.
class SampleInvoice
{
public:
    static JobInvoice withLines(int lines);
};
