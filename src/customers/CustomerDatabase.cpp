#include "CustomerDatabase.h"

#include "CustomerFile.h"
#include "CustomerFileLock.h"
#include "fileformat/TextFile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <limits>
#include <unordered_set>

using namespace ombrel;

namespace {

bool sameDetails(const Customer& a, const Customer& b)
{
    return a.title == b.title && a.name == b.name && a.initial == b.initial &&
           a.surname == b.surname && a.company == b.company && a.address.first == b.address.first &&
           a.address.town == b.address.town && a.address.county == b.address.county &&
           a.address.postcode == b.address.postcode && a.phone == b.phone && a.mobile == b.mobile &&
           a.fax == b.fax;
}

bool samePerson(const Customer& a, const Customer& b)
{
    return a.name == b.name && a.surname == b.surname && a.company == b.company;
}

/// CustomerFile::nextFreeNumber, gathering the numbers in use only when
/// the range is used up.
template <typename ForEachNumber>
uint32_t freshNumber(uint32_t& highest, ForEachNumber&& forEachNumber)
{
    std::unordered_set<uint32_t> used;
    if (highest == std::numeric_limits<uint32_t>::max())
        forEachNumber([&](uint32_t n) { used.insert(n); });
    return CustomerFile::nextFreeNumber(highest, used);
}

} // namespace

CustomerDatabase::CustomerDatabase() = default;

CustomerDatabase::~CustomerDatabase() = default;

void CustomerDatabase::setLockTimes(int waitMs, int staleMs)
{
    m_lockWaitMs = waitMs;
    m_staleLockMs = staleMs;
}

OMString CustomerDatabase::defaultPath()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    const QString folder = data + QStringLiteral("/Ombrel/Vorlane");
    QDir().mkpath(folder);
    return OMString::fromQString(folder + QStringLiteral("/Vorlane.vlc"));
}

CustomerDatabase::DiskState CustomerDatabase::stateOf(bool exists, const QByteArray& bytes)
{
    if (!exists)
        return {};
    return {true, bytes};
}

void CustomerDatabase::replaceAll(std::list<Customer>&& customers)
{
    m_customers.assign(std::move(customers));
}

bool CustomerDatabase::loadCustomerDatabase(QString* error)
{
    m_customers.clear();
    m_highest = 0;
    m_disk = {};
    m_pending.clear();
    m_moved.clear();
    m_retired.clear();
    OMString path = SettingsStore::get(SettingKeys::CustomerDatabase);
    QString unset;
    if (path.isEmpty()) {
        path = defaultPath();
        // Customers are stored at the path of the setting: without it they
        // would stay in memory only.
        if (!path.isEmpty() && !SettingsStore::set(SettingKeys::CustomerDatabase, path, &unset))
            unset = QStringLiteral("New customers are not stored: the place of the customer "
                                   "database %1 cannot be kept in the settings.\n\n%2")
                        .arg(path.toQString(), unset);
    }
    if (path.isEmpty() || !usable(path, error))
        return path.isEmpty();
    const QString name = path.toQString();
    if (QFileInfo::exists(name)) {
        QByteArray bytes;
        QString reason;
        if (!TextFile::load(name, bytes, &reason))
            return refuse(path, reason, error);
        CustomerFile::Contents contents = CustomerFile::read(bytes);
        replaceAll(std::move(contents.customers));
        m_highest = contents.highest;
        m_retired = std::move(contents.retired);
        m_disk = stateOf(true, bytes);
    }
    if (!unset.isEmpty() && error)
        *error = unset;
    return unset.isEmpty();
}

bool CustomerDatabase::saveCustomerDatabase(QString* error)
{
    if (SettingsStore::get(SettingKeys::CustomerDatabase).isEmpty())
        return false;
    return write([] {}, error);
}

bool CustomerDatabase::readChanges(QString* error)
{
    const OMString path = SettingsStore::get(SettingKeys::CustomerDatabase);
    if (path.isEmpty())
        return true;
    return usable(path, error) && takeIn(path, error);
}

bool CustomerDatabase::storeCustomer(Customer& customer, QString* error)
{
    return write([&] { apply(customer, true); }, error);
}

bool CustomerDatabase::storeCarriedCustomer(Customer& customer, const Customer& asRead,
                                            QString* error)
{
    return write(
        [&] {
            // An open document must not write its old copy over an edit made
            // in the customers window (or by another copy) while it was open.
            if (customer == asRead && customer.custno != 0 && this->customer(customer.custno))
                return;
            apply(customer, true);
        },
        error);
}

bool CustomerDatabase::updateCustomer(Customer& customer, QString* error)
{
    return write([&] { apply(customer, false); }, error);
}

