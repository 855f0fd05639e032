#include "commands/DocumentReport.h"
#include "documents/JobFileReader.h"
#include "fileformat/Archive.h"
#include "records/JobCreditNote.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

namespace {

QString example(const char* name)
{
    return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
}

const char* kEstimate = "estimate-1017-bathroom-refit.vle";
const char* kInvoice = "invoice-3081-kitchen-leak.vli";
const char* kQuote = "quote-2043-boiler-replacement.vlq";

class Report : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
    }
};

QJsonArray parse(const QString& json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.array();
}

} // namespace

TEST_F(Report, JsonCarriesTheFiguresOfEachKind)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    const DocumentReport report({example(kEstimate), example(kInvoice), example(kQuote)});
    EXPECT_FALSE(report.hasErrors());
    const QJsonArray all = parse(report.toJson());
    ASSERT_EQ(all.size(), 3);

    JobEstimate estimate;
    ASSERT_TRUE(JobFileReader::read(estimate, example(kEstimate)));
    const QJsonObject e = all[0].toObject();
    EXPECT_EQ(e["kind"].toString(), "estimate");
    EXPECT_EQ(e["number"].toInt(), 1017);
    EXPECT_EQ(e["date"].toString(), "2026-11-02");
    EXPECT_EQ(e["customer"].toString(), estimate.customer.displayText().toQString());
    EXPECT_DOUBLE_EQ(e["totalHours"].toDouble(), estimate.totalHours());
    EXPECT_EQ(e["effectiveDaysOnSite"].toInt(),
              int(estimate.effectiveDaysOnSite(FigureInputs::current())));
    EXPECT_EQ(e["jobTotal"].toString(),
              estimate.jobTotal(FigureInputs::current()).toPlainString().toQString());
    EXPECT_EQ(e["travelCost"].toString(),
              estimate.travelCost(FigureInputs::current()).toPlainString().toQString());
    EXPECT_FALSE(e.contains("grossTotal"));

    JobInvoice invoice;
    ASSERT_TRUE(JobFileReader::read(invoice, example(kInvoice)));
    const InvoiceTotals totals = invoice.totals(true);
    const QJsonObject i = all[1].toObject();
    EXPECT_EQ(i["grossTotal"].toString(), totals.grossTotal.toPlainString().toQString());
    EXPECT_EQ(i["amountDue"].toString(), totals.amountDue().toPlainString().toQString());
    EXPECT_EQ(i["isOverdue"].toBool(),
              invoice.isOverdueOn(ombrel::OMDate::today(), totals.amountDue()));
    const QJsonArray vat = i["vatSummary"].toArray();
    ASSERT_EQ(vat.size(), totals.vatSummary.size());
    EXPECT_EQ(vat[0].toObject()["rate"].toString(), "0");
    EXPECT_EQ(vat[1].toObject()["rate"].toString(), "20");
    EXPECT_EQ(vat[1].toObject()["vatAmount"].toString(),
              totals.vatSummary[1].vatAmount().toPlainString().toQString());
    EXPECT_FALSE(i.contains("jobTotal"));
}

TEST_F(Report, InvoicesCarryVATOnlyWhenRegistered)
{
    const QJsonObject i = parse(DocumentReport({example(kInvoice)}).toJson())[0].toObject();
    EXPECT_TRUE(i["vatSummary"].toArray().isEmpty());
    EXPECT_EQ(i["grossTotal"].toString(), i["netTotal"].toString());
}

TEST_F(Report, EntriesTakeTheInputsGivenForEveryFileNotTheSettings)
{
    // The settings say otherwise: the inputs given decide, for every file.
    SettingsStore::set(SettingKeys::IsVATRegistered, 0);
    SettingsStore::set(SettingKeys::DailyWorkingHours, 800);
    JobInvoice invoice;
    ASSERT_TRUE(JobFileReader::read(invoice, example(kInvoice)));
    const int64_t due = invoice.dueDate().julian();
    JobEstimate estimate;
    ASSERT_TRUE(JobFileReader::read(estimate, example(kEstimate)));

    FigureInputs inputs;
    inputs.vatRegistered = true;
    inputs.dailyWorkingHours = 300;
    for (const auto& [asOf, overdue] : {std::pair{due, false}, {due + 1, true}}) {
        inputs.asOf = ombrel::OMDate::fromJulian(asOf);
        const DocumentReport report({example(kInvoice), example(kEstimate)}, inputs);
        const QJsonArray all = parse(report.toJson());
        ASSERT_EQ(all.size(), 2);
        EXPECT_EQ(all[0].toObject()["isOverdue"].toBool(), overdue);
        EXPECT_FALSE(all[0].toObject()["vatSummary"].toArray().isEmpty());
        EXPECT_EQ(all[1].toObject()["effectiveDaysOnSite"].toInt(),
                  int(estimate.effectiveDaysOnSite(inputs)));
        const DocumentReport::Entry entry = DocumentReport::entryFor(example(kInvoice), inputs);
        EXPECT_EQ(entry.isOverdue, overdue);
        EXPECT_EQ(entry.amountDue, invoice.totals(true).amountDue());
    }
    FigureInputs settings = FigureInputs::current();
    EXPECT_NE(estimate.effectiveDaysOnSite(inputs), estimate.effectiveDaysOnSite(settings))
        << "the two working days must give different days on site to tell them apart";
}

