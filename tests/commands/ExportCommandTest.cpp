// vorlane --export-pdf, run as the user would from a terminal.
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class ExportCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        document = dir.filePath(QStringLiteral("job.vli"));
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") +
                                    QStringLiteral("/examples/invoice-3081-kitchen-leak.vli"),
                                document));
        original = bytes(document);
        ASSERT_FALSE(original.isEmpty());
    }

    int run(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral(VORLANE_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    static QByteArray bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    QString document;
    QByteArray original;
    QString errors;
};

} // namespace

TEST_F(ExportCommand, WritesThePdfInEitherOptionForm)
{
    EXPECT_EQ(run({"--export-pdf", path("a.pdf"), document}), 0) << errors.toStdString();
    EXPECT_TRUE(bytes(path("a.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(run({"--export-pdf=" + path("b.pdf"), "--sections=labour", document}), 0)
        << errors.toStdString();
    EXPECT_TRUE(bytes(path("b.pdf")).startsWith("%PDF-"));
}

TEST_F(ExportCommand, AsksForOneThingARun)
{
    EXPECT_EQ(run({"--report", "--export-pdf", path("a.pdf"), document}), 2);
    EXPECT_EQ(run({"--export-pdf", path("a.pdf"), "--export-pdf", path("b.pdf"), document}), 2);
    EXPECT_EQ(run({"--report", "--print", document, document}), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("--help")));
    EXPECT_FALSE(QFileInfo::exists(path("a.pdf")));
    EXPECT_FALSE(QFileInfo::exists(path("b.pdf")));
}

TEST_F(ExportCommand, NeverWritesOverItsDocumentOrAnythingButAFile)
{
    // The document itself, and a link to it.
    EXPECT_EQ(run({"--export-pdf", document, document}), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("it is the document being exported")))
        << errors.toStdString();
    ASSERT_TRUE(QFile::link(document, path("link.pdf")));
    EXPECT_EQ(run({"--export-pdf", path("link.pdf"), document}), 1);
    EXPECT_EQ(bytes(document), original);
    EXPECT_TRUE(QFileInfo(path("link.pdf")).isSymLink());

    // A pipe stays a pipe.
    ASSERT_EQ(mkfifo(path("pipe.pdf").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(run({"--export-pdf", path("pipe.pdf"), document}), 1);
    struct stat status = {};
    ASSERT_EQ(stat(path("pipe.pdf").toLocal8Bit().constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));

    // A document that cannot be read leaves no PDF behind.
    EXPECT_EQ(run({"--export-pdf", path("none.pdf"), path("missing.vli")}), 1);
    EXPECT_FALSE(QFileInfo::exists(path("none.pdf")));
}

TEST_F(ExportCommand, ControlCharactersOfPathsShowAsQuestionMarks)
{
    const QString folder = path("red\x1b[31m\nfolder");
    EXPECT_EQ(run({"--export-pdf", folder + QStringLiteral("/out.pdf"), document}), 1);
    EXPECT_FALSE(errors.contains(QChar(0x1b))) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("red?[31m?folder/out.pdf"))) << errors.toStdString();
}

TEST_F(ExportCommand, ALogoThatIsNoPlainFileIsLeftOut)
{
    ASSERT_EQ(mkfifo(path("logo.png").toLocal8Bit().constData(), 0600), 0);
    SettingsStore::set(SettingKeys::LogoMode, 3);
    SettingsStore::set(SettingKeys::LogoFilename, ombrel::OMString::fromQString(path("logo.png")));
    EXPECT_EQ(run({"--export-pdf", path("a.pdf"), document}), 0) << errors.toStdString();
    EXPECT_TRUE(bytes(path("a.pdf")).startsWith("%PDF-"));
    EXPECT_TRUE(errors.contains(QStringLiteral("logo.png is left out: it is not a plain file")))
        << errors.toStdString();
}
