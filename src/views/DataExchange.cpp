#include "DataExchange.h"

#include "MessageHook.h"
#include "foundation/OMUInt32.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using ombrel::OMString;

void DataExchange::text(QLineEdit* edit, OMString& value)
{
    if (m_failed || !edit)
        return;
    if (isSaving())
        value = OMString::fromQString(edit->text());
    else
        edit->setText(value.toQString());
}

void DataExchange::multiLineText(QPlainTextEdit* edit, OMString& value)
{
    if (m_failed || !edit)
        return;
    if (isSaving()) {
        QString text = edit->toPlainText();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        value = OMString::fromQString(text);
    } else {
        edit->setPlainText(value.toQString());
    }
}

void DataExchange::check(QCheckBox* box, bool& value)
{
    if (m_failed || !box)
        return;
    if (isSaving())
        value = box->isChecked();
    else
        box->setChecked(value);
}

void DataExchange::radio(const QList<QRadioButton*>& group, int& value)
{
    if (m_failed)
        return;
    if (isSaving()) {
        value = -1;
        for (int i = 0; i < group.size(); ++i)
            if (group[i]->isChecked())
                value = i;
        return;
    }
    for (int i = 0; i < group.size(); ++i)
        group[i]->setChecked(i == value);
}

void DataExchange::number(QLineEdit* edit, uint32_t& value)
{
    if (m_failed || !edit)
        return;
    if (!isSaving()) {
        edit->setText(QString::number(value));
        return;
    }
    bool ok = false;
    const uint number = edit->text().trimmed().toUInt(&ok);
    if (!ok) {
        fail(edit, "Please enter an integer.");
        return;
    }
    value = number;
}

void DataExchange::date(QLineEdit* edit, OMString& text)
{
    if (m_failed || !edit)
        return;
    if (!isSaving()) {
        edit->setText(text.toQString());
        return;
    }
    const SettingsStore::DateEntry entry =
        SettingsStore::parseDateEntry(OMString::fromQString(edit->text().trimmed()));
    if (!entry.ok()) {
        fail(edit, entry.error);
        return;
    }
    text = entry.text;
}

void DataExchange::fail(QWidget* field, const OMString& message)
{
    m_failed = true;
    m_failedField = field;
    MessageHook::show(message, MessageHook::Warning, MessageHook::Ok);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}
