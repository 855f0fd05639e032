#pragma once

#include "BusinessWizardPage.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

/// The business wizard's page for the business type and its owners.
class BusinessTypePage : public BusinessWizardPage
{
    Q_OBJECT
public:
    explicit BusinessTypePage(QWidget* parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;

    QLabel* ownersLabel() const { return m_ownersLabel; }

private:
    void updateLabel();

    QButtonGroup* m_type;
    QLabel* m_ownersLabel;
    QLineEdit* m_owners;
};
