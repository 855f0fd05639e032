#include "DocumentsFixture.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/JobQuoteDoc.h"
#include "settings/SettingsStore.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QProcess>
#include <functional>
#include <memory>
#include <set>

using namespace ombrel;

using Numbering = DocumentsFixture;

TEST_F(Numbering, NewDocumentsTakeTheNextNumberAtOnce)
{
    JobEstimateDoc doc;
    ASSERT_TRUE(doc.onNewDocument());
    EXPECT_EQ(doc.job().number, 101u);
    EXPECT_EQ(doc.job().docReference, "101");
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 102);
    EXPECT_EQ(doc.title(), "Estimate 101");
    EXPECT_TRUE(doc.job().created.isSet());
    // Each kind counts on its own.
    JobInvoiceDoc invoice;
    ASSERT_TRUE(invoice.onNewDocument());
    EXPECT_EQ(invoice.invoice().number, 101u);
    EXPECT_EQ(invoice.title(), "Invoice 101");
}

TEST_F(Numbering, ClosingUnsavedGivesBackOnlyTheLastNumber)
{
    {
        JobEstimateDoc first, second;
        ASSERT_TRUE(first.onNewDocument());
        ASSERT_TRUE(second.onNewDocument());
        EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 103);
        first.onCloseDocument();
        EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 103);
        second.onCloseDocument();
        EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 102);
    }
    {
        JobQuoteDoc first, second;
        ASSERT_TRUE(first.onNewDocument());
        ASSERT_TRUE(second.onNewDocument());
        second.onCloseDocument();
        first.onCloseDocument();
        EXPECT_EQ(SettingsStore::get(SettingKeys::NextQuoteNo), 101);
    }
}

TEST_F(Numbering, ASavedDocumentGivesNothingBack)
{
    JobEstimateDoc doc;
    ASSERT_TRUE(doc.onNewDocument());
    ASSERT_TRUE(doc.saveAs(path("101.vle")));
    EXPECT_FALSE(doc.numberTaken());
    doc.onCloseDocument();
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextEstimateNo), 102);
}

TEST_F(Numbering, ACounterThatCannotBeStoredGivesNothingOut)
{
    ASSERT_TRUE(SettingsStore::set(SettingKeys::NextInvoiceNo, 101));
    const QString settings =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Ombrel", "Vorlane").fileName();
    const QFile::Permissions writable = QFile::permissions(settings);
    std::unique_ptr<FileSizeLimit> full;
    struct Case
    {
        const char* name;
        std::function<void()> fail, mend;
    };
    const Case cases[] = {
        {"a read-only settings file",
         [&] { QFile::setPermissions(settings, QFile::ReadOwner | QFile::ReadGroup); },
         [&] { QFile::setPermissions(settings, writable); }},
        {"a full disk", [&] { full = std::make_unique<FileSizeLimit>(8); }, [&] { full.reset(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        JobInvoiceDoc doc;
        QString error;
        c.fail();
        const bool made = doc.onNewDocument(&error);
        c.mend();
        EXPECT_FALSE(made);
        EXPECT_FALSE(doc.numberTaken());
        EXPECT_TRUE(error.startsWith("No new invoice was made")) << error.toStdString();
        EXPECT_TRUE(error.contains("The settings file " + settings + " cannot be written"))
            << error.toStdString();
        EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 101);
    }
    JobInvoiceDoc doc;
    ASSERT_TRUE(doc.onNewDocument());
    EXPECT_EQ(doc.invoice().number, 101u) << "nothing was given out meanwhile";
}

TEST_F(Numbering, CopiesTakingNumbersAtOnceNeverShareOne)
{
    constexpr int Copies = 3;
    constexpr int Each = 40;
    std::vector<std::unique_ptr<QProcess>> helpers;
    for (int i = 0; i < Copies; ++i) {
        auto& helper = helpers.emplace_back(std::make_unique<QProcess>());
        helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper->start(QStringLiteral(NUMBER_TAKE_HELPER), {QString::number(Each)});
    }
    std::multiset<uint32_t> numbers;
    for (auto& helper : helpers) {
        ASSERT_TRUE(helper->waitForFinished(120000));
        EXPECT_EQ(helper->exitCode(), 0);
        for (const QByteArray& line : helper->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                numbers.insert(line.toUInt());
    }
    // 101 onwards, each given out once and none skipped.
    ASSERT_EQ(numbers.size(), size_t(Copies * Each));
    EXPECT_EQ(std::set<uint32_t>(numbers.begin(), numbers.end()).size(), numbers.size());
    EXPECT_EQ(*numbers.begin(), 101u);
    EXPECT_EQ(*numbers.rbegin(), uint32_t(100 + Copies * Each));
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextInvoiceNo), 101 + Copies * Each);
}

TEST_F(Numbering, NewJobsTakeTheirDefaultsFromTheSettings)
{
    using namespace SettingKeys;
    SettingsStore::set(ChargeTravelDistance, 1);
    SettingsStore::set(ChargeTravelTime, 2); // only 1 switches it on
    SettingsStore::set(DisplayEAOE, 0);
    SettingsStore::set(TermsEstimate, 45);
    SettingsStore::set(TermsQuote, 14);
    SettingsStore::set(HourlyRate, 3850);
    SettingsStore::set(TimeAdmin, 150);
    SettingsStore::set(TimeResearch, 25);
    JobQuoteDoc quote;
    ASSERT_TRUE(quote.onNewDocument());
    const Job& job = quote.job();
    EXPECT_TRUE(job.chargeTravelDistance);
    EXPECT_FALSE(job.chargeTravelTime);
    EXPECT_FALSE(job.displayEAOE);
    EXPECT_EQ(job.daysValid, 14u) << "quotes take their own validity";
    EXPECT_EQ(job.hourlyRate, OMMoney(3850));
    EXPECT_EQ(job.costPerMile, OMMoney(40));
    EXPECT_DOUBLE_EQ(job.hoursAdmin, 1.5);
    EXPECT_DOUBLE_EQ(job.hoursResearch, 0.25);
    EXPECT_DOUBLE_EQ(job.hoursWork, 0.0);

    JobEstimateDoc estimate;
    ASSERT_TRUE(estimate.onNewDocument());
    EXPECT_EQ(estimate.job().daysValid, 45u);

    SettingsStore::set(TermsInvoice, 14);
    JobInvoiceDoc invoice;
    ASSERT_TRUE(invoice.onNewDocument());
    EXPECT_EQ(invoice.invoice().daysToPay, 14u);
    EXPECT_FALSE(invoice.invoice().displayEAOE);
}

TEST_F(Numbering, VATRegistrationIsStampedOnNewDocuments)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    JobInvoiceDoc invoice;
    ASSERT_TRUE(invoice.onNewDocument());
    EXPECT_TRUE(invoice.invoice().hasVATInfo);
}
