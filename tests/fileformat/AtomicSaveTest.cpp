#include "documents/JobEstimateDoc.h"
#include "fileformat/TextFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(AtomicSave, AKilledWriterLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("doc.vle");
    const QByteArray a = QByteArray("[estimate]\n") + QByteArray(300000, 'a') + "\n[end]\n";
    const QByteArray b = QByteArray("[estimate]\n") + QByteArray(200000, 'b') + "\n[end]\n";
    ASSERT_TRUE(TextFile::save(dir.filePath("a"), a));
    ASSERT_TRUE(TextFile::save(dir.filePath("b"), b));
    ASSERT_TRUE(TextFile::save(target, a));

    std::mt19937 random(5);
    for (int round = 0; round < 25; ++round) {
        QProcess child;
        child.start(SAVE_LOOP_PATH, {target, dir.filePath("a"), dir.filePath("b")});
        ASSERT_TRUE(child.waitForStarted());
        QThread::usleep(1000 + random() % 40000);
        child.kill();
        child.waitForFinished();
        const QByteArray left = contents(target);
        EXPECT_TRUE(left == a || left == b) << "round " << round << ": " << left.size() << " bytes";
    }
}

TEST(AtomicSave, AFailedSaveReportsAndChangesNothing)
{
    QTemporaryDir dir;
    JobEstimateDoc doc;
    ASSERT_TRUE(doc.onNewDocument());
    doc.setModified(true);
    // A folder cannot be replaced by a file, and a missing folder cannot take one.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.vle"));
    for (const char* name : {"taken.vle", "missing/job.vle"}) {
        QString error;
        EXPECT_FALSE(doc.onSaveDocument(dir.filePath(name), &error));
        // The program's own text, then the reason the system gave.
        EXPECT_TRUE(error.startsWith("File save error.\n\n")) << error.toStdString();
        EXPECT_GT(error.size(), QString("File save error.\n\n").size() + 3) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.vle")).isDir());
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.path().isEmpty());
    // Nothing reached the disk, so closing still gives the number back.
    EXPECT_TRUE(doc.numberTaken());
}

TEST(AtomicSave, AFullDiskGivesTheSystemsReasonAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("doc.vle");
    const QByteArray old = "[estimate]\nold\n[end]\n";
    ASSERT_TRUE(TextFile::save(target, old));
    const QByteArray bytes = QByteArray(200000, 'x');
    // The disk fills at once, in the middle, or just before the last byte.
    for (const rlim_t limit : {rlim_t(0), rlim_t(70000), rlim_t(bytes.size() - 1)}) {
        SCOPED_TRACE(limit);
        QString error;
        {
            const FileSizeLimit full(limit);
            ASSERT_TRUE(full.active());
            EXPECT_FALSE(TextFile::save(target, bytes, &error));
        }
        EXPECT_EQ(error, qt_error_string(EFBIG));
        EXPECT_EQ(contents(target), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"doc.vle"});
    }
}

TEST(AtomicSave, FilesBeyondTheSizeCapAreRefusedUnread)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.vle"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TextFile::MaxSize + 1));
    }
    QByteArray bytes("untouched");
    QString error;
    EXPECT_FALSE(TextFile::load(big, bytes, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("larger than 64 MB"))) << error.toStdString();
    EXPECT_EQ(bytes, "untouched");

    JobEstimateDoc doc;
    error.clear();
    EXPECT_FALSE(doc.onOpenDocument(big, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("larger than 64 MB"))) << error.toStdString();

    // A device without end is read only up to the cap.
    EXPECT_FALSE(TextFile::load(QStringLiteral("/dev/zero"), bytes, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("larger than 64 MB"))) << error.toStdString();
}

TEST(TextFileLoad, OneLookSaysWhatAPathIsAndOnlyPlainFilesAreRead)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.vle");
    const QString empty = dir.filePath("empty.vle");
    const QString link = dir.filePath("link.vle");
    const QString broken = dir.filePath("broken.vle");
    const QString folder = dir.filePath("folder.vle");
    const QString pipe = dir.filePath("pipe.vle");
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + QByteArray::number(i) + "|\r\n";
    ASSERT_TRUE(TextFile::save(plain, text));
    ASSERT_TRUE(TextFile::save(empty, QByteArray()));
    ASSERT_TRUE(QFile::link(plain, link));
    ASSERT_TRUE(QFile::link(dir.filePath("nothing"), broken));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const struct
    {
        QString path;
        bool isFile;
    } cases[] = {{plain, true},   {empty, true},   {link, true},
                 {broken, false}, {folder, false}, {pipe, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QByteArray bytes("untouched");
        TextFile::Facts facts;
        QString error = QStringLiteral("untouched");
        EXPECT_EQ(TextFile::loadFile(c.path, bytes, facts, &error), c.isFile);
        const QFileInfo info(c.path);
        EXPECT_EQ(facts.isFile, c.isFile);
        EXPECT_EQ(facts.exists, info.exists());
        if (!c.isFile) {
            EXPECT_EQ(bytes, "untouched");
            EXPECT_EQ(error, "untouched");
            continue;
        }
        QByteArray expected;
        ASSERT_TRUE(TextFile::load(c.path, expected));
        EXPECT_EQ(bytes, expected);
        EXPECT_EQ(facts.size, info.size());
        EXPECT_EQ(facts.modified, info.lastModified().toMSecsSinceEpoch());
    }

    // The size cap holds as for load.
    const QString big = dir.filePath("big.vle");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TextFile::MaxSize + 1));
    }
    QByteArray bytes("untouched");
    TextFile::Facts facts;
    QString error;
    EXPECT_FALSE(TextFile::loadFile(big, bytes, facts, &error));
    EXPECT_TRUE(facts.isFile);
    EXPECT_TRUE(error.contains(QStringLiteral("larger than 64 MB"))) << error.toStdString();
    EXPECT_EQ(bytes, "untouched");
}
