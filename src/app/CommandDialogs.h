#pragma once

#include "documents/InvoiceImport.h"
#include "records/JobCreditNote.h"

#include <QString>
#include <QStringList>
#include <vector>

class QDialog;
class QWidget;

/**
 * The questions commands ask the user: which file to open, where to save,
 * which kind of document to make. Tests replace it to answer without a dialog.
 */
class CommandDialogs
{
public:
    virtual ~CommandDialogs() = default;

    /// An existing file to open, starting in the folder last used for
    /// documents; empty when cancelled.
    virtual QString openPath(QWidget* parent);
    /// An existing file to import, offered with `filter` ("Name|*.a|...||").
    virtual QString importPath(QWidget* parent, const QString& filter);
    /// How an estimate or quote goes into an invoice, offered as `options`
    /// holds them; false when cancelled.
    virtual bool importOptions(QWidget* parent, InvoiceImport::Options& options);
    /// Where to save; `filter` is the kind's filter line ("Name (*.ext)"),
    /// `suggested` a path to start from. Empty when cancelled.
    virtual QString savePath(QWidget* parent, const QString& filter, const QString& suggested);
    /// The index in `kinds` chosen for File New; -1 when cancelled.
    virtual int chooseNewKind(QWidget* parent, const QStringList& kinds);
    /// File, New Credit Note from This: which lines of `invoice` to credit,
    /// and how much of each; false when cancelled.
    virtual bool creditChoices(QWidget* parent, const JobInvoice& invoice,
                               std::vector<JobCreditNote::Choice>& choices);
    /// File, Export as E-invoice: the index in `formats` chosen, starting at
    /// `current`; -1 when cancelled.
    virtual int chooseEInvoiceFormat(QWidget* parent, const QStringList& formats, int current);
    /// Runs the options sheet or the business wizard modally; its result code.
    virtual int runSettingsDialog(QDialog& dialog);

private:
    /// An existing file, in a dialog titled `title` ("Open", "Import").
    static QString choosePath(QWidget* parent, const QString& filter, const QString& title);
};
