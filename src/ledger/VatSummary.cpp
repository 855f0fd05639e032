#include "VatSummary.h"

#include "Ledger.h"
#include "LedgerExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

using ombrel::OMDate;
using ombrel::OMMoney;

namespace {

QString rateText(const VatSummary::Line& line)
{
    if (line.reverseCharge)
        return QStringLiteral("reverse charge");
    return line.hasRate ? line.rate.toText(false).toQString() : QStringLiteral("none");
}

// What of `part` a running total paid of `paid` pays for, out of `whole`:
// the running total is kept between 0 and the whole, so money paid beyond
// the document's gross pays for nothing of it.
OMMoney shareOf(OMMoney part, OMMoney paid, OMMoney whole)
{
    const OMMoney low = std::min(OMMoney(0), whole), high = std::max(OMMoney(0), whole);
    const OMMoney clamped = std::clamp(paid, low, high);
    return part.scaledBy(clamped.value(), whole.value());
}

} // namespace

bool VatSummary::parsePeriod(const QString& text, OMDate* first, OMDate* last, QString* error)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(?:(\\d{2})|[Qq]([1-4]))$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    const int year = m.hasMatch() ? m.captured(1).toInt() : 0;
    int fromMonth = 0, months = 0;
    if (m.hasMatch() && !m.captured(2).isEmpty()) {
        fromMonth = m.captured(2).toInt();
        months = 1;
    } else if (m.hasMatch()) {
        fromMonth = (m.captured(3).toInt() - 1) * 3 + 1;
        months = 3;
    }
    if (year < 1 || fromMonth < 1 || fromMonth > 12) {
        if (error)
            *error = QStringLiteral("%1 is no period: give a month as 2026-10 or a quarter as "
                                    "2026-Q3.")
                         .arg(text);
        return false;
    }
    const QDate start(year, fromMonth, 1);
    const QDate end = start.addMonths(months).addDays(-1);
    *first = OMDate::fromJulian(start.toJulianDay());
    *last = OMDate::fromJulian(end.toJulianDay());
    return true;
}

bool VatSummary::parseBasis(const QString& text, Basis* basis)
{
    if (text == QLatin1String("invoice"))
        *basis = InvoiceBasis;
    else if (text == QLatin1String("cash"))
        *basis = CashBasis;
    else
        return false;
    return true;
}

VatSummary::VatSummary(const Ledger& ledger, const OMDate& first, const OMDate& last, Basis basis)
    : m_first(first), m_last(last), m_basis(basis)
{
    for (const Ledger::Row& row : ledger.rows()) {
        if (!row.entry.isBill())
            continue;
        const DocumentSummary& s = row.entry.summary;
        // The net of a document without VAT stands on a line of its own, and
        // so does the net of one under the reverse charge.
        const bool reverse = s.reverseCharge;
        std::vector<VAT> parts = reverse ? std::vector<VAT>() : s.vatByRate;
        const bool charged = !parts.empty();
        if (!charged)
            parts.push_back(VAT{Percentage(0), s.net});

        if (basis == InvoiceBasis) {
            if (!inPeriod(s.date))
                continue;
            ++m_documents;
            for (const VAT& part : parts) {
                Line& line = lineFor(charged, part.rate, reverse);
                line.net += part.amount;
                if (charged)
                    line.vat += part.vatAmount();
            }
            continue;
        }

        if (s.gross == 0)
            continue;
        // In the order received; a payment without a day counts on the document's.
        std::vector<DocumentPayment> payments = s.payments;
        for (DocumentPayment& p : payments)
            if (p.date.isEmpty())
                p.date = s.date;
        std::stable_sort(payments.begin(), payments.end(),
                         [](const DocumentPayment& a, const DocumentPayment& b) {
                             return a.date.julian() < b.date.julian();
                         });
        bool counted = false;
        OMMoney paid;
        for (const DocumentPayment& p : payments) {
            const OMMoney before = paid;
            paid += p.settled();
            if (!inPeriod(p.date))
                continue;
            bool moved = false;
            for (const VAT& part : parts) {
                const OMMoney net =
                    shareOf(part.amount, paid, s.gross) - shareOf(part.amount, before, s.gross);
                const OMMoney vat = charged ? shareOf(part.vatAmount(), paid, s.gross) -
                                                  shareOf(part.vatAmount(), before, s.gross)
                                            : OMMoney();
                if (net == 0 && vat == 0)
                    continue;
                Line& line = lineFor(charged, part.rate, reverse);
                line.net += net;
                line.vat += vat;
                moved = true;
            }
            counted = counted || moved;
        }
        m_documents += counted ? 1 : 0;
    }
}

