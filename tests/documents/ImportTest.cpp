#include "DocumentsFixture.h"
#include "documents/InvoiceImport.h"
#include "documents/JobFileReader.h"
#include "documents/QuoteImport.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

namespace {

JobItem item(const char* desc, double count, int64_t price, int rate)
{
    JobItem i;
    i.desc = desc;
    i.count = count;
    i.cost = price / 2;
    i.price = price;
    i.rate = rate;
    i.date = OMDate(3, 4, 2007, true);
    return i;
}

// The invoice's file without the times its writing stamps.
QString textOf(JobInvoice& invoice)
{
    Archive archive = Archive::forWriting();
    EXPECT_EQ(invoice.write(archive), 0);
    QStringList kept;
    for (const QString& line : QString::fromUtf8(archive.data()).split('\n'))
        if (!line.startsWith("created=") && !line.startsWith("updated="))
            kept.append(line);
    return kept.join('\n');
}

std::vector<JobItem> lines(const JobInvoice& invoice)
{
    std::vector<JobItem> out;
    invoice.items.forEach([&](const JobItem& i) { out.push_back(i); });
    return out;
}

} // namespace

class Import : public DocumentsFixture
{
protected:
    // Saves `job` as the business is registered now, then sets `registeredAfter`.
    QString save(Job& job, const char* name)
    {
        Archive archive = Archive::forWriting();
        EXPECT_EQ(job.write(archive), 0);
        EXPECT_TRUE(TextFile::save(path(name), archive.data()));
        return path(name);
    }

    JobQuote quote104()
    {
        JobQuote quote;
        quote.setNumber(104);
        quote.reference = "ABC";
        quote.description = "Replace the boiler.";
        quote.hourlyRate = 1000;
        quote.hoursWork = 3;
        quote.customer.title = "Mrs";
        quote.customer.surname = "Okafor";
        quote.customer.custno = 12;
        return quote;
    }
};

TEST_F(Import, QuoteIntoAnEmptyInvoice)
{
    JobQuote quote = quote104();
    const QString file = save(quote, "q104.vlq");
    JobInvoice invoice;
    ASSERT_EQ(InvoiceImport::importFile(invoice, file, {}), InvoiceImport::Imported);
    EXPECT_EQ(invoice.description, "For Quote 104 - ABC\n\nReplace the boiler.");
    EXPECT_EQ(invoice.customer.surname, "Okafor");
    EXPECT_EQ(invoice.customer.custno, 12u);
    const auto got = lines(invoice);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].desc, "Labour");
    EXPECT_EQ(got[0].price, OMMoney(3000));

    // A second import appends below a rule and adds a second set of lines.
    // The invoice's customer now has a name, which stays unless the user agrees.
    ASSERT_TRUE(InvoiceImport::wouldReplaceCustomer(invoice));
    invoice.customer.surname = "Adeyemi";
    ASSERT_EQ(InvoiceImport::importFile(invoice, file, {}), InvoiceImport::Imported);
    EXPECT_EQ(invoice.description, "For Quote 104 - ABC\n\nReplace the boiler.\n" +
                                       std::string(70, '_') +
                                       "\n\nFor Quote 104 - ABC\n\nReplace the boiler.");
    EXPECT_EQ(lines(invoice).size(), 2u);
    EXPECT_EQ(invoice.customer.surname, "Adeyemi");
    InvoiceImport::Options replace;
    replace.replaceNamedCustomer = true;
    ASSERT_EQ(InvoiceImport::importFile(invoice, file, replace), InvoiceImport::Imported);
    EXPECT_EQ(invoice.customer.surname, "Okafor");
    EXPECT_FALSE(invoice.reverseCharge);

    // A VAT-registered CIS contractor's job goes under the reverse charge
    // while the business is VAT registered.
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    quote.customer.vatNumber = "GB123456789";
    quote.customer.cisContractor = true;
    const QString contractor = save(quote, "q104c.vlq");
    JobInvoice building;
    ASSERT_EQ(InvoiceImport::importFile(building, contractor, {}), InvoiceImport::Imported);
    EXPECT_TRUE(building.reverseCharge);
}

