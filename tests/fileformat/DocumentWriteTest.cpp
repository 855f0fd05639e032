#include "fileformat/Archive.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace ombrel;

namespace {

std::string written(JobBase& record)
{
    Archive archive = Archive::forWriting();
    EXPECT_EQ(record.write(archive), 0);
    return archive.data().toStdString();
}

std::string withoutUpdated(const std::string& text)
{
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        end = end == std::string::npos ? text.size() : end + 1;
        if (text.compare(pos, 8, "updated=") != 0)
            out.append(text, pos, end - pos);
        pos = end;
    }
    return out;
}

JobItem item(const char* desc, double count, int64_t cost, int64_t price, int rate,
             OMDate date = {})
{
    JobItem i;
    i.desc = desc;
    i.count = count;
    i.cost = cost;
    i.price = price;
    i.rate = rate;
    i.date = date;
    return i;
}

class DocumentWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    }
};

} // namespace

TEST_F(DocumentWrite, EstimateLayoutByteForByte)
{
    JobEstimate job;
    job.setNumber(17);
    job.created.set("20070302134501", "YYYYMMDDhhmmss");
    job.date = OMDate(2, 3, 2007, true);
    job.reference = "R1";
    job.hourlyRate = 123456;
    job.hoursWork = 7.5;
    job.daysValid = 60;
    job.chargeTravelTime = true;
    job.description = "Line one\nLine two";
    job.customer.custno = 4;
    job.customer.surname = "Smith";
    job.customer.address.first = "1 High St\nFlat 2";
    job.sameAsCustomer = false;
    job.location.address.town = "York";
    job.hoursItems.add(item("Mate", 2, 0, 1500, 0));
    job.materials.add(item("Pipe", 2.5, 100, 333, 1750, OMDate(1, 2, 2007, true)));
    job.materials.add(item("", 0, 0, 0, 0));
    job.hire.add(item("Skip", 0, 0, -500, 500));

    const std::string text = written(job);
    const std::string updated = job.updated.toString("%Y%m%d%H%M%S").str();
    ASSERT_EQ(updated.size(), 14u);
    const std::string expected =
        "[estimate]\nversion=1\n"
        "\n[base]\nnumber=17\ncreated=20070302134501\nupdated=" +
        updated +
        "\nhasVATInfo=1\nownDocReference=0\ndocReference=17\ndate=20070302\n"
        "\n[job]\nreference=R1\nhourlyRate=1,234.56\nhoursResearch=0.000000\n"
        "hoursPurchase=0.000000\nhoursWork=7.500000\nhoursInspection=0.000000\n"
        "hoursAdmin=0.000000\nhoursTravel=0.000000\ncostPerMile=0.00\ndistance=0.000000\n"
        "daysOnSite=0\ndaysValid=60\nchargeTravelTime=1\nchargeTravelDistance=0\ndisplayEAOE=1\n"
        "created=20070302134501\nupdated=" +
        updated +
        "\ndescription=Line one|Line two\n"
        "\n[customer]\ncustno=4\ncompany=\ntitle=\nname=\ninitial=\nsurname=Smith\n"
        "first=1 High St|Flat 2\ntown=\ncounty=\npostcode=\nphone=\nfax=\nmobile=\n"
        "\n[location]\nsameAsCustomer=0\ncompany=\ntitle=\nname=\ninitial=\nsurname=\nfirst=\n"
        "town=York\ncounty=\npostcode=\nphone=\nfax=\nmobile=\n"
        "\n[hours-item]\ndesc=Mate\ncount=2.000000\nprice=15.00\n"
        "\n[materials-item]\ndesc=Pipe\ncount=2.500000\ncost=1.00\nprice=3.33\nrate=17.5\n"
        "date=20070201\n"
        "\n[materials-item]\n"
        "\n[hire-item]\ndesc=Skip\nprice=-5.00\nrate=5\n"
        "\n[end]\n";
    EXPECT_EQ(text, expected);
    EXPECT_TRUE(job.hasVATInfo);
    EXPECT_EQ(job.version, 1u);
}

