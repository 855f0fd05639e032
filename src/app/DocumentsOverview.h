#pragma once

#include "ledger/LedgerEntry.h"
#include "records/FigureInputs.h"

#include <QSet>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <vector>

class LedgerFilterModel;
class LedgerModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QThread;
class QTableView;
class QTimer;

/**
 * The Documents window: every document in the overview's folders, with
 * filters, a totals line for what is shown, and the commands of a document.
 *
 * The first scan runs on a thread of its own, through the index in the
 * cache folder (unchanged files are not read again), and writes the index
 * back. The settings are read here, on the window's thread, and handed to it.
 * Afterwards the folders are watched: a file added, replaced or removed is
 * read again within a second.
 */
class DocumentsOverview : public QWidget
{
    Q_OBJECT
public:
    struct Setup
    {
        /// Files and folders to list (folders recursively).
        QStringList paths;
        FigureInputs inputs;
        /// Where the index is kept; empty for none.
        QString indexFile;
    };
    /// The folders of the settings, the inputs of now and the index in the cache folder.
    static Setup currentSetup();

    explicit DocumentsOverview(const Setup& setup, QWidget* parent = nullptr);
    ~DocumentsOverview() override;

    /// Starts the first scan; the list fills when it ends (scanFinished).
    void startScan();
    bool isScanning() const { return m_thread != nullptr; }

    LedgerModel& model() const { return *m_model; }
    LedgerFilterModel& shown() const { return *m_filter; }
    QTableView* table() const { return m_table; }
    /// The totals line as shown.
    QString totalsText() const;
    /// Reads `path` again now (a document the window saved).
    void refreshFile(const QString& path);
    /// Lists the folders of the settings afresh when they changed (the
    /// options' list of folders).
    void reloadFolders();
    /// The rows shown as CSV, in the order shown.
    QString shownAsCsv() const;

signals:
    void scanFinished();
    /// The commands of the context menu and of a double-click.
    void openRequested(const QString& path);
    void exportPdfRequested(const QString& path);
    void sendRequested(const QString& path);
    void newInvoiceRequested(const QString& path);
    /// A payment reminder for the invoice of `path`.
    void reminderRequested(const QString& path);
    /// The statement of account of a row's customer: by number, or for one
    /// not in the customer database by the address block.
    void statementRequested(uint32_t customerNumber, const QString& customer);
    void showFolderRequested(const QString& folder);

private:
    void buildControls();
    void applyFilters();
    void updateTotals();
    void scanDone(std::vector<LedgerEntry> entries, QStringList folders);
    void showEntries(std::vector<LedgerEntry> entries);
    void watchFolders(const QStringList& folders);
    void folderChanged(const QString& folder);
    void refreshPendingFolders();
    void saveIndexSoon();
    void saveIndex();
    void showContextMenu(const QPoint& at);
    void exportCsv();
    void showVatSummary();
    void editFolders();
    /// Scans the folders of the setup again, watching them afresh.
    void rescan();
    QString currentPath() const;

    Setup m_setup;
    LedgerModel* m_model;
    LedgerFilterModel* m_filter;
    QTableView* m_table = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_status = nullptr;
    QLineEdit* m_customer = nullptr;
    QLineEdit* m_text = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLabel* m_totals = nullptr;
    QProgressBar* m_progress = nullptr;
    QCheckBox* m_atStart = nullptr;
    QFileSystemWatcher* m_watcher;
    QTimer* m_folderTimer;
    QTimer* m_indexTimer;
    QSet<QString> m_pendingFolders;
    QThread* m_thread = nullptr;
    std::atomic_bool m_cancel{false};
    /// The folders changed while a scan was under way.
    bool m_scanAgain = false;
};
