#include "commands/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, ConsoleAnswersNeedNoWindow)
{
    const struct
    {
        QStringList arguments;
        bool console;
    } cases[] = {
        {{"vorlane", "--report", "a.vli"}, true},
        {{"vorlane", "--export-pdf=out.pdf", "a.vli"}, true},
        {{"vorlane", "a.vli", "--version"}, true},
        {{"vorlane", "-h"}, true},
        {{"vorlane", "a.vli", "--print", "b.vle"}, false},
        {{"vorlane", "--reporting"}, false},
        // After "--" every argument is a file, whatever it is called.
        {{"vorlane", "--", "--report"}, false},
        // The program's own name is no option.
        {{"--report"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandLine::isConsoleOnly(c.arguments), c.console)
            << c.arguments.join(u' ').toStdString();
}

TEST(CommandLine, TheWindowTakesFilesAndAFileToPrint)
{
    CommandLine parsed;
    QString error;
    ASSERT_TRUE(
        CommandLine::parse({"vorlane", "a.vle", "--print", "b.vli", "c.vlq"}, &parsed, &error));
    EXPECT_EQ(parsed.files, (QStringList{"a.vle", "c.vlq"}));
    EXPECT_EQ(parsed.printFile, QStringLiteral("b.vli"));
    EXPECT_FALSE(parsed.quitAfterShow);

    ASSERT_TRUE(CommandLine::parse({"vorlane", "--quit-after-show"}, &parsed, &error));
    EXPECT_TRUE(parsed.quitAfterShow);
    EXPECT_TRUE(parsed.files.isEmpty());

    EXPECT_FALSE(CommandLine::parse({"vorlane", "--no-such-option"}, &parsed, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no-such-option"))) << error.toStdString();
}
