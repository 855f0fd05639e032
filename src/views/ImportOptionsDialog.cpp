#include "ImportOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

ImportOptionsDialog::ImportOptionsDialog(const InvoiceImport::Options& initial, QWidget* parent)
    : QDialog(parent),
      m_materials(new QCheckBox(
          QStringLiteral("Add all materials as a single summary line in the invoice"), this)),
      m_hire(new QCheckBox(
          QStringLiteral("Add all hire items as a single summary line in the invoice"), this))
{
    setWindowTitle(QStringLiteral("Import Options"));
    m_materials->setChecked(initial.materialsAsOneLine);
    m_hire->setChecked(initial.hireAsOneLine);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Please specify how you want the estimate/quote to "
                                            "be imported into the invoice:"),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(m_materials);
    layout->addWidget(m_hire);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

InvoiceImport::Options ImportOptionsDialog::options() const
{
    InvoiceImport::Options options;
    options.materialsAsOneLine = m_materials->isChecked();
    options.hireAsOneLine = m_hire->isChecked();
    return options;
}
