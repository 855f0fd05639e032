#pragma once

#include "BusinessWizardPage.h"

#include <array>

class QLineEdit;
class QPlainTextEdit;

/// The business wizard's page for the address, telephones and e-mail.
class BusinessContactPage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessContactPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;

    QPlainTextEdit* addressEdit() const { return m_address; }
    /// Phone, fax, mobile, e-mail.
    QLineEdit* contactEdit(int index) const { return m_contact[size_t(index)]; }

private:
    QPlainTextEdit* m_address;
    std::array<QLineEdit*, 4> m_contact{};
};
