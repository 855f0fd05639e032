#include "BusinessWizardPage.h"

#include "RichTextLabel.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

BusinessWizardPage::BusinessWizardPage(const QString& title, const QString& promptHtml,
                                       QWidget* parent)
    : PropertyPage(title, parent), m_prompt(new RichTextLabel(promptHtml, this)),
      m_form(new QFormLayout)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_prompt);
    layout->addSpacing(m_prompt->fontMetrics().lineSpacing());
    layout->addLayout(m_form);
    layout->addStretch(1);
}

void BusinessWizardPage::addField(const QString& label, QWidget* field)
{
    auto* text = new QLabel(label, this);
    text->setBuddy(field);
    field->setAccessibleName(QString(label).remove(u'&').remove(u':').trimmed());
    m_form->addRow(text, field);
}
