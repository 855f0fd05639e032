#pragma once

#include "foundation/OMMoney.h"
#include "ledger/LedgerEntry.h"

#include <QString>
#include <QStringList>
#include <vector>

struct FigureInputs;

/**
 * What the credit notes correcting an invoice take off it, found without the
 * documents overview: the credit notes beside the invoice (its folder, not
 * below) and those in the overview's folders (and below) are read, from the
 * overview's index where it still holds them, and netted as the overview
 * nets them (a credit note names its invoice by its reference as printed).
 */
class InvoiceCredits
{
public:
    /// The credit notes among the files beside `invoicePath` and in `folders`.
    static QStringList creditNoteFiles(const QString& invoicePath, const QStringList& folders);
    /// What the credit notes among `entries` that correct the invoice
    /// `reference` credit (0 or below, as their amounts due).
    static ombrel::OMMoney credited(const QString& reference,
                                    const std::vector<LedgerEntry>& entries);
    /// The two together: the credit notes read (through `indexFile` when it
    /// is usable) and netted.
    static ombrel::OMMoney scan(const QString& invoicePath, const QString& reference,
                                const QStringList& folders, const FigureInputs& inputs,
                                const QString& indexFile = {});
};
