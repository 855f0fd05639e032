#pragma once

#include <QString>

class QPrinter;

/// Prints a document file on a printer, one page after another.
class DocumentPrinter
{
public:
    /// False when the printer could not be started.
    static bool print(const QString& path, QPrinter& printer);
};
