#pragma once

#include "PropertySheet.h"

class OptionsCompanyPage;
class OptionsDefaultsPage;
class OptionsLogoPage;
class OptionsMiscPage;
class OptionsNumbersPage;
class OptionsPaymentPage;
class OptionsRemindersPage;
class OptionsStylesPage;
class TextStyles;

/**
 * The options sheet: every setting of the program on seven tabs. Style changes
 * reach `styles` only when OK saves; `refreshViews` then tells the open
 * documents once.
 */
class OptionsDialog : public PropertySheet
{
    Q_OBJECT
public:
    OptionsDialog(TextStyles& styles, std::function<void()> refreshViews,
                  QWidget* parent = nullptr);

    OptionsCompanyPage* company() const { return m_company; }
    OptionsPaymentPage* payment() const { return m_payment; }
    OptionsLogoPage* logo() const { return m_logo; }
    OptionsStylesPage* stylesPage() const { return m_styles; }
    OptionsNumbersPage* documents() const { return m_documents; }
    OptionsDefaultsPage* defaults() const { return m_defaults; }
    OptionsMiscPage* misc() const { return m_misc; }
    OptionsRemindersPage* reminders() const { return m_reminders; }

private:
    OptionsCompanyPage* m_company;
    OptionsPaymentPage* m_payment;
    OptionsLogoPage* m_logo;
    OptionsStylesPage* m_styles;
    OptionsNumbersPage* m_documents;
    OptionsDefaultsPage* m_defaults;
    OptionsMiscPage* m_misc;
    OptionsRemindersPage* m_reminders;
};
