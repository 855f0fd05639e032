#include "EInvoiceMapping.h"

#include "records/DocumentSummary.h"
#include "records/JobInvoice.h"
#include "records/VAT.h"
#include "settings/SettingsStore.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

using namespace ombrel;

namespace {

QString text(const OMString& value)
{
    return value.toQString().trimmed();
}

QString setting(const StringSetting& key)
{
    return SettingsStore::get(key).toQString().trimmed();
}

QStringList linesOf(QString block)
{
    block.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines;
    for (const QString& line : block.split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}

/// At most three street lines: the third takes the rest, parted by commas.
QStringList streetLines(QStringList lines)
{
    while (lines.size() > 3)
        lines[2] += QLatin1String(", ") + lines.takeAt(3);
    return lines;
}

bool looksLikePostcode(const QString& line)
{
    return line.size() <= 10 &&
           std::any_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); });
}

/// The business's address as the options keep it: a last line with a digit
/// and at most ten characters is the postcode, the line before it the town
/// (when a street line is left), the rest the street lines.
void fillBusinessAddress(EInvoiceParty& party, const QString& address)
{
    QStringList lines = linesOf(address);
    if (lines.size() > 1 && looksLikePostcode(lines.last()))
        party.postcode = lines.takeLast();
    if (lines.size() > 1)
        party.city = lines.takeLast();
    party.streetLines = streetLines(lines);
}

QString customerName(const Customer& customer)
{
    if (!text(customer.company).isEmpty())
        return text(customer.company);
    QStringList parts;
    for (const OMString* part :
         {&customer.title, &customer.name, &customer.initial, &customer.surname})
        if (!text(*part).isEmpty())
            parts.append(text(*part));
    return parts.join(u' ');
}

bool isCode(const QString& code, int length)
{
    static const QRegularExpression letters(QStringLiteral("^[A-Z]+$"));
    return code.size() == length && letters.match(code).hasMatch();
}

struct UnitWord
{
    const char* word;
    const char* code;
};

// A line names its unit in its description ("Labour", "Skip hire (days)"):
// the first of these words found, as a whole word in any case, decides.
constexpr UnitWord UnitWords[] = {
    {"labour", "HUR"}, {"hour", "HUR"},  {"hours", "HUR"},  {"hr", "HUR"},    {"hrs", "HUR"},
    {"day", "DAY"},    {"days", "DAY"},  {"week", "WEE"},   {"weeks", "WEE"}, {"metre", "MTR"},
    {"metres", "MTR"}, {"meter", "MTR"}, {"meters", "MTR"}, {"m", "MTR"},     {"m2", "MTK"},
    {"sqm", "MTK"},    {"m3", "MTQ"},    {"mile", "SMI"},   {"miles", "SMI"}, {"km", "KMT"},
    {"kg", "KGM"},     {"tonne", "TNE"}, {"tonnes", "TNE"}, {"litre", "LTR"}, {"litres", "LTR"},
    {"l", "LTR"},
};

} // namespace

EInvoiceMapping::Business EInvoiceMapping::Business::fromSettings()
{
    using namespace SettingKeys;
    Business b;
    b.name = setting(CompanyName);
    b.address = SettingsStore::get(CompanyAddress).toQString();
    b.country = SettingsStore::businessCountry().toQString();
    b.vatRegistered = SettingsStore::isVATRegistered();
    b.vatNumber = setting(VATRegistrationNo);
    b.companyNumber = setting(CompanyNumber);
    b.email = setting(CompanyEmail);
    b.phone = setting(CompanyPhone);
    b.currency = SettingsStore::currencyCode().toQString();
    b.accountName = setting(BankAccountName);
    b.sortCode = setting(BankSortCode);
    b.accountNumber = setting(BankAccountNumber);
    b.iban = setting(BankIBAN);
    b.bic = setting(BankBIC);
    return b;
}

QString EInvoiceMapping::unitCode(const QString& description)
{
    static const QRegularExpression words(QStringLiteral("[^a-z0-9]+"));
    const QStringList found = description.toLower().split(words, Qt::SkipEmptyParts);
    for (const QString& word : found)
        for (const UnitWord& unit : UnitWords)
            if (word == QLatin1String(unit.word))
                return QLatin1String(unit.code);
    return QStringLiteral("C62");
}

QString EInvoiceMapping::vatNumberWithPrefix(const QString& number, const QString& country)
{
    QString compact = number;
    compact.remove(QRegularExpression(QStringLiteral("[\\s.-]")));
    compact = compact.toUpper();
    if (!compact.isEmpty() && compact.front().isDigit())
        compact.prepend(country == QLatin1String("GR") ? QStringLiteral("EL") : country);
    return compact;
}

