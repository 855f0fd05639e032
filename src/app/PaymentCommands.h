#pragma once

#include "ledger/LedgerEntry.h"
#include "print/PdfExport.h"

#include <QString>

#include <vector>

class CommandDialogs;
class JobInvoiceDoc;
class MailLauncher;
class PrintedPage;
class QWidget;
class TextStyles;

/**
 * Getting paid: Reminder... for an invoice and Statement... for a customer,
 * and the print preview, Export as PDF and Send by E-mail of their pages,
 * composed outside a document's view (the same paper, margins, folders and
 * mail program as the documents' own commands).
 */
class PaymentCommands
{
public:
    PaymentCommands(CommandDialogs& dialogs, MailLauncher& mail, const TextStyles& styles)
        : m_dialogs(dialogs), m_mail(mail), m_styles(styles)
    {
    }

    /// Asks for the reminder of `document`'s invoice (as on screen: the
    /// caller runs the view's save pass first), prints, exports or mails it,
    /// and records it with the invoice once it has gone. False when
    /// cancelled or nothing went out.
    /// `credited` is what the invoice's credit notes take off (0 or below).
    bool sendReminder(QWidget* parent, JobInvoiceDoc& document, bool vat, ombrel::OMMoney credited);
    /// Asks for the period of the statement of the customer with `number`
    /// (or, for one not in the database, the customer `customer` names) among
    /// `entries`, and prints, exports or mails it (to `recipient`, the
    /// customer's e-mail, when there is one).
    bool showStatement(QWidget* parent, const std::vector<LedgerEntry>& entries, uint32_t number,
                       const QString& customer, const QString& recipient = {});

    /// The print preview of `printed`, printed from its Print button; true
    /// once printed.
    static bool print(QWidget* parent, PrintedPage& printed);
    /// Asks where, offering `fileName` in `folder`, and writes the PDF;
    /// false when cancelled or failed (said).
    bool exportPdf(QWidget* parent, PrintedPage& printed, const QString& folder,
                   const QString& fileName, const PdfExport::Metadata& metadata);
    /// Writes the PDF into `folder` and hands it to the mail program, the
    /// title as its subject, addressed to `recipient`; false when the PDF
    /// could not be written (said).
    bool send(PrintedPage& printed, const QString& folder, const QString& fileName,
              const PdfExport::Metadata& metadata, const QString& recipient = {});
    /// Where a statement's PDF is written to be mailed: the folder chosen
    /// for mail, else the export folder, else the documents'.
    static QString statementMailFolder();

private:
    CommandDialogs& m_dialogs;
    MailLauncher& m_mail;
    const TextStyles& m_styles;
};
