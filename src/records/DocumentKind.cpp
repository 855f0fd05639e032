#include "DocumentKind.h"

#include "JobEstimate.h"
#include "JobInvoice.h"
#include "JobQuote.h"
#include "resources/StringTable.h"
#include "settings/SettingKeys.h"

namespace {

template <typename Record> std::unique_ptr<JobBase> create()
{
    return std::make_unique<Record>();
}

} // namespace

QString DocumentKind::filter() const
{
    return QStringLiteral("Vorlane %1 Files (*.%2)")
        .arg(QLatin1String(title), QLatin1String(extension));
}

bool DocumentKind::matchesPath(const QString& path) const
{
    return path.endsWith(u'.' + QLatin1String(extension), Qt::CaseInsensitive);
}

const QList<const DocumentKind*>& DocumentKind::all()
{
    // In the order of Id.
    static const DocumentKind kinds[] = {
    {
        DocumentKind::Estimate, 130, "estimate", "Estimate", "vle",
        "application/x-vorlane-estimate", "VorlaneEstimate.Document", IDS_TITLE_ESTIMATE,
        DocumentKind::JobPage, SettingKeys::NextEstimateNo, SettingKeys::TermsEstimate, {},
        DocumentKind::NewInvoiceCommand | DocumentKind::JobSectionsCommand, create<JobEstimate>},

    {
        DocumentKind::Invoice, 131, "invoice", "Invoice", "vli",
        "application/x-vorlane-invoice", "VorlaneInvoice.Document", IDS_TITLE_INVOICE,
        DocumentKind::InvoicePage, SettingKeys::NextInvoiceNo, SettingKeys::TermsInvoice,
    {DocumentKind::Estimate, DocumentKind::Quote},
        DocumentKind::ImportCommand | DocumentKind::PaymentDetailsCommand, create<JobInvoice>},

    {
        DocumentKind::Quote, 132, "quote", "Quote", "vlq",
        "application/x-vorlane-quote", "VorlaneQuote.Document", IDS_TITLE_QUOTE,
        DocumentKind::JobPage, SettingKeys::NextQuoteNo, SettingKeys::TermsQuote,
    {DocumentKind::Estimate},
        DocumentKind::ImportCommand | DocumentKind::NewInvoiceCommand |
            DocumentKind::JobSectionsCommand,
        create<JobQuote>},
    };
    static const QList<const DocumentKind*> list{&kinds[0], &kinds[1], &kinds[2]};
    return list;
}

const DocumentKind& DocumentKind::get(Id id)
{
    return *all().at(int(id));
}

const DocumentKind* DocumentKind::forPath(const QString& path)
{
    for (const DocumentKind* kind : all())
        if (kind->matchesPath(path))
            return kind;
    return nullptr;
}

const DocumentKind* DocumentKind::forResource(int resourceId)
{
    for (const DocumentKind* kind : all())
        if (kind->resourceId == resourceId)
            return kind;
    return nullptr;
}

QString DocumentKind::allFilesFilter()
{
    QStringList patterns;
    for (const DocumentKind* kind : all())
        patterns << QStringLiteral("*.") + QLatin1String(kind->extension);
    return QStringLiteral("Vorlane Files (%1)").arg(patterns.join(u' '));
}
