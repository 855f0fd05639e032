// File, Duplicate, Save As with the next number, and the issued state: the
// numbers of invoices and credit notes never repeat, and an issued document
// says so in its file.
#include "DocumentsFixture.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobFileReader.h"
#include "documents/JobInvoiceDoc.h"
#include "records/JobCreditNote.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <set>

using namespace ombrel;

using Copies = DocumentsFixture;

namespace {

JobItem line(const char* desc, int64_t price)
{
    JobItem item;
    item.desc = desc;
    item.price = price;
    item.rate = 2000;
    return item;
}

std::unique_ptr<JobBase> reread(const QString& path)
{
    std::unique_ptr<JobBase> record = JobFileReader::load(path, nullptr);
    EXPECT_NE(record, nullptr) << path.toStdString();
    return record;
}

} // namespace

TEST_F(Copies, DuplicateTakesTheNextNumberTodayAndNoPaymentsOrIssue)
{
    JobInvoiceDoc original;
    ASSERT_TRUE(original.onNewDocument());
    JobInvoice& invoice = original.invoice();
    invoice.customer.surname = "Okafor";
    invoice.date = OMDate(8, 10, 2025, true);
    invoice.items.add(line("Boiler service", 12000));
    invoice.payments.add(line("Paid", 5000));
    invoice.issued = OMTime(true);

    JobInvoiceDoc copy;
    ASSERT_TRUE(copy.onNewCopy(invoice));
    EXPECT_EQ(copy.invoice().number, 102u);
    EXPECT_EQ(copy.title(), "Invoice 102");
    EXPECT_EQ(copy.invoice().customer.surname, "Okafor");
    EXPECT_EQ(copy.invoice().items.size(), 1);
    EXPECT_TRUE(copy.invoice().payments.isEmpty());
    EXPECT_FALSE(copy.isIssued());
    EXPECT_EQ(copy.invoice().documentDate(), OMDate::today());
    EXPECT_EQ(invoice.payments.size(), 1) << "the original is not changed";

    // Any kind; a record of another kind makes nothing and takes no number.
    JobEstimateDoc estimate;
    ASSERT_TRUE(estimate.onNewDocument());
    estimate.job().hoursWork = 6.5;
    JobEstimateDoc estimateCopy;
    ASSERT_TRUE(estimateCopy.onNewCopy(estimate.job()));
    EXPECT_EQ(estimateCopy.job().number, 102u);
    EXPECT_DOUBLE_EQ(estimateCopy.job().hoursWork.value(), 6.5);
    JobInvoiceDoc wrong;
    EXPECT_FALSE(wrong.onNewCopy(estimate.job()));
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 103);
}

TEST_F(Copies, NumbersNeverRepeatOverDuplicateSaveAsAndDocumentsOpenAtOnce)
{
    std::set<uint32_t> given;
    JobInvoiceDoc first, second;
    ASSERT_TRUE(first.onNewDocument());
    ASSERT_TRUE(second.onNewDocument());
    first.invoice().items.add(line("Labour", 4000));
    ASSERT_TRUE(first.saveAs(path("first.vli")));
    given.insert({first.invoice().number, second.invoice().number});

    // Save As keeping the number is the same invoice in a new place.
    ASSERT_TRUE(first.saveAs(path("moved.vli")));
    EXPECT_EQ(reread(path("moved.vli"))->number, first.invoice().number);

    // With the next number the copy is a new invoice; the old file keeps its own.
    first.invoice().payments.add(line("Paid", 1000));
    ASSERT_TRUE(first.saveAsNew(path("next.vli")));
    given.insert(first.invoice().number);
    EXPECT_EQ(reread(path("moved.vli"))->number, 101u);
    EXPECT_EQ(reread(path("next.vli"))->number, first.invoice().number);
    EXPECT_TRUE(first.invoice().payments.isEmpty());
    EXPECT_EQ(first.path(), path("next.vli"));

    JobInvoiceDoc duplicate;
    ASSERT_TRUE(duplicate.onNewCopy(first.invoice()));
    given.insert(duplicate.invoice().number);
    EXPECT_EQ(given.size(), 4u);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 105);

    // A copy that cannot be written keeps the document as it was and gives
    // its number back.
    const uint32_t before = first.invoice().number;
    EXPECT_FALSE(first.saveAsNew(path("no/such/folder/x.vli")));
    EXPECT_EQ(first.invoice().number, before);
    EXPECT_EQ(first.invoice().items.size(), 1);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 105);
    // Credit notes count on their own.
    JobInvoiceDoc note(DocumentKind::CreditNote);
    ASSERT_TRUE(note.onNewDocument());
    EXPECT_EQ(note.invoice().number, 101u);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextCreditNoteNo), 102);
}

TEST_F(Copies, IssuingIsRecordedInTheFileOfInvoicesAndCreditNotesOnly)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    JobInvoiceDoc invoice;
    ASSERT_TRUE(invoice.onNewDocument());
    invoice.invoice().hasVATInfo = false;
    ASSERT_TRUE(invoice.saveAs(path("a.vli")));
    QFile file(path("a.vli"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("issued="));
    file.close();

    // Saved and unchanged: the file records it at once.
    ASSERT_TRUE(invoice.markIssued());
    EXPECT_FALSE(invoice.isModified());
    EXPECT_TRUE(reread(path("a.vli"))->issuedAt().isSet());
    const OMTime first = invoice.invoice().issued;
    ASSERT_TRUE(invoice.markIssued());
    EXPECT_EQ(invoice.invoice().issued, first) << "issued once, when first sent";

    // Changed or never saved: kept with the next save.
    JobInvoiceDoc fresh(DocumentKind::CreditNote);
    ASSERT_TRUE(fresh.onNewDocument());
    ASSERT_TRUE(fresh.markIssued());
    EXPECT_TRUE(fresh.isModified());
    EXPECT_TRUE(fresh.isIssued());

    JobEstimateDoc estimate;
    ASSERT_TRUE(estimate.onNewDocument());
    ASSERT_TRUE(estimate.markIssued());
    EXPECT_FALSE(estimate.isIssued()) << "estimates are not kept as issued";

    OMTime sent;
    ASSERT_TRUE(
        sent.set(OMString::format("%04d1008120000", OMDate::today().year()), "YYYYMMDDhhmmss"));
    invoice.invoice().issued = sent;
    const std::string number = invoice.invoice().docReference.str();
    EXPECT_EQ(invoice.issuedQuestion().toStdString(),
              "Invoice " + number + " was sent on 8 October. Make a credit note instead?");
    ASSERT_TRUE(sent.set("20191008120000", "YYYYMMDDhhmmss"));
    invoice.invoice().issued = sent;
    EXPECT_TRUE(invoice.issuedQuestion().contains("8 October 2019"));
    // Its lines stay as they were sent: no VAT question.
    invoice.invoice().hasVATInfo = false;
    EXPECT_FALSE(invoice.needsVATQuestion());
}