bool VatSummary::inPeriod(const OMDate& day) const
{
    return !day.isEmpty() && day.julian() >= m_first.julian() && day.julian() <= m_last.julian();
}

VatSummary::Line& VatSummary::lineFor(bool hasRate, Percentage rate, bool reverseCharge)
{
    auto at = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& l) {
        return l.hasRate == hasRate && l.reverseCharge == reverseCharge &&
               (!hasRate || l.rate.value() == rate.value());
    });
    if (at != m_lines.end())
        return *at;
    Line line;
    line.hasRate = hasRate;
    line.reverseCharge = reverseCharge;
    line.rate = hasRate ? rate : Percentage(0);
    if (hasRate)
        at = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& l) {
            return l.hasRate && l.rate.value() > rate.value();
        });
    else if (reverseCharge)
        at = std::find_if(m_lines.begin(), m_lines.end(), [](const Line& l) { return l.hasRate; });
    else
        at = m_lines.begin();
    return *m_lines.insert(at, line);
}

OMMoney VatSummary::net() const
{
    OMMoney sum;
    for (const Line& l : m_lines)
        sum += l.net;
    return sum;
}

OMMoney VatSummary::vat() const
{
    OMMoney sum;
    for (const Line& l : m_lines)
        sum += l.vat;
    return sum;
}

QString VatSummary::toTable() const
{
    QString out =
        QStringLiteral("VAT summary, %1 basis, %2 to %3 (%4 documents)\n")
            .arg(m_basis == CashBasis ? QStringLiteral("cash") : QStringLiteral("invoice"),
                 m_first.isoText().toQString(), m_last.isoText().toQString())
            .arg(m_documents);
    const auto line = [](const QString& a, const QString& b, const QString& c) {
        return a.leftJustified(8) + b.rightJustified(14) + c.rightJustified(14) + u'\n';
    };
    out += line(QStringLiteral("Rate %"), QStringLiteral("Net"), QStringLiteral("VAT"));
    for (const Line& l : m_lines)
        out += line(rateText(l), LedgerExport::moneyText(l.net), LedgerExport::moneyText(l.vat));
    out += line(QStringLiteral("Total"), LedgerExport::moneyText(net()),
                LedgerExport::moneyText(vat()));
    return out;
}

QString VatSummary::toJson() const
{
    QJsonArray lines;
    for (const Line& l : m_lines)
        lines.append(QJsonObject{{QStringLiteral("rate"), rateText(l)},
                                 {QStringLiteral("amount"), LedgerExport::moneyText(l.net)},
                                 {QStringLiteral("vatAmount"), LedgerExport::moneyText(l.vat)}});
    const QJsonObject o{
        {QStringLiteral("basis"),
         m_basis == CashBasis ? QStringLiteral("cash") : QStringLiteral("invoice")},
        {QStringLiteral("from"), m_first.isoText().toQString()},
        {QStringLiteral("to"), m_last.isoText().toQString()},
        {QStringLiteral("documents"), m_documents},
        {QStringLiteral("vatSummary"), lines},
        {QStringLiteral("netTotal"), LedgerExport::moneyText(net())},
        {QStringLiteral("vatTotal"), LedgerExport::moneyText(vat())},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

QString VatSummary::toCsv() const
{
    QString out = QStringLiteral("Rate %,Net,VAT\r\n");
    for (const Line& l : m_lines)
        out += rateText(l) + u',' + LedgerExport::moneyText(l.net) + u',' +
               LedgerExport::moneyText(l.vat) + QStringLiteral("\r\n");
    out += QStringLiteral("Total,") + LedgerExport::moneyText(net()) + u',' +
           LedgerExport::moneyText(vat()) + QStringLiteral("\r\n");
    return out;
}
