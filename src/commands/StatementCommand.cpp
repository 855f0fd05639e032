#include "StatementCommand.h"

#include "customers/CustomerDatabase.h"
#include "ledger/DocumentScanner.h"
#include "ledger/LedgerFolders.h"
#include "print/PdfExport.h"
#include "print/PrintedPage.h"
#include "print/StatementPage.h"
#include "print/TextStyles.h"
#include "records/AccountStatement.h"
#include "settings/SettingsStore.h"

#include <QDate>
#include <QSet>

using ombrel::OMDate;

namespace {

bool readDay(const QString& text, const char* option, OMDate* day, QString* error)
{
    if (text.isEmpty())
        return true;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) {
        *error = QStringLiteral("--%1 takes a day as YYYY-MM-DD, not %2")
                     .arg(QLatin1String(option), text);
        return false;
    }
    *day = OMDate::fromJulian(date.toJulianDay());
    return true;
}

QString firstLine(const QString& customer)
{
    return customer.section(u'\n', 0, 0);
}

} // namespace

void StatementCommand::countUnderKeptCustomers(std::vector<LedgerEntry>& entries,
                                               const CustomerDatabase& customers)
{
    for (LedgerEntry& entry : entries)
        if (entry.summary.customerNumber != 0)
            entry.summary.customerNumber = customers.currentNumber(entry.summary.customerNumber);
}

std::vector<DocumentSummary> StatementCommand::documentsOf(const std::vector<LedgerEntry>& entries,
                                                           uint32_t number)
{
    std::vector<DocumentSummary> documents;
    for (const LedgerEntry& entry : entries)
        if (entry.isBill() && number != 0 && entry.summary.customerNumber == number)
            documents.push_back(entry.summary);
    return documents;
}

bool StatementCommand::documentsOf(const std::vector<LedgerEntry>& entries, const QString& customer,
                                   std::vector<DocumentSummary>* documents, QString* error)
{
    const QString wanted = customer.trimmed();
    bool numeric = false;
    const uint32_t number = wanted.toUInt(&numeric);
    if (numeric) {
        *documents = documentsOf(entries, number);
        if (documents->empty() && error)
            *error = QStringLiteral("No document is billed to customer number %1.").arg(number);
        return !documents->empty();
    }
    // By name: every customer (by number, or by address for one not in the
    // database) whose address block holds the text.
    QSet<QString> matches;
    QStringList names;
    for (const LedgerEntry& entry : entries) {
        const DocumentSummary& s = entry.summary;
        if (!entry.isBill() || wanted.isEmpty() ||
            !s.customer.contains(wanted, Qt::CaseInsensitive))
            continue;
        const QString key = s.customerNumber ? QString::number(s.customerNumber) : s.customer;
        if (!matches.contains(key)) {
            matches.insert(key);
            names << firstLine(s.customer) + (s.customerNumber
                                                  ? QStringLiteral(" (%1)").arg(s.customerNumber)
                                                  : QString());
        }
    }
    if (matches.size() != 1) {
        if (error)
            *error = matches.isEmpty()
                         ? QStringLiteral("No customer's name or address holds \"%1\".").arg(wanted)
                         : QStringLiteral("\"%1\" names more than one customer: %2. Give the "
                                          "customer's number.")
                               .arg(wanted, names.join(QLatin1String(", ")));
        return false;
    }
    const QString key = *matches.cbegin();
    documents->clear();
    for (const LedgerEntry& entry : entries) {
        const DocumentSummary& s = entry.summary;
        if (entry.isBill() &&
            (s.customerNumber ? QString::number(s.customerNumber) : s.customer) == key)
            documents->push_back(s);
    }
    return true;
}

void StatementCommand::compose(PrintedPage& printed, const AccountStatement& statement)
{
    printed.stampText.clear();
    printed.compose(StatementPage::title(), [&](GPage& page, const PageFonts& fonts) {
        StatementPage::composePage(page, statement, printed.styles(), fonts);
    });
}

bool StatementCommand::run(const Request& request, const FigureInputs& inputs, QString* error,
                           QStringList* warnings)
{
    OMDate from, asOf = inputs.asOf;
    if (!readDay(request.from, "from", &from, error) ||
        !readDay(request.asOf, "as-of", &asOf, error))
        return false;
    FigureInputs judged = inputs;
    judged.asOf = asOf;
    const QStringList paths = request.paths.isEmpty() ? LedgerFolders::current() : request.paths;
    std::vector<LedgerEntry> entries =
        DocumentScanner::scan(DocumentScanner::documentFiles(paths), judged);
    // Merged customers' documents count under the customer kept; without a
    // database (none is made here) every document counts under its number.
    CustomerDatabase customers;
    if (!SettingsStore::get(SettingKeys::CustomerDatabase).isEmpty() &&
        customers.loadCustomerDatabase())
        countUnderKeptCustomers(entries, customers);
    std::vector<DocumentSummary> documents;
    if (!documentsOf(entries, request.customer, &documents, error))
        return false;
    const AccountStatement statement(documents, from, asOf);

    TextStyles styles;
    styles.loadStyles();
    PrintedPage printed(styles);
    compose(printed, statement);
    if (warnings)
        *warnings = printed.warnings();
    PdfExport::Metadata metadata;
    metadata.title = QStringLiteral("Statement of account, %1").arg(firstLine(statement.customer));
    return PdfExport::write(printed, request.output, error, metadata);
}
