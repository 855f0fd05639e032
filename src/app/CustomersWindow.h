#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

class Customer;
class CustomerDatabase;
class CustomerEditor;
class CustomerFilterModel;
class CustomerLedgerFilter;
class CustomerListModel;
class LedgerModel;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

/**
 * The Customers window: every customer of the database, searched as the user
 * types and sorted by any column; the chosen one's fields to edit, and his
 * documents and balance from the documents overview's ledger (documents of
 * customers merged into him included). Deletes and merges customers.
 *
 * Every change goes through the database's lock-and-merge writes, which wait
 * briefly for another copy; a write that could not be made is kept in memory
 * and reported through writeFailed (the program writes it in the background).
 * The window acts on no document itself: opening one, a reminder and a
 * statement are asked of the program by signals.
 */
class CustomersWindow : public QWidget
{
    Q_OBJECT
public:
    /// The title of an open document window that holds customer `number`, or
    /// empty when none does.
    using InUseCheck = std::function<QString(uint32_t number)>;

    explicit CustomersWindow(CustomerDatabase& customers, QWidget* parent = nullptr);
    ~CustomersWindow() override;

    /// The documents overview's rows; null while it is closed.
    void setLedgerModel(LedgerModel* model);
    void setInUseCheck(InUseCheck check) { m_inUse = std::move(check); }

    /// Takes in what another copy wrote and lists the customers afresh; the
    /// fields being edited are kept. `wantLedger` asks for the documents
    /// overview's rows when they are not here (F5 and Refresh do; coming
    /// back to the window does not, the user may just have closed it).
    void refresh(bool wantLedger = true);
    /// Chooses customer `number` in the list (clearing the search when it hides him).
    bool selectCustomer(uint32_t number);
    /// The customer whose fields are shown; 0 for none.
    uint32_t currentCustomer() const;

    /// Asks, then deletes the chosen customer; refused while a document
    /// window holds him.
    bool deleteCustomer();
    /// Asks which of the two chosen customers to keep, then merges the other
    /// into him.
    bool mergeCustomers();
    /// Saves the fields as edited.
    bool saveCustomer();

    QLineEdit* searchField() const { return m_search; }
    QTableView* customerTable() const { return m_table; }
    QTableView* documentTable() const { return m_documents; }
    CustomerEditor* editor() const { return m_editor; }
    CustomerFilterModel& shown() const { return *m_filter; }
    CustomerLedgerFilter& documentsShown() const { return *m_ledgerFilter; }
    /// The chosen customer's balance line as shown.
    QString totalsText() const;
    /// The last message of the window's status line.
    QString statusText() const;

signals:
    void openRequested(const QString& path);
    void reminderRequested(const QString& path);
    void statementRequested(uint32_t customerNumber, const QString& customer);
    /// Import... and Export... of the window's tool bar.
    void importRequested();
    void exportRequested();
    /// A write could not be made (`reason`); the change is kept in memory.
    void writeFailed(const QString& reason);
    /// Refresh wants the documents overview's rows while they are not here.
    void ledgerWanted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void currentChanged();
    void selectionChanged();
    void reloadList(uint32_t keep);
    void ledgerChanged();
    void updateDocuments();
    void updateButtons();
    /// Stores `customer` as edited; says how it went.
    bool store(Customer customer);
    /// Writes happened in memory: says so, and whether the file has them.
    void wrote(bool ok, const QString& error, const QString& done);
    void showStatus(const QString& text);
    /// The chosen document when it is an overdue invoice, else the
    /// customer's longest overdue invoice; empty for none.
    QString reminderPath() const;
    QString currentDocumentPath() const;
    std::vector<uint32_t> selectedCustomers() const;

    CustomerDatabase& m_customers;
    InUseCheck m_inUse;
    CustomerListModel* m_list;
    CustomerFilterModel* m_filter;
    CustomerLedgerFilter* m_ledgerFilter;
    QPointer<LedgerModel> m_ledger;
    QLineEdit* m_search = nullptr;
    QTableView* m_table = nullptr;
    CustomerEditor* m_editor = nullptr;
    QTableView* m_documents = nullptr;
    QLabel* m_totals = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_statement = nullptr;
    QPushButton* m_reminder = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_merge = nullptr;
    /// The customer whose fields are shown.
    uint32_t m_shown = 0;
    bool m_reloading = false;
};
