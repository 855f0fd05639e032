#include "fileformat/Archive.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

int readInto(JobBase& record, const std::string& text)
{
    Archive archive = Archive::forReading(QByteArray::fromStdString(text));
    return record.read(archive);
}

} // namespace

TEST(DocumentRead, TheFirstLineMustNameTheKind)
{
    JobEstimate estimate;
    estimate.reference = "kept";
    EXPECT_EQ(readInto(estimate, "[quote]\n[job]\nreference=x\n"), JobBase::InvalidFileStatus);
    EXPECT_EQ(estimate.reference, "kept");
    EXPECT_EQ(readInto(estimate, ""), JobBase::InvalidFileStatus);
    EXPECT_EQ(readInto(estimate, "\n[estimate]\n"), JobBase::InvalidFileStatus);
    EXPECT_EQ(readInto(estimate, "  [estimate]\t\n[job]\nreference=ok\n"), 0);
    EXPECT_EQ(estimate.reference, "ok");
    JobInvoice invoice;
    EXPECT_EQ(readInto(invoice, "[invoice]\r\n[details]\r\ndescription=a|b\r\n"), 0);
    EXPECT_EQ(invoice.description, "a\nb");
}

TEST(DocumentRead, LinesThatNoClassTakesAreIgnored)
{
    JobQuote quote;
    ASSERT_EQ(readInto(quote, "[quote]\n"
                              "# a comment\n"
                              "[job] trailing text\n"
                              "reference = spaced\n"
                              "=novalue\n"
                              "no equals sign\n"
                              "Reference=wrong case\n"
                              "description=a=b\n"
                              "[customer\n"
                              "surname=StillJob\n"
                              "[unknown]\n"
                              "reference=elsewhere\n"),
              0);
    EXPECT_TRUE(quote.reference.isEmpty());
    EXPECT_EQ(quote.description, "a=b");
    EXPECT_TRUE(quote.customer.surname.isEmpty()); // "[customer" kept the job section
}

TEST(DocumentRead, AnItemEndsAtTheNextSectionLineOrTheEndOfTheFile)
{
    JobEstimate job;
    ASSERT_EQ(readInto(job, "[estimate]\n"
                            "[materials-item]\n"
                            "[hours-item]\ndesc=Mate\ncount=2.000000\nprice=15.00\n"
                            "[hire-item]\ndesc=Kept\nprice=1.00"),
              0);
    ASSERT_EQ(job.materials.size(), 1);
    const JobItem empty = job.materials.iterator().next();
    EXPECT_TRUE(empty.desc.isEmpty());
    EXPECT_EQ(empty.price, OMMoney(0));
    EXPECT_TRUE(empty.countDefaultsToOne);
    ASSERT_EQ(job.hoursItems.size(), 1);
    EXPECT_FALSE(job.hoursItems.iterator().next().countDefaultsToOne);
    EXPECT_EQ(job.hoursItemsTotal(), OMMoney(3000));
    ASSERT_EQ(job.hire.size(), 1);
    EXPECT_EQ(job.hire.iterator().next().desc, "Kept");
    EXPECT_EQ(job.hire.iterator().next().price, OMMoney(100));

    JobInvoice invoice;
    ASSERT_EQ(readInto(invoice, "[invoice]\n[payment-item]\ndesc=Cash\nprice=5.00\n"), 0);
    ASSERT_EQ(invoice.payments.size(), 1);
    EXPECT_EQ(invoice.payments.iterator().next().desc, "Cash");
}

TEST(DocumentRead, BaseNumberAndReference)
{
    JobEstimate job;
    ASSERT_EQ(readInto(job, "[estimate]\nversion=1\n[base]\nnumber=17\n[end]\n"), 0);
    EXPECT_EQ(job.docReference, "17");
    EXPECT_EQ(job.version, 1u);
    ASSERT_EQ(readInto(job, "[estimate]\n[base]\nnumber=17\ndocReference=A17\n"
                            "date=20070302\ncreated=20070301120000\n[end]\n"),
              0);
    EXPECT_EQ(job.docReference, "A17");
    EXPECT_EQ(job.number, 17u);
    EXPECT_EQ(job.date, OMDate(2, 3, 2007, true));
    EXPECT_EQ(job.created.toDate(), OMDate(1, 3, 2007, true));
}

TEST(DocumentRead, InvoiceItemsAndDetails)
{
    JobInvoice invoice;
    ASSERT_EQ(readInto(invoice, "[invoice]\n[details]\ndaysToPay=14\noverduePercentage=8.5\n"
                                "addOverduePercentage=1\n"
                                "[invoice-item]\ndesc=Thing\nprice=1,000.00\nrate=17.5\n"
                                "[payment-item]\nprice=50.00\ndate=20070309\n"
                                "[other-item]\nprice=99.00\n[end]\n"),
              0);
    EXPECT_EQ(invoice.daysToPay, 14u);
    EXPECT_EQ(invoice.overduePercentage, Percentage(850));
    ASSERT_EQ(invoice.items.size(), 1);
    ASSERT_EQ(invoice.payments.size(), 1);
    EXPECT_EQ(invoice.totals(true).grossTotal, OMMoney(117500));
    EXPECT_EQ(invoice.totals(true).amountDue(), OMMoney(112500));
}

TEST(DocumentRead, WindowsFilesAreConverted)
{
    JobInvoice invoice;
    // "£" and "é" as Windows-1252 bytes, CR LF line ends.
    ASSERT_EQ(readInto(invoice, "[invoice]\r\n[details]\r\ndescription=\xA3"
                                "5 caf\xE9\r\n"),
              0);
    EXPECT_EQ(invoice.description, "£5 café");
    EXPECT_EQ(Archive::toUtf8("\x80\x99"), QByteArray("€™"));

    // A UTF-8 file that starts with a byte-order mark.
    JobInvoice marked;
    ASSERT_EQ(readInto(marked, "\xEF\xBB\xBF[invoice]\r\n[details]\r\ndescription=£5\r\n"), 0);
    EXPECT_EQ(marked.description, "£5");
}
