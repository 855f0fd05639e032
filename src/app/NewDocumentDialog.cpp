#include "NewDocumentDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

NewDocumentDialog::NewDocumentDialog(const QStringList& kinds, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(tr("New"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&New"), this);
    label->setBuddy(m_list);
    layout->addWidget(label);
    m_list->addItems(kinds);
    m_list->setCurrentRow(0);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    resize(260, 200);
}

int NewDocumentDialog::chosen() const
{
    return m_list->currentRow();
}
