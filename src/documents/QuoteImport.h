#pragma once

#include <QString>

class JobQuote;

/// Copies a saved estimate into a quote, which keeps its own number.
class QuoteImport
{
public:
    /// True when the quote took the estimate in; false when the file was
    /// refused (reported) and the quote is unchanged. `vatApplied` tells
    /// whether the user chose to apply the standard rate to the items.
    static bool importFile(JobQuote& quote, const QString& path, bool* vatApplied = nullptr);
};
