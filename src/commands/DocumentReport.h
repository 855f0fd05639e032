#pragma once

#include "foundation/OMMoney.h"
#include "records/FigureInputs.h"

#include <QString>
#include <QStringList>
#include <vector>

/**
 * What each document in a list of files comes to: its kind, reference, date,
 * customer and figures, as JSON or as a table for the terminal. Each file is
 * read into the record its extension names; files that cannot be read are
 * reported with the message the program would show, and the rest go on.
 *
 * A credit note's figures are credits (negative, as DocumentSummary gives
 * them). An invoice shows only what its own file says, unless credit notes
 * for it (by its reference) are among the files: it then also shows the
 * amount credited and the amount due after the credits (a refund when below
 * zero). Two documents of one kind with one reference are flagged.
 */
class DocumentReport
{
public:
    struct Figure
    {
        QString key;
        QString text;  // money as -1234.56, numbers as they print
        bool isString; // money is a JSON string, hours a number
    };
    struct Entry
    {
        QString file;
        QString error;
        QString kind;
        QString docReference;
        unsigned number = 0;
        QString date; // YYYY-MM-DD, empty when the document has none
        QString customer;
        std::vector<Figure> figures;
        struct VatLine
        {
            QString rate, amount, vatAmount;
        };
        std::vector<VatLine> vatSummary;
        bool isInvoice = false; // an invoice or a credit note: lines, VAT, payments
        bool isOverdue = false;
        ombrel::OMMoney total;     // job total or gross total
        ombrel::OMMoney totalPaid; // invoices only
        ombrel::OMMoney amountDue; // invoices only
        bool isCredit = false;     // a credit note: the amounts above are negative
        QString corrects;          // a credit note's invoice
        QString correctsDate;      // YYYY-MM-DD, empty when not known
        QString issued;            // YYYY-MM-DD, empty while not issued
        /// An invoice with credit notes among the files: their total (positive)
        /// and what is due after them.
        bool hasCredits = false;
        ombrel::OMMoney credited;
        ombrel::OMMoney dueAfterCredits;
        /// Another document of the kind has the same reference.
        bool duplicateNumber = false;

        // The reverse charge and CIS (invoices and credit notes).
        bool reverseCharge = false;
        std::vector<VatLine> vatForInformation; // under the reverse charge only
        bool cis = false;                       // the customer is a CIS contractor
        ombrel::OMMoney cisLabour;
        ombrel::OMMoney cisExpected;
        ombrel::OMMoney cisDeducted;
    };

    /// Every file's figures for `inputs`, made once by the caller for all
    /// of them (FigureInputs::current(): the settings and today).
    DocumentReport(const QStringList& files, const FigureInputs& inputs);
    /// The same with the settings as they stand now, read once.
    explicit DocumentReport(const QStringList& files);

    /// One file's entry: what a scan of many files calls for each, with one
    /// `inputs` for all.
    static Entry entryFor(const QString& file, const FigureInputs& inputs);

    const std::vector<Entry>& entries() const { return m_entries; }
    bool hasErrors() const;

    QString toJson() const;
    QString toTable() const;

private:
    /// Nets credit notes against their invoices and flags repeated numbers.
    void relateEntries();

    std::vector<Entry> m_entries;
};
