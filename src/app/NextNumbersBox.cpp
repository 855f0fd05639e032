#include "NextNumbersBox.h"

#include "records/DocumentKind.h"
#include "settings/SettingsStore.h"
#include "views/MessageHook.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <limits>

NextNumbersBox::NextNumbersBox(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    for (const DocumentKind* kind : DocumentKind::all()) {
        const QString label =
            tr("Next generated &%1 number:").arg(QString::fromLatin1(kind->title).toLower());
        auto* spin = new QSpinBox(this);
        spin->setRange(1, std::numeric_limits<int32_t>::max());
        spin->setAccessibleName(QString(label).remove(u'&').remove(u':'));
        spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        connect(spin, &QSpinBox::valueChanged, this, &NextNumbersBox::changed);
        m_fields.push_back(spin);
        m_loaded.push_back(0);
        auto* buddy = new QLabel(label, this);
        buddy->setBuddy(spin);
        form->addRow(buddy, spin);
    }
}

void NextNumbersBox::loadSettings()
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        m_loaded[i] = SettingsStore::get(*DocumentKind::all().at(int(i))->nextNumberSetting);
        m_fields[i]->setValue(m_loaded[i]);
    }
}

bool NextNumbersBox::canSave()
{
    if (m_warned)
        return true;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i]->value() < m_loaded[i]) {
            m_warned = true;
            MessageHook::show(
                tr("A next number lower than the one stored may already have been given to "
                   "a document, so two documents may then share a number."),
                MessageHook::Warning, MessageHook::Ok);
            break;
        }
    }
    return true;
}

bool NextNumbersBox::saveSettings(QString* error)
{
    bool written = true;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        QString reason;
        if (!SettingsStore::set(*DocumentKind::all().at(int(i))->nextNumberSetting,
                                m_fields[i]->value(), &reason) &&
            written) {
            written = false;
            if (error)
                *error = reason;
        }
    }
    return written;
}