bool CustomerDatabase::updateCustomers(std::vector<Customer>& customers, QString* error)
{
    return write(
        [&] {
            for (Customer& c : customers)
                apply(c, false);
        },
        error);
}

bool CustomerDatabase::removeCustomer(uint32_t number, QString* error)
{
    return write([&] { retire(number, 0); }, error);
}

bool CustomerDatabase::mergeCustomers(uint32_t removed, Customer& kept, QString* error)
{
    if (removed == 0 || removed == kept.custno || !customer(kept.custno)) {
        if (error)
            *error = QStringLiteral("A customer can only be merged into another one held.");
        return false;
    }
    return write(
        [&] {
            // The kept customer may itself have been merged away by another
            // copy meanwhile: the removed one follows it to where it went.
            kept.custno = currentNumber(kept.custno);
            if (removed == kept.custno || !customer(kept.custno))
                return;
            apply(kept, false);
            retire(removed, kept.custno);
        },
        error);
}

uint32_t CustomerDatabase::currentNumber(uint32_t number) const
{
    // Each merge points at a customer held when it was made, so the chain is
    // short; the bound only guards against a hand-edited loop.
    for (size_t steps = 0; steps <= m_retired.size(); ++steps) {
        const auto it = m_retired.find(number);
        if (it == m_retired.end() || it->second == 0)
            return number;
        number = it->second;
    }
    return number;
}

const Customer* CustomerDatabase::customer(uint32_t number) const
{
    const Customer* found = nullptr;
    OMIterator<const Customer> it = m_customers.iterator();
    while (!found && it.hasNext()) {
        const Customer& c = it.next();
        if (c.custno == number)
            found = &c;
    }
    return found;
}

template <typename ChangeFn> bool CustomerDatabase::write(ChangeFn&& change, QString* error)
{
    m_lockBusy = false;
    const OMString path = SettingsStore::get(SettingKeys::CustomerDatabase);
    if (path.isEmpty()) {
        change();
        return true;
    }
    if (!usable(path, error)) {
        change();
        return false;
    }
    // Take in another copy's customers before choosing a number, so that the
    // number given out is unique in the file too. A file that is there but
    // cannot be read is not written over: the change stays pending.
    CustomerFileLock lock(path.toQString(), m_lockWaitMs, m_staleLockMs);
    m_lockBusy = !lock.locked() && lock.heldElsewhere();
    const bool writable =
        lock.locked() ? takeIn(path, error) : notWritten(path, lock.reason(), error);
    change();
    return writable && writeLocked(path, error);
}

bool CustomerDatabase::usable(const OMString& path, QString* error)
{
    const QString reason = TextFile::notPlainFileReason(path.toQString(), true);
    return reason.isEmpty() || refuse(path, reason, error);
}

bool CustomerDatabase::refuse(const OMString& path, const QString& reason, QString* error)
{
    if (error)
        *error = QStringLiteral("The customer database %1 is left alone and not used: %2.")
                     .arg(path.toQString(), reason);
    return false;
}

bool CustomerDatabase::notWritten(const OMString& path, const QString& reason, QString* error)
{
    if (error)
        *error = QStringLiteral("The customer database %1 cannot be written now: %2. The changes "
                                "are kept and written with the next save.")
                     .arg(path.toQString(), reason);
    return false;
}

bool CustomerDatabase::takeIn(const OMString& path, QString* error)
{
    const QString name = path.toQString();
    QByteArray bytes;
    const bool exists = QFileInfo::exists(name);
    if (exists) {
        // A file that is there but cannot be read (too large, permission
        // denied) would be replaced by one without its customers.
        QString reason;
        if (!usable(path, error))
            return false;
        if (!TextFile::load(name, bytes, &reason))
            return refuse(path, reason, error);
    }
    const DiskState state = stateOf(exists, bytes);
    if (state == m_disk)
        return true;
    merge(CustomerFile::read(bytes));
    m_disk = state;
    return true;
}

