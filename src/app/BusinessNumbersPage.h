#pragma once

#include "BusinessWizardPage.h"

class NextNumbersBox;

/// The business wizard's page for the next document numbers.
class BusinessNumbersPage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessNumbersPage(QWidget* parent = nullptr);

    void loadSettings() override;
    bool canSave() override;
    void saveSettings() override;

    NextNumbersBox* numbers() const { return m_numbers; }

private:
    NextNumbersBox* m_numbers;
};
