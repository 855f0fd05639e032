#include "ExportCommands.h"

#include "CommandDialogs.h"
#include "MailLauncher.h"
#include "commands/ExportFileName.h"
#include "customers/CustomerDatabase.h"
#include "documents/JobBaseDoc.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/FacturX.h"
#include "print/PdfExport.h"
#include "records/FigureInputs.h"
#include "records/JobBase.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"
#include "views/PreviewTab.h"
#include "views/TabbedEditView.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using ombrel::OMString;

QString ExportCommands::exportFolder(const JobBaseDoc& document)
{
    const QString last = SettingsStore::get(SettingKeys::ExportFolder).toQString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    if (!document.path().isEmpty())
        return QFileInfo(document.path()).absolutePath();
    return SettingsStore::lastDocumentFolder();
}

QString ExportCommands::mailFolder(const JobBaseDoc& document)
{
    const QString chosen = SettingsStore::get(SettingKeys::MailFolder).toQString();
    if (!chosen.isEmpty())
        return chosen;
    return exportFolder(document);
}

bool ExportCommands::writePdf(TabbedEditView& view, const JobBaseDoc& document, const QString& path)
{
    PreviewTab* preview = view.previewTab();
    if (!preview)
        return false;
    QString error = PdfExport::overwriteRefusal(path, document.path()).toQString();
    if (error.isEmpty()) {
        view.updateData(true);
        error = preview->exportPdf(path);
    }
    if (error.isEmpty())
        return true;
    MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
    return false;
}

bool ExportCommands::writeEInvoice(TabbedEditView& view, const JobBaseDoc& document, int format,
                                   const QString& path)
{
    const auto shown = [](const QString& error) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    };
    if (const QString refusal = PdfExport::overwriteRefusal(path, document.path()).toQString();
        !refusal.isEmpty())
        return shown(refusal);
    view.updateData(true);
    const JobBase& record = *document.record();
    QString error;
    if (format != EInvoiceExport::FacturXPdf) {
        if (!EInvoiceExport::writeXml(record, EInvoiceExport::Format(format), path, &error))
            return shown(error);
        return true;
    }
    // Everything the e-invoice needs is checked before the PDF is drawn.
    QByteArray cii;
    if (!EInvoiceExport::xml(record, EInvoiceExport::Cii, FigureInputs::current(), &cii, &error))
        return shown(error);
    PreviewTab* preview = view.previewTab();
    if (!preview)
        return false;
    error = preview->exportPdf(path, [&cii](QByteArray& pdf, QString* reason) {
        return FacturX::embed(pdf, cii, reason);
    });
    return error.isEmpty() || shown(error);
}

bool ExportCommands::exportEInvoice(QWidget* parent, TabbedEditView& view,
                                    const JobBaseDoc& document)
{
    if (!document.record() || !EInvoiceExport::canExport(*document.record()))
        return false;
    const QStringList formats = {QStringLiteral("UBL (Peppol BIS Billing 3.0)"),
                                 QStringLiteral("CII (UN/CEFACT, EN 16931)"),
                                 QStringLiteral("PDF with the invoice data inside (Factur-X)")};
    const int remembered = SettingsStore::get(SettingKeys::EInvoiceFormat);
    const int format = m_dialogs.chooseEInvoiceFormat(
        parent, formats, remembered >= 0 && remembered < formats.size() ? remembered : 0);
    if (format < 0 || format >= formats.size())
        return false;
    SettingsStore::set(SettingKeys::EInvoiceFormat, format);
    const auto kind = EInvoiceExport::Format(format);
    const QString folder = exportFolder(document);
    QString name = ExportFileName::forDocument(document, folder);
    name = name.left(name.size() - 4) + EInvoiceExport::suffix(kind);
    const QString filter = kind == EInvoiceExport::FacturXPdf ? QString::fromLatin1(PdfFilter)
                                                              : QStringLiteral("E-invoice (*.xml)");
    const QString path = m_dialogs.savePath(parent, filter, QDir(folder).filePath(name));
    if (path.isEmpty() || !writeEInvoice(view, document, format, path))
        return false;
    SettingsStore::set(SettingKeys::ExportFolder,
                       OMString::fromQString(QFileInfo(path).absolutePath()));
    return true;
}

bool ExportCommands::exportPdf(QWidget* parent, TabbedEditView& view, const JobBaseDoc& document)
{
    const QString folder = exportFolder(document);
    const QString suggested = QDir(folder).filePath(ExportFileName::forDocument(document, folder));
    const QString path = m_dialogs.savePath(parent, QString::fromLatin1(PdfFilter), suggested);
    if (path.isEmpty() || !writePdf(view, document, path))
        return false;
    SettingsStore::set(SettingKeys::ExportFolder,
                       OMString::fromQString(QFileInfo(path).absolutePath()));
    return true;
}

bool ExportCommands::sendByEmail(TabbedEditView& view, const JobBaseDoc& document)
{
    const QString folder = QDir(mailFolder(document)).absolutePath();
    if (!QDir().mkpath(folder)) {
        MessageHook::show(
            PdfExport::writeError(folder, QStringLiteral("the folder cannot be made")).toQString(),
            MessageHook::Error, MessageHook::Ok);
        return false;
    }
    const QString path = QDir(folder).filePath(ExportFileName::forDocument(document, folder));
    QStringList attachments = {path};
    if (SettingsStore::isSet(SettingKeys::MailEInvoice) && document.record() &&
        EInvoiceExport::canExport(*document.record())) {
        const int format = SettingsStore::get(SettingKeys::EInvoiceFormat);
        if (format == EInvoiceExport::FacturXPdf) {
            if (!writeEInvoice(view, document, format, path))
                return false;
        } else {
            const QString xml = path.left(path.size() - 4) + QStringLiteral(".xml");
            if (!writeEInvoice(view, document, format == EInvoiceExport::Cii ? format : 0, xml) ||
                !writePdf(view, document, path))
                return false;
            attachments.append(xml);
        }
    } else if (!writePdf(view, document, path)) {
        return false;
    }
    // The launcher's result comes later; the window goes on meanwhile.
    // The customer's e-mail: the document's, else the database's (a document
    // written before customers had one).
    QString recipient;
    if (const JobBase* record = document.record()) {
        recipient = record->customer.email.toQString();
        if (recipient.isEmpty() && record->customer.custno != 0)
            if (const auto* db = dynamic_cast<const CustomerDatabase*>(document.customerStore()))
                if (const Customer* held = db->customer(db->currentNumber(record->customer.custno)))
                    recipient = held->email.toQString();
    }
    m_mail.sendOrOfferFolder(document.displayName(), attachments, folder, recipient);
    return true;
}
