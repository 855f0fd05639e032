#pragma once

#include "PropertySheet.h"

class BusinessWizardContact;
class BusinessWizardControl;
class BusinessWizardIntro;
class BusinessWizardName;
class BusinessWizardType;
class BusinessWizardVAT;

/**
 * The business information wizard: the details printed on every document,
 * one page at a time. Nothing is written before Finish.
 */
class BusinessWizard : public CGenericPropertySheet
{
    Q_OBJECT
public:
    explicit BusinessWizard(std::function<void()> refreshViews, QWidget* parent = nullptr);

    BusinessWizardName* namePage() const { return m_name; }
    BusinessWizardType* typePage() const { return m_type; }
    BusinessWizardContact* contactPage() const { return m_contact; }
    BusinessWizardVAT* vatPage() const { return m_vat; }
    BusinessWizardControl* controlPage() const { return m_control; }

private:
    BusinessWizardIntro* m_intro;
    BusinessWizardName* m_name;
    BusinessWizardType* m_type;
    BusinessWizardContact* m_contact;
    BusinessWizardVAT* m_vat;
    BusinessWizardControl* m_control;
};
