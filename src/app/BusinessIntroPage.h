#pragma once

#include "BusinessWizardPage.h"

/// The business wizard's welcome; it holds no values.
class BusinessWizardIntro : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessWizardIntro(QWidget* parent = nullptr);

    void LoadData() override {}
    void SaveData() override {}
};
