#include "customers/CustomerDatabase.h"
#include "documents/JobEstimateDoc.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"
#include "support/MessageCapture.h"
#include "views/CustomerTab.h"
#include "views/InvoiceTab.h"
#include "views/JobTab.h"
#include "views/LocationTab.h"
#include "views/TabStrip.h"
#include "views/TabbedEditView.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using ombrel::OMDate;
using ombrel::OMString;

namespace {

// The four form tabs in one view over an estimate, as a user meets them.
class FormView : public TabbedEditView
{
public:
    explicit FormView(Document* doc) : TabbedEditView(doc)
    {
        addTab(IDS_TAB_CUSTOMER, &customer);
        addTab(IDS_TAB_LOCATION, &location);
        addTab(IDS_TAB_DESCRIPTION, &job);
        addTab(IDS_TAB_DESCRIPTION, &invoice);
    }
    CustomerTab customer;
    LocationTab location;
    JobTab job;
    InvoiceTab invoice;
};

class FormTabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
        SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Vorlane.vlc"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\n[4]\ntitle=Mr\nname=John\nsurname=Smith\nfirst=1 Mill Lane|Upton\n"
                   "town=Bath\npostcode=BA1 1AA\n"
                   "\n[9]\nname=Ann\nsurname=Jones\nfirst=1 Mill Lane|Downton\ntown=Bristol\n"
                   "\n[2]\nname=Jane\nsurname=smythe\ntown=Bath\n"
                   "email=jane@example.com\nbusiness=1\ncisContractor=1\ncisRate=0\n");
        file.close();
        SettingsStore::set(SettingKeys::CustomerDatabase, OMString::fromQString(path));
        database.loadCustomerDatabase();
        doc.setCustomerStore(&database);
        view = std::make_unique<FormView>(&doc);
        view->onInitialUpdate();
        view->resize(900, 600);
        view->show();
    }
    void TearDown() override { view.reset(); }

    template <typename T> T* field(QWidget& tab, const char* name)
    {
        T* found = tab.findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QLineEdit* edit(QWidget& tab, const char* name) { return field<QLineEdit>(tab, name); }
    void click(QWidget& tab, const char* name) { field<QAbstractButton>(tab, name)->click(); }
    QString label() { return field<QLabel>(view->customer, "label")->text(); }
    bool enabled(const char* button) { return field<QWidget>(view->customer, button)->isEnabled(); }

    QTemporaryDir dir;
    CustomerDatabase database;
    JobEstimateDoc doc;
    std::unique_ptr<FormView> view;
    MessageCapture capture;
    std::vector<std::string>& messages = capture.texts;
};

} // namespace

TEST_F(FormTabs, SearchBrowsesTheMatchesAndTypingStopsTheBrowsing)
{
    CustomerTab& tab = view->customer;
    EXPECT_EQ(label(), "New customer");
    EXPECT_FALSE(enabled("next"));
    EXPECT_FALSE(enabled("previous"));

    // A search with every field empty finds every customer, in file order.
    click(tab, "search");
    EXPECT_EQ(label(), "Customer number 4\n1 of 3");
    EXPECT_EQ(edit(tab, "surname")->text(), "Smith");
    EXPECT_EQ(field<QComboBox>(tab, "title")->currentText(), "Mr");
    EXPECT_EQ(field<QPlainTextEdit>(tab, "address")->toPlainText(), "1 Mill Lane\nUpton");
    EXPECT_TRUE(enabled("next"));
    EXPECT_FALSE(enabled("previous"));
    click(tab, "next");
    click(tab, "next");
    EXPECT_EQ(label(), "Customer number 2\n3 of 3");
    EXPECT_FALSE(enabled("next"));
    click(tab, "previous");
    EXPECT_EQ(edit(tab, "name")->text(), "Ann");
    EXPECT_TRUE(enabled("next") && enabled("previous"));
    EXPECT_TRUE(doc.isModified());

    // One letter changed: browsing stops, the customer keeps its number.
    edit(tab, "surname")->setFocus();
    QTest::keyClick(edit(tab, "surname"), Qt::Key_X);
    EXPECT_FALSE(enabled("next") || enabled("previous"));
    Customer stored;
    view->updateData(true);
    tab.saveCustomer(stored);
    EXPECT_EQ(stored.custno, 9u);
    EXPECT_EQ(stored.surname, "Jonesx");
    EXPECT_EQ(stored.address.first, "1 Mill Lane\nDownton");
}

