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
 * The view of an invoice: its tabs in display order, the View menu's Payment
 * Details switch, and the overdue stamp, which follows every exchange pass.
 */
class JobInvoiceEditView : public TabbedEditView
{
    Q_OBJECT

public:
    JobInvoiceEditView(JobInvoiceDoc* document, const TextStyles& styles,
                       QWidget* parent = nullptr);

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

protected:
    bool exchangeData(bool save) override;
    /// Items and Payments: net, VAT, total, paid and the amount due.
    bool showsTotals(const EditTab* tab) const override;
    void takeFigures(EditTab* tab) override;
    void refreshTotals() override;

private:
    void setOverdueStamp();
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
};
