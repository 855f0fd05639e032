#pragma once

#include "foundation/OMString.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>

class GPage;
class JobBase;
class PrintedPage;

/// Writes composed pages to a PDF file: every page within the "print"
/// margins, as a printer would print them.
class PdfExport
{
public:
    /// A last pass over the finished bytes before they are written (an
    /// e-invoice embedded); false, with the reason, stops the export.
    using Finisher = std::function<bool(QByteArray& pdf, QString* reason)>;

    /// What a PDF says of itself (a viewer's document properties); an empty
    /// entry is left out.
    struct Metadata
    {
        QString title;
        QString author;
        QString subject;
        /// Run on the bytes after every other pass; none: written as they are.
        Finisher finish;
    };
    /// A document's: its name ("Invoice 3081"), the business, and the first
    /// line of its description.
    static Metadata metadataFor(const JobBase& record);
    /// `pdf` as Qt wrote it with the author and subject added to its
    /// information dictionary (which Qt cannot write) and the cross-reference
    /// table moved to match; unchanged when it is not laid out as expected.
    static QByteArray withAuthorAndSubject(QByteArray pdf, const Metadata& metadata);

    /// The locale's paper: Letter in the United States, A4 elsewhere.
    static QPageSize defaultPageSize();

    /// The message for a PDF that could not be written to `path`.
    static ombrel::OMString writeError(const QString& path, const QString& reason);

    /// The message refusing to write the PDF to `output` when that is the
    /// document `document` itself (or a link to it); empty when it is not.
    static ombrel::OMString overwriteRefusal(const QString& output, const QString& document);

    /**
     * Writes every page of `printed`, with its stamp, to `path` on paper of
     * `pageSize` turned to `orientation`; without them on the program's page
     * setup, as the preview shows and the printer prints. The file is
     * replaced only once the whole PDF is written; on failure nothing is left
     * behind, the result is false and `error` gets the message to show.
     */
    static bool write(PrintedPage& printed, const QString& path, QString* error,
                      const Metadata& metadata = {});
    static bool write(PrintedPage& printed, const QString& path, const QPageSize& pageSize,
                      QPageLayout::Orientation orientation, QString* error,
                      const Metadata& metadata = {});
    static bool write(GPage& page, const ombrel::OMString& stampText, const QString& path,
                      const QPageSize& pageSize, QPageLayout::Orientation orientation,
                      QString* error, const Metadata& metadata = {});
};
