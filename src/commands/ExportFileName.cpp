#include "ExportFileName.h"

#include "documents/JobBaseDoc.h"
#include "records/JobBase.h"

namespace {

// The surname names a customer on the documents' own lists; a firm without
// a contact goes by its name.
QString customerName(const Customer* customer)
{
    if (!customer)
        return {};
    for (const ombrel::OMString* part : {&customer->surname, &customer->company, &customer->name})
        if (const QString text = part->toQString().trimmed(); !text.isEmpty())
            return text;
    return {};
}

} // namespace

QString ExportFileName::cleaned(const QString& text)
{
    static const QString refused = QStringLiteral("/\\:<>\"|?*");
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        // A tab or line break parts words as a space does.
        if (ch.isSpace())
            result += u' ';
        else if (ch.category() != QChar::Other_Control && !refused.contains(ch))
            result += ch;
    }
    result = result.simplified();
    while (!result.isEmpty() && (result.front() == u'.' || result.front() == u' '))
        result.remove(0, 1);
    while (!result.isEmpty() && (result.back() == u'.' || result.back() == u' '))
        result.chop(1);
    return result;
}

QString ExportFileName::forDocument(const JobBaseDoc& document)
{
    QString name = cleaned(document.displayName());
    const QString customer =
        cleaned(customerName(document.record() ? &document.record()->customer : nullptr));
    if (!customer.isEmpty())
        name = name.isEmpty() ? customer : name + u' ' + customer;
    if (name.isEmpty())
        name = QStringLiteral("Document");
    return name + QStringLiteral(".pdf");
}
