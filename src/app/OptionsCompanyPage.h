#pragma once

#include "PropertyPage.h"

#include <array>

class FilteredLineEdit;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

/**
 * Options page 1: the business's type, name, address, contact numbers,
 * owners and VAT registration ("options/company"), and what e-invoices
 * need besides: the company number, the country, the currency, and whether
 * Send by E-mail attaches the e-invoice.
 */
class OptionsCompanyPage : public PropertyPage
{
    Q_OBJECT
public:
    explicit OptionsCompanyPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool refreshesViews() const override { return true; }

    /// The business name as typed so far (the Logo page shows it).
    QString businessName() const;
    /// The owners' label for a business type: "Proprietor:", "Partners:" or
    /// "Directors:" with a mnemonic; a type outside 0 to 2 counts as 0.
    static QString ownersLabelText(int type);
    /// A stored address ("\r\n" between lines) as an edit shows it, and back.
    static QString addressForEdit(const QString& stored);
    static QString addressForStore(const QString& typed);

    QLineEdit* nameEdit() const { return m_name; }
    QLabel* ownersLabel() const { return m_ownersLabel; }
    QCheckBox* vatBox() const { return m_vat; }
    FilteredLineEdit* rateEdit() const { return m_rate; }
    QLineEdit* registrationEdit() const { return m_registration; }

private:
    void updateControls();

    QButtonGroup* m_type;
    QLineEdit* m_name;
    QPlainTextEdit* m_address;
    std::array<QLineEdit*, 4> m_contact{}; // phone, fax, mobile, e-mail
    QLabel* m_ownersLabel;
    QLineEdit* m_owners;
    QCheckBox* m_vat;
    QLabel* m_registrationLabel;
    QLineEdit* m_registration;
    QLabel* m_rateLabel;
    FilteredLineEdit* m_rate;
    QLabel* m_percent;
    QLineEdit* m_companyNumber;
    QLineEdit* m_country;
    QLineEdit* m_currency;
    QCheckBox* m_mailEInvoice;
};
