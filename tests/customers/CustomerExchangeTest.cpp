#include "CustomerTestSupport.h"

#include "customers/CustomerCsv.h"
#include "customers/CustomerFile.h"
#include "customers/CustomerImport.h"
#include "customers/CustomerVCard.h"

#include <vector>

using namespace ombrel;

TEST(CustomerCsv, ReadsQuotesLineBreaksAndSeparators)
{
    struct Case
    {
        const char* what;
        QByteArray bytes;
        std::vector<std::string> surnames;
        std::vector<std::string> addresses;
        QStringList problems;
    };
    const Case cases[] = {
        {"quotes, commas and a line break inside a field, BOM, CR LF",
         "\xEF\xBB\xBF"
         "Surname, Address ,Colour\r\n"
         "\"Smith, Jr\",\"1 High St\r\nLittle Wick\",red\r\n"
         "\"O\"\"Brien\",  plain  ,\r\n",
         {"Smith, Jr", "O\"Brien"},
         {"1 High St\nLittle Wick", "plain"},
         {}},
        {"semicolons, blank lines and bad rows named by line",
         "surname;business;cis rate\n"
         "\n"
         "A;yes;30\n"
         "B;perhaps;20\n"
         "C;no;25%\n"
         "D;1;0 %\n"
         ";;\n"
         "E;0;20;extra\n",
         {"A", "D"},
         {"", ""},
         {"Line 4: \"perhaps\" is not yes or no.",
          "Line 5: \"25%\" is not a CIS rate (20, 30 or 0).",
          "Line 7: no name, surname or company.", "Line 8: more fields than the header names."}},
        {"a quote never closed",
         "Surname,Address\nA,\"1 High St\nB,2 Low St\n",
         {},
         {},
         {"Line 2: a quoted field is never closed."}},
        {"no known column",
         "Colour,Size\nred,9\n",
         {},
         {},
         {"Line 1 names none of the customer columns."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CustomerCsv::Contents read = CustomerCsv::read(c.bytes);
        std::vector<std::string> surnames, addresses;
        for (const CustomerCsv::Row& row : read.rows) {
            surnames.push_back(row.customer.surname.str());
            addresses.push_back(row.customer.address.first.str());
        }
        EXPECT_EQ(surnames, c.surnames);
        EXPECT_EQ(addresses, c.addresses);
        EXPECT_EQ(read.problems, c.problems);
    }
    const CustomerCsv::Contents flags = CustomerCsv::read("surname;business;cis rate\nA;yes;30\n");
    ASSERT_EQ(flags.rows.size(), 1u);
    EXPECT_TRUE(flags.rows[0].customer.business);
    EXPECT_EQ(flags.rows[0].customer.cisRate, 30);
    EXPECT_EQ(flags.rows[0].line, 2);
}

TEST(CustomerCsv, WrittenFilesReadBackWhole)
{
    Customer c;
    c.custno = 12;
    c.title = "Dr";
    c.name = "Zoë";
    c.surname = "Smith, \"Jr\"";
    c.address.first = "1 High St\nLittle Wick";
    c.address.postcode = "AB1 2CD";
    c.email = "zoe@example.com";
    c.vatNumber = "GB123456789";
    c.country = "IE";
    c.business = c.cisContractor = c.endUserNotice = true;
    c.cisRate = 0;
    const QByteArray bytes = CustomerCsv::write({c});
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFNumber,Title,First name,"));
    EXPECT_TRUE(bytes.contains("12,Dr,Zoë,,\"Smith, \"\"Jr\"\"\",,\"1 High St\r\nLittle Wick\","));
    const CustomerCsv::Contents read = CustomerCsv::read(bytes);
    ASSERT_EQ(read.rows.size(), 1u);
    EXPECT_EQ(read.columns.size(), size_t(CustomerCsv::ColumnCount));
    QByteArray a, b;
    CustomerFile::write(c, a);
    CustomerFile::write(read.rows[0].customer, b);
    EXPECT_EQ(a, b);
}

TEST(CustomerVCard, EscapesFoldsAndNamesEveryPart)
{
    Customer c;
    c.custno = 3;
    c.name = "Ann";
    c.surname = "Smith; Jones";
    c.company = "Bricks, Mortar \\ Co";
    c.address.first = "1 High St\nLittle Wick";
    c.address.postcode = "AB1 2CD";
    c.mobile = "07700 900123";
    c.email = "ann@example.com";
    Customer longName;
    longName.company = OMString::fromQString(QString(40, QChar(u'é')));

    const QByteArray three = CustomerVCard::write({c, longName}, 3);
    const QByteArray four = CustomerVCard::write({c}, 4);
    for (const char* line :
         {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Smith\\; Jones\r\n", "N:Smith\\; Jones;Ann;;;\r\n",
          "ORG:Bricks\\, Mortar \\\\ Co\r\n",
          "ADR;TYPE=WORK:;;1 High St\\nLittle Wick;;;AB1 2CD;\r\n",
          "TEL;TYPE=CELL:07700 900123\r\n", "EMAIL:ann@example.com\r\n", "END:VCARD\r\n"})
        EXPECT_TRUE(three.contains(line)) << line;
    EXPECT_TRUE(four.contains("VERSION:4.0\r\n"));
    EXPECT_TRUE(four.contains("TEL;VALUE=text;TYPE=cell:07700 900123\r\n"));
    EXPECT_FALSE(four.contains("TEL;TYPE=VOICE")) << "empty fields are left out";
    for (const QByteArray& line : three.split('\n')) {
        EXPECT_LE(line.size(), 76) << line.constData(); // 75 and the CR
        EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "no character split";
    }
    EXPECT_TRUE(three.contains("\r\n é")) << "folded with a leading space";
}

using CustomerImportTest = CustomerFixture;

TEST_F(CustomerImportTest, PlansAddsUpdatesAndSkipsBeforeWriting)
{
    writeFile("\n[1]\nname=Ann\nsurname=Smith\npostcode=AB1 2CD\n"
              "\n[2]\nname=Bob\nsurname=Brown\nphone=1\n"
              "\n[retired]\n5=0\n");
    CustomerDatabase db;
    ASSERT_TRUE(db.loadCustomerDatabase());
    const QByteArray before = readFile();
    const CustomerCsv::Contents csv =
        CustomerCsv::read("Number,First name,Surname,Postcode,E-mail\n"
                          ",ann,SMITH,ab12cd,ann@example.com\n"      // 2: by name and postcode
                          "2,Bob,Brown,,\n"                          // 3: by number, no change
                          "5,Gone,Away,,\n"                          // 4: a deleted number
                          "9,Cy,Clark,,\n"                           // 5: new, keeps its number
                          ",Cy,Clark,,\n"                            // 6: repeats line 5
                          ",Ann,Smith,AB1 2CD,again@example.com\n"); // 7: repeats line 2
    const std::vector<CustomerImport::Entry> plan = CustomerImport::plan(csv, db);
    EXPECT_EQ(readFile(), before) << "planning writes nothing";
    using A = CustomerImport::Action;
    const std::vector<std::pair<A, QString>> expected = {
        {A::Update, ""}, {A::Skip, "no change"},      {A::Skip, "customer 5 was deleted or merged"},
        {A::Add, ""},    {A::Skip, "repeats line 5"}, {A::Skip, "repeats line 2"}};
    ASSERT_EQ(plan.size(), expected.size());
    for (size_t i = 0; i < plan.size(); ++i) {
        SCOPED_TRACE(plan[i].line);
        EXPECT_EQ(plan[i].action, expected[i].first);
        EXPECT_EQ(plan[i].reason, expected[i].second);
    }
    // The update keeps the customer's number and the columns the file lacks.
    EXPECT_EQ(plan[0].customer.custno, 1u);
    EXPECT_EQ(plan[0].customer.name, "ann");
    EXPECT_EQ(plan[0].customer.email, "ann@example.com");
    std::vector<Customer> changes = CustomerImport::changes(plan);
    ASSERT_TRUE(db.updateCustomers(changes));
    CustomerDatabase again;
    ASSERT_TRUE(again.loadCustomerDatabase());
    ASSERT_NE(again.customer(9), nullptr);
    EXPECT_EQ(again.customer(9)->surname, "Clark");
    EXPECT_EQ(again.customer(1)->email, "ann@example.com");
    EXPECT_EQ(again.customer(2)->phone, "1");
}
