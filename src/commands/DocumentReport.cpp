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

QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
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
            {"totalHours", hours(job->totalHours), false},
            {"effectiveDaysOnSite", QString::number(job->daysOnSite), false},
            {"labourHoursCost", money(job->labourHoursCost), true},
            {"hoursItemsTotal", money(job->hoursItemsTotal), true},
            {"labourTotal", money(job->labourTotal), true},
            {"travelTimeCost", money(job->travelTimeCost), true},
            {"travelDistanceCost", money(job->travelDistanceCost), true},
            {"travelCost", money(job->travelCost), true},
            {"materialsTotal", money(job->materialsTotal), true},
            {"hireTotal", money(job->hireTotal), true},
            {"jobTotal", money(job->jobTotal), true},
        };
        return entry;
    }
    entry.isInvoice = true;
    entry.isCredit = summary.credit;
    entry.corrects = summary.corrects;
    entry.correctsDate = isoDate(summary.correctsDate);
    entry.figures = {{"netTotal", money(summary.net), true}};
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
    QStringList objects;
    for (const Entry& e : m_entries) {
        QStringList fields;
        auto add = [&](const QString& key, const QString& value) {
            fields << QStringLiteral("    %1: %2").arg(jsonString(key), value);
        };
        add(QStringLiteral("file"), jsonString(e.file));
        if (!e.error.isEmpty()) {
            add(QStringLiteral("error"), jsonString(e.error));
        } else {
            add(QStringLiteral("kind"), jsonString(e.kind));
            add(QStringLiteral("docReference"), jsonString(e.docReference));
            add(QStringLiteral("number"), QString::number(e.number));
            add(QStringLiteral("date"), jsonString(e.date));
            add(QStringLiteral("customer"), jsonString(e.customer));
            for (const Figure& f : e.figures)
                add(f.key, f.isString ? jsonString(f.text) : f.text);
            if (e.isInvoice) {
                const auto vatLines = [](const std::vector<Entry::VatLine>& lines) {
                    QStringList vat;
                    for (const auto& v : lines)
                        vat << QStringLiteral("{\"rate\": %1, \"amount\": %2, \"vatAmount\": %3}")
                                   .arg(jsonString(v.rate), jsonString(v.amount),
                                        jsonString(v.vatAmount));
                    return u'[' + vat.join(QLatin1String(", ")) + u']';
                };
                add(QStringLiteral("vatSummary"), vatLines(e.vatSummary));
                add(QStringLiteral("grossTotal"), jsonString(money(e.total)));
                add(QStringLiteral("totalPaid"), jsonString(money(e.totalPaid)));
                add(QStringLiteral("amountDue"), jsonString(money(e.amountDue)));
                add(QStringLiteral("isOverdue"),
                    e.isOverdue ? QStringLiteral("true") : QStringLiteral("false"));
                if (!e.issued.isEmpty())
                    add(QStringLiteral("issued"), jsonString(e.issued));
                add(QStringLiteral("reverseCharge"),
                    e.reverseCharge ? QStringLiteral("true") : QStringLiteral("false"));
                add(QStringLiteral("vatForInformation"), vatLines(e.vatForInformation));
                add(QStringLiteral("cisLabour"), jsonString(money(e.cisLabour)));
                add(QStringLiteral("cisDeducted"), jsonString(money(e.cisDeducted)));
                if (e.cis) {
                    add(QStringLiteral("cisDeduction"), jsonString(money(e.cisExpected)));
                    add(QStringLiteral("cisNetPayment"),
                        jsonString(money(e.total - e.cisExpected)));
                }
            }
            if (e.isCredit) {
                add(QStringLiteral("isCredit"), QStringLiteral("true"));
                add(QStringLiteral("corrects"), jsonString(e.corrects));
                add(QStringLiteral("correctsDate"), jsonString(e.correctsDate));
            }
            if (e.hasCredits) {
                add(QStringLiteral("credited"), jsonString(money(e.credited)));
                add(QStringLiteral("amountDueAfterCredits"), jsonString(money(e.dueAfterCredits)));
            }
            if (e.duplicateNumber)
                add(QStringLiteral("duplicateNumber"), QStringLiteral("true"));
        }
        objects << QStringLiteral("  {\n") + fields.join(QLatin1String(",\n")) +
                       QStringLiteral("\n  }");
    }
    if (objects.isEmpty())
        return QStringLiteral("[]\n");
    return QStringLiteral("[\n") + objects.join(QLatin1String(",\n")) + QStringLiteral("\n]\n");
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
