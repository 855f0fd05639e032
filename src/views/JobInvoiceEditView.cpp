#include "JobInvoiceEditView.h"

#include "MessageHook.h"
#include "documents/JobInvoiceDoc.h"
#include "print/InvoicePage.h"
#include "print/PageOptions.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

JobInvoiceEditView::JobInvoiceEditView(JobInvoiceDoc* document, const TextStyles& styles,
                                       QWidget* parent)
    : TabbedEditView(document, parent), m_doc(document), m_styles(styles), m_preview(styles),
      m_showPaymentDetails(SettingsStore::isSet(SettingKeys::ShowAllInvoicePayments))
{
}

JobInvoice& JobInvoiceEditView::invoice() const
{
    return m_doc->invoice();
}

void JobInvoiceEditView::onInitialUpdate()
{
    addTab(IDS_TAB_CUSTOMER, &m_customer);
    addTab(IDS_TAB_DESCRIPTION, &m_invoiceTab);
    addTab(IDS_TAB_ITEMS, &m_items);
    addTab(IDS_TAB_PAYMENTS, &m_payments);
    addTab(IDS_TAB_PREVIEW, &m_preview);
    TabbedEditView::onInitialUpdate();
}

QString JobInvoiceEditView::pageTitle() const
{
    return StringTable::text(IDS_TITLE_INVOICE).toQString();
}

bool JobInvoiceEditView::exchangeData(bool save)
{
    JobInvoice& record = invoice();
    if (!save) {
        m_invoiceTab.loadInvoice(record);
        m_customer.loadCustomer(record.customer);
        m_items.bindItems(&record.items);
        m_payments.bindPayments(&record.payments);
        const bool ok = TabbedEditView::exchangeData(false);
        setOverdueStamp();
        return ok;
    }
    const bool ok = TabbedEditView::exchangeData(true);
    const bool copy = ok && document()->isModified();
    if (copy) {
        m_invoiceTab.saveInvoice(record); // the number first: the title below shows it
        record.updated = ombrel::OMTime(true);
        if (m_doc->numberTaken()) {
            // A new invoice never saved is still named after its number.
            document()->setTitle(m_doc->displayName());
        }
        m_customer.saveCustomer(record.customer);
    }
    // The grids rebuilt the lines and payments: the stamp follows at once, so
    // the page shows it when next composed (at its next paint: leaving the
    // preview for another tab is no reason to compose it).
    setOverdueStamp();
    if (copy)
        m_preview.pageChanged();
    return ok;
}

void JobInvoiceEditView::setOverdueStamp()
{
    m_overdueStamp = InvoicePage::stampText(invoice(), vatFlag()).toQString();
    m_preview.setStampText(m_overdueStamp);
}

void JobInvoiceEditView::composePage(GPage& page, const PageFonts& fonts)
{
    PageOptions options;
    options.vat = vatFlag();
    options.showPaymentDetails = m_showPaymentDetails;
    options.pageTitle = ombrel::OMString::fromQString(pageTitle());
    options.stampText = ombrel::OMString::fromQString(m_overdueStamp);
    InvoicePage::composePage(page, invoice(), options, m_styles, fonts);
}

void JobInvoiceEditView::togglePaymentDetails()
{
    m_showPaymentDetails = !m_showPaymentDetails;
    m_preview.refreshPage();
    update();
}

InvoiceImport::Result JobInvoiceEditView::importFile(const QString& path,
                                                     const InvoiceImport::Options& options)
{
    // What is on screen goes into the record first, so nothing typed is lost.
    updateData(true);
    InvoiceImport import;
    QString error;
    const InvoiceImport::Result result = import.read(path, &error);
    if (result == InvoiceImport::Refused)
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
    if (result == InvoiceImport::Imported)
        takeIn(import, options);
    return result;
}

void JobInvoiceEditView::importRecord(const Job& source, const InvoiceImport::Options& options)
{
    updateData(true);
    takeIn(InvoiceImport(source), options);
}

void JobInvoiceEditView::takeIn(const InvoiceImport& import, const InvoiceImport::Options& options)
{
    // A customer with a name is only replaced when the user agrees.
    InvoiceImport::Options chosen = options;
    chosen.replaceNamedCustomer =
        InvoiceImport::wouldReplaceCustomer(invoice()) &&
        MessageHook::show(StringTable::text(IDS_OVERWRITE_CUSTOMER).toQString(),
                          MessageHook::Question, MessageHook::YesNo) == MessageHook::AnswerYes;
    import.applyTo(invoice(), chosen);
    updateData(false);
    document()->setModified(true);
    m_preview.refreshPage();
    update();
}