TEST_F(Report, KeysKeepTheirOrder)
{
    const QString json = DocumentReport({example(kQuote)}).toJson();
    QStringList keys = {"file",
                        "kind",
                        "docReference",
                        "number",
                        "date",
                        "customer",
                        "totalHours",
                        "effectiveDaysOnSite",
                        "labourHoursCost",
                        "hoursItemsTotal",
                        "labourTotal",
                        "travelTimeCost",
                        "travelDistanceCost",
                        "travelCost",
                        "materialsTotal",
                        "hireTotal",
                        "jobTotal"};
    qsizetype at = 0;
    for (const QString& key : keys) {
        const qsizetype next = json.indexOf('"' + key + '"', at);
        ASSERT_GT(next, at - 1) << key.toStdString();
        at = next;
    }
}

TEST_F(Report, UnreadableFilesAreReportedAndTheRestGoOn)
{
    const DocumentReport report({"/no/such.vle", example(kQuote), example(kQuote) + ".txt"});
    EXPECT_TRUE(report.hasErrors());
    const QJsonArray all = parse(report.toJson());
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].toObject()["error"].toString(), "The file /no/such.vle is invalid.");
    EXPECT_EQ(all[1].toObject()["kind"].toString(), "quote");
    EXPECT_TRUE(all[2].toObject().contains("error"));
    const QString table = report.toTable();
    EXPECT_TRUE(table.contains("The file /no/such.vle is invalid."));
    EXPECT_TRUE(table.contains("Total due"));
}

TEST_F(Report, TableRowsAlignAndTotalTheAmountsDue)
{
    const QString table = DocumentReport({example(kInvoice), example(kEstimate)}).toTable();
    const QStringList lines = table.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6); // header, rule, two rows, rule, total
    // Amounts are right-aligned: every row's due column ends at the same place.
    const qsizetype end = lines[2].indexOf("OVERDUE");
    ASSERT_GT(end, 0);
    JobInvoice invoice;
    ASSERT_TRUE(JobFileReader::read(invoice, example(kInvoice)));
    const QString due = invoice.totals(false).amountDue().toString().toQString();
    EXPECT_EQ(lines[2].indexOf(due) + due.size() + 2, end);
    EXPECT_TRUE(lines[5].endsWith(due));
}

TEST_F(Report, TheTableShowsNoControlCharactersAndTheJsonStaysValid)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("odd.vle"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[estimate]\n[customer]\nsurname=\x1b[2J\x1b]0;title\x07Smith\n"
               "[job]\nhourlyRate=10.00\nhoursWork=1e308\nhoursAdmin=1e308\n[end]\n");
    file.close();

    const DocumentReport report({path});
    const QString table = report.toTable();
    EXPECT_TRUE(table.contains(QStringLiteral("Smith")));
    for (QChar ch : table)
        EXPECT_TRUE(ch == u'\n' || ch.category() != QChar::Other_Control) << int(ch.unicode());
    const QJsonObject entry = parse(report.toJson()).at(0).toObject();
    EXPECT_GT(entry["totalHours"].toDouble(), 0);
    EXPECT_NE(entry["labourHoursCost"].toString(), QStringLiteral("0.00"));
}

