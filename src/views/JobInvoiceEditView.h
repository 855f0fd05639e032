#pragma once

#include "CustomerTab.h"
#include "InvoiceItemsTab.h"
#include "InvoiceTab.h"
#include "PaymentsTab.h"
#include "PreviewTab.h"
#include "TabbedEditView.h"
#include "documents/InvoiceImport.h"

class JobInvoice;
class JobInvoiceDoc;
class TextStyles;

/**
 * The view of an invoice or a credit note: its tabs in display order, the
 * View menu's Payment Details switch, and the overdue stamp, which follows
 * every exchange pass.
 *
 * Once the document has been issued (printed, exported or e-mailed), the
 * first attempt to change its lines, their VAT or its dates (typing, a
 * double click, a row command or a context menu in those fields, File,
 * Import) asks "Invoice 2401 was sent on 8 October. Make a credit note
 * instead?": Credit Note leaves the document as it is and emits
 * creditNoteRequested, Edit Anyway lets the change through and asks no more
 * while the view lives, Cancel drops it. Payments are never asked about.
 */
class JobInvoiceEditView : public TabbedEditView
{
    Q_OBJECT

public:
    JobInvoiceEditView(JobInvoiceDoc* document, const TextStyles& styles,
                       QWidget* parent = nullptr);
    ~JobInvoiceEditView() override;

    JobInvoice& invoice() const;
    CustomerTab& customer() { return m_customer; }
    InvoiceTab& invoiceTab() { return m_invoiceTab; }
    InvoiceItemsTab& items() { return m_items; }
    PaymentsTab& payments() { return m_payments; }
    PreviewTab& preview() { return m_preview; }
    PreviewTab* previewTab() override { return &m_preview; }

    void onInitialUpdate() override;
    QString pageTitle() const override;
    void composePage(GPage& page, const PageFonts& fonts) override;

    bool showPaymentDetails() const { return m_showPaymentDetails; }
    /// Offered only on the Preview tab.
    bool isPaymentDetailsEnabled() const { return isPreviewCurrent(); }
    void togglePaymentDetails();
    /// Takes a saved estimate or quote into the invoice, then shows the result.
    /// `imported` gets what was taken in ("Estimate 1001").
    InvoiceImport::Result importFile(const QString& path, const InvoiceImport::Options& options,
                                     QString* imported = nullptr);
    /// Takes an estimate or quote in memory into the invoice, asking as
    /// importFile() does; `source` is not changed.
    void importRecord(const Job& source, const InvoiceImport::Options& options);
    /// "OVERDUE" while the invoice is overdue, "PAID" once it is settled, else empty.
    const QString& overdueStamp() const { return m_overdueStamp; }

    /// Whether the lines, VAT and dates may change now: while not issued,
    /// or after Edit Anyway; else asks (see the class comment).
    bool mayChangeIssued();

signals:
    /// The user answered Credit Note to the question about an issued document.
    void creditNoteRequested();

protected:
    bool exchangeData(bool save) override;
    /// Items and Payments: net, VAT, total, paid and the amount due.
    bool showsTotals(const EditTab* tab) const override;
    void takeFigures(EditTab* tab) override;
    void refreshTotals() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setOverdueStamp();
    /// The fields whose change in an issued document asks first.
    QList<QWidget*> issuedFields() const;
    /// Takes the customer from its tab into `record`, setting the reverse
    /// charge when the customer changes to one who qualifies (clearing it for
    /// one who does not).
    void followCustomer(JobInvoice& record);
    /// Asks about a named customer, takes the source in and shows the result.
    void takeIn(const InvoiceImport& import, const InvoiceImport::Options& options);

    JobInvoiceDoc* m_doc;
    const TextStyles& m_styles;
    // The tabs, in the order they are shown.
    CustomerTab m_customer;
    InvoiceTab m_invoiceTab;
    InvoiceItemsTab m_items;
    PaymentsTab m_payments;
    PreviewTab m_preview;
    QString m_overdueStamp;
    bool m_showPaymentDetails;
    /// Edit Anyway was chosen: the issued document may change without asking.
    bool m_editIssued = false;
    /// The guarded fields are watched (not while the view is being destroyed).
    bool m_guarding = true;
    /// The edit triggers of the lines' grid while it may be edited.
    int m_gridTriggers = 0;
};