TEST_F(DocumentWrite, InvoiceLayoutByteForByte)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 0);
    JobInvoice invoice;
    invoice.setDocReference("INV-7", true);
    invoice.created.set("20070302134501", "YYYYMMDDhhmmss");
    invoice.description = "Work";
    invoice.daysToPay = 30;
    invoice.addOverduePercentage = true;
    invoice.overduePercentage = 850;
    invoice.customer.company = "Acme";
    invoice.items.add(item("Labour", 0, 0, 5000, 1750));
    invoice.payments.add(item("Cash", 0, 0, 2000, 0, OMDate(9, 3, 2007, true)));

    const std::string text = written(invoice);
    const std::string updated = invoice.updated.toString("%Y%m%d%H%M%S").str();
    const std::string expected =
        "[invoice]\nversion=1\n"
        "\n[base]\ncreated=20070302134501\nupdated=" +
        updated +
        "\nhasVATInfo=0\nownDocReference=1\ndocReference=INV-7\n"
        "\n[details]\ndescription=Work\nreference=\ndaysToPay=30\ndisplayEAOE=1\n"
        "created=20070302134501\nupdated=" +
        updated +
        "\naddOverduePercentage=1\noverduePercentage=8.5\nextraTerms=\n"
        "\n[customer]\ncustno=0\ncompany=Acme\ntitle=\nname=\ninitial=\nsurname=\nfirst=\n"
        "town=\ncounty=\npostcode=\nphone=\nfax=\nmobile=\n"
        "\n[invoice-item]\ndesc=Labour\nprice=50.00\nrate=17.5\n"
        "\n[payment-item]\ndesc=Cash\nprice=20.00\ndate=20070309\n"
        "\n[end]\n";
    EXPECT_EQ(text, expected);
}

TEST_F(DocumentWrite, EveryKindReadsBackToTheSameBytes)
{
    JobQuote quote;
    quote.setNumber(104);
    quote.reference = "ABC";
    quote.description = "Two\nlines";
    quote.hoursWork = 25.15;
    quote.hourlyRate = 2500;
    quote.customer.name = "Zoë";
    quote.customer.surname = "Brontë £";
    quote.materials.add(item("Tap", 1, 0, 1999, 2000));
    const std::string first = written(quote);

    JobQuote again;
    Archive in = Archive::forReading(QByteArray::fromStdString(first));
    ASSERT_EQ(again.read(in), 0);
    EXPECT_EQ(again.labourHoursCost(), quote.labourHoursCost());
    EXPECT_EQ(again.customer.surname, "Brontë £");
    EXPECT_EQ(again.description, "Two\nlines");
    // Writing stamps "updated" with the time; everything else is unchanged.
    EXPECT_EQ(withoutUpdated(written(again)), withoutUpdated(first));

    JobInvoice invoice;
    invoice.items.add(item("Line", 2, 0, 1000, 500));
    const std::string invoiceText = written(invoice);
    JobInvoice invoiceAgain;
    Archive invoiceIn = Archive::forReading(QByteArray::fromStdString(invoiceText));
    ASSERT_EQ(invoiceAgain.read(invoiceIn), 0);
    EXPECT_EQ(invoiceAgain.totals(true).grossTotal, OMMoney(2100));
    EXPECT_EQ(invoiceAgain.created, invoice.created);
}

TEST_F(DocumentWrite, TheExamplesWriteBackAsTheyWereRead)
{
    const QDir examples(qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples");
    const QStringList files = examples.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const DocumentKind* kind = DocumentKind::forPath(name);
        ASSERT_NE(kind, nullptr) << name.toStdString();
        QFile file(examples.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const std::unique_ptr<JobBase> record = kind->createRecord();
        Archive in = Archive::forReading(bytes);
        ASSERT_EQ(record->read(in), 0) << name.toStdString();
        EXPECT_EQ(withoutUpdated(written(*record)), withoutUpdated(bytes.toStdString()))
            << name.toStdString();
    }
}
