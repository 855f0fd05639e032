#pragma once

/**
 * What the program answers on the terminal without its window: --report,
 * --export-pdf, --help and --version (CommandLine::isConsoleOnly tells). The
 * report runs on a QCoreApplication, so it needs no display; composing a
 * page needs fonts, so --export-pdf runs a headless GUI application.
 */
class ConsoleCommand
{
public:
    /// Makes the application, runs the command the arguments ask for and
    /// returns the exit status: 0, 1 when a document failed, 2 for a misuse.
    static int run(int argc, char* argv[]);
};
