#include "CustomerImport.h"

#include "CustomerDatabase.h"
#include "CustomerFile.h"

#include <QHash>
#include <algorithm>

namespace {

QString key(const Customer& c)
{
    auto part = [](const ombrel::OMString& s) { return s.toQString().simplified().toLower(); };
    QString postcode = c.address.postcode.toQString().toLower();
    postcode.remove(u' ');
    return part(c.name) + u'\x1f' + part(c.surname) + u'\x1f' + part(c.company) + u'\x1f' +
           postcode;
}

QByteArray text(const Customer& c)
{
    QByteArray out;
    CustomerFile::write(c, out);
    return out;
}

} // namespace

std::vector<CustomerImport::Entry> CustomerImport::plan(const CustomerCsv::Contents& csv,
                                                        const CustomerDatabase& db)
{
    const bool numbered =
        std::find(csv.columns.begin(), csv.columns.end(), CustomerCsv::Number) != csv.columns.end();
    QHash<QString, uint32_t> byKey;
    db.customers().forEach([&](const Customer& c) { byKey.insert(key(c), c.custno); });

    std::vector<Entry> plan;
    QHash<uint32_t, int> updatedBy; // number -> line
    QHash<QString, int> addedBy;    // key -> line
    for (const CustomerCsv::Row& row : csv.rows) {
        Entry entry;
        entry.line = row.line;
        const uint32_t number = numbered ? row.customer.custno : 0;
        const Customer* held = number ? db.customer(number) : nullptr;
        if (!held && number && db.retired().count(number)) {
            entry.reason = QStringLiteral("customer %1 was deleted or merged").arg(number);
            plan.push_back(std::move(entry));
            continue;
        }
        const QString rowKey = key(row.customer);
        if (!held) {
            const auto found = byKey.constFind(rowKey);
            if (found != byKey.constEnd())
                held = db.customer(*found);
        }
        if (held) {
            entry.customer = *held;
            for (const CustomerCsv::Column column : csv.columns)
                if (column != CustomerCsv::Number)
                    CustomerCsv::copyColumn(column, row.customer, entry.customer);
            if (updatedBy.contains(held->custno))
                entry.reason = QStringLiteral("repeats line %1").arg(updatedBy.value(held->custno));
            else if (text(entry.customer) == text(*held))
                entry.reason = QStringLiteral("no change");
            else
                entry.action = Action::Update;
            updatedBy.insert(held->custno, row.line);
        } else if (addedBy.contains(rowKey)) {
            entry.reason = QStringLiteral("repeats line %1").arg(addedBy.value(rowKey));
        } else {
            entry.customer = row.customer;
            // A number held by nobody is kept; the database gives one otherwise.
            if (entry.customer.custno && db.retired().count(entry.customer.custno))
                entry.customer.custno = 0;
            entry.action = Action::Add;
            addedBy.insert(rowKey, row.line);
        }
        plan.push_back(std::move(entry));
    }
    return plan;
}

std::vector<Customer> CustomerImport::changes(const std::vector<Entry>& plan)
{
    std::vector<Customer> result;
    for (const Entry& e : plan)
        if (e.action != Action::Skip)
            result.push_back(e.customer);
    return result;
}
