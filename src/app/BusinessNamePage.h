#pragma once

#include "BusinessWizardPage.h"

class QLineEdit;

/// The business wizard's page for the business's name.
class BusinessNamePage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessNamePage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;

    QLineEdit* nameEdit() const { return m_name; }

private:
    QLineEdit* m_name;
};
