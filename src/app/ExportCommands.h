#pragma once

#include <QString>

class CommandDialogs;
class JobBaseDoc;
class MailLauncher;
class QWidget;
class TabbedEditView;

/**
 * File, Export as PDF and File, Send by E-mail: the document's pages as its
 * preview shows them (with the view's switches and the page setup's paper),
 * written atomically and never over the document itself.
 */
class ExportCommands
{
public:
    static constexpr const char* PdfFilter = "PDF document (*.pdf)";

    ExportCommands(CommandDialogs& dialogs, MailLauncher& mail) : m_dialogs(dialogs), m_mail(mail)
    {
    }

    /// The folder the save dialog offers: the one last exported to while it
    /// exists, else the document's own, else the folder last used for documents.
    static QString exportFolder(const JobBaseDoc& document);
    /// Where Send by E-mail writes its attachments: "MailFolder" when set,
    /// else the export folder of `document`, where the user will find it.
    static QString mailFolder(const JobBaseDoc& document);
    /// What is on screen goes into the record, then the preview's pages to
    /// `path`; false after the message saying why.
    static bool writePdf(TabbedEditView& view, const JobBaseDoc& document, const QString& path);

    /// Asks where and writes; false when cancelled or failed.
    bool exportPdf(QWidget* parent, TabbedEditView& view, const JobBaseDoc& document);
    /// File, Export as E-invoice: asks the format (remembered in
    /// "EInvoiceFormat") and where, then writes; false when cancelled or when
    /// the message saying why (the fields to fill in) was shown.
    bool exportEInvoice(QWidget* parent, TabbedEditView& view, const JobBaseDoc& document);
    /// What is on screen goes into the record, then the e-invoice of
    /// `format` (EInvoiceExport::Format) to `path`; false after the message.
    static bool writeEInvoice(TabbedEditView& view, const JobBaseDoc& document, int format,
                              const QString& path);
    /// Writes the PDF into the mail folder and hands it to the mail program
    /// (with "MailEInvoice" set, an invoice's or credit note's e-invoice too:
    /// the PDF itself in the PDF format, else the XML beside it);
    /// when that fails (now or once it has ended), offers to show the folder.
    /// False when the PDF could not be written.
    bool sendByEmail(TabbedEditView& view, const JobBaseDoc& document);

private:
    CommandDialogs& m_dialogs;
    MailLauncher& m_mail;
};