TEST_F(Import, LinesInTheirOrderWithOrWithoutSummaries)
{
    JobEstimate estimate;
    estimate.setNumber(9);
    estimate.hourlyRate = 1000;
    estimate.hoursWork = 1;
    estimate.chargeTravelDistance = true;
    estimate.costPerMile = 50;
    estimate.distance = 10;
    estimate.daysOnSite = 2;
    estimate.sameAsCustomer = false;
    estimate.location.address.first = "Unit 4";
    estimate.location.address.town = "York";
    estimate.description = "Job.";
    for (const char* name : {"Pipe", "Valve", "Tap"})
        estimate.materials.add(item(name, 2.5, 300, 500));
    estimate.hire.add(item("Skip", 1, 12000, 500));
    const QString file = save(estimate, "e9.vle");

    JobInvoice invoice;
    invoice.description = "Earlier work";
    ASSERT_EQ(InvoiceImport::importFile(invoice, file, {}), InvoiceImport::Imported);
    EXPECT_EQ(invoice.description, "Earlier work\n" + std::string(70, '_') +
                                       "\n\nFor Estimate 9\n\nJob Location:\nUnit 4\nYork\n\nJob.");
    auto got = lines(invoice);
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].desc, "Labour");
    EXPECT_EQ(got[1].desc, "Travel");
    EXPECT_EQ(got[1].price, OMMoney(1000));
    EXPECT_EQ(got[2].desc, "Skip");
    EXPECT_EQ(got[3].desc, "Pipe");
    EXPECT_DOUBLE_EQ(got[3].count, 2.5);
    EXPECT_EQ(got[3].cost, OMMoney(150));
    EXPECT_EQ(got[3].date, OMDate(3, 4, 2007, true));
    EXPECT_EQ(got[3].rate, Percentage(500)); // not registered: own rates kept
    EXPECT_EQ(got[5].desc, "Tap");
    EXPECT_EQ(got[0].rate, Percentage(0));
    // For CIS: labour and travel are labour, hire and materials materials.
    using Part = JobItem::CisPart;
    const Part parts[] = {Part::Labour,    Part::Labour,    Part::Materials,
                          Part::Materials, Part::Materials, Part::Materials};
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].cisPart, parts[i]) << i;

    JobInvoice summary;
    ASSERT_EQ(InvoiceImport::importFile(summary, file, {true, true}), InvoiceImport::Imported);
    got = lines(summary);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[2].desc, "Tool/Plant Hire");
    EXPECT_EQ(got[2].price, OMMoney(12000));
    EXPECT_EQ(got[3].desc, "Materials");
    EXPECT_EQ(got[3].price, OMMoney(3 * 750));
    EXPECT_DOUBLE_EQ(got[3].count, 0.0);
    EXPECT_EQ(got[2].cisPart, JobItem::CisPart::Materials);
    EXPECT_EQ(got[3].cisPart, JobItem::CisPart::Materials);
}

TEST_F(Import, VATTreatmentFollowsRegistration)
{
    JobEstimate before;
    before.materials.add(item("Pipe", 1, 100, 500));
    const QString oldFile = save(before, "old.vle"); // saved unregistered
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    JobEstimate after;
    after.materials.add(item("Pipe", 1, 100, 500));
    const QString newFile = save(after, "new.vle"); // saved registered

    JobInvoice invoice;
    ASSERT_EQ(InvoiceImport::importFile(invoice, oldFile, {}), InvoiceImport::Imported);
    for (const JobItem& line : lines(invoice))
        EXPECT_EQ(line.rate, Percentage(2000)) << line.desc;

    JobInvoice other;
    ASSERT_EQ(InvoiceImport::importFile(other, newFile, {true, false}), InvoiceImport::Imported);
    const auto got = lines(other);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].rate, Percentage(2000)); // Labour summary
    EXPECT_EQ(got[1].desc, "Materials");
    EXPECT_EQ(got[1].rate, Percentage(2000));

    JobInvoice copied;
    ASSERT_EQ(InvoiceImport::importFile(copied, newFile, {}), InvoiceImport::Imported);
    EXPECT_EQ(lines(copied)[1].rate, Percentage(500)); // own rate kept
}

