#include "BusinessWizard.h"

#include "BusinessContactPage.h"
#include "BusinessIntroPage.h"
#include "BusinessNamePage.h"
#include "BusinessNumbersPage.h"
#include "BusinessTypePage.h"
#include "BusinessVatPage.h"
#include "resources/StringTable.h"

BusinessWizard::BusinessWizard(std::function<void()> refreshViews, QWidget* parent)
    : CGenericPropertySheet(StringTable::text(IDS_OPTIONS_CAPTION).toQString(), Wizard, parent),
      m_intro(new BusinessWizardIntro(this)), m_name(new BusinessWizardName(this)),
      m_type(new BusinessWizardType(this)), m_contact(new BusinessWizardContact(this)),
      m_vat(new BusinessWizardVAT(this)), m_control(new BusinessWizardControl(this))
{
    for (CGenericPropertyPage* page : std::initializer_list<CGenericPropertyPage*>{
             m_intro, m_name, m_type, m_contact, m_vat, m_control})
        AddPage(page);
    SetBackgroundPicture(QStringLiteral(":/art/wizard.svg"));
    // Open documents show the new details at once, as after the options sheet.
    SetRefreshViews(std::move(refreshViews));
}