void CustomerDatabase::merge(CustomerFile::Contents&& contents)
{
    std::list<Customer>& disk = contents.customers;
    const uint32_t diskHighest = contents.highest;
    // Numbers retired by either copy stay retired: a customer deleted by one
    // copy is not brought back by another that still holds it, whatever it
    // changed meanwhile.
    for (const auto& [number, kept] : contents.retired)
        m_retired.emplace(number, kept);
    if (!m_retired.empty())
        disk.remove_if([&](const Customer& c) { return m_retired.count(c.custno) != 0; });

    // The file's customers stay as they are, in its order: other copies and
    // their documents rely on them. Ours follow: those the file lacks are
    // appended, our unwritten edits replace the file's version, and a customer
    // we added whose number the file meanwhile gave to someone else moves to a
    // fresh number.
    std::unordered_map<uint32_t, Customer*> index;
    index.reserve(disk.size());
    for (Customer& c : disk)
        index.emplace(c.custno, &c);
    m_highest = std::max(m_highest, diskHighest);

    std::vector<Customer> clashing;
    m_customers.forEach([&](const Customer& c) {
        if (m_retired.count(c.custno))
            return;
        const auto onDisk = index.find(c.custno);
        if (onDisk == index.end()) {
            disk.push_back(c);
            index.emplace(c.custno, &disk.back());
            return;
        }
        const auto pending = m_pending.find(c.custno);
        if (pending == m_pending.end())
            return;
        Customer& theirs = *onDisk->second;
        if (pending->second == Change::Updated || sameDetails(theirs, c))
            theirs = c;
        else
            clashing.push_back(c);
    });

    for (Customer& c : clashing) {
        const uint32_t old = c.custno;
        c.custno = freshNumber(m_highest, [&](auto use) {
            for (const Customer& d : disk)
                use(d.custno);
            for (const auto& [number, kept] : m_retired)
                use(number);
        });
        m_pending.erase(old);
        m_pending.emplace(c.custno, Change::Added);
        for (auto& [from, to] : m_moved) {
            if (to == old)
                to = c.custno;
        }
        m_moved[old] = c.custno;
        disk.push_back(c);
    }
    replaceAll(std::move(disk));
}

bool CustomerDatabase::writeLocked(const OMString& path, QString* error)
{
    QByteArray out;
    out.reserve(m_disk.bytes.size() + 4096);
    m_customers.forEach([&](const Customer& c) { CustomerFile::write(c, out); });
    CustomerFile::writeRetired(m_retired, out);

    // A copy killed while saving leaves its temporary file behind.
    TextFile::removeLeftoverTemporaries(path.toQString());
    QString reason;
    if (!TextFile::save(path.toQString(), out, &reason))
        return notWritten(path, reason, error);
    m_disk = stateOf(true, out);
    m_pending.clear();
    return true;
}

uint32_t CustomerDatabase::nextNumber()
{
    return freshNumber(m_highest, [&](auto use) {
        m_customers.forEach([&](const Customer& c) { use(c.custno); });
        for (const auto& [number, kept] : m_retired)
            use(number);
    });
}

void CustomerDatabase::retire(uint32_t number, uint32_t kept)
{
    if (number == 0 || m_retired.count(number))
        return;
    std::list<Customer> left;
    m_customers.forEach([&](const Customer& c) {
        if (c.custno != number)
            left.push_back(c);
    });
    replaceAll(std::move(left));
    m_retired.emplace(number, kept);
    m_highest = std::max(m_highest, number);
    m_pending[number] = Change::Retired;
}

void CustomerDatabase::apply(Customer& customer, bool keepLater)
{
    // A retired number is stored no more: its document keeps its own copy.
    if (customer.custno != 0 && m_retired.count(customer.custno))
        return;

    // A document of this run may still hold a number that a merge moved; it
    // follows its customer when the names still agree. When they agree with
    // neither that customer nor the one now holding the number, which of the
    // two it meant cannot be told: it is kept as a new customer rather than
    // overwrite either.
    if (const auto moved = m_moved.find(customer.custno); moved != m_moved.end()) {
        bool follow = false;
        bool holderDiffers = false;
        m_customers.forEach([&](const Customer& c) {
            if (c.custno == moved->second && samePerson(c, customer))
                follow = true;
            if (c.custno == customer.custno && !samePerson(c, customer))
                holderDiffers = true;
        });
        if (follow)
            customer.custno = moved->second;
        else if (holderDiffers)
            customer.custno = 0;
    }

    if (customer.custno == 0) {
        customer.custno = nextNumber();
        m_customers.add(customer);
        m_pending[customer.custno] = Change::Added;
        return;
    }
    OMIterator<Customer> it = m_customers.iterator();
    while (it.hasNext()) {
        Customer& held = it.next();
        if (held.custno == customer.custno) {
            if (keepLater && customer.laterFields().empty()) {
                Customer kept = customer;
                kept.takeLaterFields(held);
                it.set(kept);
            } else {
                it.set(customer);
            }
            m_pending.emplace(customer.custno, Change::Updated);
            return;
        }
    }
    m_customers.add(customer);
    m_highest = std::max(m_highest, customer.custno);
    m_pending[customer.custno] = Change::Added;
}
