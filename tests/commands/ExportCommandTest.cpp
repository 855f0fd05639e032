// vorlane --export-pdf, run as the user would from a terminal.
#include "commands/ExportFileName.h"
#include "fileformat/TextFile.h"
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

TEST(ExportFileName, NamesFitTheFileSystemByWholeCharactersWithoutInvisibleOnes)
{
    const QString e = QString::fromUtf8("\xC3\xA9");                            // é, 2 bytes
    const QString acute = QStringLiteral("e") + QChar(0x0301);                  // 3 bytes, one letter
    const QString thumb = QString::fromUcs4(U"\U0001F44D", 1);                  // 4 bytes
    const struct
    {
        QString stem;
        int maxBytes;
        QString expected;
    } cases[] = {
        {QString(300, u'a'), 248, QString(248, u'a')},
        {e.repeated(200), 248, e.repeated(124)},
        {e.repeated(200), 247, e.repeated(123)},
        {acute.repeated(100), 248, acute.repeated(82)},
        {thumb.repeated(100), 250, thumb.repeated(62)},
        {QStringLiteral("Invoice 12 ") + QString(300, u'b'), 11, QStringLiteral("Invoice 12")},
        {QStringLiteral("short"), 248, QStringLiteral("short")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stem.left(12).toStdString() + " " + std::to_string(c.maxBytes));
        const QString fitted = ExportFileName::fitted(c.stem, c.maxBytes);
        EXPECT_EQ(fitted, c.expected);
        EXPECT_LE(fitted.toUtf8().size(), c.maxBytes);
    }

    // Direction overrides and other invisible characters never reach a name.
    const QString cleaned = ExportFileName::cleaned(
        QString::fromUtf8("Evil\xE2\x80\xAEgpj.exe \xE2\x80\x8B\xE2\x81\xA6x\xE2\x81\xA9\xC2\xAD"
                          "\xEF\xBB\xBFy\xE2\x80\x8F"));
    EXPECT_EQ(cleaned, QStringLiteral("Evilgpj.exe xy"));

    // The longest name allowed can be written atomically in its folder.
    QTemporaryDir dir;
    const int limit = ExportFileName::nameLimit(dir.path());
    EXPECT_LE(limit, ExportFileName::MaxNameBytes - 7);
    const QString longest = ExportFileName::fitted(e.repeated(200), limit - 4) + ".pdf";
    QString error;
    EXPECT_TRUE(TextFile::save(dir.filePath(longest), "%PDF-", &error)) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{longest});
}
