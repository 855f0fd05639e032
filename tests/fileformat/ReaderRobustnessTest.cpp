#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

QByteArray example(const char* name)
{
    QByteArray bytes;
    const QString path = qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
    EXPECT_TRUE(TextFile::load(path, bytes)) << path.toStdString();
    return bytes;
}

template <typename Record> void readBytes(const QByteArray& bytes)
{
    Record record;
    Archive archive = Archive::forReading(bytes);
    record.read(archive);
    (void)record.summary(FigureInputs{true, 700, ombrel::OMDate::today()});
}

} // namespace

TEST(ReaderRobustness, EveryTruncationAndByteChangeOfTheExamples)
{
    const QByteArray invoice = example("invoice-3081-kitchen-leak.vli");
    const QByteArray quote = example("quote-2043-boiler-replacement.vlq");
    ASSERT_FALSE(invoice.isEmpty());
    for (qsizetype n = 0; n <= invoice.size(); ++n)
        readBytes<JobInvoice>(invoice.left(n));
    for (qsizetype n = 0; n <= quote.size(); ++n)
        readBytes<JobQuote>(quote.left(n));

    std::mt19937 random(3);
    for (qsizetype i = 0; i < invoice.size(); ++i) {
        QByteArray changed = invoice;
        changed[i] = char(random() % 256);
        readBytes<JobInvoice>(changed);
        changed[i] = '\0';
        readBytes<JobInvoice>(changed);
    }
}

TEST(ReaderRobustness, GarbageHugeLinesAndManySections)
{
    std::mt19937 random(11);
    QByteArray garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = char(random() % 256);
    readBytes<JobEstimate>(garbage);
    readBytes<JobEstimate>("[estimate]\n" + garbage);

    QByteArray hugeLine = "[estimate]\n[job]\ndescription=";
    hugeLine.append(QByteArray(100 * 1024 * 1024, 'x'));
    {
        JobEstimate job;
        Archive archive = Archive::forReading(hugeLine);
        ASSERT_EQ(job.read(archive), 0);
        EXPECT_EQ(job.description.length(), 100 * 1024 * 1024);
    }
    hugeLine.clear();

    QByteArray sections = "[invoice]\n";
    for (int i = 0; i < 1000000; ++i)
        sections.append("[invoice-item]\n");
    JobInvoice invoice;
    Archive archive = Archive::forReading(sections);
    ASSERT_EQ(invoice.read(archive), 0);
    EXPECT_EQ(invoice.items.size(), 1000000); // the last one ends with the file
}
