#pragma once

#include "ledger/LedgerEntry.h"
#include "records/FigureInputs.h"

#include <QString>
#include <QStringList>

#include <vector>

class AccountStatement;
class PrintedPage;

/**
 * A customer's statement of account from the documents overview's files:
 * `--statement CUSTOMER --export-pdf OUT [--from DAY] [--as-of DAY] PATH...`
 * on the terminal, and the composing the window prints and previews.
 */
class CustomerDatabase;
class StatementCommand
{
public:
    struct Request
    {
        /// A customer number, or a text found in exactly one customer's name
        /// and address (any case).
        QString customer;
        /// Files and folders, scanned as --ledger scans them; the overview's
        /// folders when empty.
        QStringList paths;
        QString output;
        /// "YYYY-MM-DD"; empty: from the first document, and as of today.
        QString from;
        QString asOf;
    };

    /// The documents of the customer `customer` names among `entries`; false
    /// with the reason when it names none or more than one.
    static bool documentsOf(const std::vector<LedgerEntry>& entries, const QString& customer,
                            std::vector<DocumentSummary>* documents, QString* error);
    /// Counts each document of a customer merged into another under the one
    /// kept, as `customers` names him.
    static void countUnderKeptCustomers(std::vector<LedgerEntry>& entries,
                                        const CustomerDatabase& customers);
    /// The documents of the customer with `number` (not 0).
    static std::vector<DocumentSummary> documentsOf(const std::vector<LedgerEntry>& entries,
                                                    uint32_t number);

    /// Composes the statement's pages (head, footer, body) into `printed`.
    static void compose(PrintedPage& printed, const AccountStatement& statement);

    /// Writes the PDF; false with the message in `error`. What the page left
    /// out (a logo) goes to `warnings`.
    static bool run(const Request& request, const FigureInputs& inputs, QString* error,
                    QStringList* warnings);
};
