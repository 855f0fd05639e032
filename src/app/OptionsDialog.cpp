#include "OptionsDialog.h"

#include "OptionsCompanyPage.h"
#include "OptionsDefaultsPage.h"
#include "OptionsLogoPage.h"
#include "OptionsMiscPage.h"
#include "OptionsNumbersPage.h"
#include "OptionsPaymentPage.h"
#include "OptionsRemindersPage.h"
#include "OptionsStylesPage.h"
#include "resources/StringTable.h"

OptionsDialog::OptionsDialog(TextStyles& styles, std::function<void()> refreshViews,
                             QWidget* parent)
    : PropertySheet(StringTable::text(IDS_OPTIONS_CAPTION).toQString(), Tabbed, parent),
      m_company(new OptionsCompanyPage(this)), m_payment(new OptionsPaymentPage(this)),
      m_logo(new OptionsLogoPage(
          styles, [company = m_company] { return company->businessName(); }, this)),
      m_styles(new OptionsStylesPage(styles, this)), m_documents(new OptionsNumbersPage(this)),
      m_defaults(new OptionsDefaultsPage(this)), m_misc(new OptionsMiscPage(this)),
      m_reminders(new OptionsRemindersPage(this))
{
    addPage(m_company);
    addPage(m_payment);
    addPage(m_logo);
    addPage(m_styles);
    addPage(m_documents);
    addPage(m_defaults);
    addPage(m_misc);
    addPage(m_reminders);
    // A symbol typed on its page shows beside the charges before OK.
    connect(m_misc, &OptionsMiscPage::symbolsEdited, m_defaults, &OptionsDefaultsPage::showSymbols);
    setRefreshViews(std::move(refreshViews));
}