TEST_F(Import, RefusalsChangeNothing)
{
    JobInvoice invoice;
    invoice.description = "keep";
    ASSERT_TRUE(TextFile::save(path("x.txt"), "[estimate]\n[end]\n"));
    QString error;
    EXPECT_EQ(InvoiceImport::importFile(invoice, path("x.txt"), {}, &error),
              InvoiceImport::NotAJobFile);
    EXPECT_EQ(error, "");
    ASSERT_TRUE(TextFile::save(path("wrong.vlq"), "[estimate]\n[end]\n"));
    EXPECT_EQ(InvoiceImport::importFile(invoice, path("wrong.vlq"), {}, &error),
              InvoiceImport::Refused);
    EXPECT_EQ(invoice.description, "keep");
    EXPECT_TRUE(invoice.items.isEmpty());
    EXPECT_TRUE(error.startsWith("Invalid Quote file.\n\n")) << error.toStdString();
    EXPECT_TRUE(error.contains("is not a Vorlane quote."));

    JobQuote quote;
    quote.setNumber(55);
    ASSERT_TRUE(TextFile::save(path("wrong.vle"), "[quote]\n[end]\n"));
    QuoteImport import;
    EXPECT_FALSE(import.read(path("wrong.vle"), &error));
    EXPECT_TRUE(error.startsWith("Invalid Estimate file.\n\n")) << error.toStdString();
    import.applyTo(quote, true);
    EXPECT_EQ(quote.number, 55u);
}

TEST_F(Import, EstimateIntoQuoteKeepsTheQuoteNumber)
{
    JobEstimate estimate;
    estimate.setNumber(9);
    estimate.reference = "REF";
    estimate.materials.add(item("Pipe", 1, 100, 500));
    estimate.hoursItems.add(item("Mate", 1, 100, 500));
    const QString file = save(estimate, "e.vle");
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);

    JobQuote quote;
    quote.setDocReference("Q-7", true);
    quote.created = OMTime::fromSeconds(1700000000);
    quote.updated = OMTime::fromSeconds(1700000100);
    QuoteImport import;
    ASSERT_TRUE(import.read(file, nullptr));
    // Saved before registration: the window asks, and a No keeps the rates.
    EXPECT_TRUE(import.needsVATQuestion());
    import.applyTo(quote, false);
    // The quote keeps its own times, and so its printed date.
    EXPECT_EQ(quote.created, OMTime::fromSeconds(1700000000));
    EXPECT_EQ(quote.updated, OMTime::fromSeconds(1700000100));
    EXPECT_EQ(quote.docReference, "Q-7");
    EXPECT_TRUE(quote.ownDocReference);
    EXPECT_STREQ(quote.kind().name, "quote");
    EXPECT_EQ(quote.reference, "REF");
    EXPECT_EQ(quote.materials.iterator().next().rate, Percentage(500));
    EXPECT_FALSE(quote.hasVATInfo);

    import.applyTo(quote, true);
    EXPECT_TRUE(quote.hasVATInfo);
    EXPECT_EQ(quote.materials.iterator().next().rate, Percentage(2000));
    EXPECT_EQ(quote.hoursItems.iterator().next().rate, Percentage(500));
}

// New Invoice from This takes the record in memory: the invoice is the one a
// saved copy of it gives, also for a record the business was not registered
// for when it was saved, whose lines a saved copy stamps as they stand.
TEST_F(Import, RecordInMemoryGivesWhatItsSavedCopyGives)
{
    const QString examples = qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/";
    for (const char* name :
         {"estimate-1017-bathroom-refit.vle", "quote-2043-boiler-replacement.vlq"})
        for (const bool registered : {false, true})
            for (const bool oneLine : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << name << " registered " << registered << " one line " << oneLine);
                SettingsStore::set(SettingKeys::IsVATRegistered, registered);
                std::unique_ptr<JobBase> record = JobFileReader::load(examples + name, nullptr);
                ASSERT_TRUE(record);
                auto& job = dynamic_cast<Job&>(*record);
                job.hasVATInfo = false;
                job.description += "\nsecond line";
                const InvoiceImport::Options options{oneLine, oneLine, true};

                JobInvoice fromMemory;
                fromMemory.description = "Earlier work";
                fromMemory.customer.surname = "Adeyemi";
                InvoiceImport(job).applyTo(fromMemory, options);

                JobInvoice fromFile;
                fromFile.description = "Earlier work";
                fromFile.customer.surname = "Adeyemi";
                ASSERT_EQ(InvoiceImport::importFile(fromFile, save(job, name), options),
                          InvoiceImport::Imported);
                EXPECT_EQ(textOf(fromMemory), textOf(fromFile));
                EXPECT_EQ(fromMemory.customer.surname, job.customer.surname);
            }
}
