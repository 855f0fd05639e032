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

private:
    QPlainTextEdit* m_address;
    std::array<QLineEdit*, 4> m_contact{};
};
