#include "JobInvoiceEditView.h"

#include "ItemGrid.h"
#include "MessageHook.h"
#include "TotalsStrip.h"
#include "documents/JobInvoiceDoc.h"
#include "print/InvoicePage.h"
#include "print/PageOptions.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

JobInvoiceEditView::JobInvoiceEditView(JobInvoiceDoc* document, const TextStyles& styles,
                                       QWidget* parent)
    : TabbedEditView(document, parent), m_doc(document), m_styles(styles), m_preview(styles),
      m_showPaymentDetails(SettingsStore::isSet(SettingKeys::ShowAllInvoicePayments))
{
    m_invoiceTab.setKind(document->record()->kind());
    ItemGrid* grid = m_items.grid();
    m_gridTriggers = int(grid->editTriggers());
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    for (QWidget* field : issuedFields())
        field->installEventFilter(this);
}

JobInvoiceEditView::~JobInvoiceEditView()
{
    // The tabs go before the view: events that come while they go are not theirs.
    m_guarding = false;
    m_items.grid()->removeEventFilter(this);
    m_items.grid()->viewport()->removeEventFilter(this);
    for (QWidget* field : issuedFields())
        field->removeEventFilter(this);
}

QList<QWidget*> JobInvoiceEditView::issuedFields() const
{
    // The reverse charge changes what the customer was asked to pay, as a date does.
    QList<QWidget*> fields = m_invoiceTab.issuedFields();
    fields.append(m_items.reverseChargeBox());
    return fields;
}

bool JobInvoiceEditView::mayChangeIssued()
{
    if (m_editIssued || !m_doc->isIssued())
        return true;
    const QStringList answers = {tr("&Credit Note"), tr("&Edit Anyway"), tr("Cancel")};
    switch (MessageHook::show(m_doc->issuedQuestion(), MessageHook::Question,
                              MessageHook::YesNoCancel, answers)) {
    case MessageHook::AnswerNo:
        m_editIssued = true;
        m_items.grid()->setEditTriggers(QAbstractItemView::EditTriggers(m_gridTriggers));
        return true;
    case MessageHook::AnswerYes:
        emit creditNoteRequested();
        return false;
    default:
        return false;
    }
}

namespace {

/// Whether a key press asks a field or a grid to change (not to move about).
bool isEditKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return ItemGrid::commandForKey(key.key(), key.modifiers()) != ItemGrid::NoCommand;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_F2:
        return true;
    default:
        break;
    }
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
        key.matches(QKeySequence::Undo) ||
        ItemGrid::commandForKey(key.key(), key.modifiers()) != ItemGrid::NoCommand)
        return true;
    // Printable text, unless a shortcut of the window (Ctrl+C copies).
    return !key.text().isEmpty() && key.text().at(0).isPrint() &&
           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

bool JobInvoiceEditView::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_guarding)
        return TabbedEditView::eventFilter(watched, event);
    ItemGrid* grid = m_items.grid();
    const bool guarded = watched == grid || watched == grid->viewport() ||
                         issuedFields().contains(static_cast<QWidget*>(watched));
    if (!guarded || m_editIssued || !m_doc->isIssued())
        return TabbedEditView::eventFilter(watched, event);
    // The grid opens no cell editor by itself while the question stands.
    if (grid->editTriggers() != QAbstractItemView::NoEditTriggers)
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bool attempt = false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A box takes Space; a field or the grid takes text and editing keys.
        const auto& key = *static_cast<QKeyEvent*>(event);
        attempt =
            qobject_cast<QAbstractButton*>(watched) ? key.key() == Qt::Key_Space : isEditKey(key);
        break;
    }
    case QEvent::MouseButtonPress:
        attempt = qobject_cast<QAbstractButton*>(watched) != nullptr;
        break;
    case QEvent::MouseButtonDblClick:
        attempt = watched == grid->viewport();
        break;
    case QEvent::ContextMenu:
        attempt = true;
        break;
    default:
        break;
    }
    if (attempt && !mayChangeIssued())
        return true;
    return TabbedEditView::eventFilter(watched, event);
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
    return StringTable::text(m_doc->record()->kind().pageTitleId).toQString();
}

bool JobInvoiceEditView::exchangeData(bool save)
{
    JobInvoice& record = invoice();
    if (!save) {
        m_invoiceTab.loadInvoice(record);
        m_customer.loadCustomer(record.customer);
        m_items.bindItems(&record.items);
        m_items.fields.reverseCharge = record.reverseCharge;
        m_items.fields.offered = JobInvoice::reverseChargeQualifies(record.customer, vatFlag());
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
        record.reverseCharge = m_items.fields.reverseCharge;
        followCustomer(record);
    }
    // The grids rebuilt the lines and payments: the stamp follows at once, so
    // the page shows it when next composed (at its next paint: leaving the
    // preview for another tab is no reason to compose it).
    setOverdueStamp();
    if (copy)
        m_preview.pageChanged();
    return ok;
}

bool JobInvoiceEditView::showsTotals(const EditTab* tab) const
{
    return tab == &m_items || tab == &m_payments;
}

void JobInvoiceEditView::followCustomer(JobInvoice& record)
{
    // A change of customer sets the reverse charge to what the new one
    // calls for; the user's choice for the same customer stands.
    const bool before = JobInvoice::reverseChargeQualifies(record.customer, vatFlag());
    m_customer.saveCustomer(record.customer);
    const bool now = JobInvoice::reverseChargeQualifies(record.customer, vatFlag());
    if (now != before)
        record.reverseCharge = now;
    m_items.setReverseCharge(record.reverseCharge, now);
}

void JobInvoiceEditView::takeFigures(EditTab* tab)
{
    if (tab == &m_items)
        invoice().reverseCharge = m_items.fields.reverseCharge;
    // The rows' items are copied as they are, without closing the editor
    // that is committing.
    if (auto* grid = qobject_cast<GridTab*>(tab))
        grid->saveRows();
}

void JobInvoiceEditView::refreshTotals()
{
    FigureInputs inputs = FigureInputs::current();
    inputs.vatRegistered = vatFlag();
    totalsStrip()->setFigures(TotalsStrip::invoiceFigures(invoice().summary(inputs), vatFlag()));
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
                                                     const InvoiceImport::Options& options,
                                                     QString* imported)
{
    // What is on screen goes into the record first, so nothing typed is lost.
    updateData(true);
    InvoiceImport import;
    QString error;
    const InvoiceImport::Result result = import.read(path, &error);
    if (result == InvoiceImport::Refused)
        MessageHook::show(error, MessageHook::Error, MessageHook::Ok);
    if (result == InvoiceImport::Imported) {
        takeIn(import, options);
        if (imported)
            *imported = import.sourceName();
    }
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
