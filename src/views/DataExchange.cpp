#include "DataExchange.h"

#include "MessageHook.h"
#include "foundation/OMUInt32.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using ombrel::OMString;

void DataExchange::text(QLineEdit* edit, QString& value)
{
    if (m_failed || !edit)
        return;
    if (isSaving())
        value = edit->text();
    else
        edit->setText(value);
}

void DataExchange::multiLineText(QPlainTextEdit* edit, QString& value)
{
    if (m_failed || !edit)
        return;
    if (isSaving()) {
        value = edit->toPlainText();
        value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    } else {
        edit->setPlainText(value);
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
        fail(edit, QStringLiteral("Please enter an integer."));
        return;
    }
    value = number;
}

void DataExchange::date(QLineEdit* edit, QString& text)
{
    if (m_failed || !edit)
        return;
    if (!isSaving()) {
        edit->setText(text);
        return;
    }
    const SettingsStore::DateEntry entry =
        SettingsStore::parseDateEntry(OMString::fromQString(edit->text().trimmed()));
    if (!entry.ok()) {
        fail(edit, entry.error.toQString());
        return;
    }
    text = entry.text.toQString();
}

void DataExchange::fail(QWidget* field, const QString& message)
{
    m_failed = true;
    m_failedField = field;
    MessageHook::show(message, MessageHook::Warning, MessageHook::Ok);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}
