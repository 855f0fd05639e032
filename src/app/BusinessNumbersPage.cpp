#include "BusinessNumbersPage.h"

#include "NextNumbersBox.h"

#include <QFormLayout>

BusinessWizardControl::BusinessWizardControl(QWidget* parent)
    : BusinessWizardPage(tr("Numbers"),
                         tr("<b>If you are an existing business please enter numbers of the next "
                            "estimates, quotes and invoices to be generated.</b>"),
                         parent),
      m_numbers(new NextNumbersBox(this))
{
    form()->addRow(m_numbers);
    connect(m_numbers, &NextNumbersBox::changed, this, [this] { SetModified(); });
}

void BusinessWizardControl::LoadData()
{
    m_numbers->Load();
}

bool BusinessWizardControl::CanSave()
{
    return m_numbers->CanSave();
}

void BusinessWizardControl::SaveData()
{
    m_numbers->Save();
}
