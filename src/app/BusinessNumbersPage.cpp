#include "BusinessNumbersPage.h"

#include "NextNumbersBox.h"

#include <QFormLayout>

BusinessNumbersPage::BusinessNumbersPage(QWidget* parent)
    : BusinessWizardPage(tr("Numbers"),
                         tr("<b>If you are an existing business please enter numbers of the next "
                            "estimates, quotes and invoices to be generated.</b>"),
                         parent),
      m_numbers(new NextNumbersBox(this))
{
    form()->addRow(m_numbers);
    connect(m_numbers, &NextNumbersBox::changed, this, [this] { setModified(); });
}

void BusinessNumbersPage::loadSettings()
{
    m_numbers->loadSettings();
}

bool BusinessNumbersPage::canSave()
{
    return m_numbers->canSave();
}

void BusinessNumbersPage::saveSettings()
{
    QString error;
    noteWrite(m_numbers->saveSettings(&error), error);
}
