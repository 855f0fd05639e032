#include "LedgerCommand.h"

#include "ledger/DocumentScanner.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerExport.h"
#include "ledger/LedgerFolders.h"
#include "ledger/VatSummary.h"

#include <QDate>

using ombrel::OMDate;

int LedgerCommand::run(const Request& request, const FigureInputs& given, QString* out,
                       QString* err)
{
    FigureInputs inputs = given;
    if (!request.asOf.isEmpty()) {
        const QDate day = QDate::fromString(request.asOf, Qt::ISODate);
        if (!day.isValid() || day.year() < 1 || day.year() > 9999) {
            *err += QStringLiteral("vorlane: --as-of takes a day as YYYY-MM-DD, not %1\n")
                        .arg(request.asOf);
            return 2;
        }
        inputs.asOf = OMDate::fromJulian(day.toJulianDay());
    }
    OMDate first, last;
    VatSummary::Basis basis = VatSummary::InvoiceBasis;
    if (!request.vatPeriod.isEmpty()) {
        QString why;
        if (!VatSummary::parsePeriod(request.vatPeriod, &first, &last, &why)) {
            *err += QStringLiteral("vorlane: ") + why + u'\n';
            return 2;
        }
        if (!request.basis.isEmpty() && !VatSummary::parseBasis(request.basis, &basis)) {
            *err += QStringLiteral("vorlane: --basis is invoice or cash, not %1\n")
                        .arg(request.basis);
            return 2;
        }
    }

    const QStringList paths = request.paths.isEmpty() ? LedgerFolders::current() : request.paths;
    const Ledger ledger(DocumentScanner::scan(DocumentScanner::documentFiles(paths), inputs),
                        inputs.asOf);
    for (const Ledger::Row& row : ledger.rows())
        if (!row.entry.isReadable())
            *err += QStringLiteral("vorlane: %1\n")
                        .arg(QString(row.entry.error).replace(QLatin1String("\n\n"), QLatin1String(" ")));
    for (const QString& warning : ledger.duplicateWarnings())
        *err += QStringLiteral("vorlane: warning: ") + warning + u'\n';

    if (!request.vatPeriod.isEmpty()) {
        const VatSummary summary(ledger, first, last, basis);
        *out += request.format == Request::Json  ? summary.toJson()
                : request.format == Request::Csv ? summary.toCsv()
                                                 : summary.toTable();
    } else {
        const std::vector<int> rows = LedgerExport::allRows(ledger);
        *out += request.format == Request::Json  ? LedgerExport::toJson(ledger, rows)
                : request.format == Request::Csv ? LedgerExport::toCsv(ledger, rows)
                                                 : LedgerExport::toTable(ledger, rows);
    }
    return ledger.hasUnreadable() ? 2 : 0;
}
