#include "SampleYear.h"

#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"

#include <QDir>
#include <QFile>

using ombrel::OMDate;
using ombrel::OMMoney;
using ombrel::OMString;

namespace {

const char* const Surnames[] = {"Dunmore", "Hayes",    "Okafor",  "Lindqvist", "Patel",
                                "Brennan", "Whitley",  "Moreau",  "Achebe",    "Harrow",
                                "Quinn",   "Ferreira", "Tulloch", "Kowalski",  "Nakamura",
                                "Ashby",   "Delgado",  "Marsh"};
const char* const Towns[] = {"Knaresborough", "Harrogate", "Ripon", "Wetherby", "Otley"};
const char* const Work[] = {"Replace kitchen tap", "Boiler service",     "Bathroom refit",
                            "Radiator valves",     "Emergency call-out", "Outside tap",
                            "Power flush",         "Leak under sink"};

bool save(JobBase& record, const QString& path)
{
    Archive archive = Archive::forWriting();
    return record.write(archive) == 0 && TextFile::save(path, archive.data());
}

void fill(JobBase& record, int i, const OMDate& date, uint32_t number)
{
    record.setNumber(number);
    record.date = date;
    record.customer.title = "Mr";
    record.customer.surname = Surnames[i % 18];
    record.customer.name = i % 3 ? "Peter" : "Anne";
    record.customer.address.first = OMString::format("%d Station Road", 1 + i % 97);
    record.customer.address.town = Towns[i % 5];
    record.description = Work[i % 8];
}

} // namespace

bool SampleYear::write(const QString& folder, int count, int year)
{
    for (int i = 0; i < count; ++i) {
        const int month = 1 + i * 12 / count;
        const OMDate date(1 + (i * 7) % 28, month, year, true);
        const QString dir = QDir(folder).filePath(
            QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0')));
        QDir().mkpath(dir);
        const int kind = i % 20;
        if (kind < 3) {
            JobEstimate estimate;
            fill(estimate, i, date, 1000 + uint32_t(i));
            JobItem material;
            material.desc = "Materials";
            material.count = 1.0 + i % 4;
            material.price = OMMoney(int64_t(2500 + (i * 37) % 9000));
            estimate.materials.add(material);
            if (!save(estimate, QStringLiteral("%1/estimate-%2.vle").arg(dir).arg(1000 + i)))
                return false;
        } else if (kind < 7) {
            JobQuote quote;
            fill(quote, i, date, 2000 + uint32_t(i));
            JobItem material;
            material.desc = "Parts";
            material.price = OMMoney(int64_t(4000 + (i * 53) % 20000));
            quote.materials.add(material);
            if (!save(quote, QStringLiteral("%1/quote-%2.vlq").arg(dir).arg(2000 + i)))
                return false;
        } else {
            JobInvoice invoice;
            const uint32_t number = 3000 + uint32_t(i);
            fill(invoice, i, date, number);
            invoice.daysToPay = 30;
            const int64_t labour = 3850 * (1 + i % 6), parts = 1200 + (i * 41) % 15000;
            JobItem line;
            line.desc = "Labour";
            line.price = OMMoney(labour);
            line.rate = 2000;
            invoice.items.add(line);
            line.desc = "Parts";
            line.price = OMMoney(parts);
            line.rate = i % 5 ? 2000 : 500;
            invoice.items.add(line);
            const OMMoney gross = invoice.totals(true).grossTotal;
            const int paidState = i % 7;
            JobItem payment;
            payment.desc = "Payment";
            if (paidState <= 2) { // paid in full within the month
                payment.date = OMDate::fromJulian(date.julian() + 10 + i % 20);
                payment.price = gross;
                invoice.payments.add(payment);
            } else if (paidState == 3) { // half now, the rest not yet
                payment.date = OMDate::fromJulian(date.julian() + 5);
                payment.price = gross.scaledBy(1, 2);
                invoice.payments.add(payment);
            } else if (paidState == 4 && i % 3 == 0) { // paid twice: a refund due
                payment.date = OMDate::fromJulian(date.julian() + 3);
                payment.price = gross;
                invoice.payments.add(payment);
                payment.date = OMDate::fromJulian(date.julian() + 9);
                payment.price = OMMoney(int64_t(5000));
                invoice.payments.add(payment);
            }
            if (!save(invoice, QStringLiteral("%1/invoice-%2.vli").arg(dir).arg(number)))
                return false;
            // A Save As that kept the number.
            if (i == 11 &&
                !save(invoice, QStringLiteral("%1/invoice-%2 copy.vli").arg(dir).arg(number)))
                return false;
        }
    }
    QFile broken(QDir(folder).filePath(QStringLiteral("%1-01/half-written.vli").arg(year)));
    if (!broken.open(QIODevice::WriteOnly))
        return false;
    broken.write("PK\x03\x04 not a document at all");
    return true;
}