TEST_F(FormTabs, SearchMatchesWhatIsTyped)
{
    CustomerTab& tab = view->customer;
    auto* address = field<QPlainTextEdit>(tab, "address");
    // A typed two-line address, Return between the lines, matches one customer.
    address->setFocus();
    QTest::keyClicks(address, "1 mill lane");
    QTest::keyClick(address, Qt::Key_Return);
    QTest::keyClicks(address, "Down");
    click(tab, "search");
    EXPECT_EQ(label(), "Customer number 9\n1 of 1");
    EXPECT_EQ(edit(tab, "town")->text(), "Bristol");

    // Nothing matches: the message, and the typed fields stay.
    click(tab, "clear");
    edit(tab, "town")->setText("Bath");
    edit(tab, "name")->setText("Zo");
    click(tab, "search");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], StringTable::text(IDS_NO_MATCHING_CUSTOMERS).str());
    EXPECT_EQ(edit(tab, "name")->text(), "Zo");
    EXPECT_EQ(label(), "New customer");
}

TEST_F(FormTabs, ClearShowsANewCustomerWithoutModifying)
{
    Customer c;
    c.custno = 12;
    c.surname = "Kept";
    view->customer.loadCustomer(c);
    view->updateData(false);
    EXPECT_EQ(label(), "Customer number 12");
    click(view->customer, "clear");
    EXPECT_EQ(label(), "New customer");
    EXPECT_EQ(edit(view->customer, "surname")->text(), "");
    EXPECT_FALSE(doc.isModified());
    view->customer.saveCustomer(c);
    EXPECT_EQ(c.custno, 0u);
}

TEST_F(FormTabs, TypingIsShownAsTheFormMeansIt)
{
    // Postcodes show capitals whatever is typed; a title typed by hand is an
    // edit like any other.
    for (QWidget* tab :
         {static_cast<QWidget*>(&view->customer), static_cast<QWidget*>(&view->location)}) {
        QLineEdit* postcode = edit(*tab, "postcode");
        QTest::keyClicks(postcode, "ba1 2xy");
        EXPECT_EQ(postcode->text(), "BA1 2XY");
    }
    doc.setModified(false);
    QTest::keyClicks(field<QComboBox>(view->customer, "title")->lineEdit(), "Prof");
    EXPECT_TRUE(doc.isModified());
    view->updateData(true);
    EXPECT_EQ(view->customer.fields.title, "Prof");

    // Digits only for the day counts; digits and one point for the rate.
    const std::tuple<QWidget*, const char*, const char*, const char*> typed[] = {
        {&view->job, "validity", "3a0.", "30"},
        {&view->invoice, "daysToPay", "1-4", "14"},
        {&view->invoice, "overduePercentage", "1x2.5.75", "12.57"},
    };
    click(view->invoice, "addOverdue");
    for (const auto& [tab, name, keys, shown] : typed) {
        QLineEdit* e = edit(*tab, name);
        e->clear();
        QTest::keyClicks(e, keys);
        EXPECT_EQ(e->text(), shown) << name;
    }
}

