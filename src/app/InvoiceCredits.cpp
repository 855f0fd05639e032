#include "InvoiceCredits.h"

#include "ledger/DocumentScanner.h"
#include "ledger/LedgerIndex.h"
#include "records/DocumentKind.h"

#include <QDir>
#include <QFileInfo>

using ombrel::OMMoney;

QStringList InvoiceCredits::creditNoteFiles(const QString& invoicePath, const QStringList& folders)
{
    const DocumentKind& kind = DocumentKind::get(DocumentKind::CreditNote);
    QStringList paths = folders;
    // The invoice's own folder alone: a document kept in the home folder
    // must not have the whole home folder read.
    if (!invoicePath.isEmpty()) {
        const QDir beside = QFileInfo(invoicePath).absoluteDir();
        for (const QFileInfo& file : beside.entryInfoList(QDir::Files | QDir::Readable))
            if (kind.matchesPath(file.fileName()))
                paths.append(file.absoluteFilePath());
    }
    QStringList notes;
    for (const QString& file : DocumentScanner::documentFiles(paths))
        if (kind.matchesPath(file))
            notes.append(file);
    return notes;
}

OMMoney InvoiceCredits::credited(const QString& reference, const std::vector<LedgerEntry>& entries)
{
    OMMoney sum;
    if (reference.isEmpty())
        return sum;
    for (const LedgerEntry& entry : entries) {
        const DocumentSummary& s = entry.summary;
        if (entry.isBill() && s.credit && s.corrects == reference)
            sum += s.due;
    }
    return sum;
}

OMMoney InvoiceCredits::scan(const QString& invoicePath, const QString& reference,
                             const QStringList& folders, const FigureInputs& inputs,
                             const QString& indexFile)
{
    if (reference.isEmpty())
        return OMMoney();
    LedgerIndex index;
    const bool indexed = !indexFile.isEmpty() && index.load(indexFile, inputs);
    return credited(reference, DocumentScanner::scan(creditNoteFiles(invoicePath, folders), inputs,
                                                     indexed ? &index : nullptr));
}
