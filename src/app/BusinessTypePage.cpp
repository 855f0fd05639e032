#include "BusinessTypePage.h"

#include "OptionsCompanyPage.h"
#include "settings/SettingsStore.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

BusinessTypePage::BusinessTypePage(QWidget* parent)
    : BusinessWizardPage(tr("Type"),
                         tr("<b>Please select your business type from one of the options below "
                            "and enter details of the business owner(s).</b>"),
                         parent),
      m_type(new QButtonGroup(this)), m_ownersLabel(new QLabel(this)), m_owners(new QLineEdit(this))
{
    const QString types[3] = {tr("&Sole Trader"), tr("&Partnership"), tr("&Limited Company")};
    auto* radios = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(types[i], this);
        m_type->addButton(radio, i);
        radios->addWidget(radio);
    }
    form()->addRow(radios);
    m_ownersLabel->setBuddy(m_owners);
    m_owners->setAccessibleName(tr("Owners"));
    form()->addRow(m_ownersLabel, m_owners);
    m_type->button(0)->setChecked(true);
    setTabOrder({m_type->button(0), m_type->button(1), m_type->button(2), m_owners});
    updateLabel();

    connect(m_type, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (!on)
            return;
        setModified();
        updateLabel();
    });
    connect(m_owners, &QLineEdit::textEdited, this, [this] { setModified(); });
}

void BusinessTypePage::updateLabel()
{
    m_ownersLabel->setText(OptionsCompanyPage::ownersLabelText(m_type->checkedId()));
}

void BusinessTypePage::loadSettings()
{
    const int type = SettingsStore::get(SettingKeys::CompanyType);
    m_type->button(type >= 0 && type <= 2 ? type : 0)->setChecked(true);
    m_owners->setText(SettingsStore::get(SettingKeys::CompanyDirectors).toQString());
    updateLabel();
}

void BusinessTypePage::saveSettings()
{
    store(SettingKeys::CompanyDirectors, ombrel::OMString::fromQString(m_owners->text()));
    store(SettingKeys::CompanyType, std::max(0, m_type->checkedId()));
}
