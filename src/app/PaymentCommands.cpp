#include "PaymentCommands.h"

#include "CommandDialogs.h"
#include "ExportCommands.h"
#include "MailLauncher.h"
#include "ReminderDialog.h"
#include "StatementDialog.h"
#include "commands/ExportFileName.h"
#include "commands/StatementCommand.h"
#include "customers/CustomerDatabase.h"
#include "documents/JobInvoiceDoc.h"
#include "print/PrintableArea.h"
#include "print/PrintedPage.h"
#include "print/ReminderPage.h"
#include "records/AccountStatement.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"
#include "views/PrintSetup.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

using ombrel::OMString;

namespace {

/// The invoice's customer's e-mail: the document's, else the database's (a
/// document written before customers had one).
QString recipientOf(const Customer& customer, const CustomerStore* store)
{
    QString recipient = customer.email.toQString();
    if (recipient.isEmpty() && customer.custno != 0)
        if (const auto* db = dynamic_cast<const CustomerDatabase*>(store))
            if (const Customer* held = db->customer(db->currentNumber(customer.custno)))
                recipient = held->email.toQString();
    return recipient;
}

QString exportFolder()
{
    const QString folder = SettingsStore::get(SettingKeys::ExportFolder).toQString();
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? SettingsStore::lastDocumentFolder()
                                                          : folder;
}

} // namespace

bool PaymentCommands::sendReminder(QWidget* parent, JobInvoiceDoc& document, bool vat,
                                   ombrel::OMMoney credited)
{
    const JobInvoice& invoice = document.invoice();
    ReminderDialog dialog(invoice, vat, credited, m_mail.available(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const ReminderLetter letter = dialog.letter();
    PrintedPage printed(m_styles);
    printed.compose(OMString::fromQString(letter.heading()),
                    [&](GPage& page, const PageFonts& fonts) {
                        ReminderPage::composePage(page, invoice, letter, m_styles, fonts);
                    });
    PdfExport::Metadata metadata;
    metadata.title = QStringLiteral("%1, invoice %2").arg(letter.heading(), letter.invoiceNumber);
    metadata.author = SettingsStore::get(SettingKeys::CompanyName).toQString();
    const QString name = QStringLiteral("%1 %2 %3")
                             .arg(letter.heading(), letter.invoiceNumber,
                                  invoice.customer.displayText().toQString().section(u'\n', 0, 0));
    bool sent = false;
    switch (dialog.action()) {
    case ReminderDialog::PrintLetter:
        sent = print(parent, printed);
        break;
    case ReminderDialog::ExportLetter:
        sent = exportPdf(parent, printed, ExportCommands::exportFolder(document), name, metadata);
        break;
    case ReminderDialog::MailLetter:
        sent = send(printed, ExportCommands::mailFolder(document), name, metadata,
                    recipientOf(invoice.customer, document.customerStore()));
        break;
    case ReminderDialog::NoAction:
        break;
    }
    if (!sent)
        return false;
    QString error;
    if (!document.recordReminder(letter.record(), &error) && !error.isEmpty())
        MessageHook::show(QStringLiteral("The reminder went out, but it could not be recorded "
                                         "in the invoice's file.\n\n%1")
                              .arg(error),
                          MessageHook::Warning, MessageHook::Ok);
    return true;
}

bool PaymentCommands::showStatement(QWidget* parent, const std::vector<LedgerEntry>& entries,
                                    uint32_t number, const QString& customer,
                                    const QString& recipient)
{
    std::vector<DocumentSummary> documents;
    if (number != 0) {
        documents = StatementCommand::documentsOf(entries, number);
    } else {
        for (const LedgerEntry& entry : entries)
            if (entry.isBill() && entry.summary.customer == customer)
                documents.push_back(entry.summary);
    }
    QString who = customer.section(u'\n', 0, 0);
    if (documents.empty()) {
        MessageHook::show(QStringLiteral("No invoice or credit note of %1 is in the documents "
                                         "overview's folders.")
                              .arg(who.isEmpty() ? QStringLiteral("this customer") : who),
                          MessageHook::Information, MessageHook::Ok);
        return false;
    }
    StatementDialog dialog(documents.back().customer, m_mail.available(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const AccountStatement statement(documents, dialog.from(), dialog.asOf());
    who = statement.customer.section(u'\n', 0, 0);
    PrintedPage printed(m_styles);
    StatementCommand::compose(printed, statement);
    if (dialog.action() == StatementDialog::PrintStatement)
        return print(parent, printed);
    PdfExport::Metadata metadata;
    metadata.title = QStringLiteral("Statement of account, %1").arg(who);
    metadata.author = SettingsStore::get(SettingKeys::CompanyName).toQString();
    const QString name = QStringLiteral("Statement %1 %2")
                             .arg(who, statement.asOf.toString("YYYY-MM-DD").toQString());
    if (dialog.action() == StatementDialog::MailStatement)
        return send(printed, statementMailFolder(), name, metadata, recipient);
    return exportPdf(parent, printed, exportFolder(), name, metadata);
}

QString PaymentCommands::statementMailFolder()
{
    const QString chosen = SettingsStore::get(SettingKeys::MailFolder).toQString();
    return chosen.isEmpty() ? exportFolder() : chosen;
}

bool PaymentCommands::print(QWidget* parent, PrintedPage& printed)
{
    QPrinter& printer = PrintSetup::printer();
    printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&printed](QPrinter* device) {
            const QRect area =
                PrintableArea::rect(PrintSetup::metrics(*device), PrintMargins::fromSettings());
            printed.print(*device, area);
        });
    return dialog.exec() == QDialog::Accepted;
}

bool PaymentCommands::exportPdf(QWidget* parent, PrintedPage& printed, const QString& folder,
                                const QString& fileName, const PdfExport::Metadata& metadata)
{
    const QString suggested =
        QDir(folder).filePath(ExportFileName::fitted(ExportFileName::cleaned(fileName),
                                                     ExportFileName::nameLimit(folder) - 4) +
                              QStringLiteral(".pdf"));
    const QString path =
        m_dialogs.savePath(parent, QString::fromLatin1(ExportCommands::PdfFilter), suggested);
    if (path.isEmpty())
        return false;
    QString error;
    if (!PdfExport::write(printed, path, &error, metadata)) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    }
    SettingsStore::set(SettingKeys::ExportFolder,
                       OMString::fromQString(QFileInfo(path).absolutePath()));
    return true;
}

bool PaymentCommands::send(PrintedPage& printed, const QString& folder, const QString& fileName,
                           const PdfExport::Metadata& metadata, const QString& recipient)
{
    const QString where = QDir(folder).absolutePath();
    QString error;
    if (!QDir().mkpath(where)) {
        MessageHook::show(
            PdfExport::writeError(where, QStringLiteral("the folder cannot be made")).toQString(),
            MessageHook::Error, MessageHook::Ok);
        return false;
    }
    const QString path =
        QDir(where).filePath(ExportFileName::fitted(ExportFileName::cleaned(fileName),
                                                    ExportFileName::nameLimit(where) - 4) +
                             QStringLiteral(".pdf"));
    if (!PdfExport::write(printed, path, &error, metadata)) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    }
    m_mail.sendOrOfferFolder(metadata.title, {path}, where, recipient);
    return true;
}
