#pragma once

#include "BusinessWizardPage.h"

class FilteredLineEdit;
class QCheckBox;
class QLabel;
class QLineEdit;

/// The business wizard's page for the VAT registration and the standard rate.
class BusinessVatPage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessVatPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;

    QCheckBox* vatBox() const { return m_vat; }
    QLineEdit* registrationEdit() const { return m_registration; }
    FilteredLineEdit* rateEdit() const { return m_rate; }

private:
    void updateControls();

    QCheckBox* m_vat;
    QLineEdit* m_registration;
    FilteredLineEdit* m_rate;
    QLabel* m_percent;
};
