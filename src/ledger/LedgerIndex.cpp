#include "LedgerIndex.h"

#include "records/FigureInputs.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using ombrel::OMDate;
using ombrel::OMMoney;

namespace {

constexpr quint32 Magic = 0x564c4958; // "VLIX"
constexpr quint32 FormatVersion = 3;
constexpr QCryptographicHash::Algorithm Hash = QCryptographicHash::Sha1;
constexpr int HashSize = 20;

void putMoney(QDataStream& out, OMMoney m)
{
    out << qint64(m.value());
}

OMMoney takeMoney(QDataStream& in)
{
    qint64 v = 0;
    in >> v;
    return OMMoney(int64_t(v));
}

void putDate(QDataStream& out, const OMDate& d)
{
    out << qint64(d.julian());
}

OMDate takeDate(QDataStream& in)
{
    qint64 v = 0;
    in >> v;
    return v == 0 ? OMDate() : OMDate::fromJulian(v);
}

void putSummary(QDataStream& out, const DocumentSummary& s)
{
    out << QByteArray(DocumentKind::get(s.kind).name) << quint32(s.number) << s.docReference
        << s.reference;
    putDate(out, s.date);
    putDate(out, s.dueDate);
    out << s.customer;
    putMoney(out, s.net);
    out << quint32(s.vatByRate.size());
    for (const VAT& v : s.vatByRate) {
        out << qint32(v.rate.value());
        putMoney(out, v.amount);
    }
    putMoney(out, s.vat);
    putMoney(out, s.gross);
    putMoney(out, s.paid);
    putMoney(out, s.due);
    out << s.overdue << quint32(s.payments.size());
    for (const DocumentPayment& p : s.payments) {
        putDate(out, p.date);
        putMoney(out, p.amount);
    }
    out << s.credit << s.corrects;
    putDate(out, s.correctsDate);
    putDate(out, s.issued);
    // The customer's number and the reminders sent (statements and reminders).
    out << quint32(s.customerNumber) << quint32(s.reminders.size());
    for (const Reminder& r : s.reminders) {
        putDate(out, r.date);
        out << qint32(r.level);
        putMoney(out, r.claimed);
    }
    out << s.job.has_value();
    if (const std::optional<JobFigures>& f = s.job) {
        out << f->totalHours << quint32(f->daysOnSite);
        for (OMMoney m :
             {f->labourHoursCost, f->hoursItemsTotal, f->labourTotal, f->travelTimeCost,
              f->travelDistanceCost, f->travelCost, f->materialsTotal, f->hireTotal, f->jobTotal})
            putMoney(out, m);
    }
    // The reverse charge and CIS (format 3).
    out << s.reverseCharge << s.cis;
    for (OMMoney m : {s.cisLabour, s.cisExpected, s.cisDeducted})
        putMoney(out, m);
    for (const DocumentPayment& p : s.payments)
        putMoney(out, p.cisDeducted);
}

// False when the kind is not one of this program's, or a count is beyond
// what the bytes left could hold (a damaged file must not reserve gigabytes).
bool takeSummary(QDataStream& in, DocumentSummary& s)
{
    QByteArray kindName;
    quint32 number = 0;
    in >> kindName >> number >> s.docReference >> s.reference;
    const DocumentKind* kind = nullptr;
    for (const DocumentKind* k : DocumentKind::all())
        if (kindName == k->name)
            kind = k;
    if (!kind)
        return false;
    s.kind = kind->id;
    s.number = number;
    s.date = takeDate(in);
    s.dueDate = takeDate(in);
    in >> s.customer;
    s.net = takeMoney(in);
    quint32 rates = 0;
    in >> rates;
    if (in.status() != QDataStream::Ok || rates > quint32(in.device()->bytesAvailable() / 12))
        return false;
    for (quint32 i = 0; i < rates; ++i) {
        qint32 rate = 0;
        in >> rate;
        s.vatByRate.push_back(VAT{Percentage(rate), takeMoney(in)});
    }
    s.vat = takeMoney(in);
    s.gross = takeMoney(in);
    s.paid = takeMoney(in);
    s.due = takeMoney(in);
    quint32 payments = 0;
    in >> s.overdue >> payments;
    if (in.status() != QDataStream::Ok || payments > quint32(in.device()->bytesAvailable() / 16))
        return false;
    for (quint32 i = 0; i < payments; ++i) {
        const OMDate date = takeDate(in);
        s.payments.push_back({date, takeMoney(in), {}});
    }
    in >> s.credit >> s.corrects;
    s.correctsDate = takeDate(in);
    s.issued = takeDate(in);
    quint32 customerNumber = 0, reminders = 0;
    in >> customerNumber >> reminders;
    s.customerNumber = customerNumber;
    if (in.status() != QDataStream::Ok || reminders > quint32(in.device()->bytesAvailable() / 20))
        return false;
    for (quint32 i = 0; i < reminders; ++i) {
        Reminder r;
        r.date = takeDate(in);
        qint32 level = 0;
        in >> level;
        r.level = level;
        r.claimed = takeMoney(in);
        s.reminders.push_back(r);
    }
    bool hasJob = false;
    in >> hasJob;
    if (hasJob) {
        JobFigures f;
        quint32 days = 0;
        in >> f.totalHours >> days;
        f.daysOnSite = days;
        for (OMMoney* m :
             {&f.labourHoursCost, &f.hoursItemsTotal, &f.labourTotal, &f.travelTimeCost,
              &f.travelDistanceCost, &f.travelCost, &f.materialsTotal, &f.hireTotal, &f.jobTotal})
            *m = takeMoney(in);
        s.job = f;
    }
    in >> s.reverseCharge >> s.cis;
    for (OMMoney* m : {&s.cisLabour, &s.cisExpected, &s.cisDeducted})
        *m = takeMoney(in);
    for (DocumentPayment& p : s.payments)
        p.cisDeducted = takeMoney(in);
    return in.status() == QDataStream::Ok;
}

} // namespace

