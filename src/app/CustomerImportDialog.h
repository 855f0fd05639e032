#pragma once

#include "customers/CustomerImport.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class CommandDialogs;
class CustomerDatabase;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

/**
 * Import Customers...: what a CSV file would add, update or skip (and why),
 * with the rows it could not read named by their line, before anything is
 * written. The user unticks the rows to leave out; Import stores the rest in
 * one write through the database's lock-and-merge path.
 */
class CustomerImportDialog : public QDialog
{
    Q_OBJECT
public:
    /// Told when the database could not be written (the change stays in
    /// memory, pending): the caller retries it, in the background while
    /// another copy holds the lock.
    using WriteFailed = std::function<void(const QString& reason)>;
    enum Column {
        TickColumn,
        LineColumn,
        ActionColumn,
        NameColumn,
        PostcodeColumn,
        NoteColumn,
        ColumnCount
    };

    explicit CustomerImportDialog(const CustomerDatabase& db, QWidget* parent = nullptr);

    /// Reads `path` and shows its plan; false, with the reason, when the
    /// file cannot be read (nothing is shown then).
    bool load(const QString& path, QString* error = nullptr);
    const std::vector<CustomerImport::Entry>& plan() const { return m_plan; }
    /// The customers of the ticked rows, in file order.
    std::vector<Customer> chosen() const;
    /// Stores the ticked rows in `db`; the summary to show afterwards.
    /// `writeFailed` hears of a write that failed (else the summary says it).
    QString apply(CustomerDatabase& db, const WriteFailed& writeFailed = {});

    QTableWidget* table() const { return m_table; }
    QLabel* countsLabel() const { return m_counts; }
    QPlainTextEdit* problemsText() const { return m_problems; }

    /**
     * The whole command: asks for the file (through `dialogs`), shows the
     * plan and, once confirmed, imports the ticked rows and says what was
     * done. False when cancelled or nothing was imported.
     */
    static bool run(QWidget* parent, CustomerDatabase& db, CommandDialogs& dialogs,
                    const WriteFailed& writeFailed = {});
    /// The file types offered ("Name|patterns|...||").
    static const char* const Filter;

private:
    bool isTicked(int row) const;
    void updateCounts();

    const CustomerDatabase& m_db;
    std::vector<CustomerImport::Entry> m_plan;
    QStringList m_unread;
    QLabel* m_counts;
    QTableWidget* m_table;
    QPlainTextEdit* m_problems;
    QDialogButtonBox* m_buttons;
};
