#include "fileformat/Archive.h"
#include "records/JobCreditNote.h"
#include "records/JobInvoice.h"

#include <gtest/gtest.h>

using namespace ombrel;

namespace {

using Part = JobItem::CisPart;

// The job worked through by hand below:
//   labour      2 x 450.00 =   900.00 at 20 %  labour
//   materials              =   380.00 at 20 %  materials
//   labour (reduced rate)  =   200.00 at  5 %  labour
//   skip hire              =   120.00 at 20 %  materials
//   net 1,600.00; VAT 20 % of 1,400.00 = 280.00, 5 % of 200.00 = 10.00: 290.00
//   labour for CIS 1,100.00: 220.00 at 20 %, 330.00 at 30 %
JobInvoice buildingJob(const Customer& customer)
{
    JobInvoice invoice;
    invoice.customer = customer;
    struct Line
    {
        const char* desc;
        double count;
        int64_t price;
        int rate;
        Part part;
    };
    for (const Line& l : {Line{"Labour", 2, 45000, 2000, Part::Labour},
                          Line{"Materials", 0, 38000, 2000, Part::Materials},
                          Line{"Labour, reduced rate", 0, 20000, 500, Part::Labour},
                          Line{"Skip hire", 0, 12000, 2000, Part::Materials}}) {
        JobItem item;
        item.desc = l.desc;
        item.count = l.count;
        item.price = l.price;
        item.rate = l.rate;
        item.cisPart = l.part;
        invoice.items.add(item);
    }
    invoice.reverseCharge = JobInvoice::reverseChargeQualifies(customer, true);
    return invoice;
}

Customer customerWith(const char* vatNumber, bool contractor, bool endUser, int rate)
{
    Customer c;
    c.surname = "Harte";
    c.business = vatNumber[0] != '\0';
    c.vatNumber = vatNumber;
    c.cisContractor = contractor;
    c.endUserNotice = endUser;
    c.cisRate = rate;
    return c;
}

DocumentSummary summaryOf(const JobBase& record)
{
    FigureInputs inputs;
    inputs.vatRegistered = true;
    return record.summary(inputs);
}

JobItem payment(int64_t amount, int64_t deduction)
{
    JobItem p;
    p.desc = "Stage payment";
    p.date = OMDate(12, 11, 2026, true);
    p.price = amount;
    p.deduction = deduction;
    return p;
}

QByteArray written(JobBase& record)
{
    Archive archive = Archive::forWriting();
    EXPECT_EQ(record.write(archive), 0);
    return archive.data();
}

// The text without its "updated=" line, which every write sets to the time.
QByteArray withoutUpdated(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    lines.removeIf([](const QByteArray& line) { return line.startsWith("updated="); });
    return lines.join('\n');
}

} // namespace

