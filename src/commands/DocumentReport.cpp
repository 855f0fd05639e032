#include "DocumentReport.h"

#include "documents/JobFileReader.h"
#include "foundation/OMMoney.h"
#include "records/JobBase.h"
#include "resources/StringTable.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <memory>

using namespace ombrel;

namespace {

/// `text` as a JSON string onto `out`; runs that need no escape go on whole.
void appendJsonString(QString& out, QStringView text)
{
    out += u'"';
    qsizetype plain = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c != u'"' && c != u'\\')
            continue;
        out += text.sliced(plain, i - plain);
        plain = i + 1;
        switch (c) {
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        }
    }
    out += text.sliced(plain);
    out += u'"';
}

QString money(OMMoney amount)
{
    return amount.toPlainString().toQString();
}

QString hours(double value)
{
    // Shortest text that reads back as the same double; JSON has no locale.
    return QString::number(value, 'g', 15);
}

QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0);
}

} // namespace

DocumentReport::DocumentReport(const QStringList& files, const FigureInputs& inputs)
{
    m_entries.reserve(size_t(files.size()));
    for (const QString& file : files)
        m_entries.push_back(entryFor(file, inputs));
    relateEntries();
}

DocumentReport::DocumentReport(const QStringList& files)
    : DocumentReport(files, FigureInputs::current())
{
}

void DocumentReport::relateEntries()
{
    // Entries by kind and reference, and credit notes by the invoice they
    // correct: a report of many files looks each up once.
    QHash<QString, std::vector<size_t>> byReference;
    QHash<QString, std::vector<size_t>> notesFor;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& e = m_entries[i];
        if (e.isCredit)
            notesFor[e.corrects].push_back(i);
        if (e.error.isEmpty() && !e.docReference.isEmpty())
            byReference[e.kind + u'\n' + e.docReference].push_back(i);
    }
    for (const std::vector<size_t>& same : std::as_const(byReference)) {
        if (same.size() < 2)
            continue;
        QStringList paths;
        for (const size_t i : same)
            paths << QFileInfo(m_entries[i].file).absoluteFilePath();
        for (size_t i = 0; i < same.size(); ++i)
            m_entries[same[i]].duplicateNumber =
                std::any_of(paths.begin(), paths.end(),
                            [&](const QString& path) { return path != paths[qsizetype(i)]; });
    }
    for (Entry& e : m_entries) {
        if (!e.error.isEmpty() || e.docReference.isEmpty() || !e.isInvoice || e.isCredit)
            continue;
        // The notes' own due is minus the credit they still owe the customer.
        OMMoney notesDue;
        for (const size_t i : notesFor.value(e.docReference)) {
            const Entry& note = m_entries[i];
            e.hasCredits = true;
            e.credited -= note.total;
            notesDue += note.amountDue;
        }
        e.dueAfterCredits = e.amountDue + notesDue;
    }
}

bool DocumentReport::hasErrors() const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [](const Entry& e) { return !e.error.isEmpty(); });
}

DocumentReport::Entry DocumentReport::entryFor(const QString& file, const FigureInputs& inputs)
{
    Entry entry;
    entry.file = file;
    const std::unique_ptr<JobBase> record = JobFileReader::load(file, &entry.error);
    if (!record)
        return entry;

    const DocumentSummary summary = record->summary(inputs);
    entry.kind = QString::fromLatin1(record->kind().name);
    entry.docReference = summary.docReference;
    entry.number = summary.number;
    entry.date =
        summary.date.isEmpty() ? QString() : summary.date.toString("YYYY-MM-DD").toQString();
    entry.customer = summary.customer;
    entry.total = summary.gross;
    const auto isoDate = [](const OMDate& date) {
        return date.isEmpty() ? QString() : date.toString("YYYY-MM-DD").toQString();
    };
    entry.issued = isoDate(summary.issued);
    if (const std::optional<JobFigures>& job = summary.job) {
        entry.figures = {
            {QStringLiteral("totalHours"), hours(job->totalHours), false},
            {QStringLiteral("effectiveDaysOnSite"), QString::number(job->daysOnSite), false},
            {QStringLiteral("labourHoursCost"), money(job->labourHoursCost), true},
            {QStringLiteral("hoursItemsTotal"), money(job->hoursItemsTotal), true},
            {QStringLiteral("labourTotal"), money(job->labourTotal), true},
            {QStringLiteral("travelTimeCost"), money(job->travelTimeCost), true},
            {QStringLiteral("travelDistanceCost"), money(job->travelDistanceCost), true},
            {QStringLiteral("travelCost"), money(job->travelCost), true},
            {QStringLiteral("materialsTotal"), money(job->materialsTotal), true},
            {QStringLiteral("hireTotal"), money(job->hireTotal), true},
            {QStringLiteral("jobTotal"), money(job->jobTotal), true},
        };
        return entry;
    }
    entry.isInvoice = true;
    entry.isCredit = summary.credit;
    entry.corrects = summary.corrects;
    entry.correctsDate = isoDate(summary.correctsDate);
    entry.figures = {{QStringLiteral("netTotal"), money(summary.net), true}};
    // Under the reverse charge the VAT is for information: the sales count
    // net only, and the VAT stands apart.
    entry.reverseCharge = summary.reverseCharge;
    for (const VAT& vat : summary.vatByRate) {
        const QString rate = vat.rate.toText(false).toQString();
        entry.vatSummary.push_back(
            {rate, money(vat.amount), money(summary.reverseCharge ? OMMoney() : vat.vatAmount())});
        if (summary.reverseCharge)
            entry.vatForInformation.push_back({rate, money(vat.amount), money(vat.vatAmount())});
    }
    entry.cis = summary.cis;
    entry.cisLabour = summary.cisLabour;
    entry.cisExpected = summary.cisExpected;
    entry.cisDeducted = summary.cisDeducted;
    entry.totalPaid = summary.paid;
    entry.amountDue = summary.due;
    entry.isOverdue = summary.overdue;
    return entry;
}

