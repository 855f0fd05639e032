#pragma once

#include "records/DocumentSummary.h"

#include <QString>
#include <QtGlobal>

/**
 * One file of the documents overview as read: where it is, the size and
 * modification time it was read at (what the index is keyed by), and what the
 * document comes to, or why it could not be read. A plain value: entries are
 * made on a reading thread and handed to the window.
 */
struct LedgerEntry
{
    QString path;
    qint64 size = -1;
    /// Milliseconds since 1970 (UTC); 0 when the file was not there.
    qint64 modified = 0;
    /// Why the file could not be read; empty when it was.
    QString error;
    DocumentSummary summary;

    bool isReadable() const { return error.isEmpty(); }
    /// Whether the document bills its customer: readable and without the
    /// figures of a job priced in advance (estimates and quotes carry those).
    bool isBill() const { return error.isEmpty() && !summary.job; }
};