QByteArray LedgerIndex::encode(const std::vector<LedgerEntry>& entries, const FigureInputs& inputs)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << Magic << FormatVersion << inputs.vatRegistered << qint32(inputs.dailyWorkingHours)
            << quint32(entries.size());
        for (const LedgerEntry& e : entries) {
            out << e.path << qint64(e.size) << qint64(e.modified) << e.error;
            if (e.isReadable())
                putSummary(out, e.summary);
        }
    }
    return bytes + QCryptographicHash::hash(bytes, Hash);
}

bool LedgerIndex::decode(const QByteArray& bytes, const FigureInputs& inputs, QString* error)
{
    m_entries.clear();
    m_byPath.clear();
    const auto fail = [&](const QString& why) {
        m_entries.clear();
        m_byPath.clear();
        if (error)
            *error = why;
        return false;
    };
    if (bytes.size() < HashSize)
        return fail(QStringLiteral("The index is damaged."));
    const QByteArray payload = bytes.left(bytes.size() - HashSize);
    if (QCryptographicHash::hash(payload, Hash) != bytes.right(HashSize))
        return fail(QStringLiteral("The index is damaged."));

    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, version = 0, count = 0;
    bool vatRegistered = false;
    qint32 dailyWorkingHours = 0;
    in >> magic >> version;
    if (magic != Magic || version != FormatVersion)
        return fail(QStringLiteral("The index is of another format."));
    in >> vatRegistered >> dailyWorkingHours >> count;
    if (vatRegistered != inputs.vatRegistered || dailyWorkingHours != inputs.dailyWorkingHours)
        return fail(QStringLiteral("The index was made with other settings."));
    if (in.status() != QDataStream::Ok || count > quint32(payload.size() / 20))
        return fail(QStringLiteral("The index is damaged."));
    m_entries.resize(count);
    for (LedgerEntry& e : m_entries) {
        qint64 size = 0, modified = 0;
        in >> e.path >> size >> modified >> e.error;
        e.size = size;
        e.modified = modified;
        if (in.status() != QDataStream::Ok || (e.isReadable() && !takeSummary(in, e.summary)))
            return fail(QStringLiteral("The index is damaged."));
    }
    if (!in.atEnd())
        return fail(QStringLiteral("The index is damaged."));
    for (int i = 0; i < int(m_entries.size()); ++i)
        m_byPath.insert(m_entries[size_t(i)].path, i);
    return true;
}

bool LedgerIndex::load(const QString& file, const FigureInputs& inputs, QString* error)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        m_entries.clear();
        m_byPath.clear();
        if (error)
            *error = f.errorString();
        return false;
    }
    return decode(f.readAll(), inputs, error);
}

bool LedgerIndex::save(const QString& file, const std::vector<LedgerEntry>& entries,
                       const FigureInputs& inputs, QString* error)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    const QByteArray bytes = encode(entries, inputs);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush() ||
        !out.commit()) {
        if (error)
            *error = out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

const LedgerEntry* LedgerIndex::find(const QString& path) const
{
    const auto it = m_byPath.constFind(path);
    return it == m_byPath.constEnd() ? nullptr : &m_entries[size_t(*it)];
}
