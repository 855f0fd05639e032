#pragma once

#include "EditTab.h"

#include <QString>
#include <cstdint>
#include <memory>

class ColourLabel;
class CustomerDatabase;
class CustomerSearch;
class Customer;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/**
 * The "Customer Details" tab: the document's customer, and the search that
 * fills it from the customer database. Search looks for customers whose
 * fields begin with what has been typed; Next and Previous browse the
 * matches; typing in any field stops the browsing; Clear empties the form
 * ("New customer"). The database searched is the one the owner view's document
 * stores its customers in.
 *
 * The owning view moves its record's customer through `fields`:
 *
 *     m_customerTab.loadCustomer(record.customer);  // before a load pass
 *     TabbedEditView::exchangeData(save);
 *     m_customerTab.saveCustomer(record.customer); // after a save pass, while modified
 *
 * A customer chosen from the database keeps its number; a new or cleared one
 * has 0 and is given a number when the document is saved.
 */
class CustomerTab : public EditTab
{
    Q_OBJECT

public:
    /// What the tab's controls show; addresses hold "\n" line breaks.
    struct Fields
    {
        QString labelText;
        QString title, name, initial, surname, company;
        QString address, town, county, postcode;
        QString phone, fax, mobile;
        QString email, vatNumber, country;
        bool business = false, cisContractor = false, endUserNotice = false;
        /// Index in the rate list: 20 %, 30 %, 0 % (gross).
        int cisRate = 0;
        /// 0 for a customer not yet in the database.
        uint32_t custno = 0;
    };

    explicit CustomerTab(QWidget* parent = nullptr);
    ~CustomerTab() override;

    /// Sets the fields from `customer`, with the label "Customer number N" or
    /// "New customer". A customer from a document written before the e-mail,
    /// VAT and business fields shows the database's values of them, so that
    /// saving the document keeps them.
    void loadCustomer(const Customer& customer);
    /// Puts the fields into `customer`; its address is replaced as a whole.
    void saveCustomer(Customer& customer) const;

    Fields fields;

public slots:
    void searchCustomers();
    void showNextMatch();
    void showPreviousMatch();
    void clearCustomer();

protected:
    void exchangeData(DataExchange& dx) override;
    QWidget* firstField() const override;

private:
    void buildForm();
    /// A field changed by the user: read the form, stop browsing, mark modified.
    void fieldEdited();
    Customer fieldsAsCustomer() const;
    /// Shows `customer` from the search, with the search's label.
    void showMatch(const Customer& customer);
    void updateButtons();
    /// The database the document stores its customers in; null when none.
    const CustomerDatabase* database() const;
    /// The search over the database in use; null when there is none.
    CustomerSearch* search();

    QComboBox* m_title;
    QLineEdit* m_name;
    QLineEdit* m_initial;
    QLineEdit* m_surname;
    QLineEdit* m_company;
    QPlainTextEdit* m_address;
    QLineEdit* m_town;
    QLineEdit* m_county;
    QLineEdit* m_postcode;
    QLineEdit* m_phone;
    QLineEdit* m_fax;
    QLineEdit* m_mobile;
    QLineEdit* m_email;
    QLineEdit* m_vatNumber;
    QLineEdit* m_country;
    QCheckBox* m_business;
    QGroupBox* m_cis;
    QCheckBox* m_cisContractor;
    QCheckBox* m_endUserNotice;
    QComboBox* m_cisRate;
    ColourLabel* m_label;
    QPushButton* m_search;
    QPushButton* m_next;
    QPushButton* m_previous;
    QPushButton* m_clear;

    std::unique_ptr<CustomerSearch> m_customerSearch;
    const CustomerDatabase* m_searchDatabase = nullptr;
};