TEST_F(FormTabs, SameAsCustomerGreysTheLocationWithoutEmptyingIt)
{
    Customer location;
    location.company = "Site Ltd";
    location.address.town = "Wells";
    view->location.loadLocation(location, true);
    view->updateData(false);
    LocationTab& tab = view->location;
    const char* names[] = {"company", "address", "town", "county", "postcode", "phone", "fax"};
    for (const char* name : names)
        EXPECT_FALSE(field<QWidget>(tab, name)->isEnabled()) << name;

    click(tab, "sameAsCustomer");
    for (const char* name : names)
        EXPECT_TRUE(field<QWidget>(tab, name)->isEnabled()) << name;
    EXPECT_TRUE(doc.isModified());
    click(tab, "sameAsCustomer");
    EXPECT_FALSE(edit(tab, "town")->isEnabled());
    EXPECT_EQ(edit(tab, "town")->text(), "Wells");
    view->updateData(true);
    Customer stored;
    EXPECT_TRUE(tab.saveLocation(stored));
    EXPECT_EQ(stored.company, "Site Ltd");
}

TEST_F(FormTabs, JobTabLabelsAndTheAutomaticNumber)
{
    struct Kind
    {
        int validity, number, specify;
        const char* texts[3];
    };
    const Kind kinds[] = {
        {IDS_VALIDITY_ESTIMATE,
         IDS_NUMBER_ESTIMATE,
         IDS_SPECIFY_ESTIMATE,
         {"Validity of estimate (days)", "Estimate number", "Specify estimate number"}},
        {IDS_VALIDITY_QUOTE,
         IDS_NUMBER_QUOTE,
         IDS_SPECIFY_QUOTE,
         {"Validity of quote (days)", "Quote number", "Specify quote number"}},
    };
    JobTab& tab = view->job;
    for (const Kind& kind : kinds) {
        JobEstimate job;
        job.setNumber(17);
        job.daysValid = 30;
        tab.fields.validityLabelId = kind.validity;
        tab.fields.numberLabelId = kind.number;
        tab.fields.specifyLabelId = kind.specify;
        tab.loadJob(job);
        view->updateData(false);
        EXPECT_EQ(field<QLabel>(tab, "validityLabel")->text().remove('&'), kind.texts[0]);
        EXPECT_EQ(field<QLabel>(tab, "numberLabel")->text().remove('&'), kind.texts[1]);
        EXPECT_EQ(field<QCheckBox>(tab, "specifyNumber")->text().remove('&'), kind.texts[2]);
        EXPECT_EQ(edit(tab, "validity")->accessibleName(), kind.texts[0]);
    }

    QLineEdit* number = edit(tab, "number");
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(number->text(), "17");
    click(tab, "specifyNumber");
    ASSERT_TRUE(number->isEnabled());
    number->setText("A-17");
    view->updateData(true);
    JobEstimate job;
    tab.saveJob(job);
    EXPECT_EQ(job.docReference, "A-17");
    EXPECT_TRUE(job.ownDocReference);
    EXPECT_EQ(job.number, 0u);

    // Unticking brings the automatic number back.
    click(tab, "specifyNumber");
    EXPECT_FALSE(number->isEnabled());
    EXPECT_EQ(number->text(), "17");
    view->updateData(true);
    tab.saveJob(job);
    EXPECT_EQ(job.number, 17u);
    EXPECT_FALSE(job.ownDocReference);
}

TEST_F(FormTabs, InvoiceDateIsCheckedWhenTheFieldIsLeft)
{
    InvoiceTab& tab = view->invoice;
    JobInvoice invoice;
    invoice.created = ombrel::OMTime(true);
    tab.loadInvoice(invoice);
    view->updateData(false);
    view->selectTab(3);
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    QLineEdit* date = edit(tab, "date");
    EXPECT_FALSE(date->isEnabled());
    EXPECT_EQ(date->text(), OMDate::today().toString("DD/MM/YYYY").toQString());

    click(tab, "specifyDate");
    const std::tuple<const char*, const char*, bool> entries[] = {
        {"45/01/2024", "45/01/2024", false},
        {"3.4.2024", "03/04/2024", true},
        {"5/6/24", "05/06/2024", true},
    };
    for (const auto& [typed, shown, valid] : entries) {
        messages.clear();
        date->setFocus();
        date->setText(typed);
        edit(tab, "reference")->setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(date->text(), shown);
        EXPECT_EQ(messages.size(), valid ? 0u : 1u) << typed;
        EXPECT_EQ(date->hasFocus(), !valid) << typed;
    }

    // A pass over a date that is no date stops with the reason.
    date->setText("31/02/2024");
    EXPECT_FALSE(view->updateData(true));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "31/02/2024 is not a valid date. Please enter one in the form "
                           "DD/MM/YYYY");
    date->setText("05/06/2024");
    ASSERT_TRUE(view->updateData(true));
    tab.saveInvoice(invoice);
    EXPECT_EQ(invoice.date, OMDate(5, 6, 2024, false));

    // Unticking shows today's date; the invoice goes back to its creation date.
    date->setText("01/01/2020");
    click(tab, "specifyDate");
    EXPECT_EQ(date->text(), OMDate::today().toString("DD/MM/YYYY").toQString());
    ASSERT_TRUE(view->updateData(true));
    tab.saveInvoice(invoice);
    EXPECT_TRUE(invoice.date.isEmpty());
}

