#include "CustomerExportDialog.h"

#include "customers/CustomerCsv.h"
#include "customers/CustomerDatabase.h"
#include "customers/CustomerVCard.h"
#include "fileformat/TextFile.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using ombrel::OMString;

namespace {

/// The format of the file type `filter` names, shown with or without its
/// patterns (the dialog may give either).
CustomerExportDialog::Format formatOf(const QStringList& types, const QString& filter)
{
    for (int i = 0; i < types.size(); ++i)
        if (types.at(i) == filter || types.at(i).startsWith(filter + QStringLiteral(" (")))
            return CustomerExportDialog::Format(i);
    return CustomerExportDialog::Csv;
}

} // namespace

QStringList CustomerExportDialog::filters()
{
    return {QCoreApplication::translate("CustomerExportDialog", "Comma-separated values (*.csv)"),
            QCoreApplication::translate("CustomerExportDialog", "vCard 3.0 (*.vcf)"),
            QCoreApplication::translate("CustomerExportDialog", "vCard 4.0 (*.vcf)")};
}

QString CustomerExportDialog::extension(Format format)
{
    return format == Csv ? QStringLiteral("csv") : QStringLiteral("vcf");
}

QByteArray CustomerExportDialog::bytes(Format format, const std::vector<Customer>& customers)
{
    switch (format) {
    case VCard3:
        return CustomerVCard::write(customers, 3);
    case VCard4:
        return CustomerVCard::write(customers, 4);
    case Csv:
    case FormatCount:
        break;
    }
    return CustomerCsv::write(customers);
}

bool CustomerExportDialog::write(const QString& path, Format format,
                                 const std::vector<Customer>& customers, QString* error)
{
    QString reason = TextFile::notPlainFileReason(path, true);
    if (reason.isEmpty() && TextFile::save(path, bytes(format, customers), &reason))
        return true;
    if (error)
        *error = QCoreApplication::translate("CustomerExportDialog",
                                             "The customers could not be written to %1: %2")
                     .arg(QDir::toNativeSeparators(path), reason);
    return false;
}

std::vector<Customer> CustomerExportDialog::customersOf(const CustomerDatabase& db)
{
    std::vector<Customer> customers;
    customers.reserve(size_t(db.customers().size()));
    db.customers().forEach([&](const Customer& c) { customers.push_back(c); });
    return customers;
}

bool CustomerExportDialog::run(QWidget* parent, const CustomerDatabase& db)
{
    const QStringList types = filters();
    int chosen = SettingsStore::get(SettingKeys::CustomerExportFormat);
    if (chosen < 0 || chosen >= FormatCount)
        chosen = Csv;
    QString folder = SettingsStore::get(SettingKeys::ExportFolder).toQString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = SettingsStore::lastDocumentFolder();

    QFileDialog dialog(parent,
                       QCoreApplication::translate("CustomerExportDialog", "Export Customers"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(types);
    dialog.selectNameFilter(types.at(chosen));
    dialog.setDefaultSuffix(extension(Format(chosen)));
    dialog.setDirectory(folder);
    dialog.selectFile(QStringLiteral("Customers.") + extension(Format(chosen)));
    // The name typed follows the type chosen, as far as its extension goes.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, types](const QString& filter) {
                         dialog.setDefaultSuffix(extension(formatOf(types, filter)));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QString path = dialog.selectedFiles().constFirst();
    const Format format = formatOf(types, dialog.selectedNameFilter());

    QString error;
    if (!write(path, format, customersOf(db), &error)) {
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
        return false;
    }
    SettingsStore::set(SettingKeys::CustomerExportFormat, int32_t(format));
    SettingsStore::set(SettingKeys::ExportFolder,
                       OMString::fromQString(QFileInfo(path).absolutePath()));
    return true;
}