bool EInvoiceMapping::map(const JobInvoice& record, const DocumentSummary& summary,
                          const Business& business, EInvoice* out, QString* error)
{
    QStringList missing;
    const auto need = [&](bool present, const char* what) {
        if (!present)
            missing.append(QString::fromUtf8(what));
    };
    const Customer& customer = record.customer;
    const QString buyerCountry =
        text(customer.country).isEmpty() ? business.country : text(customer.country).toUpper();
    const bool reverseCharge = business.vatRegistered && summary.reverseCharge;
    const bool hasAccount = !business.iban.isEmpty() ||
                            (!business.sortCode.isEmpty() && !business.accountNumber.isEmpty());
    const int sign = summary.credit ? -1 : 1;
    const OMMoney due = sign < 0 ? -summary.due : summary.due;

    need(!business.name.isEmpty(), "the business's name (Options, Business Information)");
    need(!linesOf(business.address).isEmpty(),
         "the business's address (Options, Business Information)");
    need(isCode(business.country, 2),
         "the business's country as a two-letter code such as GB (Options, Business Information)");
    need(isCode(business.currency, 3),
         "the currency as a three-letter code such as GBP (Options, Business Information)");
    need(!business.vatRegistered || !business.vatNumber.isEmpty(),
         "the business's VAT registration number (Options, Business Information)");
    need(business.vatRegistered || !business.companyNumber.isEmpty(),
         "the business's company registration number, which names a business not registered "
         "for VAT (Options, Business Information)");
    need(!customerName(customer).isEmpty(),
         "the customer's name or company (the Customer Details tab)");
    need(!text(customer.address.first).isEmpty() || !text(customer.address.town).isEmpty(),
         "the customer's address (the Customer Details tab)");
    need(isCode(buyerCountry, 2),
         "the customer's country as a two-letter code such as GB (the Customer Details tab)");
    need(!reverseCharge || !text(customer.vatNumber).isEmpty(),
         "the customer's VAT number, which a reverse-charge invoice must show (the Customer "
         "Details tab)");
    need(!summary.date.isEmpty(), "the document's date (the Description tab)");
    need(!record.items.isEmpty(), "at least one priced line (the Items tab)");
    need(summary.credit || due <= 0 || hasAccount,
         "the bank account customers pay into: the IBAN, or the sort code and account number "
         "(Options, Payment)");
    if (!missing.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 %2 cannot be exported as an e-invoice until these are "
                                    "filled in:\n- %3")
                         .arg(QString::fromUtf8(record.kind().title), summary.docReference,
                              missing.join(QLatin1String("\n- ")));
        return false;
    }

    EInvoice e;
    e.creditNote = summary.credit;
    e.number = summary.docReference;
    e.issueDate = summary.date;
    e.currency = business.currency;
    e.buyerReference = summary.reference.trimmed();
    e.note = text(record.description).replace(u'|', u'\n');
    if (summary.credit) {
        e.precedingNumber = summary.corrects;
        e.precedingDate = summary.correctsDate;
        // How the credit is settled, as the note's terms say it.
        e.paymentTerms = text(record.extraTerms);
    } else {
        QString terms =
            record.daysToPay.value() == 0
                ? QStringLiteral("Payment due on receipt.")
                : QStringLiteral("Payment within %1 days.").arg(record.daysToPay.value());
        if (!text(record.extraTerms).isEmpty())
            terms += u' ' + text(record.extraTerms);
        e.paymentTerms = terms;
        if (due > 0)
            e.dueDate = summary.dueDate;
    }

    EInvoiceParty& seller = e.seller;
    seller.name = business.name;
    fillBusinessAddress(seller, business.address);
    seller.country = business.country;
    if (business.vatRegistered)
        seller.vatNumber = vatNumberWithPrefix(business.vatNumber, business.country);
    seller.companyNumber = business.companyNumber;
    seller.email = business.email;
    seller.phone = business.phone;

    EInvoiceParty& buyer = e.buyer;
    if (summary.customerNumber != 0)
        buyer.id = QString::number(summary.customerNumber);
    buyer.name = customerName(customer);
    buyer.streetLines = streetLines(linesOf(text(customer.address.first).replace(u'|', u'\n')));
    buyer.city = text(customer.address.town);
    buyer.subdivision = text(customer.address.county);
    buyer.postcode = text(customer.address.postcode);
    buyer.country = buyerCountry;
    // A business not registered for VAT writes no VAT number at all.
    if (business.vatRegistered)
        buyer.vatNumber = vatNumberWithPrefix(text(customer.vatNumber), buyerCountry);
    buyer.email = text(customer.email);
    buyer.phone = text(customer.phone);

    if (!summary.credit && hasAccount) {
        e.creditTransfer = true;
        e.accountId = !business.iban.isEmpty()
                          ? QString(business.iban).remove(QRegularExpression(QStringLiteral("\\s")))
                          : QString(business.sortCode + business.accountNumber)
                                .remove(QRegularExpression(QStringLiteral("[^0-9A-Za-z]")));
        e.accountName = business.accountName;
        e.bic = business.bic;
        e.remittance = summary.docReference;
    }

    // Lines: the category follows the business's registration, the reverse
    // charge and the rate; the breakdown gathers them by category and rate.
    int lineNo = 0;
    record.items.forEach([&](const JobItem& item) {
        EInvoiceLine line;
        line.id = QString::number(++lineNo);
        line.name = text(item.desc).replace(u'|', u' ');
        if (line.name.isEmpty())
            line.name = QStringLiteral("Line %1").arg(lineNo);
        const bool one = item.count.value() == 0.0 && item.countDefaultsToOne;
        line.quantity = one ? QStringLiteral("1") : item.count.toDecimalText().toQString();
        line.unitCode = unitCode(line.name);
        line.net = item.lineTotal();
        line.price = item.price;
        // The unit price is never negative: a credit line counts negative units.
        if (line.price < 0) {
            line.price = -line.price;
            line.quantity =
                line.quantity.startsWith(u'-') ? line.quantity.mid(1) : u'-' + line.quantity;
        }
        if (!business.vatRegistered)
            line.category = QStringLiteral("O");
        else if (item.rate.value() == 0)
            line.category = QStringLiteral("Z");
        else if (reverseCharge)
            line.category = QStringLiteral("AE");
        else {
            line.category = QStringLiteral("S");
            line.rate = item.rate;
        }
        auto found =
            std::find_if(e.vatBreakdown.begin(), e.vatBreakdown.end(), [&](const EInvoiceVat& v) {
                return v.category == line.category && v.rate == line.rate;
            });
        if (found == e.vatBreakdown.end()) {
            EInvoiceVat vat;
            vat.category = line.category;
            vat.rate = line.rate;
            if (line.category == QLatin1String("AE")) {
                vat.exemptionReason =
                    QStringLiteral("Reverse charge: the customer accounts for the VAT");
                vat.exemptionCode = QStringLiteral("VATEX-EU-AE");
            } else if (line.category == QLatin1String("O")) {
                vat.exemptionReason =
                    QStringLiteral("Not subject to VAT: the business is not VAT registered");
                vat.exemptionCode = QStringLiteral("VATEX-EU-O");
            }
            e.vatBreakdown.push_back(vat);
            found = e.vatBreakdown.end() - 1;
        }
        found->taxable += line.net;
        e.lineTotal += line.net;
        e.lines.push_back(line);
    });
    std::sort(e.vatBreakdown.begin(), e.vatBreakdown.end(),
              [](const EInvoiceVat& a, const EInvoiceVat& b) {
                  return std::pair(a.category, a.rate.value()) <
                         std::pair(b.category, b.rate.value());
              });
    for (EInvoiceVat& vat : e.vatBreakdown) {
        // The page's VAT: each rate's net times the rate, truncated to pennies.
        if (vat.category == QLatin1String("S"))
            vat.tax = VAT{vat.rate, vat.taxable}.vatAmount();
        e.tax += vat.tax;
    }
    e.taxExclusive = e.lineTotal;
    e.taxInclusive = e.lineTotal + e.tax;
    e.prepaid = sign < 0 ? -summary.paid : summary.paid;
    e.payable = e.taxInclusive - e.prepaid;

    const OMMoney gross = sign < 0 ? -summary.gross : summary.gross;
    if (e.taxInclusive != gross || e.payable != due) {
        if (error)
            *error = QStringLiteral("%1 %2 cannot be exported as an e-invoice: its totals (%3 "
                                    "with VAT, %4 to pay) differ from the document's (%5, %6).")
                         .arg(QString::fromUtf8(record.kind().title), summary.docReference,
                              e.taxInclusive.toPlainString().toQString(),
                              e.payable.toPlainString().toQString(),
                              gross.toPlainString().toQString(), due.toPlainString().toQString());
        return false;
    }
    *out = std::move(e);
    return true;
}
