#pragma once

#include <QString>

class JobBaseDoc;

/// The name an exported or mailed PDF is given: the document's kind and
/// number and its customer's name, "Invoice 3081 Dunmore.pdf".
class ExportFileName
{
public:
    /// The longest file name, in bytes of UTF-8, that common file systems
    /// take (a folder may allow fewer: see nameLimit).
    static constexpr int MaxNameBytes = 255;

    /// `text` without the characters a file name cannot hold on any desktop
    /// (path separators, ":", <>"|?*, control characters) nor invisible ones
    /// (direction controls, zero-width characters, soft hyphens), its runs of
    /// spaces made one and no dots or spaces at either end.
    static QString cleaned(const QString& text);
    /// `stem` cut at the end, by whole characters, to at most `maxBytes`
    /// bytes of UTF-8, again without dots or spaces at its end.
    static QString fitted(const QString& stem, int maxBytes);
    /// The longest name a file in `folder` may have, in bytes, less the room
    /// an atomic save needs for its temporary name beside it.
    static int nameLimit(const QString& folder);
    /// The file name proposed for `document` in `folder`, ending in ".pdf".
    static QString forDocument(const JobBaseDoc& document, const QString& folder);
};
