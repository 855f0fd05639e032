#include "BusinessNamePage.h"

#include "settings/SettingsStore.h"

#include <QLineEdit>

BusinessNamePage::BusinessNamePage(QWidget* parent)
    : BusinessWizardPage(
          tr("Name"),
          tr("<b>Please enter the name of your business.</b><p>This should be the official/legal "
             "name of your business and include any required suffix (e.g. Ltd for a limited "
             "company)"),
          parent),
      m_name(new QLineEdit(this))
{
    addField(tr("Business Na&me:"), m_name); // Alt+N is Next
    connect(m_name, &QLineEdit::textEdited, this, [this] { setModified(); });
}

void BusinessNamePage::loadSettings()
{
    m_name->setText(SettingsStore::get(SettingKeys::CompanyName).toQString());
}

void BusinessNamePage::saveSettings()
{
    store(SettingKeys::CompanyName, ombrel::OMString::fromQString(m_name->text()));
}
