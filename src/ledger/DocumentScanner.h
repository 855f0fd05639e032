#pragma once

#include "LedgerEntry.h"

#include <QStringList>
#include <functional>
#include <vector>

class LedgerIndex;
struct FigureInputs;

/**
 * Finds the documents under files and folders and reads each into a
 * LedgerEntry. Reads no setting (the caller passes the FigureInputs), shares
 * nothing between calls, and so runs on any thread.
 */
class DocumentScanner
{
public:
    /// Called after each file with the count read so far and the whole
    /// count; returning false stops the scan.
    using Progress = std::function<bool(int done, int total)>;

    /// Whether the name ends in the extension of a kind of document.
    static bool isDocumentPath(const QString& path);
    /**
     * The files `paths` name: in a folder, every document of any kind in it
     * and in its folders below (hidden ones left out); a path that is not a
     * folder as it is, so that one that is missing or no document is listed
     * with its reason. Cleaned, sorted and each once.
     */
    static QStringList documentFiles(const QStringList& paths);
    /// The file read into an entry, or the reason it could not be.
    static LedgerEntry read(const QString& path, const FigureInputs& inputs);
    /**
     * Every file read in order. A file the index holds with the same size and
     * modification time is taken from it instead of being read again. Stopped
     * by `progress`, it returns what was read so far.
     */
    static std::vector<LedgerEntry> scan(const QStringList& files, const FigureInputs& inputs,
                                         const LedgerIndex* index = nullptr,
                                         const Progress& progress = {});
};
