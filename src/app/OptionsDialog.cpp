#include "OptionsDialog.h"

#include "OptionsCompanyPage.h"
#include "OptionsDefaultsPage.h"
#include "OptionsLogoPage.h"
#include "OptionsMiscPage.h"
#include "OptionsNumbersPage.h"
#include "OptionsStylesPage.h"
#include "resources/StringTable.h"

OptionsWizard::OptionsWizard(TextStyles& styles, std::function<void()> refreshViews,
                             QWidget* parent)
    : CGenericPropertySheet(StringTable::text(IDS_OPTIONS_CAPTION).toQString(), Tabbed, parent),
      m_company(new OptionsWizardCompany(this)),
      m_logo(new OptionsWizardLogo(
          styles, [company = m_company] { return company->businessName(); }, this)),
      m_styles(new OptionsWizardStyles(styles, this)),
      m_documents(new OptionsWizardDocuments(this)), m_defaults(new OptionsWizardDefaults(this)),
      m_misc(new OptionsWizardMisc(this))
{
    AddPage(m_company);
    AddPage(m_logo);
    AddPage(m_styles);
    AddPage(m_documents);
    AddPage(m_defaults);
    AddPage(m_misc);
    SetRefreshViews(std::move(refreshViews));
}
