#include "StatementDialog.h"

#include "AsOfDateEdit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using ombrel::OMDate;

StatementDialog::StatementDialog(const QString& customer, bool canMail, QWidget* parent)
    : QDialog(parent), m_fromBox(new QCheckBox(tr("&From:"), this)),
      m_from(new AsOfDateEdit(tr("From"), this, QDate(QDate::currentDate().year(), 1, 1))),
      m_asOf(new AsOfDateEdit(tr("Statement date"), this))
{
    setWindowTitle(tr("Statement of Account"));
    auto* who = new QLabel(customer, this);
    who->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_from->setEnabled(false);
    connect(m_fromBox, &QCheckBox::toggled, m_from, &QWidget::setEnabled);

    auto* form = new QFormLayout;
    form->addRow(m_fromBox, m_from);
    form->addRow(tr("&Statement date:"), m_asOf);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    const auto addButton = [&](const QString& text, Action action) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::AcceptRole);
        connect(button, &QPushButton::clicked, this, [this, action] {
            m_action = action;
            accept();
        });
        return button;
    };
    addButton(tr("&Print..."), PrintStatement)->setDefault(true);
    addButton(tr("&Export as PDF..."), ExportStatement);
    if (canMail)
        addButton(tr("Send by E-&mail..."), MailStatement);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(who);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

OMDate StatementDialog::from() const
{
    return m_fromBox->isChecked() ? m_from->day() : OMDate();
}

OMDate StatementDialog::asOf() const
{
    return m_asOf->day();
}
