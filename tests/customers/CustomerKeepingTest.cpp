#include "CustomerTestSupport.h"

#include "customers/CustomerFile.h"

#include <QLockFile>
#include <vector>

using namespace ombrel;

namespace {

std::vector<std::string> surnames(const CustomerDatabase& db)
{
    std::vector<std::string> result;
    db.customers().forEach([&](const Customer& c) { result.push_back(c.surname.str()); });
    return result;
}

} // namespace

using CustomerKeepingTest = CustomerFixture;

TEST(CustomerFile, RetiredNumbersReadAndWriteBack)
{
    // A customer still filed under a retired number is dropped; retired
    // numbers count towards the highest, so none is given out again.
    const QByteArray text = "\n[1]\nsurname=One\n\n[4]\nsurname=Gone\n\n[2]\nsurname=Two\n"
                            "\n[retired]\n4=0\n9=1\nnot a number=3\n";
    const CustomerFile::Contents read = CustomerFile::read(text);
    ASSERT_EQ(read.customers.size(), 2u);
    EXPECT_EQ(read.customers.back().surname, "Two");
    EXPECT_EQ(read.retired, (std::map<uint32_t, uint32_t>{{4, 0}, {9, 1}}));
    EXPECT_EQ(read.highest, 9u);
    QByteArray out;
    CustomerFile::writeRetired(read.retired, out);
    EXPECT_EQ(out, "\n[retired]\n4=0\n9=1\n");
    out.clear();
    CustomerFile::writeRetired({}, out);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(CustomerKeepingTest, DeletedAndMergedCustomersStayRetired)
{
    QByteArray older;
    for (const Customer& c :
         {customer("", "Kept", 1), customer("", "Duplicate", 2), customer("", "Gone", 3)})
        CustomerFile::write(c, older);
    writeFile(older);
    CustomerDatabase db;
    ASSERT_TRUE(db.loadCustomerDatabase());
    ASSERT_TRUE(db.saveCustomerDatabase());
    EXPECT_EQ(readFile(), older) << "a file without retired numbers writes back as it was";

    Customer kept = *db.customer(1);
    kept.phone = "01234";
    ASSERT_TRUE(db.mergeCustomers(2, kept));
    ASSERT_TRUE(db.removeCustomer(3));
    EXPECT_FALSE(db.mergeCustomers(1, kept)) << "not into itself";
    EXPECT_EQ(surnames(db), (std::vector<std::string>{"Kept"}));
    EXPECT_EQ(db.currentNumber(2), 1u);
    EXPECT_EQ(db.currentNumber(3), 3u);
    EXPECT_EQ(db.customer(1)->phone, "01234");

    // A document of the duplicate saved again keeps its own copy: the
    // database neither brings it back nor overwrites the kept customer.
    Customer fromDocument = customer("", "Duplicate", 2);
    EXPECT_TRUE(db.storeCustomer(fromDocument));
    Customer another = customer("", "New");
    EXPECT_TRUE(db.storeCustomer(another));
    EXPECT_EQ(another.custno, 4u) << "retired numbers are not given out again";

    CustomerDatabase again;
    ASSERT_TRUE(again.loadCustomerDatabase());
    EXPECT_EQ(surnames(again), (std::vector<std::string>{"Kept", "New"}));
    EXPECT_EQ(again.retired(), (std::map<uint32_t, uint32_t>{{2, 1}, {3, 0}}));
}

TEST_F(CustomerKeepingTest, TwoCopiesEditingAndDeletingLoseNothing)
{
    writeFile("\n[1]\nsurname=One\n\n[2]\nsurname=Two\n\n[3]\nsurname=Three\n");
    CustomerDatabase a;
    CustomerDatabase b;
    ASSERT_TRUE(a.loadCustomerDatabase());
    ASSERT_TRUE(b.loadCustomerDatabase());

    ASSERT_TRUE(a.removeCustomer(2));
    Customer editedByB = customer("", "Two edited", 2);
    Customer threeByB = customer("", "Three edited", 3);
    std::vector<Customer> batch = {editedByB, threeByB};
    ASSERT_TRUE(b.updateCustomers(batch));
    EXPECT_EQ(surnames(b), (std::vector<std::string>{"One", "Three edited"}))
        << "B takes in A's deletion and does not bring the customer back";

    Customer oneByA = customer("", "One edited", 1);
    ASSERT_TRUE(a.updateCustomer(oneByA));
    ASSERT_TRUE(b.removeCustomer(1)) << "a deletion wins over the other copy's edit";
    ASSERT_TRUE(a.saveCustomerDatabase());
    CustomerDatabase reader;
    ASSERT_TRUE(reader.loadCustomerDatabase());
    for (const CustomerDatabase* db : {&a, &b, &reader}) {
        EXPECT_EQ(surnames(*db), (std::vector<std::string>{"Three edited"}));
        EXPECT_EQ(db->retired(), (std::map<uint32_t, uint32_t>{{1, 0}, {2, 0}}));
    }
}

TEST_F(CustomerKeepingTest, AnOlderDocumentKeepsTheDatabasesLaterFields)
{
    Customer held = customer("Ann", "Smith");
    held.email = "ann@example.com";
    held.business = true;
    held.cisRate = 30;
    CustomerDatabase db;
    ASSERT_TRUE(db.loadCustomerDatabase());
    ASSERT_TRUE(db.updateCustomer(held));

    // Stored as given (a document with no later field, one with its own
    // e-mail, and the customers window clearing them all).
    struct Case
    {
        const char* what;
        const char* email;
        bool window;
        const char* expectEmail;
        bool expectBusiness;
    };
    const Case cases[] = {
        {"a document without later fields", "", false, "ann@example.com", true},
        {"a document with its own e-mail", "ann@new.example", false, "ann@new.example", false},
        {"the window clearing them", "", true, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Customer stored = customer("Ann", "Smith-Jones", held.custno);
        stored.email = c.email;
        ASSERT_TRUE(c.window ? db.updateCustomer(stored) : db.storeCustomer(stored));
        const Customer* now = db.customer(held.custno);
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(now->surname, "Smith-Jones");
        EXPECT_EQ(now->email, c.expectEmail);
        EXPECT_EQ(now->business, c.expectBusiness);
        ASSERT_TRUE(db.updateCustomer(held));
    }
}

TEST_F(CustomerKeepingTest, ABusyLockIsToldApartFromOtherFailures)
{
    CustomerDatabase db;
    ASSERT_TRUE(db.loadCustomerDatabase());
    db.setLockTimes(0, CustomerDatabase::DefaultStaleLockMs);
    QLockFile other(m_path + QStringLiteral(".lock"));
    ASSERT_TRUE(other.tryLock(0));
    Customer c = customer("Ann", "Smith");
    EXPECT_FALSE(db.updateCustomer(c));
    EXPECT_TRUE(db.lastWriteFoundLockBusy());
    EXPECT_TRUE(db.hasUnwrittenChanges());
    other.unlock();
    EXPECT_TRUE(db.saveCustomerDatabase());
    EXPECT_FALSE(db.lastWriteFoundLockBusy());
    EXPECT_FALSE(db.hasUnwrittenChanges());
}
