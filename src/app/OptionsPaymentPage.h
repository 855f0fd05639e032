#pragma once

#include "PropertyPage.h"

#include <array>

class QLineEdit;
class QPlainTextEdit;

/**
 * Options page: where customers pay ("options/bank"): the account name, the
 * sort code and account number or the IBAN and BIC, and free payment
 * instructions. Invoices print them under their totals while something is due.
 */
class OptionsPaymentPage : public PropertyPage
{
    Q_OBJECT
public:
    /// The one-line fields, in the order of the page.
    enum Field { AccountName, SortCode, AccountNumber, IBAN, BIC, FieldCount };

    explicit OptionsPaymentPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool refreshesViews() const override { return true; }

    QLineEdit* field(Field which) const { return m_fields[size_t(which)]; }
    QPlainTextEdit* instructionsEdit() const { return m_instructions; }

private:
    std::array<QLineEdit*, FieldCount> m_fields{};
    QPlainTextEdit* m_instructions;
};
