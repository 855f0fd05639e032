#pragma once

#include "PropertySheet.h"

class OptionsWizardCompany;
class OptionsWizardDefaults;
class OptionsWizardDocuments;
class OptionsWizardLogo;
class OptionsWizardMisc;
class OptionsWizardStyles;
class TextStyles;

/**
 * The options sheet: every setting of the program on six tabs. Style changes
 * reach `styles` only when OK saves; `refreshViews` then tells the open
 * documents once.
 */
class OptionsWizard : public CGenericPropertySheet
{
    Q_OBJECT
public:
    OptionsWizard(TextStyles& styles, std::function<void()> refreshViews,
                  QWidget* parent = nullptr);

    OptionsWizardCompany* company() const { return m_company; }
    OptionsWizardLogo* logo() const { return m_logo; }
    OptionsWizardStyles* stylesPage() const { return m_styles; }
    OptionsWizardDocuments* documents() const { return m_documents; }
    OptionsWizardDefaults* defaults() const { return m_defaults; }
    OptionsWizardMisc* misc() const { return m_misc; }

private:
    OptionsWizardCompany* m_company;
    OptionsWizardLogo* m_logo;
    OptionsWizardStyles* m_styles;
    OptionsWizardDocuments* m_documents;
    OptionsWizardDefaults* m_defaults;
    OptionsWizardMisc* m_misc;
};
