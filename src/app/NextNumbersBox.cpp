#include "NextNumbersBox.h"

#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <limits>

namespace {

const IntegerSetting* const Settings[3] = {&SettingKeys::NextEstimateNo, &SettingKeys::NextQuoteNo,
                                           &SettingKeys::NextInvoiceNo};

} // namespace

NextNumbersBox::NextNumbersBox(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    const QString labels[3] = {tr("Next generated &estimate number:"),
                               tr("Next generated &quote number:"),
                               tr("Next generated &invoice number:")};
    for (size_t i = 0; i < 3; ++i) {
        auto* spin = new QSpinBox(this);
        spin->setRange(1, std::numeric_limits<int32_t>::max());
        spin->setAccessibleName(QString(labels[i]).remove(u'&').remove(u':'));
        spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        connect(spin, &QSpinBox::valueChanged, this, &NextNumbersBox::changed);
        m_fields[i] = spin;
        auto* label = new QLabel(labels[i], this);
        label->setBuddy(spin);
        form->addRow(label, spin);
    }
}

void NextNumbersBox::loadSettings()
{
    for (size_t i = 0; i < 3; ++i) {
        m_loaded[i] = SettingsStore::get(*Settings[i]);
        m_fields[i]->setValue(m_loaded[i]);
    }
}

bool NextNumbersBox::canSave()
{
    if (m_warned)
        return true;
    for (size_t i = 0; i < 3; ++i) {
        if (m_fields[i]->value() < m_loaded[i]) {
            m_warned = true;
            MessageHook::show(
                ombrel::OMString::fromQString(
                    tr("A next number lower than the one stored may already have been given to "
                       "a document, so two documents may then share a number.")),
                MessageHook::Warning, MessageHook::Ok);
            break;
        }
    }
    return true;
}

void NextNumbersBox::saveSettings()
{
    for (size_t i = 0; i < 3; ++i)
        SettingsStore::set(*Settings[i], m_fields[i]->value());
}
