#include "BusinessIntroPage.h"

#include "resources/StringTable.h"

BusinessWizardIntro::BusinessWizardIntro(QWidget* parent)
    : BusinessWizardPage(tr("Welcome"),
                         StringTable::text(IDS_WIZARD_WELCOME_TITLE).toQString() +
                             StringTable::text(IDS_WIZARD_WELCOME_TEXT).toQString(),
                         parent)
{
}
