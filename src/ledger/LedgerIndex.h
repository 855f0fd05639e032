#pragma once

#include "LedgerEntry.h"

#include <QHash>
#include <QString>
#include <vector>

struct FigureInputs;

/**
 * What the last scan read, kept in a file between runs so that the next
 * start lists every unchanged document without reading it. Entries are keyed
 * by path and found only while the file keeps the size and modification time
 * it was read at (DocumentScanner::scan checks). The file holds the figure
 * inputs it was made with and a checksum: a file that is damaged, of another
 * format or made with other inputs is not used, and the next save rebuilds it.
 * The day overdue is judged on is not kept: the ledger judges it afresh.
 */
class LedgerIndex
{
public:
    /// Takes in the file's entries. False, with the reason, when it is
    /// missing, damaged or made with other inputs; the index is then empty.
    bool load(const QString& file, const FigureInputs& inputs, QString* error = nullptr);
    /// Writes `entries` as one step (the old file stays until the new one is whole).
    static bool save(const QString& file, const std::vector<LedgerEntry>& entries,
                     const FigureInputs& inputs, QString* error = nullptr);

    /// The entry kept for `path`, or null.
    const LedgerEntry* find(const QString& path) const;
    /// Every entry, in the order saved.
    const std::vector<LedgerEntry>& entries() const { return m_entries; }
    int size() const { return int(m_entries.size()); }

    /// The file's bytes, and reading them back (for the tests of damage).
    static QByteArray encode(const std::vector<LedgerEntry>& entries, const FigureInputs& inputs);
    bool decode(const QByteArray& bytes, const FigureInputs& inputs, QString* error = nullptr);

private:
    std::vector<LedgerEntry> m_entries;
    QHash<QString, int> m_byPath;
};