TEST_F(FormTabs, OverduePercentageKeepsItsDecimals)
{
    InvoiceTab& tab = view->invoice;
    JobInvoice invoice;
    invoice.addOverduePercentage = true;
    invoice.overduePercentage = Percentage(1250);
    invoice.daysToPay = 30;
    tab.loadInvoice(invoice);
    view->updateData(false);
    EXPECT_EQ(edit(tab, "overduePercentage")->text(), "12.5");
    EXPECT_TRUE(edit(tab, "overduePercentage")->isEnabled());

    // An unrelated change saved and loaded again leaves 12.5 % as it was.
    edit(tab, "reference")->setText("PO 7");
    ASSERT_TRUE(view->updateData(true));
    tab.saveInvoice(invoice);
    EXPECT_EQ(invoice.overduePercentage, Percentage(1250));
    EXPECT_EQ(invoice.reference, "PO 7");
    tab.loadInvoice(invoice);
    view->updateData(false);
    EXPECT_EQ(edit(tab, "overduePercentage")->text(), "12.5");

    // Unticking "Add" greys the rate but keeps it.
    click(tab, "addOverdue");
    EXPECT_FALSE(edit(tab, "overduePercentage")->isEnabled());
    ASSERT_TRUE(view->updateData(true));
    tab.saveInvoice(invoice);
    EXPECT_FALSE(invoice.addOverduePercentage);
    EXPECT_EQ(invoice.overduePercentage, Percentage(1250));
}

TEST_F(FormTabs, LookingThroughTheTabsChangesNothingAndFocusesTheFirstField)
{
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    const char* first[] = {"title", "sameAsCustomer", "specifyNumber", "specifyNumber"};
    for (int i = 0; i < 4; ++i) {
        view->selectTab(i);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus) << i;
        EXPECT_EQ(focus, view->tab(i)->findChild<QWidget*>(first[i])) << i;
    }
    // Going along the strip with the arrow keys leaves the focus there.
    view->selectTab(0);
    view->strip()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view->strip(), Qt::Key_Right);
    EXPECT_EQ(view->currentIndex(), 1);
    EXPECT_TRUE(view->strip()->hasFocus());
    EXPECT_FALSE(doc.isModified());

    // Every field and button tells accessibility tools what it is.
    for (int i = 0; i < 4; ++i)
        for (QWidget* w : view->tab(i)->findChildren<QWidget*>()) {
            // The tab's own controls, not the parts Qt builds them of.
            if (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() ||
                w->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            ASSERT_TRUE(a);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
        }
}

