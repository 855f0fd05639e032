#include "CustomerTestSupport.h"

#include "customers/CustomerSearch.h"

using namespace ombrel;

namespace {

class CustomerSearchTest : public CustomerFixture
{
protected:
    void SetUp() override
    {
        CustomerFixture::SetUp();
        writeFile("\n[4]\nname=John\nsurname=Smith\nfirst=1 Mill Lane|Upton\ntown=Bath\n"
                  "\n[9]\nname=Ann\nsurname=Jones\ntown=Bristol\n"
                  "\n[2]\nname=Jane\nsurname=smythe\ntown=Bath\n"
                  "\n[6]\nname=Sam\nsurname=Smalls\ncompany=Smalls Ltd\n");
        m_db.loadCustomerDatabase();
    }

    CustomerDatabase m_db;
    CustomerSearch m_search{m_db};
};

} // namespace

TEST_F(CustomerSearchTest, BrowsesTheMatchesInDatabaseOrder)
{
    EXPECT_EQ(m_search.labelText(), "New customer");
    Customer fields;
    fields.surname = "Sm";
    ASSERT_TRUE(m_search.search(fields));
    EXPECT_EQ(m_search.matchCount(), 3);
    EXPECT_EQ(fields.custno, 4u);
    EXPECT_EQ(fields.name, "John");
    EXPECT_EQ(fields.address.first, "1 Mill Lane\nUpton");
    EXPECT_EQ(m_search.labelText(), "Customer number 4\n1 of 3");
    EXPECT_TRUE(m_search.canGoNext());
    EXPECT_FALSE(m_search.canGoPrevious());

    m_search.next(fields);
    EXPECT_EQ(fields.surname, "smythe");
    EXPECT_EQ(m_search.labelText(), "Customer number 2\n2 of 3");
    EXPECT_TRUE(m_search.canGoPrevious());
    m_search.next(fields);
    EXPECT_EQ(fields.surname, "Smalls");
    EXPECT_EQ(m_search.labelText(), "Customer number 6\n3 of 3");
    EXPECT_FALSE(m_search.canGoNext());

    // Back one step shows the match before, not the one already shown.
    m_search.previous(fields);
    EXPECT_EQ(fields.surname, "smythe");
    EXPECT_EQ(m_search.position(), 2);
    m_search.previous(fields);
    EXPECT_EQ(fields.surname, "Smith");
    EXPECT_FALSE(m_search.canGoPrevious());
    m_search.previous(fields); // disabled: nothing happens
    EXPECT_EQ(m_search.position(), 1);
    m_search.next(fields);
    EXPECT_EQ(fields.surname, "smythe");
    EXPECT_EQ(m_search.noticeText(), "");
}

TEST_F(CustomerSearchTest, EveryNonEmptyFieldMustMatchItsPrefix)
{
    Customer fields;
    fields.surname = "sm";
    fields.address.town = "BATH";
    ASSERT_TRUE(m_search.search(fields));
    EXPECT_EQ(m_search.matchCount(), 2);

    // The address as an edit control holds it, with CR LF.
    Customer byAddress;
    byAddress.address.first = "1 mill lane\r\nUp";
    ASSERT_TRUE(m_search.search(byAddress));
    EXPECT_EQ(byAddress.custno, 4u);

    Customer everything;
    ASSERT_TRUE(m_search.search(everything));
    EXPECT_EQ(m_search.matchCount(), 4);
    EXPECT_EQ(m_search.labelText(), "Customer number 4\n1 of 4");
}

TEST_F(CustomerSearchTest, NoMatchSaysSoAndLeavesTheFields)
{
    Customer fields;
    fields.surname = "Smith";
    fields.company = "Nobody";
    fields.phone = "0123";
    const Customer before = fields;
    EXPECT_FALSE(m_search.search(fields));
    EXPECT_EQ(m_search.noticeText(), "No matching customers were found. Try entering less "
                                     "information before searching.");
    EXPECT_EQ(fields.surname, before.surname);
    EXPECT_EQ(fields.phone, before.phone);
    EXPECT_EQ(m_search.matchCount(), 0);
    EXPECT_FALSE(m_search.canGoNext());
    EXPECT_FALSE(m_search.canGoPrevious());
    // The notice lasts until a search finds someone.
    Customer smith;
    smith.surname = "Smith";
    ASSERT_TRUE(m_search.search(smith));
    EXPECT_EQ(m_search.noticeText(), "");
}

TEST_F(CustomerSearchTest, EditingStopsBrowsingAndClearStartsAfresh)
{
    Customer fields;
    ASSERT_TRUE(m_search.search(fields));
    m_search.next(fields);
    m_search.fieldsEdited();
    EXPECT_FALSE(m_search.canGoNext());
    EXPECT_FALSE(m_search.canGoPrevious());
    m_search.next(fields);
    EXPECT_EQ(m_search.position(), 2);
    EXPECT_EQ(m_search.matchCount(), 4) << "the matches are kept";

    m_search.clear(fields);
    EXPECT_EQ(fields.custno, 0u);
    EXPECT_TRUE(fields.surname.isEmpty());
    EXPECT_EQ(m_search.matchCount(), 0);
    EXPECT_EQ(m_search.position(), 0);
    EXPECT_EQ(m_search.labelText(), "New customer");
    EXPECT_FALSE(m_search.canGoNext());

    Customer loaded = customer("X", "Y", 3000000000u);
    m_search.show(loaded);
    EXPECT_EQ(m_search.labelText(), "Customer number 3000000000");
}
