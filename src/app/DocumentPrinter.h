#pragma once

#include <QString>

class DocumentTemplates;
class QPrinter;
class TextStyles;

/// Prints a document file without showing it: the page its preview would show.
class DocumentPrinter
{
public:
    /// False when the document could not be opened (the reason was shown).
    static bool print(const QString& path, QPrinter& printer, const DocumentTemplates& templates,
                      const TextStyles& styles);
};
