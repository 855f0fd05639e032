#include "OptionsNumbersPage.h"

#include "NextNumbersBox.h"

#include <QGroupBox>
#include <QVBoxLayout>

OptionsNumbersPage::OptionsNumbersPage(QWidget* parent)
    : PropertyPage(tr("Document Numbers"), parent), m_numbers(new NextNumbersBox(this))
{
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Document Numbers"), this);
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(m_numbers);
    layout->addWidget(box);
    layout->addStretch(1);
    connect(m_numbers, &NextNumbersBox::changed, this, [this] { setModified(); });
}

void OptionsNumbersPage::loadSettings()
{
    m_numbers->loadSettings();
}

bool OptionsNumbersPage::canSave()
{
    return m_numbers->canSave();
}

void OptionsNumbersPage::saveSettings()
{
    QString error;
    noteWrite(m_numbers->saveSettings(&error), error);
}
