#include "LedgerFixture.h"
#include "ledger/DocumentScanner.h"
#include "ledger/LedgerIndex.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

using namespace ledgertest;
using ombrel::OMMoney;

namespace {

class Index : public ::testing::Test
{
protected:
    void SetUp() override
    {
        inputs.vatRegistered = true;
        inputs.asOf = day(2026, 11, 1);
        JobInvoice a = invoice(1, day(2026, 10, 1), 30, {{100'00, 2000}},
                               {{day(2026, 10, 5), 50'00}});
        save(a, dir.filePath("1.vli"));
        JobEstimate e;
        e.setNumber(2);
        save(e, dir.filePath("2.vle"));
        files = DocumentScanner::documentFiles({dir.path(), dir.filePath("gone.vli")});
        indexFile = dir.filePath("cache/documents.index");
    }

    // Scans through the index in the file, as the window's next start does.
    std::vector<LedgerEntry> rescan(QString* why = nullptr)
    {
        LedgerIndex index;
        index.load(indexFile, inputs, why);
        return DocumentScanner::scan(files, inputs, &index);
    }

    QTemporaryDir dir;
    FigureInputs inputs;
    QStringList files;
    QString indexFile;
};

void expectSame(const LedgerEntry& a, const LedgerEntry& b)
{
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.size, b.size);
    EXPECT_EQ(a.modified, b.modified);
    EXPECT_EQ(a.error, b.error);
    const DocumentSummary &s = a.summary, &t = b.summary;
    EXPECT_EQ(s.kind, t.kind);
    EXPECT_EQ(s.number, t.number);
    EXPECT_EQ(s.customer, t.customer);
    EXPECT_EQ(s.date.julian(), t.date.julian());
    EXPECT_EQ(s.dueDate.julian(), t.dueDate.julian());
    EXPECT_EQ(s.gross, t.gross);
    EXPECT_EQ(s.due, t.due);
    EXPECT_EQ(s.vat, t.vat);
    ASSERT_EQ(s.vatByRate.size(), t.vatByRate.size());
    for (size_t i = 0; i < s.vatByRate.size(); ++i)
        EXPECT_EQ(s.vatByRate[i].rate.value(), t.vatByRate[i].rate.value());
    ASSERT_EQ(s.payments.size(), t.payments.size());
    for (size_t i = 0; i < s.payments.size(); ++i) {
        EXPECT_EQ(s.payments[i].date.julian(), t.payments[i].date.julian());
        EXPECT_EQ(s.payments[i].amount, t.payments[i].amount);
    }
    ASSERT_EQ(s.job.has_value(), t.job.has_value());
    if (s.job) {
        EXPECT_EQ(s.job->jobTotal, t.job->jobTotal);
    }
}

} // namespace

TEST_F(Index, UnchangedFilesComeFromTheIndexChangedOnesAreReadAgain)
{
    std::vector<LedgerEntry> first = DocumentScanner::scan(files, inputs);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_FALSE(first[2].isReadable()); // gone.vli
    // Mark what the index holds, to tell an entry taken from it from one read.
    first[0].summary.customer = "from the index";
    ASSERT_TRUE(LedgerIndex::save(indexFile, first, inputs));

    std::vector<LedgerEntry> second = rescan();
    for (size_t i = 0; i < first.size(); ++i)
        expectSame(second[i], first[i]);

    // Rewritten with another payment: a new size and time, read again.
    JobInvoice a = invoice(1, day(2026, 10, 1), 30, {{100'00, 2000}},
                           {{day(2026, 10, 5), 50'00}, {day(2026, 10, 9), 70'00}});
    save(a, files[0]);
    second = rescan();
    EXPECT_EQ(second[0].summary.due, OMMoney(0));
    EXPECT_EQ(second[0].summary.customer, "Dunmore");

    // Touched only (same size): read again as well.
    ASSERT_TRUE(LedgerIndex::save(indexFile, first, inputs));
    QFile touched(files[0]);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_EQ(rescan()[0].summary.customer, "Dunmore");
}

TEST_F(Index, ADamagedOrForeignIndexIsNotUsedAndIsRebuilt)
{
    std::vector<LedgerEntry> first = DocumentScanner::scan(files, inputs);
    first[0].summary.customer = "from the index";
    const QByteArray good = LedgerIndex::encode(first, inputs);

    struct Case
    {
        const char* name;
        QByteArray bytes;
        bool vatRegistered;
    };
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x40);
    const Case cases[] = {
        {"a byte changed", flipped, true},
        {"cut short", good.left(good.size() - 7), true},
        {"empty", QByteArray(), true},
        {"not an index", QByteArray("[invoice]\nversion=1\n"), true},
        {"made with other settings", good, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(indexFile);
        QDir().mkpath(dir.filePath("cache"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        inputs.vatRegistered = c.vatRegistered;
        QString why;
        const std::vector<LedgerEntry> entries = rescan(&why);
        EXPECT_FALSE(why.isEmpty());
        EXPECT_EQ(entries[0].summary.customer, "Dunmore");
        // The scan's result saved over it makes a good index again.
        ASSERT_TRUE(LedgerIndex::save(indexFile, entries, inputs));
        LedgerIndex rebuilt;
        EXPECT_TRUE(rebuilt.load(indexFile, inputs));
        EXPECT_EQ(rebuilt.size(), 3);
        inputs.vatRegistered = true;
    }
    LedgerIndex index;
    ASSERT_TRUE(index.decode(good, inputs));
    for (const LedgerEntry& e : first)
        expectSame(*index.find(e.path), e);
}
