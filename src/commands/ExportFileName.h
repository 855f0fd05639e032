#pragma once

#include <QString>

class JobBaseDoc;

/// The name an exported or mailed PDF is given: the document's kind and
/// number and its customer's name, "Invoice 3081 Dunmore.pdf".
class ExportFileName
{
public:
    /// `text` without the characters a file name cannot hold on any desktop
    /// (path separators, ":", <>"|?*, control characters), its runs of spaces
    /// made one and no dots or spaces at either end.
    static QString cleaned(const QString& text);
    /// The file name proposed for `document`, ending in ".pdf".
    static QString forDocument(const JobBaseDoc& document);
};
