#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString examples()
{
    return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples";
}

struct Outcome
{
    int status;
    QByteArray out, err;
};

Outcome vorlane(const QStringList& arguments)
{
    QProcess run;
    run.start(VORLANE_PATH, arguments);
    EXPECT_TRUE(run.waitForFinished(60000));
    return {run.exitCode(), run.readAllStandardOutput(), run.readAllStandardError()};
}

} // namespace

// The examples: an estimate, a quote, invoice 3081 of 1 October 2026 with
// 30 days to pay, partly paid, and a credit note for part of it.
TEST(LedgerCommand, ListsAFolderJudgedOnTheDayGiven)
{
    const Outcome json = vorlane({"--ledger", "--json", "--as-of", "2026-12-01", examples()});
    EXPECT_EQ(json.status, 0) << json.err.toStdString();
    const QJsonObject all = QJsonDocument::fromJson(json.out).object();
    const QJsonArray documents = all["documents"].toArray();
    ASSERT_EQ(documents.size(), 4);
    const QJsonObject invoice = documents[2].toObject();
    EXPECT_EQ(invoice["kind"].toString(), "invoice");
    EXPECT_EQ(invoice["number"].toInt(), 3081);
    EXPECT_EQ(invoice["dueDate"].toString(), "2026-10-31");
    EXPECT_EQ(invoice["status"].toString(), "overdue by 31 days");
    EXPECT_TRUE(invoice["isOverdue"].toBool());
    // What is owed is what the credit note leaves of it.
    EXPECT_EQ(all["totals"].toObject()["ageing"].toObject()["days31To60"].toString(),
              invoice["amountDueAfterCredits"].toString());
    EXPECT_NE(invoice["amountDueAfterCredits"], invoice["amountDue"]);
    EXPECT_EQ(documents[0].toObject()["status"].toString(), "credits invoice 3081");
    EXPECT_EQ(documents[1].toObject()["status"].toString(), "estimate");

    const Outcome early = vorlane({"--ledger", "--csv", "--as-of", "2026-10-31", examples()});
    EXPECT_EQ(early.status, 0);
    EXPECT_TRUE(early.out.contains(",owed,0,")) << early.out.toStdString();
}

TEST(LedgerCommand, UnreadableFilesAndRepeatedNumbersGoToStandardError)
{
    QTemporaryDir dir;
    const QString invoice = examples() + "/invoice-3081-kitchen-leak.vli";
    ASSERT_TRUE(QFile::copy(invoice, dir.filePath("3081.vli")));
    ASSERT_TRUE(QFile::copy(invoice, dir.filePath("3081 copy.vli")));
    QFile broken(dir.filePath("broken.vlq"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[invoice]\n");
    broken.close();

    const Outcome run = vorlane({"--ledger", dir.path()});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("broken.vlq")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Invalid Quote file."));
    EXPECT_TRUE(run.err.contains("Invoice 3081 is in 2 files"));
    EXPECT_TRUE(run.out.contains("(number repeated)"));

    QFile::remove(dir.filePath("broken.vlq"));
    EXPECT_EQ(vorlane({"--ledger", dir.path()}).status, 0);
}

TEST(LedgerCommand, VatSummaryOfAPeriod)
{
    const Outcome invoiceBasis = vorlane({"--vat-summary", "2026-Q4", "--json", examples()});
    EXPECT_EQ(invoiceBasis.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(invoiceBasis.out).object();
    EXPECT_EQ(o["basis"].toString(), "invoice");
    EXPECT_EQ(o["from"].toString(), "2026-10-01");
    EXPECT_EQ(o["documents"].toInt(), 2) << "the invoice and its credit note";

    for (const QStringList& wrong : {QStringList{"--vat-summary", "2026-Q5", examples()},
                                     QStringList{"--vat-summary", "2026-10", "--basis", "accrual"},
                                     QStringList{"--ledger", "--as-of", "31/12/2026", examples()},
                                     QStringList{"--ledger", "--report", examples()}}) {
        const Outcome run = vorlane(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}
