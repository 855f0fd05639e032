#pragma once

#include <QString>
#include <QUrl>

/**
 * Finds the user manual and opens files and web addresses with the desktop's
 * own programs. Paths go to the opener as a URL, one argument, never through
 * a shell, so quotes, spaces or ";" in a path cannot run anything.
 */
class HelpLauncher
{
public:
    static constexpr const char* HelpFileName = "Vorlane.html";

    /// The manual beside the program, else in its "help" folder; empty when neither exists.
    static QString findHelpFile(const QString& programFolder);
    /// What launchHelpFile hands to the desktop for `path`; invalid when nothing should start.
    static QUrl urlFor(const QString& path);
    /// Opens `path`: "http:"/"https:"/"file:" addresses in the browser, files with
    /// their program; a "#part" or "?query" after a file name is kept. False when
    /// nothing could open it.
    static bool launchHelpFile(const QString& path);
};
