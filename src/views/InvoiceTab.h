#pragma once

#include "EditTab.h"
#include "records/Percentage.h"

#include <QString>
#include <cstdint>

class DocumentKind;
class FieldLabel;
class JobInvoice;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

/**
 * The "Description" tab of invoices and credit notes: number and date, each automatic unless
 * its "Specify" box is ticked, the payment terms ("Payment due in N days, Add
 * P % if overdue"), the E&OE switch, additional terms, the customer's
 * reference and the description, which takes the room the tab has to spare.
 *
 * The date is read when the user leaves its field: a text that is no date is
 * refused with the reason and the focus stays in the field; another accepted
 * form (with dots, without the year) is rewritten in the date format. The
 * overdue percentage keeps its decimals (12.5). A credit note's tab (setKind)
 * names its own kind, has no payment terms, and shows the invoice it corrects:
 * its reference and date (which may be left empty).
 *
 * The owning view moves its record through `fields`:
 *
 *     m_invoiceTab.loadInvoice(invoice);  // before a load pass
 *     TabbedEditView::exchangeData(save);
 *     m_invoiceTab.saveInvoice(invoice); // after a save pass, while modified
 */
class InvoiceTab : public EditTab
{
    Q_OBJECT

public:
    struct Fields
    {
        QString reference;
        /// "\n" line breaks, as in `extraTerms`.
        QString description;
        bool displayEAOE = true;
        bool specifyNumber = false;
        /// Ticked when the record holds a date of its own.
        bool specifyDate = false;
        bool addOverdue = false;
        uint32_t daysToPay = 0;
        Percentage overduePercentage;
        QString number;
        /// The number as the view last loaded it: shown again when the user
        /// stops specifying one.
        QString loadedNumber;
        QString extraTerms;
        /// In the date format setting.
        QString date;
        /// A credit note's invoice: its reference and date (date format; may be empty).
        QString correctsReference;
        QString correctsDate;
    };

    explicit InvoiceTab(QWidget* parent = nullptr);

    /// Words the fields after `kind` ("Credit note &number"); a kind other
    /// than the invoice has no payment terms, and a credit note shows the
    /// invoice it corrects.
    void setKind(const DocumentKind& kind);
    /// The fields of the dates and terms: changing them in an issued document asks first.
    QList<QWidget*> issuedFields() const;

    /// Sets every field from `invoice`; the date shown is its document date.
    void loadInvoice(const JobInvoice& invoice);
    /// Puts the fields into `invoice`: the number through setDocReference,
    /// the date when specified (else the stored date is cleared, so the
    /// creation date counts), and the rest as they are.
    void saveInvoice(JobInvoice& invoice) const;

    Fields fields;

protected:
    void exchangeData(DataExchange& dx) override;
    QWidget* firstField() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxClicked(QCheckBox* box);
    void enableFields();
    /// Reads the date field as the user leaves it.
    void checkDate();

    QLineEdit* m_number;
    QCheckBox* m_specifyNumber;
    QLineEdit* m_date;
    QCheckBox* m_specifyDate;
    QLineEdit* m_daysToPay;
    QCheckBox* m_addOverdue;
    QLineEdit* m_percent;
    QCheckBox* m_eaoe;
    QPlainTextEdit* m_terms;
    QLineEdit* m_reference;
    QPlainTextEdit* m_description;
    FieldLabel* m_numberLabel;
    FieldLabel* m_dateLabel;
    FieldLabel* m_percentLabel;
    QLineEdit* m_corrects;
    QLineEdit* m_correctsDate;
    QWidget* m_paymentTerms;
    FieldLabel* m_paymentLabel;
    QWidget* m_correctsRow;
    FieldLabel* m_correctsLabel;
    bool m_credit = false;
};
