#pragma once

#include "documents/InvoiceImport.h"

#include <QDialog>

class QCheckBox;

/// Asks how an estimate or quote goes into an invoice: materials and hire
/// line by line, or each as one summary line. Both start unticked.
class ImportOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportOptionsDialog(QWidget* parent = nullptr);

    InvoiceImport::Options options() const;

private:
    QCheckBox* m_materials;
    QCheckBox* m_hire;
};