TEST_F(Report, TheCommandLine)
{
    QProcess run;
    run.start(VORLANE_PATH, {"--report", "--json", example(kQuote)});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0);
    EXPECT_EQ(parse(QString::fromUtf8(run.readAllStandardOutput())).size(), 1);

    run.start(VORLANE_PATH, {"--report", example(kQuote), "/no/such.vli"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_TRUE(run.readAllStandardOutput().contains("quote-2043"));

    run.start(VORLANE_PATH, {"--version"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_TRUE(run.readAllStandardOutput().contains("v1.3"));
    run.start(VORLANE_PATH, {"--help"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_TRUE(run.readAllStandardOutput().contains("--report"));
}

// The example note credits 36.05 net (30.05 at 20 %, VAT 6.01), 42.06 in all,
// against the example invoice's 151.58 due (251.58 less 100.00 paid).
TEST_F(Report, CreditNotesAreCreditsAndNetAgainstTheirInvoice)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    const QString note = example("creditnote-104-kitchen-leak.vln");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A second note crediting the whole invoice: more than is due, so a refund.
    JobInvoice invoice;
    ASSERT_TRUE(JobFileReader::read(invoice, example(kInvoice)));
    JobCreditNote whole;
    whole.setNumber(105);
    whole.credit(invoice, JobCreditNote::wholeInvoice(invoice));
    Archive archive = Archive::forWriting();
    ASSERT_EQ(whole.write(archive), 0);
    const QString wholePath = dir.filePath(QStringLiteral("whole.vln"));
    QFile file(wholePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(archive.data());
    file.close();

    const QJsonObject alone = parse(DocumentReport({example(kInvoice)}).toJson())[0].toObject();
    EXPECT_FALSE(alone.contains("credited")) << "one file says nothing of credit notes";

    const DocumentReport partly({example(kInvoice), note});
    const QJsonArray entries = parse(partly.toJson());
    const QJsonObject i = entries[0].toObject();
    const QJsonObject n = entries[1].toObject();
    EXPECT_EQ(n["kind"].toString(), "creditnote");
    EXPECT_TRUE(n["isCredit"].toBool());
    EXPECT_EQ(n["corrects"].toString(), "3081");
    EXPECT_EQ(n["correctsDate"].toString(), "2026-10-01");
    EXPECT_EQ(n["issued"].toString(), "2026-10-15");
    EXPECT_EQ(n["netTotal"].toString(), "-36.05");
    EXPECT_EQ(n["grossTotal"].toString(), "-42.06");
    EXPECT_EQ(n["amountDue"].toString(), "-42.06");
    EXPECT_EQ(i["amountDue"].toString(), "151.58");
    EXPECT_EQ(i["credited"].toString(), "42.06");
    EXPECT_EQ(i["amountDueAfterCredits"].toString(), "109.52");
    EXPECT_FALSE(i.contains("duplicateNumber"));

    const DocumentReport beyond({example(kInvoice), note, wholePath});
    const QJsonObject over = parse(beyond.toJson())[0].toObject();
    EXPECT_EQ(over["credited"].toString(), "293.64");
    EXPECT_EQ(over["amountDueAfterCredits"].toString(), "-142.06");
    const QStringList rows = beyond.toTable().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(rows[2].contains("-142.06")) << rows[2].toStdString();
    EXPECT_TRUE(rows[2].contains("refund due (credited)")) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].contains("credit for 3081"));
    EXPECT_TRUE(rows[6].endsWith("-142.06")) << "the total due nets the same";
}

TEST_F(Report, TwoDocumentsOfOneKindWithOneNumberAreFlagged)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("copy.vli"));
    ASSERT_TRUE(QFile::copy(example(kInvoice), copy));
    const DocumentReport report({example(kInvoice), example(kQuote), copy, example(kInvoice)});
    const QJsonArray all = parse(report.toJson());
    EXPECT_TRUE(all[0].toObject()["duplicateNumber"].toBool());
    EXPECT_FALSE(all[1].toObject().contains("duplicateNumber"));
    EXPECT_TRUE(all[2].toObject()["duplicateNumber"].toBool());
    EXPECT_TRUE(report.toTable().contains("NUMBER REPEATED"));
    // The same file named twice is one document.
    const QJsonArray twice = parse(DocumentReport({example(kInvoice), example(kInvoice)}).toJson());
    EXPECT_FALSE(twice[0].toObject().contains("duplicateNumber"));
}

TEST_F(Report, ReverseChargeAndCisFigures)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // 500.00 labour at 20 % and 100.00 materials at 5 %: VAT 100.00 and 5.00.
    // The contractor (20 %) paid 300.00 and kept back 100.00.
    JobInvoice invoice;
    invoice.setNumber(3090);
    invoice.customer.surname = "Harte";
    invoice.customer.vatNumber = "GB123456789";
    invoice.customer.cisContractor = true;
    invoice.reverseCharge = true;
    for (const auto& [price, rate, part] : {std::tuple{50000, 2000, JobItem::CisPart::Labour},
                                            std::tuple{10000, 500, JobItem::CisPart::Materials}}) {
        JobItem line;
        line.desc = "Work";
        line.price = price;
        line.rate = rate;
        line.cisPart = part;
        invoice.items.add(line);
    }
    JobItem paid;
    paid.desc = "Paid";
    paid.price = 30000;
    paid.deduction = 10000;
    invoice.payments.add(paid);
    Archive archive = Archive::forWriting();
    ASSERT_EQ(invoice.write(archive), 0);
    const QString path = dir.filePath(QStringLiteral("3090.vli"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(archive.data());
    file.close();

    const DocumentReport report({path, example(kInvoice)});
    const QJsonArray entries = parse(report.toJson());
    const QJsonObject rc = entries[0].toObject();
    EXPECT_TRUE(rc["reverseCharge"].toBool());
    EXPECT_EQ(rc["grossTotal"].toString(), "600.00");
    EXPECT_EQ(rc["vatSummary"].toArray()[1].toObject()["vatAmount"].toString(), "0.00");
    const QJsonArray info = rc["vatForInformation"].toArray();
    ASSERT_EQ(info.size(), 2);
    EXPECT_EQ(info[0].toObject()["vatAmount"].toString(), "5.00");
    EXPECT_EQ(info[1].toObject()["vatAmount"].toString(), "100.00");
    EXPECT_EQ(rc["cisLabour"].toString(), "500.00");
    EXPECT_EQ(rc["cisDeduction"].toString(), "100.00");
    EXPECT_EQ(rc["cisNetPayment"].toString(), "500.00");
    EXPECT_EQ(rc["cisDeducted"].toString(), "100.00");
    EXPECT_EQ(rc["totalPaid"].toString(), "400.00");
    EXPECT_EQ(rc["amountDue"].toString(), "200.00");
    const QJsonObject plain = entries[1].toObject();
    EXPECT_FALSE(plain["reverseCharge"].toBool());
    EXPECT_TRUE(plain["vatForInformation"].toArray().isEmpty());
    EXPECT_FALSE(plain.contains("cisDeduction"));

    const QStringList rows = report.toTable().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(rows[0].endsWith("CIS deducted"));
    EXPECT_TRUE(rows[2].endsWith("100.00")) << rows[2].toStdString();
    EXPECT_TRUE(rows.last().endsWith("100.00")) << rows.last().toStdString();
    EXPECT_FALSE(DocumentReport({example(kInvoice)}).toTable().contains("CIS"))
        << "no column without deductions";
}

TEST_F(Report, EveryPathThatIsNoReadableDocumentGetsTheMessageAndNothingHangs)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder.vli");
    const QString pipe = dir.filePath("pipe.vlq");
    const QString broken = dir.filePath("broken.vle");
    const QString wrongKind = dir.filePath("wrong.vle");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("nothing.vle"), broken));
    ASSERT_TRUE(QFile::copy(example(kQuote), wrongKind));
    const struct
    {
        QString path;
        QString error;
    } cases[] = {
        {folder, "The file " + folder + " is invalid."},
        {pipe, "The file " + pipe + " is invalid."},
        {broken, "The file " + broken + " is invalid."},
        {wrongKind, "Invalid Estimate file.\n\n" + wrongKind + " is not a Vorlane estimate."},
    };
    for (const auto& c : cases) {
        const DocumentReport::Entry entry = DocumentReport::entryFor(c.path, FigureInputs());
        EXPECT_EQ(entry.error, c.error) << c.path.toStdString();
    }
}

TEST_F(Report, JsonEscapesWhatAStringCannotHoldAndNothingElse)
{
    QTemporaryDir dir;
    JobInvoice invoice;
    invoice.customer.name = ombrel::OMString("Quote \" back \\ tab\tbell\x01 line|two £ é");
    Archive archive = Archive::forWriting();
    ASSERT_EQ(invoice.write(archive), 0);
    const QString path = dir.filePath("escaped.vli");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(archive.data());
    file.close();

    const QString json = DocumentReport({path}).toJson();
    EXPECT_TRUE(json.contains(
        QString::fromUtf8(R"("customer": "Quote \" back \\ tab\tbell\u0001 line\ntwo £ é")")))
        << json.toStdString();
    EXPECT_EQ(parse(json)[0].toObject()["customer"].toString(),
              QString::fromUtf8("Quote \" back \\ tab\tbell\x01 line\ntwo £ é"));
    EXPECT_EQ(DocumentReport(QStringList()).toJson(), "[]\n");
}
