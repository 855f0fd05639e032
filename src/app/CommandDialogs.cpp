#include "CommandDialogs.h"

#include "CreditNoteDialog.h"
#include "NewDocumentDialog.h"
#include "documents/FileFilter.h"
#include "settings/SettingsStore.h"
#include "views/ImportOptionsDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QStandardPaths>

QString CommandDialogs::openPath(QWidget* parent)
{
    return choosePath(parent, FileFilter::openFilter(),
                      QCoreApplication::translate("CommandDialogs", "Open"));
}

bool CommandDialogs::importOptions(QWidget* parent, InvoiceImport::Options& options)
{
    ImportOptionsDialog dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.options();
    return true;
}

QString CommandDialogs::importPath(QWidget* parent, const QString& filter)
{
    return choosePath(parent, filter, QCoreApplication::translate("CommandDialogs", "Import"));
}

QString CommandDialogs::choosePath(QWidget* parent, const QString& filter, const QString& title)
{
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Documents live where the user last kept them, not wherever the program was started.
    dialog.setDirectory(SettingsStore::lastDocumentFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The names carry their own patterns; Qt's would only repeat them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FileFilter::fromPipeSeparated(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString CommandDialogs::savePath(QWidget* parent, const QString& filter, const QString& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(filter);
    const int star = filter.indexOf(QStringLiteral("(*."));
    if (star >= 0)
        dialog.setDefaultSuffix(filter.mid(star + 3).section(u')', 0, 0));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int CommandDialogs::runSettingsDialog(QDialog& dialog)
{
    return dialog.exec();
}

int CommandDialogs::chooseNewKind(QWidget* parent, const QStringList& kinds)
{
    NewDocumentDialog dialog(kinds, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}

int CommandDialogs::chooseEInvoiceFormat(QWidget* parent, const QStringList& formats, int current)
{
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(parent, QObject::tr("Export as E-invoice"), QObject::tr("&Format:"),
                              formats, current, false, &ok);
    return ok ? int(formats.indexOf(chosen)) : -1;
}

bool CommandDialogs::creditChoices(QWidget* parent, const JobInvoice& invoice,
                                   std::vector<JobCreditNote::Choice>& choices)
{
    CreditNoteDialog dialog(invoice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices = dialog.choices();
    return true;
}
