#pragma once

#include "PropertyPage.h"

class NextNumbersBox;

/// Options page 4: the numbers the next new estimate, quote and invoice receive.
class OptionsNumbersPage : public PropertyPage
{
    Q_OBJECT
public:
    explicit OptionsNumbersPage(QWidget* parent = nullptr);

    void LoadData() override;
    void SaveData() override;
    bool CanSave() override;

    NextNumbersBox* numbers() const { return m_numbers; }

private:
    NextNumbersBox* m_numbers;
};