TEST(ReverseCharge, BuildingJobForEachKindOfCustomer)
{
    struct Case
    {
        const char* name;
        Customer customer;
        bool reverseCharge;
        int64_t gross, cisExpected;
    };
    const Case cases[] = {
        // VAT and CIS registered contractor: the reverse charge, CIS at 20 %.
        {"contractor", customerWith("GB 123 4567 89", true, false, 20), true, 160000, 22000},
        // An end user who said so in writing: VAT charged, CIS still deducted (30 %).
        {"end user", customerWith("GB 987 6543 21", true, true, 30), false, 189000, 33000},
        // A contractor without a VAT number: VAT charged.
        {"unregistered contractor", customerWith("", true, false, 20), false, 189000, 22000},
        // A householder: neither.
        {"consumer", customerWith("", false, false, 20), false, 189000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const JobInvoice invoice = buildingJob(c.customer);
        const DocumentSummary s = summaryOf(invoice);
        EXPECT_EQ(s.reverseCharge, c.reverseCharge);
        EXPECT_EQ(s.net, OMMoney(160000));
        ASSERT_EQ(s.vatByRate.size(), 2u);
        EXPECT_EQ(s.vatByRate[0].vatAmount(), OMMoney(1000));
        EXPECT_EQ(s.vatByRate[1].vatAmount(), OMMoney(28000));
        EXPECT_EQ(s.vat, OMMoney(29000)); // shown for information under the reverse charge
        EXPECT_EQ(s.vatCharged(), OMMoney(c.reverseCharge ? 0 : 29000));
        EXPECT_EQ(s.gross, OMMoney(c.gross));
        EXPECT_EQ(s.due, OMMoney(c.gross));
        EXPECT_EQ(s.cis, c.customer.cisContractor);
        EXPECT_EQ(s.cisLabour, OMMoney(110000));
        EXPECT_EQ(s.cisExpected, OMMoney(c.cisExpected));
        EXPECT_EQ(invoice.totals(true).netPayment(), OMMoney(c.gross - c.cisExpected));
    }
    // Not VAT registered: nothing to reverse.
    EXPECT_FALSE(JobInvoice::reverseChargeQualifies(cases[0].customer, false));
    Customer abroad = cases[0].customer;
    abroad.country = "IE";
    EXPECT_FALSE(JobInvoice::reverseChargeQualifies(abroad, true));
}

TEST(ReverseCharge, PartPaymentsWithCisDeductions)
{
    struct Case
    {
        int rate;
        int64_t received, deducted, due;
    };
    // Reverse charge, gross 1,600.00. At 20 % the contractor pays 880.00 of the
    // first 1,100.00 and keeps 220.00; at 30 % 770.00 and 330.00. 500.00 stays due.
    for (const Case& c : {Case{20, 88000, 22000, 50000}, Case{30, 77000, 33000, 50000}}) {
        SCOPED_TRACE(c.rate);
        JobInvoice invoice = buildingJob(customerWith("GB123456789", true, false, c.rate));
        invoice.payments.add(payment(c.received, c.deducted));
        const DocumentSummary s = summaryOf(invoice);
        EXPECT_EQ(s.cisExpected, OMMoney(c.deducted));
        EXPECT_EQ(s.cisDeducted, OMMoney(c.deducted));
        EXPECT_EQ(s.paid, OMMoney(c.received + c.deducted));
        EXPECT_EQ(s.due, OMMoney(c.due));
        ASSERT_EQ(s.payments.size(), 1u);
        EXPECT_EQ(s.payments[0].amount, OMMoney(c.received));
        EXPECT_EQ(s.payments[0].settled(), OMMoney(c.received + c.deducted));
    }
}

TEST(ReverseCharge, NewKeysReadBackAndCreditNotesCarryThem)
{
    JobInvoice invoice = buildingJob(customerWith("GB123456789", true, false, 20));
    invoice.setNumber(2417);
    invoice.payments.add(payment(88000, 22000));
    const QByteArray text = written(invoice);
    for (const char* key :
         {"\nreverseCharge=1\n", "\ncis=labour\n", "\ncis=materials\n", "\ndeduction=220.00\n"})
        EXPECT_TRUE(text.contains(key)) << key;

    Archive in = Archive::forReading(text);
    JobInvoice read;
    ASSERT_EQ(read.read(in), 0);
    EXPECT_TRUE(read.reverseCharge);
    EXPECT_EQ(summaryOf(read).cisLabour, OMMoney(110000));
    EXPECT_EQ(summaryOf(read).cisDeducted, OMMoney(22000));
    EXPECT_EQ(withoutUpdated(written(read)), withoutUpdated(text));

    JobCreditNote note;
    note.credit(read, JobCreditNote::wholeInvoice(read));
    const DocumentSummary credit = summaryOf(note);
    EXPECT_TRUE(credit.reverseCharge);
    EXPECT_EQ(credit.gross, OMMoney(-160000));
    EXPECT_EQ(credit.vat, OMMoney(-29000));

    // A line never marked counts as labour and writes no key.
    JobInvoice plain;
    JobItem line;
    line.desc = "Call-out";
    line.price = 6000;
    plain.items.add(line);
    EXPECT_EQ(summaryOf(plain).cisLabour, OMMoney(6000));
    EXPECT_FALSE(written(plain).contains("cis="));
    EXPECT_FALSE(written(plain).contains("reverseCharge"));
}
