#include "app/Application.h"
#include "app/InstanceChannel.h"
#include "app/MessageBoxHandler.h"
#include "commands/CommandLine.h"
#include "commands/ConsoleCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>

namespace {

QStringList handOverRequests(const CommandLine& commandLine)
{
    QStringList requests;
    if (!commandLine.printFile.isEmpty())
        requests.append(
            InstanceChannel::printRequest(QFileInfo(commandLine.printFile).absoluteFilePath()));
    for (const QString& file : commandLine.files)
        requests.append(InstanceChannel::openRequest(QFileInfo(file).absoluteFilePath()));
    return requests;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::isConsoleOnly(arguments))
        return ConsoleCommand::run(argc, argv);

    QApplication app(argc, argv);
    CommandLine::nameApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/vorlane.svg")));

    CommandLine commandLine;
    QString error;
    if (!CommandLine::parse(QCoreApplication::arguments(), &commandLine, &error)) {
        std::fprintf(stderr, "vorlane: %s (see --help)\n", qPrintable(error));
        return 2;
    }
    MessageBoxHandler::install();
    Application vorlane;
    // A program already running takes the files, and this start is then done;
    // otherwise this one serves later starts (a run that prints or only shows
    // itself and quits serves none).
    if (!commandLine.quitAfterShow) {
        const bool serve = commandLine.printFile.isEmpty();
        switch (vorlane.instanceChannel().handOverOrListen(handOverRequests(commandLine), serve)) {
        case InstanceChannel::HandOver::Delivered:
            return 0;
        case InstanceChannel::HandOver::Refused:
            std::fprintf(stderr, "vorlane: the Vorlane already running did not take the files\n");
            return 1;
        case InstanceChannel::HandOver::NoProgram:
            break;
        }
    }
    if (!commandLine.printFile.isEmpty())
        return vorlane.printDocumentFile(commandLine.printFile) ? 0 : 1;
    if (!vorlane.start(commandLine))
        return 1;
    if (commandLine.quitAfterShow)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