TEST_F(FormTabs, TheTabStripIsAPageTabListForAccessibilityTools)
{
    TabStrip strip;
    for (const char* title : {"Customer Details", "Location", "Materials", "Preview"})
        strip.insertTab(strip.count(), title);
    strip.resize(600, 40);
    QSignalSpy chosen(&strip, &TabStrip::currentChanged);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&strip);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), 4);

    QAccessibleInterface* materials = nullptr;
    for (int i = 0; i < list->childCount(); ++i)
        if (list->child(i)->text(QAccessible::Name) == "Materials")
            materials = list->child(i);
    ASSERT_TRUE(materials);
    EXPECT_EQ(materials->role(), QAccessible::PageTab);
    EXPECT_EQ(materials->parent(), list);
    EXPECT_EQ(list->indexOfChild(materials), 2);
    EXPECT_FALSE(materials->state().selected);
    EXPECT_TRUE(list->child(0)->state().selected);

    ASSERT_TRUE(materials->actionInterface());
    materials->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(strip.currentIndex(), 2);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 2);
    EXPECT_TRUE(materials->state().selected);
}

TEST_F(FormTabs, AnAccessibilityToolsToggleActsAsAClick)
{
    const std::tuple<QWidget*, const char*, const char*> cases[] = {
        {&view->location, "sameAsCustomer", "company"},
        {&view->job, "specifyNumber", "number"},
        {&view->invoice, "specifyNumber", "number"},
        {&view->invoice, "specifyDate", "date"},
        {&view->invoice, "addOverdue", "overduePercentage"},
    };
    for (const auto& [tab, box, dependent] : cases) {
        doc.setModified(false);
        QWidget* fieldAfter = field<QWidget>(*tab, dependent);
        const bool wasEnabled = fieldAfter->isEnabled();
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(field<QCheckBox>(*tab, box));
        ASSERT_TRUE(a && a->actionInterface()) << box;
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_NE(fieldAfter->isEnabled(), wasEnabled) << box;
        EXPECT_TRUE(doc.isModified()) << box;
    }
}

TEST_F(FormTabs, AccountFieldsShowAndKeepTheDatabasesValues)
{
    CustomerTab& tab = view->customer;
    auto* cis = field<QWidget>(tab, "cis");
    const auto showAndRead = [&](const Customer& c) {
        tab.loadCustomer(c);
        view->updateData(false);
        Customer read;
        tab.saveCustomer(read);
        return read;
    };
    // A document written before the account fields: the database's values.
    Customer older;
    older.custno = 2;
    older.surname = "smythe";
    Customer shown = showAndRead(older);
    EXPECT_EQ(edit(tab, "email")->text(), "jane@example.com");
    EXPECT_TRUE(field<QCheckBox>(tab, "business")->isChecked());
    EXPECT_TRUE(cis->isVisible());
    EXPECT_EQ(field<QComboBox>(tab, "cisRate")->currentText(), "0 % (gross)");
    EXPECT_TRUE(shown.cisContractor);
    EXPECT_EQ(shown.cisRate, 0);

    // A document's own values win; a consumer keeps no scheme settings.
    older.email = "own@example.com";
    older.cisContractor = true;
    older.cisRate = 30;
    shown = showAndRead(older);
    EXPECT_EQ(shown.email, "own@example.com");
    EXPECT_FALSE(field<QCheckBox>(tab, "business")->isChecked());
    EXPECT_FALSE(cis->isVisible());
    EXPECT_FALSE(shown.cisContractor);
    EXPECT_EQ(shown.cisRate, Customer::DefaultCisRate);

    // Ticking the box is an edit and shows the scheme.
    doc.setModified(false);
    field<QCheckBox>(tab, "business")->click();
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(cis->isVisible());
    field<QComboBox>(tab, "cisRate")->setCurrentIndex(1);
    Customer edited;
    tab.saveCustomer(edited);
    EXPECT_TRUE(edited.business);
    EXPECT_EQ(edited.cisRate, 30);
}

TEST_F(FormTabs, TheCustomerTabReadsRightToScreenReaders)
{
    // The title list keeps its name when it holds a title.
    auto* title = field<QComboBox>(view->customer, "title");
    title->setEditText(QStringLiteral("Mr"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(title);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->text(QAccessible::Name), "Title");
    EXPECT_EQ(a->text(QAccessible::Value), "Mr");
    // The customer number is a label, not something to press.
    auto* number = field<QLabel>(view->customer, "label");
    EXPECT_EQ(number->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(number)->role(), QAccessible::StaticText);
}
