#include "ExportFileName.h"

#include "documents/JobBaseDoc.h"
#include "records/JobBase.h"

#include <QFile>
#include <QTextBoundaryFinder>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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

// No dots or spaces at either end: a leading dot hides the file, and some
// desktops drop trailing ones.
QString trimmedEnds(QString text)
{
    while (!text.isEmpty() && (text.front() == u'.' || text.front() == u' '))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == u'.' || text.back() == u' '))
        text.chop(1);
    return text;
}

} // namespace

QString ExportFileName::cleaned(const QString& text)
{
    static const QString refused = QStringLiteral("/\\:<>\"|?*");
    QString result;
    result.reserve(text.size());
    const QList<uint> characters = text.toUcs4();
    for (const uint ch : characters) {
        const QChar::Category category = QChar::category(char32_t(ch));
        // A tab or line break parts words as a space does.
        if (QChar::isSpace(char32_t(ch)))
            result += u' ';
        // Controls, direction marks and overrides, zero-width characters,
        // half a surrogate pair, no character at all.
        else if (category == QChar::Other_Control || category == QChar::Other_Format ||
                 category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned ||
                 ch == 0xFFFD)
            continue;
        else if (ch > 0xFFFF || !refused.contains(QChar(char16_t(ch))))
            result += QString::fromUcs4(reinterpret_cast<const char32_t*>(&ch), 1);
    }
    return trimmedEnds(result.simplified());
}

QString ExportFileName::fitted(const QString& stem, int maxBytes)
{
    if (stem.toUtf8().size() <= maxBytes)
        return stem;
    // Cut between whole characters (a letter and its accents, a pair of
    // surrogates stay together).
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, stem);
    qsizetype cut = 0;
    qsizetype bytes = 0;
    for (qsizetype at = boundaries.toNextBoundary(); at > 0; at = boundaries.toNextBoundary()) {
        bytes += stem.mid(cut, at - cut).toUtf8().size();
        if (bytes > maxBytes)
            break;
        cut = at;
    }
    return trimmedEnds(stem.left(cut));
}

int ExportFileName::nameLimit(const QString& folder)
{
    long limit = MaxNameBytes;
#ifdef Q_OS_UNIX
    const long system = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    if (system > 0)
        limit = std::min(system, limit);
#else
    Q_UNUSED(folder);
#endif
    // An atomic save writes "NAME.XXXXXX" beside the file first.
    return int(limit) - 7;
}

QString ExportFileName::forDocument(const JobBaseDoc& document, const QString& folder)
{
    QString name = cleaned(document.displayName());
    const QString customer =
        cleaned(customerName(document.record() ? &document.record()->customer : nullptr));
    if (!customer.isEmpty())
        name = name.isEmpty() ? customer : name + u' ' + customer;
    static const QString extension = QStringLiteral(".pdf");
    name = fitted(name, nameLimit(folder) - int(extension.size()));
    if (name.isEmpty())
        name = QStringLiteral("Document");
    return name + extension;
}
