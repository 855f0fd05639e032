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
    connect(m_numbers, &NextNumbersBox::changed, this, [this] { SetModified(); });
}

void BusinessNumbersPage::LoadData()
{
    m_numbers->Load();
}

bool BusinessNumbersPage::CanSave()
{
    return m_numbers->CanSave();
}

void BusinessNumbersPage::SaveData()
{
    m_numbers->Save();
}
