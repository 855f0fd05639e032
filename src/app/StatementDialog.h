#pragma once

#include "foundation/OMDate.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;

/**
 * Statement...: the period of a customer's statement of account (from the
 * first document, or from a day, to the statement's day), then print it
 * (through the preview) or export it as a PDF.
 */
class StatementDialog : public QDialog
{
    Q_OBJECT
public:
    enum Action { NoAction, PrintStatement, ExportStatement };

    StatementDialog(const QString& customer, QWidget* parent = nullptr);

    /// Empty while the statement runs from the first document.
    ombrel::OMDate from() const;
    ombrel::OMDate asOf() const;
    Action action() const { return m_action; }

    QCheckBox* fromBox() const { return m_fromBox; }
    QDateEdit* fromEdit() const { return m_from; }
    QDateEdit* asOfEdit() const { return m_asOf; }

private:
    QCheckBox* m_fromBox;
    QDateEdit* m_from;
    QDateEdit* m_asOf;
    Action m_action = NoAction;
};
