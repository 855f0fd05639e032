#include "DocumentKind.h"

#include "JobCreditNote.h"
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
    // In the order of Id. (No reference members: GCC 12 leaves the first
    // element of such an array of aggregates zero.)
    static const DocumentKind kinds[] = {
        {
            .id = Estimate,
            .resourceId = 130,
            .name = "estimate",
            .title = "Estimate",
            .extension = "vle",
            .mimeType = "application/x-vorlane-estimate",
            .fileTypeId = "VorlaneEstimate.Document",
            .pageTitleId = IDS_TITLE_ESTIMATE,
            .page = JobPage,
            .nextNumberSetting = &SettingKeys::NextEstimateNo,
            .termsSetting = &SettingKeys::TermsEstimate,
            .termsLabel = QT_TRANSLATE_NOOP("DocumentKind", "Estimates are &valid for"),
            .imports = {},
            .commands = NewInvoiceCommand | JobSectionsCommand,
            .tracksIssue = false,
            .createRecord = create<JobEstimate>,
        },
        {
            .id = Invoice,
            .resourceId = 131,
            .name = "invoice",
            .title = "Invoice",
            .extension = "vli",
            .mimeType = "application/x-vorlane-invoice",
            .fileTypeId = "VorlaneInvoice.Document",
            .pageTitleId = IDS_TITLE_INVOICE,
            .page = InvoicePage,
            .nextNumberSetting = &SettingKeys::NextInvoiceNo,
            .termsSetting = &SettingKeys::TermsInvoice,
            .termsLabel = QT_TRANSLATE_NOOP("DocumentKind", "&Invoices must be paid within"),
            .imports = {Estimate, Quote},
            .commands =
                ImportCommand | PaymentDetailsCommand | NewCreditNoteCommand | ReminderCommand,
            .tracksIssue = true,
            .createRecord = create<JobInvoice>,
        },
        {
            .id = Quote,
            .resourceId = 132,
            .name = "quote",
            .title = "Quote",
            .extension = "vlq",
            .mimeType = "application/x-vorlane-quote",
            .fileTypeId = "VorlaneQuote.Document",
            .pageTitleId = IDS_TITLE_QUOTE,
            .page = JobPage,
            .nextNumberSetting = &SettingKeys::NextQuoteNo,
            .termsSetting = &SettingKeys::TermsQuote,
            .termsLabel = QT_TRANSLATE_NOOP("DocumentKind", "&Quotes are valid for"),
            .imports = {Estimate},
            .commands = ImportCommand | NewInvoiceCommand | JobSectionsCommand,
            .tracksIssue = false,
            .createRecord = create<JobQuote>,
        },
        {
            .id = CreditNote,
            .resourceId = 134,
            .name = "creditnote",
            .title = "Credit Note",
            .extension = "vln",
            .mimeType = "application/x-vorlane-creditnote",
            .fileTypeId = "VorlaneCreditNote.Document",
            .pageTitleId = IDS_TITLE_CREDIT_NOTE,
            .page = InvoicePage,
            .nextNumberSetting = &SettingKeys::NextCreditNoteNo,
            .termsSetting = nullptr,
            .termsLabel = nullptr,
            .imports = {},
            .commands = PaymentDetailsCommand,
            .tracksIssue = true,
            .createRecord = create<JobCreditNote>,
        },
    };
    static const QList<const DocumentKind*> list{&kinds[0], &kinds[1], &kinds[2], &kinds[3]};
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
