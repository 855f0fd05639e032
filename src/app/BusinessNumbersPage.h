#pragma once

#include "BusinessWizardPage.h"

class NextNumbersBox;

/// The business wizard's page for the next document numbers.
class BusinessNumbersPage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessNumbersPage(QWidget* parent = nullptr);

    void LoadData() override;
    bool CanSave() override;
    void SaveData() override;

    NextNumbersBox* numbers() const { return m_numbers; }

private:
    NextNumbersBox* m_numbers;
};
