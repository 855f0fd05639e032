#include "BusinessContactPage.h"

#include "OptionsCompanyPage.h"
#include "settings/SettingsStore.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using ombrel::OMString;
using namespace SettingKeys;

namespace {

const StringSetting* const ContactSettings[4] = {&CompanyPhone, &CompanyFax, &CompanyMobile,
                                                 &CompanyEmail};

} // namespace

BusinessContactPage::BusinessContactPage(QWidget* parent)
    : BusinessWizardPage(tr("Contact"),
                         tr("<b>Please select the contact information for your business.</b>"),
                         parent),
      m_address(new QPlainTextEdit(this))
{
    m_address->setTabChangesFocus(true);
    m_address->setMinimumHeight(m_address->fontMetrics().lineSpacing() * 4);
    addField(tr("&Address:"), m_address);
    const QString labels[4] = {tr("P&hone:"), tr("Fa&x:"), tr("&Mobile:"), tr("&E-mail:")};
    for (size_t i = 0; i < 4; ++i) {
        m_contact[i] = new QLineEdit(this);
        addField(labels[i], m_contact[i]);
        connect(m_contact[i], &QLineEdit::textEdited, this, [this] { setModified(); });
    }
    connect(m_address, &QPlainTextEdit::textChanged, this, [this] { setModified(); });
}

void BusinessContactPage::loadSettings()
{
    m_address->setPlainText(
        OptionsCompanyPage::addressForEdit(SettingsStore::get(CompanyAddress).toQString()));
    for (size_t i = 0; i < 4; ++i)
        m_contact[i]->setText(SettingsStore::get(*ContactSettings[i]).toQString());
}

void BusinessContactPage::saveSettings()
{
    store(CompanyAddress,
          OMString::fromQString(OptionsCompanyPage::addressForStore(m_address->toPlainText())));
    for (size_t i = 0; i < 4; ++i)
        store(*ContactSettings[i], OMString::fromQString(m_contact[i]->text()));
}