QString DocumentReport::toJson() const
{
    if (m_entries.empty())
        return QStringLiteral("[]\n");
    // One text grown in place: a report of thousands of files makes no
    // list of pieces to join.
    QString out;
    out.reserve(qsizetype(m_entries.size()) * 640);
    out += QLatin1String("[\n");
    bool firstEntry = true;
    for (const Entry& e : m_entries) {
        out += firstEntry ? QLatin1String("  {\n") : QLatin1String(",\n  {\n");
        firstEntry = false;
        bool firstField = true;
        // "    KEY: " after the field before it; the caller writes the value.
        const auto key = [&](QStringView name) {
            out += firstField ? QLatin1String("    ") : QLatin1String(",\n    ");
            firstField = false;
            appendJsonString(out, name);
            out += QLatin1String(": ");
        };
        const auto text = [&](QStringView name, QStringView value) {
            key(name);
            appendJsonString(out, value);
        };
        const auto plain = [&](QStringView name, QStringView value) {
            key(name);
            out += value;
        };
        const auto amount = [&](QStringView name, OMMoney value) {
            key(name);
            const OMString digits = value.toPlainString();
            out += u'"';
            out += QLatin1String(digits.str().data(), qsizetype(digits.str().size()));
            out += u'"';
        };
        const auto flag = [&](QStringView name, bool value) {
            plain(name, value ? u"true" : u"false");
        };
        text(u"file", e.file);
        if (!e.error.isEmpty()) {
            text(u"error", e.error);
        } else {
            text(u"kind", e.kind);
            text(u"docReference", e.docReference);
            plain(u"number", QString::number(e.number));
            text(u"date", e.date);
            text(u"customer", e.customer);
            for (const Figure& f : e.figures) {
                if (f.isString)
                    text(f.key, f.text);
                else
                    plain(f.key, f.text);
            }
            if (e.isInvoice) {
                const auto vatLines = [&](QStringView name,
                                          const std::vector<Entry::VatLine>& lines) {
                    key(name);
                    out += u'[';
                    bool firstLine = true;
                    for (const auto& v : lines) {
                        out += firstLine ? QLatin1String("{\"rate\": ")
                                         : QLatin1String(", {\"rate\": ");
                        firstLine = false;
                        appendJsonString(out, v.rate);
                        out += QLatin1String(", \"amount\": ");
                        appendJsonString(out, v.amount);
                        out += QLatin1String(", \"vatAmount\": ");
                        appendJsonString(out, v.vatAmount);
                        out += u'}';
                    }
                    out += u']';
                };
                vatLines(u"vatSummary", e.vatSummary);
                amount(u"grossTotal", e.total);
                amount(u"totalPaid", e.totalPaid);
                amount(u"amountDue", e.amountDue);
                flag(u"isOverdue", e.isOverdue);
                if (!e.issued.isEmpty())
                    text(u"issued", e.issued);
                flag(u"reverseCharge", e.reverseCharge);
                vatLines(u"vatForInformation", e.vatForInformation);
                amount(u"cisLabour", e.cisLabour);
                amount(u"cisDeducted", e.cisDeducted);
                if (e.cis) {
                    amount(u"cisDeduction", e.cisExpected);
                    amount(u"cisNetPayment", e.total - e.cisExpected);
                }
            }
            if (e.isCredit) {
                plain(u"isCredit", u"true");
                text(u"corrects", e.corrects);
                text(u"correctsDate", e.correctsDate);
            }
            if (e.hasCredits) {
                amount(u"credited", e.credited);
                amount(u"amountDueAfterCredits", e.dueAfterCredits);
            }
            if (e.duplicateNumber)
                plain(u"duplicateNumber", u"true");
        }
        out += QLatin1String("\n  }");
    }
    out += QLatin1String("\n]\n");
    return out;
}

