#pragma once

#include "documents/InvoiceImport.h"

#include <QDialog>

class QCheckBox;

/// Asks how an estimate or quote goes into an invoice: materials and hire
/// line by line, or each as one summary line. The boxes start as `initial`
/// holds them (the choice made last time).
class ImportOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ImportOptionsDialog(const InvoiceImport::Options& initial = {},
                                 QWidget* parent = nullptr);

    InvoiceImport::Options options() const;

private:
    QCheckBox* m_materials;
    QCheckBox* m_hire;
};
