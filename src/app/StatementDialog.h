#pragma once

#include "foundation/OMDate.h"

#include <QDialog>

class AsOfDateEdit;
class QCheckBox;

/**
 * Statement...: the period of a customer's statement of account (from the
 * first document, or from a day, to the statement's day), then print it
 * (through the preview), export it as a PDF or send it by e-mail.
 */
class StatementDialog : public QDialog
{
    Q_OBJECT
public:
    enum Action { NoAction, PrintStatement, ExportStatement, MailStatement };

    /// Send by E-mail is offered when `canMail`.
    StatementDialog(const QString& customer, bool canMail, QWidget* parent = nullptr);

    /// Empty while the statement runs from the first document.
    ombrel::OMDate from() const;
    ombrel::OMDate asOf() const;
    Action action() const { return m_action; }

    QCheckBox* fromBox() const { return m_fromBox; }
    AsOfDateEdit* fromEdit() const { return m_from; }
    AsOfDateEdit* asOfEdit() const { return m_asOf; }

private:
    QCheckBox* m_fromBox;
    AsOfDateEdit* m_from;
    AsOfDateEdit* m_asOf;
    Action m_action = NoAction;
};
