#include "DocumentPrinter.h"

#include "documents/DocumentTemplates.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/JobQuoteDoc.h"
#include "views/JobEstimateEditView.h"
#include "views/JobInvoiceEditView.h"
#include "views/JobQuoteEditView.h"

#include <QPrinter>
#include <memory>

bool DocumentPrinter::print(const QString& path, QPrinter& printer,
                            const DocumentTemplates& templates, const TextStyles& styles)
{
    std::unique_ptr<Document> document = templates.openDocumentFile(path);
    if (!document)
        return false;
    // A view that is never shown composes the page exactly as on screen.
    std::unique_ptr<TabbedEditView> view;
    if (auto* invoice = dynamic_cast<JobInvoiceDoc*>(document.get()))
        view = std::make_unique<JobInvoiceEditView>(invoice, styles);
    else if (auto* quote = dynamic_cast<JobQuoteDoc*>(document.get()))
        view = std::make_unique<JobQuoteEditView>(quote, styles);
    else if (auto* estimate = dynamic_cast<JobEstimateDoc*>(document.get()))
        view = std::make_unique<JobEstimateEditView>(estimate, styles);
    else
        return false;
    view->OnInitialUpdate();
    printer.setDocName(path);
    if (auto* invoiceView = qobject_cast<JobInvoiceEditView*>(view.get()))
        invoiceView->preview().printAll(printer);
    else
        static_cast<JobEditView*>(view.get())->preview().printAll(printer);
    return true;
}
