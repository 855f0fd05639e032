#pragma once

#include "foundation/OMMoney.h"

#include <QString>
#include <vector>

class Ledger;

/**
 * The ledger's rows as text: JSON (the report's field names, with the
 * ledger's own added), CSV for a spreadsheet, and a table for the terminal.
 * Each takes the rows to write, in order, so the window exports what it shows.
 */
class LedgerExport
{
public:
    static QString toJson(const Ledger& ledger, const std::vector<int>& rows);
    /// RFC 4180: a header line, then one line per row, CR LF line ends.
    static QString toCsv(const Ledger& ledger, const std::vector<int>& rows);
    static QString toTable(const Ledger& ledger, const std::vector<int>& rows);

    /// The document's customer on one line ("Mr P Dunmore, 3 Station Cottages").
    static QString customerLine(const QString& customer);
    /// Every row of the ledger, in order.
    static std::vector<int> allRows(const Ledger& ledger);
    /// An amount as every export writes it: "-1234.50", no grouping, no symbol.
    static QString moneyText(ombrel::OMMoney amount) { return amount.toPlainString().toQString(); }
};
