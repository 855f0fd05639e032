#pragma once

#include "PropertySheet.h"

class BusinessContactPage;
class BusinessIntroPage;
class BusinessNamePage;
class BusinessNumbersPage;
class BusinessTypePage;
class BusinessVatPage;

/**
 * The business information wizard: the details printed on every document,
 * one page at a time. Nothing is written before Finish.
 */
class BusinessWizard : public PropertySheet
{
    Q_OBJECT
public:
    explicit BusinessWizard(std::function<void()> refreshViews, QWidget* parent = nullptr);

    BusinessNamePage* namePage() const { return m_name; }
    BusinessTypePage* typePage() const { return m_type; }
    BusinessVatPage* vatPage() const { return m_vat; }
    BusinessNumbersPage* controlPage() const { return m_control; }

private:
    BusinessIntroPage* m_intro;
    BusinessNamePage* m_name;
    BusinessTypePage* m_type;
    BusinessContactPage* m_contact;
    BusinessVatPage* m_vat;
    BusinessNumbersPage* m_control;
};
