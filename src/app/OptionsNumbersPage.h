#pragma once

#include "PropertyPage.h"

class NextNumbersBox;

/// Options page 4: the numbers the next new estimate, quote and invoice receive.
class OptionsNumbersPage : public PropertyPage
{
    Q_OBJECT
public:
    explicit OptionsNumbersPage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    bool canSave() override;

    NextNumbersBox* numbers() const { return m_numbers; }

private:
    NextNumbersBox* m_numbers;
};
