#include "ExportFixtures.h"
#include "WindowFixture.h"
#include "ledger/LedgerFixture.h"

#include "app/AsOfDateEdit.h"
#include "app/CommandIds.h"
#include "app/InvoiceCredits.h"
#include "app/OptionsDialog.h"
#include "app/OptionsRemindersPage.h"
#include "app/PaymentCommands.h"
#include "app/ReminderDialog.h"
#include "app/StatementDialog.h"
#include "ledger/DocumentScanner.h"
#include "ledger/LedgerFolders.h"
#include "print/TextStyles.h"
#include "records/FigureInputs.h"
#include "records/JobCreditNote.h"
#include "records/LateInterest.h"
#include "records/ReminderLetter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace ledgertest;
using ombrel::OMMoney;

namespace {

/// Plays the user's part in the next modal dialog of type `D` once it is
/// open; `play` closes it.
template <typename D> void whenOpen(std::function<void(D&)> play)
{
    QTimer::singleShot(0, [play] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            whenOpen<D>(play);
            return;
        }
        play(*dialog);
    });
}

void click(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text) {
            button->click();
            return;
        }
    ADD_FAILURE() << "no button " << text.toStdString();
    dialog.reject();
}

/// Invoice 1 (70.00 and 30.00, due 1 October 2026) and the credit notes of
/// its 30.00 line and of another invoice's whole.
struct Credits
{
    JobInvoice invoice = ledgertest::invoice(1, day(2026, 9, 1), 30, {{70'00, 0}, {30'00, 0}});
    JobCreditNote line, other;
    Credits()
    {
        line.credit(invoice, {{1, std::nullopt}});
        line.date = day(2026, 9, 20);
        const JobInvoice another = ledgertest::invoice(2, day(2026, 9, 5), 30, {{12'00, 0}});
        other.credit(another, JobCreditNote::wholeInvoice(another));
    }
};

} // namespace

// Credit notes are found beside the invoice and in the overview's folders
// (and below), never in a folder below the invoice's own.
TEST(InvoiceCreditsTest, NetsTheCreditNotesBesideTheInvoiceAndInTheOverviewsFolders)
{
    QTemporaryDir beside, listed;
    Credits docs;
    save(docs.invoice, beside.filePath("1.vli"));
    save(docs.other, beside.filePath("n2.vln"));
    JobCreditNote partLine0;
    partLine0.credit(docs.invoice, {{0, OMMoney(10'00)}});
    save(partLine0, beside.filePath("N3.VLN"));
    ASSERT_TRUE(QDir().mkpath(beside.filePath("old")));
    JobCreditNote whole;
    whole.credit(docs.invoice, JobCreditNote::wholeInvoice(docs.invoice));
    save(whole, beside.filePath("old/n4.vln"));
    ASSERT_TRUE(QDir().mkpath(listed.filePath("2026")));
    save(docs.line, listed.filePath("2026/n1.vln"));

    const FigureInputs inputs = FigureInputs::current();
    const QString reference = docs.invoice.docReference.toQString();
    struct Case
    {
        QStringList folders;
        int64_t credited;
    };
    const Case cases[] = {
        {{}, -10'00},
        {{listed.path()}, -40'00},
        {{listed.path(), beside.path()}, -140'00}, // the folder listed: "old" too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folders.join(u',').toStdString());
        EXPECT_EQ(InvoiceCredits::scan(beside.filePath("1.vli"), reference, c.folders, inputs),
                  OMMoney(c.credited));
    }
}

class PaymentDialogsTest : public WindowTest
{
protected:
    QTemporaryDir dir, listed;
    Credits docs;
    RecordingMail* mail = nullptr;

    void SetUp() override
    {
        WindowTest::SetUp();
        save(docs.invoice, dir.filePath("1.vli"));
        save(docs.line, listed.filePath("n1.vln"));
        ASSERT_TRUE(LedgerFolders::setAdded({listed.path()}));
    }
};

// With the Documents window closed, the letter nets the credit note kept in
// another of the overview's folders; the reminder sent is recorded in the
// invoice's file with its level and day.
TEST_F(PaymentDialogsTest, ReminderNetsCreditNotesAndIsRecordedInTheInvoice)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    ASSERT_NE(app->openDocumentFile(dir.filePath("1.vli")), nullptr);
    ASSERT_EQ(app->documentsOverview(), nullptr);
    dialogs->saveAnswer = dir.filePath("letter.pdf");
    QString summary;
    whenOpen<ReminderDialog>([&](ReminderDialog& dialog) {
        dialog.levelBox()->setCurrentIndex(dialog.levelBox()->findData(Reminder::Firm));
        dialog.dateEdit()->setDay(day(2026, 11, 1));
        summary = dialog.summaryLabel()->text();
        click(dialog, "&Export as PDF...");
    });
    ASSERT_TRUE(app->sendReminder());
    EXPECT_TRUE(summary.contains("70.00 due, 31 days overdue")) << summary.toStdString();
    EXPECT_TRUE(pdfText(dir.filePath("letter.pdf")).contains("70.00"));

    const LedgerEntry entry = DocumentScanner::read(dir.filePath("1.vli"), FigureInputs::current());
    ASSERT_EQ(entry.summary.reminders.size(), 1u);
    EXPECT_EQ(entry.summary.reminders[0].level, Reminder::Firm);
    EXPECT_EQ(entry.summary.reminders[0].date, day(2026, 11, 1));
}

// The statement's PDF carries the balance after the credit note, exported or
// mailed to the customer's address from the folder chosen for mail.
TEST_F(PaymentDialogsTest, StatementExportedOrMailedCarriesTheBalance)
{
    TextStyles styles;
    styles.loadStyles();
    ScriptedDialogs scripted;
    RecordingMail recording;
    PaymentCommands commands(scripted, recording, styles);
    const FigureInputs inputs = FigureInputs::current();
    const std::vector<LedgerEntry> entries = {
        DocumentScanner::read(dir.filePath("1.vli"), inputs),
        DocumentScanner::read(listed.filePath("n1.vln"), inputs)};
    const QString customer = entries[0].summary.customer;
    ASSERT_FALSE(customer.isEmpty());
    SettingsStore::set(SettingKeys::MailFolder,
                       ombrel::OMString::fromQString(dir.filePath("mail")));
    scripted.saveAnswer = dir.filePath("statement.pdf");

    struct Case
    {
        const char* button;
        bool mailed;
    };
    for (const Case c : {Case{"&Export as PDF...", false}, Case{"Send by E-&mail...", true}}) {
        SCOPED_TRACE(c.button);
        whenOpen<StatementDialog>([&](StatementDialog& dialog) {
            dialog.fromBox()->setChecked(true);
            dialog.fromEdit()->setDay(day(2026, 8, 1));
            dialog.asOfEdit()->setDay(day(2026, 11, 1));
            click(dialog, c.button);
        });
        ASSERT_TRUE(commands.showStatement(nullptr, entries, 0, customer, "dunmore@example.com"));
        QString pdf = scripted.saveAnswer;
        if (c.mailed) {
            ASSERT_EQ(recording.program, MailLauncher::Program);
            EXPECT_TRUE(recording.arguments.contains("dunmore@example.com"));
            pdf = recording.arguments.filter(".pdf").value(0);
            EXPECT_TRUE(pdf.startsWith(dir.filePath("mail/"))) << pdf.toStdString();
        }
        const QString text = pdfText(pdf);
        const qsizetype carried = text.indexOf("Balance carried forward");
        ASSERT_GE(carried, 0) << text.toStdString();
        EXPECT_TRUE(text.mid(carried, text.indexOf('\n', carried) - carried).contains("70.00"))
            << text.toStdString();
    }
}

using RemindersOptions = WindowTest;

// The Reminders page stores the texts the letters use and the base rates laid
// over the shipped ones; a rate line that does not read keeps the sheet open
// and stores nothing.
TEST_F(RemindersOptions, TextsAndBaseRatesReachTheLetters)
{
    TextStyles styles;
    OptionsDialog sheet{styles, [] {}};
    sheet.loadPages();
    OptionsRemindersPage& page = *sheet.reminders();
    page.textEdit(Reminder::FinalNotice)->setPlainText("Pay {amount} for {invoice} now.");
    page.ratesEdit()->setPlainText("2026-05-07 3.50\n2026-13-01 3.25");
    sheet.accept();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("2026-13-01")) << messages[0].text.toStdString();
    EXPECT_NE(ReminderLetter::textFor(Reminder::FinalNotice), "Pay {amount} for {invoice} now.");

    page.ratesEdit()->setPlainText("2026-05-07 3.50");
    sheet.accept();
    EXPECT_EQ(ReminderLetter::textFor(Reminder::FinalNotice), "Pay {amount} for {invoice} now.");
    const std::vector<LateInterest::BaseRate> rates = LateInterest::currentRates();
    EXPECT_EQ(LateInterest::rateOn(day(2026, 5, 6), rates), 375);
    EXPECT_EQ(LateInterest::rateOn(day(2026, 5, 7), rates), 350);
}
