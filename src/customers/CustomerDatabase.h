#pragma once

#include "CustomerFile.h"
#include "foundation/OMList.h"
#include "foundation/OMString.h"
#include "records/Customer.h"
#include "records/CustomerStore.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <list>
#include <map>
#include <unordered_map>
#include <vector>

/**
 * The customers the program has been given: a list in file order, new ones at
 * the end, loaded once at start-up and written back whole by every
 * storeCustomer. The program keeps one and hands it to the document kinds,
 * whose documents store their customers in it when they are saved:
 *
 *     CustomerDatabase customers;
 *     templates.registerJobTemplates(&customers);
 *     customers.loadCustomerDatabase();
 *
 * Several running copies of the program can share the file. Every rewrite
 * holds a lock file beside it ("<file>.lock"; one left by a crashed process is
 * taken over) and first takes in what another copy wrote since this one last
 * read or wrote the file, so no copy loses another's customers. While the
 * writes succeed every number is given out under that lock and so is unique.
 * The file is replaced atomically: it always holds a whole database.
 *
 * Customers deleted or merged into another leave their number in the file's
 * "[retired]" record, so no copy brings them back nor gives the number out
 * again; a document that still holds such a number keeps its own copy of the
 * customer, and currentNumber() names the customer it now counts under.
 */
class CustomerDatabase : public CustomerStore
{
public:
    CustomerDatabase();
    ~CustomerDatabase() override;
    CustomerDatabase(const CustomerDatabase&) = delete;
    CustomerDatabase& operator=(const CustomerDatabase&) = delete;

    /// Reads the file named by "options"/"CustomerDatabase", which is set to
    /// defaultPath() first when empty. A missing file gives an empty database.
    /// False, with the message in `error`, when the file cannot be read, when
    /// the path names anything but a plain file (a device, a pipe, a folder:
    /// never opened) or when the default path cannot be stored in the
    /// settings; the database is then empty.
    bool loadCustomerDatabase(QString* error = nullptr);
    /// Writes every customer to the file of "options"/"CustomerDatabase"
    /// (nothing when that is empty), after taking in another copy's changes.
    /// False, with the reason, when the file could not be locked or written;
    /// the database in memory keeps everything and the next save tries again.
    bool saveCustomerDatabase(QString* error = nullptr);
    /// Takes in what another copy wrote to the file since this one last read
    /// or wrote it, without writing (the file is always replaced whole, so it
    /// is read without the lock); changes not yet written stay pending. False,
    /// with the reason, when the file cannot be read.
    bool readChanges(QString* error = nullptr);
    /**
     * Stores the customer of a document and saves. A customer without a
     * number gets the next one, written back into `customer`; one with a
     * number replaces the first customer with that number, or is appended
     * when there is none (raising HighestCustomerNumber as needed). False,
     * with the reason, when the file could not be written: the change is
     * kept in memory for the next save.
     *
     * A document's customer that holds none of the later fields (a document
     * written before they existed) keeps the database's values of them. A
     * retired number is not stored: the document keeps its own copy.
     */
    bool storeCustomer(Customer& customer, QString* error = nullptr) override;
    bool storeCarriedCustomer(Customer& customer, const Customer& asRead,
                              QString* error = nullptr) override;
    /// Stores `customer` as given, every field included (the customers
    /// window's edit); a customer without a number gets the next one.
    bool updateCustomer(Customer& customer, QString* error = nullptr);
    /// Stores several customers in one write (an import); as updateCustomer.
    bool updateCustomers(std::vector<Customer>& customers, QString* error = nullptr);
    /// Deletes customer `number` for good: its number is retired.
    bool removeCustomer(uint32_t number, QString* error = nullptr);
    /// Merges customer `removed` into `kept`, which is stored as given (its
    /// number must be that of a customer held): `removed` is retired and its
    /// documents count under `kept`.
    bool mergeCustomers(uint32_t removed, Customer& kept, QString* error = nullptr);
    /// The customer `number` counts under: itself, or the customer it was
    /// merged into (following later merges); itself for a deleted customer.
    uint32_t currentNumber(uint32_t number) const;
    /// Retired numbers: number to the customer it was merged into, 0 for one
    /// deleted.
    const std::map<uint32_t, uint32_t>& retired() const { return m_retired; }
    /// The customer with `number`; null when there is none.
    const Customer* customer(uint32_t number) const;
    /// Whether the last write failed only because another copy held the lock:
    /// worth trying again soon.
    bool lastWriteFoundLockBusy() const { return m_lockBusy; }
    uint32_t HighestCustomerNumber() const { return m_highest; }
    /// Whether customers changed in memory still wait to be written (a
    /// write failed): saveCustomerDatabase tries again.
    bool hasUnwrittenChanges() const { return !m_pending.empty(); }

    const ombrel::OMList<Customer>& customers() const { return m_customers; }

    /// The per-user data folder's "Ombrel/Vorlane/Vorlane.vlc"; the folder is
    /// created with its parents. Empty when there is no such folder.
    static ombrel::OMString defaultPath();

    /// How long a rewrite waits for another copy's lock before giving up, and
    /// after how long a lock held by a live process counts as abandoned (ms).
    /// A lock left by a process that has ended is taken over at once.
    void setLockTimes(int waitMs, int staleMs);
    int lockWaitMs() const { return m_lockWaitMs; }
    static constexpr int DefaultLockWaitMs = 12000;
    static constexpr int DefaultStaleLockMs = 10000;

private:
    /// The file's bytes as this database last read or wrote them. Kept whole
    /// (shared with the buffer read or written, so no copy): comparing them
    /// is cheaper than hashing them and never mistakes a change.
    struct DiskState
    {
        bool exists = false;
        QByteArray bytes;
        bool operator==(const DiskState&) const = default;
    };
    enum class Change { Added, Updated, Retired };

    static DiskState stateOf(bool exists, const QByteArray& bytes);
    void replaceAll(std::list<Customer>&& customers);
    /// Reads the file under the caller's lock and merges it when it changed.
    /// False when it is there but cannot be read: it must not be rewritten.
    bool takeIn(const ombrel::OMString& path, QString* error);
    /// Whether `path` names a plain file or nothing; says why not otherwise.
    static bool usable(const ombrel::OMString& path, QString* error);
    static bool refuse(const ombrel::OMString& path, const QString& reason, QString* error);
    static bool notWritten(const ombrel::OMString& path, const QString& reason, QString* error);
    /// Locks the file, takes in another copy's changes, runs `change` (when
    /// given) and writes the file. Without a file, only runs `change`.
    template <typename ChangeFn> bool write(ChangeFn&& change, QString* error);
    void merge(CustomerFile::Contents&& disk);
    bool writeLocked(const ombrel::OMString& path, QString* error);
    /// Stores `customer`; `keepLater` keeps the database's later fields when
    /// the customer holds none.
    void apply(Customer& customer, bool keepLater);
    void retire(uint32_t number, uint32_t kept);
    uint32_t nextNumber();

    int m_lockWaitMs = DefaultLockWaitMs;
    int m_staleLockMs = DefaultStaleLockMs;
    ombrel::OMList<Customer> m_customers;
    uint32_t m_highest = 0;
    /// The file as this database last read or wrote it.
    DiskState m_disk;
    /// Customers changed in memory and not yet written, by number.
    std::unordered_map<uint32_t, Change> m_pending;
    /// Numbers that a merge had to move this run: old number to new.
    std::unordered_map<uint32_t, uint32_t> m_moved;
    std::map<uint32_t, uint32_t> m_retired;
    bool m_lockBusy = false;
};