QString DocumentReport::toTable() const
{
    QStringList header = {QStringLiteral("File"),     QStringLiteral("Kind"),
                          QStringLiteral("Ref"),      QStringLiteral("Date"),
                          QStringLiteral("Customer"), QStringLiteral("Total"),
                          QStringLiteral("Due"),      QStringLiteral("Status")};
    // The CIS deductions taken from payments get a column when there are any.
    const bool cisColumn = std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& e) {
        return e.error.isEmpty() && e.cisDeducted != OMMoney();
    });
    OMMoney totalDeducted;
    if (cisColumn)
        header << QStringLiteral("CIS deducted");
    std::vector<QStringList> rows;
    OMMoney totalDue;
    for (const Entry& e : m_entries) {
        const QString name = QFileInfo(e.file).fileName();
        if (!e.error.isEmpty()) {
            rows.push_back({name, QString(), QString(), QString(), e.error, QString(), QString(),
                            QStringLiteral("error")});
            if (cisColumn)
                rows.back() << QString();
            continue;
        }
        QString status;
        // An invoice with its credit notes among the files shows what is due
        // after them; the notes still add their own due to the total, so the
        // total is the same either way.
        const OMMoney due = e.hasCredits ? e.dueAfterCredits : e.amountDue;
        if (e.isCredit) {
            totalDue += e.amountDue;
            status = e.corrects.isEmpty() ? QStringLiteral("credit")
                                          : QStringLiteral("credit for %1").arg(e.corrects);
        } else if (e.isInvoice) {
            totalDue += e.amountDue;
            status = due < 0                  ? QStringLiteral("refund due")
                     : e.isOverdue && due > 0 ? QStringLiteral("OVERDUE")
                     : due == 0               ? QStringLiteral("paid")
                                              : QStringLiteral("owed");
            if (e.hasCredits)
                status += QStringLiteral(" (credited)");
        }
        if (e.duplicateNumber)
            status += status.isEmpty() ? QStringLiteral("NUMBER REPEATED")
                                       : QStringLiteral(", NUMBER REPEATED");
        rows.push_back({name, e.kind, e.docReference, e.date, firstLine(e.customer),
                        e.total.toString().toQString(),
                        e.isInvoice ? due.toString().toQString() : QString(), status});
        if (cisColumn) {
            totalDeducted += e.cisDeducted;
            rows.back() << (e.isInvoice ? e.cisDeducted.toString().toQString() : QString());
        }
    }
    const QString totalDueText = totalDue.toString().toQString();
    // A terminal takes control characters in a name for commands.
    for (QStringList& row : rows)
        for (QString& cell : row)
            for (QChar& ch : cell)
                if (ch.category() == QChar::Other_Control)
                    ch = u'?';

    std::vector<int> widths(header.size());
    for (int c = 0; c < header.size(); ++c) {
        widths[c] = int(header[c].size());
        for (const QStringList& row : rows)
            widths[c] = std::max(widths[c], int(row[c].size()));
    }
    widths[6] = std::max(widths[6], int(totalDueText.size()));
    const QString totalDeductedText = totalDeducted.toString().toQString();
    if (cisColumn)
        widths[8] = std::max(widths[8], int(totalDeductedText.size()));
    const auto isNumeric = [](int column) { return column == 5 || column == 6 || column == 8; };
    const auto line = [&](const QStringList& cells) {
        QStringList padded;
        for (int c = 0; c < cells.size(); ++c)
            padded << (isNumeric(c) ? cells[c].rightJustified(widths[c])
                                    : cells[c].leftJustified(widths[c]));
        return padded.join(QLatin1String("  ")).trimmed() + u'\n';
    };

    QString out = line(header);
    QStringList rule;
    for (int w : widths)
        rule << QString(w, u'-');
    out += rule.join(QLatin1String("  ")) + u'\n';
    for (const QStringList& row : rows)
        out += line(row);
    out += rule.join(QLatin1String("  ")) + u'\n';
    QStringList totals(header.size());
    totals[0] = QStringLiteral("Total due");
    totals[6] = totalDueText;
    if (cisColumn)
        totals[8] = totalDeductedText;
    out += line(totals);
    return out;
}
