#include "ExportCommands.h"

#include "CommandDialogs.h"
#include "MailLauncher.h"
#include "commands/ExportFileName.h"
#include "customers/CustomerDatabase.h"
#include "documents/JobBaseDoc.h"
#include "print/PdfExport.h"
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
    if (!writePdf(view, document, path))
        return false;
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
    MailLauncher& mail = m_mail;
    mail.send(
        document.displayName(), path,
        [&mail, folder, path](bool sent) {
            if (sent)
                return;
            const QString question =
                QStringLiteral("No mail program could be started. The PDF was saved as\n%1\n\n"
                               "Show its folder?")
                    .arg(QDir::toNativeSeparators(path));
            if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) ==
                MessageHook::AnswerYes)
                mail.showFolder(folder);
        },
        recipient);
    return true;
}
