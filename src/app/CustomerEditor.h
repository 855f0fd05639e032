#pragma once

#include "records/Customer.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/**
 * The Customers window's form: every field of one customer, with Save and
 * Revert. It only edits a copy; the window stores what saveRequested hands
 * it. Each field carries the accessible name of its label.
 */
class CustomerEditor : public QWidget
{
    Q_OBJECT
public:
    explicit CustomerEditor(QWidget* parent = nullptr);

    /// Shows `customer` (number 0: none, the form is disabled), unmodified.
    void setCustomer(const Customer& customer);
    /// The customer as shown in the fields.
    Customer customer() const;
    /// The customer as last set.
    const Customer& original() const { return m_original; }
    /// Whether the fields differ from the customer as set.
    bool isModified() const;
    QWidget* firstField() const;
    QPushButton* saveButton() const { return m_save; }
    QPushButton* revertButton() const { return m_revert; }
    /// The field of `name` (the objectName: "name", "surname", "address", "email", ...).
    QWidget* field(const QString& name) const;

signals:
    void saveRequested(const Customer& customer);
    void modifiedChanged(bool modified);

private:
    void fieldEdited();
    void updateState();

    Customer m_original;
    QLabel* m_heading;
    /// The form, in its scroll area.
    QWidget* m_fields = nullptr;
    QComboBox* m_title;
    QLineEdit *m_name, *m_initial, *m_surname, *m_company;
    QPlainTextEdit* m_address;
    QLineEdit *m_town, *m_county, *m_postcode, *m_phone, *m_mobile, *m_fax, *m_email, *m_vatNumber,
        *m_country;
    QCheckBox *m_business, *m_cisContractor, *m_endUserNotice;
    QComboBox* m_cisRate;
    QPushButton *m_save, *m_revert;
    bool m_wasModified = false;
};
