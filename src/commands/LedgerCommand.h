#pragma once

#include "records/FigureInputs.h"

#include <QString>
#include <QStringList>

/**
 * `--ledger` and `--vat-summary` on the terminal: the documents overview's
 * rows, totals and ageing, or the VAT of a period, for the files and folders
 * given (the overview's folders when none are). Unreadable files and repeated
 * numbers go to standard error as well.
 */
class LedgerCommand
{
public:
    struct Request
    {
        QStringList paths;
        enum Format { Table, Json, Csv } format = Table;
        /// "YYYY-MM-DD"; empty for the day in `inputs`.
        QString asOf;
        /// Set for --vat-summary: "2026-10" or "2026-Q3".
        QString vatPeriod;
        /// "invoice" (the default) or "cash".
        QString basis;
    };

    /// Writes the answer to `out` and the files that could not be read to
    /// `err`; returns 0 when every file was read, 2 when some were not or
    /// the request is wrong (said on `err`).
    static int run(const Request& request, const FigureInputs& inputs, QString* out,
                   QString* err);
};
