#include "BusinessWizard.h"

#include "BusinessContactPage.h"
#include "BusinessIntroPage.h"
#include "BusinessNamePage.h"
#include "BusinessNumbersPage.h"
#include "BusinessTypePage.h"
#include "BusinessVatPage.h"
#include "resources/StringTable.h"

BusinessWizard::BusinessWizard(std::function<void()> refreshViews, QWidget* parent)
    : PropertySheet(StringTable::text(IDS_OPTIONS_CAPTION).toQString(), Wizard, parent),
      m_intro(new BusinessIntroPage(this)), m_name(new BusinessNamePage(this)),
      m_type(new BusinessTypePage(this)), m_contact(new BusinessContactPage(this)),
      m_vat(new BusinessVatPage(this)), m_control(new BusinessNumbersPage(this))
{
    for (PropertyPage* page :
         std::initializer_list<PropertyPage*>{m_intro, m_name, m_type, m_contact, m_vat, m_control})
        addPage(page);
    setBackgroundPicture(QStringLiteral(":/art/wizard.svg"));
    // Open documents show the new details at once, as after the options sheet.
    setRefreshViews(std::move(refreshViews));
}
