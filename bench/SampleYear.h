#pragma once

#include <QString>

/// A year of a small business's documents for the overview's benchmarks and
/// walk-throughs: estimates, quotes and invoices for a few dozen customers,
/// one folder per month, invoices paid in full, in part, late or not yet,
/// a refund, a repeated number and an unreadable file.
class SampleYear
{
public:
    /// Writes `count` documents under `folder`, dated through `year`.
    static bool write(const QString& folder, int count, int year);
};
