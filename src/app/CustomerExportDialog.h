#pragma once

#include "records/Customer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class CustomerDatabase;
class QWidget;

/**
 * Export Customers...: every customer of the database written to one file,
 * as CSV (the columns an import reads back) or as vCards for address books.
 * The format follows the file type chosen in the save dialog, and the choice
 * is remembered for next time. The file is replaced in one step (a crash
 * leaves the old file or the new one), and a path naming anything but a
 * plain file (a folder, a device, a pipe) is refused.
 */
class CustomerExportDialog
{
public:
    enum Format { Csv, VCard3, VCard4, FormatCount };

    /// The save dialog's file types, in the order of Format.
    static QStringList filters();
    /// The extension a file of `format` takes ("csv", "vcf").
    static QString extension(Format format);
    static QByteArray bytes(Format format, const std::vector<Customer>& customers);
    /// Writes `customers` to `path`; false, with the reason, when refused or
    /// not written (an existing file is then left as it was).
    static bool write(const QString& path, Format format, const std::vector<Customer>& customers,
                      QString* error = nullptr);
    /// The customers of `db`, in its order.
    static std::vector<Customer> customersOf(const CustomerDatabase& db);

    /// The whole command: asks where and in which format, then writes the
    /// file (a failure said). False when cancelled or not written.
    static bool run(QWidget* parent, const CustomerDatabase& db);
};
