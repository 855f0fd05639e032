#include "records/Customer.h"
#include "records/JobItem.h"
#include "records/Percentage.h"
#include "records/VAT.h"

#include <gtest/gtest.h>

#include <random>

using namespace ombrel;

TEST(JobItem, LineTotalTruncatesAndDefaultsToOne)
{
    JobItem material;
    material.price = 333;
    EXPECT_EQ(material.lineTotal(), OMMoney(333));
    material.count = 2.5;
    EXPECT_EQ(material.lineTotal(), OMMoney(832));

    JobItem labour;
    labour.countDefaultsToOne = false;
    labour.price = 2500;
    EXPECT_EQ(labour.lineTotal(), OMMoney(0));
    labour.count = 1.15;
    EXPECT_EQ(labour.lineTotal(), OMMoney(2875));
}

TEST(JobItem, CountTextAndReset)
{
    JobItem item;
    EXPECT_EQ(item.countText("%.2f"), "");
    item.countDefaultsToOne = false;
    EXPECT_EQ(item.countText("%.2f"), "0.00");
    item.count = 1.5;
    item.desc = "x";
    item.price = 5;
    item.rate = 1750;
    item.reset();
    EXPECT_EQ(item.count.value(), 0.0);
    EXPECT_TRUE(item.desc.isEmpty());
    EXPECT_EQ(item.price, OMMoney(0));
    EXPECT_EQ(item.rate, Percentage(0));
    EXPECT_FALSE(item.countDefaultsToOne);
}

TEST(JobItem, PrintedQuantitiesKeepTheirDecimals)
{
    JobItem item;
    EXPECT_EQ(item.quantityText(), "");
    item.count = 2.5;
    EXPECT_EQ(item.quantityText(), "2.5");
    item.count = 3;
    EXPECT_EQ(item.quantityText(), "3");
    item.count = 0.125;
    EXPECT_EQ(item.quantityText(), "0.125");
    item.countDefaultsToOne = false;
    item.count = 0;
    EXPECT_EQ(item.quantityText(), "0");
    EXPECT_EQ(ombrel::OMDouble(17.5).toDecimalText(2), "17.5");
    EXPECT_EQ(ombrel::OMDouble(-0.0001).toDecimalText(2), "0");
    // Hours: at least two decimals, more only when the value has them.
    for (auto [hours, text] : {std::pair{1.5, "1.50"},
                               {12.0, "12.00"},
                               {0.333333, "0.333333"},
                               {-1e-7, "0.00"},
                               {2.125, "2.125"}})
        EXPECT_EQ(ombrel::OMDouble(hours).toDecimalText(6, 2), text) << hours;
}

TEST(JobItem, EqualityLooksAtDescriptionCountAndPrice)
{
    JobItem a, b;
    a.desc = b.desc = "Pipe";
    a.price = b.price = 100;
    a.cost = 50;
    a.rate = 500;
    EXPECT_EQ(a, b);
    b.count = 2;
    EXPECT_FALSE(a == b);
}

TEST(VATEntry, TruncatesTheTax)
{
    EXPECT_EQ((VAT{1750, 1000}).vatAmount(), OMMoney(175));
    EXPECT_EQ((VAT{1750, 99}).vatAmount(), OMMoney(17));
    EXPECT_EQ((VAT{1750, -99}).vatAmount(), OMMoney(-17));
}

TEST(PercentageText, ParsesAndPrints)
{
    EXPECT_EQ(Percentage::parseText("17.5").value(), 1750);
    EXPECT_EQ(Percentage::parseText("17.05").value(), 1705);
    EXPECT_EQ(Percentage::parseText("17.").value(), 1700);
    EXPECT_EQ(Percentage::parseText("17.567").value(), 1756);
    EXPECT_EQ(Percentage::parseText("1,000").value(), 100000);
    EXPECT_EQ(Percentage::parseText("").value(), 0);
    EXPECT_EQ(Percentage::parseText("-2.5").value(), -250);
    EXPECT_EQ(Percentage::parseText("99999999999").value(), 2147483647);
    EXPECT_EQ(Percentage(0).toText(false), "0");
    EXPECT_EQ(Percentage(1200).toText(false), "12");
    EXPECT_EQ(Percentage(1205).toText(false), "12.05");
    EXPECT_EQ(Percentage(1750).toText(false), "17.5");
    EXPECT_EQ(Percentage(1750).toText(true), "17.5%");
    EXPECT_EQ(Percentage(500).toText(true), "5%");
    EXPECT_EQ(Percentage(-250).toText(false), "-2.5");
    EXPECT_LT(Percentage(500), Percentage(1750));
    for (int v : {0, 1, 5, 50, 99, 100, 1750, 1705, 123456, -1750})
        EXPECT_EQ(Percentage::parseText(Percentage(v).toText(false)).value(), v) << v;
}

TEST(CustomerRecord, ReadsKnownKeysOnly)
{
    Customer c;
    EXPECT_TRUE(c.readValue("custno", "12"));
    EXPECT_TRUE(c.readValue("first", "1 High St\nFlat 2"));
    EXPECT_TRUE(c.readValue("postcode", "AB1 2CD"));
    EXPECT_FALSE(c.readValue("Surname", "x"));
    EXPECT_FALSE(c.readValue("surname ", "x"));
    EXPECT_EQ(c.custno, 12u);
    EXPECT_TRUE(c.surname.isEmpty());
    EXPECT_EQ(c.address.addressText(), "1 High St\nFlat 2\nAB1 2CD");
    Customer copy = c;
    EXPECT_TRUE(copy.isSameCustomer(c));
    c.reset();
    EXPECT_EQ(c.custno, 0u);
    EXPECT_TRUE(c.address.first.isEmpty());
}

TEST(CustomerRecord, DisplayTextJoinsTheNonEmptyParts)
{
    Customer c;
    c.company = "Acme Ltd";
    c.address.town = "Leeds";
    EXPECT_EQ(c.displayText(), "Acme Ltd\nLeeds");
    c.title = "Mr";
    c.surname = "Smith";
    EXPECT_EQ(c.displayText(), "Mr Smith\nAcme Ltd\nLeeds");
    Customer named;
    named.name = "Jo";
    named.initial = "K";
    EXPECT_EQ(named.displayText(), "Jo K");
    EXPECT_EQ(Customer().displayText(), "");
}

TEST(PercentageText, NoTextCrashesTheParser)
{
    std::mt19937 random(23);
    const std::string alphabet = "0123456789.,-+ %";
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        const int length = int(random() % 24);
        for (int k = 0; k < length; ++k)
            text += (random() % 8) ? alphabet[random() % alphabet.size()] : char(random() % 256);
        const Percentage parsed = Percentage::parseText(OMString(text));
        // Whatever it reads prints back to a text that reads the same.
        EXPECT_EQ(Percentage::parseText(parsed.toText(false)), parsed) << text;
    }
}
