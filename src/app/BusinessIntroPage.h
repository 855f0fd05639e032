#pragma once

#include "BusinessWizardPage.h"

/// The business wizard's welcome; it holds no values.
class BusinessIntroPage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessIntroPage(QWidget* parent = nullptr);

    void loadSettings() override {}
    void saveSettings() override {}
};
