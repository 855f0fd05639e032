#include "OptionsDefaultsPage.h"

#include "AmountEdit.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

using namespace SettingKeys;

namespace {

const IntegerSetting* const AmountSettings[7] = {&HourlyRate,       &CostPerMile,    &TimeResearch,
                                                 &TimePurchase,     &TimeInspection, &TimeAdmin,
                                                 &DailyWorkingHours};

void refuse(const QString& text, QWidget* field)
{
    MessageHook::show(text, MessageHook::Warning, MessageHook::Ok);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

} // namespace

OptionsDefaultsPage::OptionsDefaultsPage(QWidget* parent)
    : PropertyPage(tr("Default Values"), parent),
      m_eaoe(new QCheckBox(tr("Display \"&E && OE\" on printed documents"), this)),
      m_vatOnJobs(
          new QCheckBox(tr("Show VAT and the &total including VAT on estimates and quotes"), this)),
      m_byTime(new QCheckBox(tr("Charge for travelling by ti&me"), this)),
      m_byDistance(new QCheckBox(tr("Charge for travelling by &distance"), this)),
      m_rateUnit(new QLabel(this)), m_distanceUnit(new QLabel(this))
{
    auto* layout = new QVBoxLayout(this);
    const auto field = [this](QGridLayout* grid, int row, const QString& text, QWidget* edit,
                              QWidget* after) {
        auto* label = new QLabel(text, this);
        label->setBuddy(edit);
        edit->setAccessibleName(QString(text).remove(u'&').remove(u':').trimmed());
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        if (after)
            grid->addWidget(after, row, 2);
    };
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("000000000"));

    auto* terms = new QGroupBox(tr("Terms"), this);
    auto* termsGrid = new QGridLayout(terms);
    for (const DocumentKind* kind : DocumentKind::all()) {
        if (!kind->termsSetting)
            continue; // a credit note has no terms
        m_periodSettings.push_back(kind->termsSetting);
        auto* spin = new QSpinBox(this);
        spin->setRange(0, std::numeric_limits<int32_t>::max());
        spin->setMinimumWidth(fieldWidth);
        field(termsGrid, int(m_periods.size()),
              QCoreApplication::translate("DocumentKind", kind->termsLabel), spin,
              new QLabel(tr("days."), this));
        m_periods.push_back(spin);
        connect(spin, &QSpinBox::valueChanged, this, [this] { setModified(); });
    }
    termsGrid->addWidget(m_eaoe, int(m_periods.size()), 0, 1, 3);
    // Read only while the business is VAT registered; otherwise prices carry no VAT.
    m_vatOnJobs->setToolTip(tr("For a VAT-registered business. Without it estimates and quotes "
                               "say that all prices exclude VAT."));
    termsGrid->addWidget(m_vatOnJobs, int(m_periods.size()) + 1, 0, 1, 3);
    termsGrid->setColumnStretch(2, 1);
    layout->addWidget(terms);

    const auto amountEdit = [this, fieldWidth](Amount which) {
        auto* edit = new AmountEdit(this);
        edit->setMaximumWidth(fieldWidth);
        connect(edit, &QLineEdit::textEdited, this, [this] { setModified(); });
        m_amounts[size_t(which)] = edit;
        return edit;
    };
    auto* charges = new QGroupBox(tr("Charges"), this);
    auto* chargesGrid = new QGridLayout(charges);
    field(chargesGrid, 0, tr("&Labour charge per hour:"), amountEdit(HourlyRate), m_rateUnit);
    field(chargesGrid, 1, tr("Travel &charge per distance unit:"), amountEdit(CostPerMile),
          m_distanceUnit);
    chargesGrid->addWidget(m_byTime, 2, 0, 1, 3);
    chargesGrid->addWidget(m_byDistance, 3, 0, 1, 3);
    chargesGrid->setColumnStretch(2, 1);
    layout->addWidget(charges);

    auto* hours = new QGroupBox(tr("Default Hours"), this);
    auto* hoursGrid = new QGridLayout(hours);
    field(hoursGrid, 0, tr("&Research job"), amountEdit(Research), nullptr);
    field(hoursGrid, 1, tr("&Purchase materials"), amountEdit(Purchase), nullptr);
    field(hoursGrid, 2, tr("Final I&nspection"), amountEdit(Inspection), nullptr);
    field(hoursGrid, 3, tr("&Administration"), amountEdit(Admin), nullptr);
    field(hoursGrid, 4, tr("Daily &Working Hours"), amountEdit(DailyHours), nullptr);
    hoursGrid->setColumnStretch(2, 1);
    layout->addWidget(hours);
    layout->addStretch(1);

    for (QCheckBox* box : {m_eaoe, m_vatOnJobs, m_byTime, m_byDistance})
        connect(box, &QCheckBox::toggled, this, [this] { setModified(); });
    for (size_t i = 1; i < m_periods.size(); ++i)
        setTabOrder(m_periods[i - 1], m_periods[i]);
    setTabOrder({m_periods.back(), m_eaoe, m_vatOnJobs, amount(HourlyRate), amount(CostPerMile),
                 m_byTime, m_byDistance, amount(Research), amount(Purchase), amount(Inspection),
                 amount(Admin), amount(DailyHours)});
}

void OptionsDefaultsPage::loadSettings()
{
    for (size_t i = 0; i < m_periods.size(); ++i)
        m_periods[i]->setValue(SettingsStore::get(*m_periodSettings[i]));
    for (size_t i = 0; i < m_amounts.size(); ++i)
        m_amounts[i]->setHundredths(SettingsStore::get(*AmountSettings[i]));
    m_eaoe->setChecked(SettingsStore::isSet(DisplayEAOE));
    m_vatOnJobs->setChecked(SettingsStore::isSet(ShowVATOnEstimates));
    m_byTime->setChecked(SettingsStore::isSet(ChargeTravelTime));
    m_byDistance->setChecked(SettingsStore::isSet(ChargeTravelDistance));
    showSymbols(SettingsStore::currencySymbol().toQString(),
                SettingsStore::hoursSymbol().toQString(),
                SettingsStore::distanceSymbol().toQString());
}

void OptionsDefaultsPage::showSymbols(const QString& currency, const QString& hours,
                                      const QString& distance)
{
    m_rateUnit->setText(currency + u'/' + hours);
    m_distanceUnit->setText(currency + u'/' + distance);
}

bool OptionsDefaultsPage::canSave()
{
    for (AmountEdit* edit : m_amounts) {
        if (!edit->hundredths()) {
            refuse(tr("%1 is too large for \"%2\".").arg(edit->text(), edit->accessibleName()),
                   edit);
            return false;
        }
    }
    if (*amount(DailyHours)->hundredths() <= 0) {
        refuse(tr("\"Daily Working Hours\" must be more than 0."), amount(DailyHours));
        return false;
    }
    return true;
}

void OptionsDefaultsPage::saveSettings()
{
    store(ChargeTravelDistance, m_byDistance->isChecked() ? 1 : 0);
    store(ChargeTravelTime, m_byTime->isChecked() ? 1 : 0);
    store(DisplayEAOE, m_eaoe->isChecked() ? 1 : 0);
    store(ShowVATOnEstimates, m_vatOnJobs->isChecked() ? 1 : 0);
    for (size_t i = 0; i < m_periods.size(); ++i)
        store(*m_periodSettings[i], m_periods[i]->value());
    for (size_t i = 0; i < m_amounts.size(); ++i)
        store(*AmountSettings[i], m_amounts[i]->hundredths().value_or(0));
}
