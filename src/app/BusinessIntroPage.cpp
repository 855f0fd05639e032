#include "BusinessIntroPage.h"

#include "resources/StringTable.h"

BusinessIntroPage::BusinessIntroPage(QWidget* parent)
    : BusinessWizardPage(tr("Welcome"),
                         StringTable::text(IDS_WIZARD_WELCOME_TITLE).toQString() +
                             StringTable::text(IDS_WIZARD_WELCOME_TEXT).toQString(),
                         parent)
{
}
