#include "ExportFixtures.h"
#include "WindowFixture.h"

#include "app/CommandIds.h"
#include "app/ExportCommands.h"
#include "app/MailLauncher.h"
#include "commands/ExportFileName.h"
#include "commands/PdfExportCommand.h"
#include "documents/JobBaseDoc.h"
#include "fileformat/Archive.h"
#include "records/Job.h"
#include "records/JobInvoice.h"
#include "records/JobQuote.h"
#include "settings/SettingsStore.h"
#include "views/JobEditView.h"
#include "views/JobInvoiceEditView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace CommandIds;

namespace {

QString sectionList(const JobEditView& view)
{
    const std::pair<PageSection, const char*> names[] = {
        {PageSection::Materials, "materials"},
        {PageSection::Hire, "hire"},
        {PageSection::Travel, "travel"},
        {PageSection::Labour, "labour"},
        {PageSection::LabourBreakdown, "breakdown"}};
    QStringList list;
    for (const auto& [section, name] : names)
        if (view.isSectionOn(section))
            list.append(QString::fromLatin1(name));
    return list.join(u',');
}

Customer& customerOf(JobBase* record)
{
    if (auto* invoice = dynamic_cast<JobInvoice*>(record))
        return invoice->customer;
    return dynamic_cast<Job&>(*record).customer;
}

} // namespace

class ExportTest : public WindowTest
{
protected:
    RecordingMail* mail = nullptr;
    QTemporaryDir dir;
    /// Copies of the examples: an exported invoice records its issue in its file.
    QTemporaryDir copies;

    /// Where startWith put its copy of `file`.
    QString copied(const char* file) const { return copies.filePath(QString::fromUtf8(file)); }
    void startWith(const char* file)
    {
        skipFirstRun();
        ASSERT_TRUE(start());
        auto launcher = std::make_unique<RecordingMail>();
        mail = launcher.get();
        app->setMailLauncher(std::move(launcher));
        QFile::remove(copied(file));
        ASSERT_TRUE(QFile::copy(example(file), copied(file)));
        ASSERT_NE(app->openDocumentFile(copied(file)), nullptr);
    }
    /// A fresh program for the next case of a table.
    void restart()
    {
        TearDown();
        messages.clear();
        SetUp();
    }
    JobBaseDoc& document() const
    {
        return dynamic_cast<JobBaseDoc&>(app->mainWindow()->activeDocumentWindow()->document());
    }
};

TEST_F(ExportTest, OffersTheKindNumberAndCleanedCustomerName)
{
    const struct
    {
        const char* file;
        const char* expected;
    } cases[] = {
        {"invoice-3081-kitchen-leak.vli", "Invoice 3081 O'BrienSons Ltd & Co.pdf"},
        {"estimate-1017-bathroom-refit.vle", "Estimate 1017 O'BrienSons Ltd & Co.pdf"},
        {"quote-2043-boiler-replacement.vlq", "Quote 2043 O'BrienSons Ltd & Co.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        startWith(c.file);
        customerOf(document().record()).surname = " O'Brien/Sons: <Ltd>\x01\t& Co?*\\|\". ";
        dialogs->saveAnswer.clear();
        trigger(FileExportPdf);
        EXPECT_EQ(QFileInfo(dialogs->offeredSavePath).fileName().toStdString(), c.expected);
        EXPECT_EQ(QFileInfo(dialogs->offeredSavePath).absolutePath(),
                  QFileInfo(copied(c.file)).absolutePath());
        EXPECT_EQ(dialogs->offeredSaveFilter, QString::fromLatin1(ExportCommands::PdfFilter));
        restart();
    }
}

TEST_F(ExportTest, WritesWhatThePreviewShowsAsTheTerminalExportDoes)
{
    const struct
    {
        const char* file;
        std::function<void(QWidget*)> switchView;
    } cases[] = {
        {"estimate-1017-bathroom-refit.vle", [](QWidget*) {}},
        {"quote-2043-boiler-replacement.vlq",
         [](QWidget* view) {
             auto* job = qobject_cast<JobEditView*>(view);
             job->toggleSection(PageSection::Materials);
             job->toggleSection(PageSection::Labour);
         }},
        {"invoice-3081-kitchen-leak.vli",
         [](QWidget* view) { qobject_cast<JobInvoiceEditView*>(view)->togglePaymentDetails(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        startWith(c.file);
        QWidget* view = app->mainWindow()->activeDocumentWindow()->viewWidget();
        c.switchView(view);
        dialogs->saveAnswer = dir.filePath(QStringLiteral("window.pdf"));
        trigger(FileExportPdf);
        EXPECT_TRUE(messages.empty());
        // Exported, an invoice counts as issued, and its saved file says so at once.
        QFile saved(copied(c.file));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().contains("\nissued="),
                  QString::fromLatin1(c.file).endsWith(".vli"));

        PdfExportCommand::Request request;
        request.document = example(c.file);
        request.output = dir.filePath(QStringLiteral("terminal.pdf"));
        if (auto* job = qobject_cast<JobEditView*>(view))
            request.sections = sectionList(*job);
        if (auto* invoice = qobject_cast<JobInvoiceEditView*>(view))
            request.paymentDetails = invoice->showPaymentDetails();
        QString error;
        ASSERT_TRUE(PdfExportCommand::run(request, &error)) << error.toStdString();

        const QString text = pdfText(dialogs->saveAnswer);
        EXPECT_TRUE(text.contains(document().record()->docReference.toQString()));
        EXPECT_EQ(text, pdfText(request.output));
        EXPECT_EQ(SettingsStore::get(SettingKeys::ExportFolder).toQString(), dir.path());
        restart();
    }
}

// Printed from the print preview, an invoice counts as issued; a preview
// closed without printing leaves it as it was.
TEST_F(ExportTest, PrintingFromThePreviewIssuesTheInvoice)
{
    for (const bool printed : {false, true}) {
        SCOPED_TRACE(printed);
        startWith("invoice-3081-kitchen-leak.vli");
        bool seen = false;
        QTimer::singleShot(0, [printed, &seen] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QPrintPreviewDialog*>(widget);
                    dialog && dialog->isVisible()) {
                    seen = true;
                    printed ? dialog->accept() : dialog->reject();
                }
        });
        trigger(FilePrintPreview);
        ASSERT_TRUE(seen);
        QFile saved(copied("invoice-3081-kitchen-leak.vli"));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().contains("\nissued="), printed);
        restart();
    }
}

TEST_F(ExportTest, RefusesToWriteOverTheDocument)
{
    const QString copy = dir.filePath(QStringLiteral("copy.vli"));
    ASSERT_TRUE(QFile::copy(example("invoice-3081-kitchen-leak.vli"), copy));
    skipFirstRun();
    ASSERT_TRUE(start({copy}));
    const QByteArray before = [&] {
        QFile f(copy);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    dialogs->saveAnswer = copy;
    trigger(FileExportPdf);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("it is the document being exported")));
    QFile after(copy);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(ExportTest, SendsThePdfToTheMailProgramAndOffersItsFolderWhenThatFails)
{
    for (const bool sent : {true, false}) {
        SCOPED_TRACE(sent);
        startWith("invoice-3081-kitchen-leak.vli");
        // Without a mail folder of its own the PDF goes where exports go.
        const QString exports = dir.filePath(sent ? "sent" : "failed");
        ASSERT_TRUE(QDir().mkpath(exports));
        SettingsStore::set(SettingKeys::ExportFolder, ombrel::OMString::fromQString(exports));
        answer = MessageHook::AnswerYes;
        // The customer's e-mail is the recipient.
        if (sent)
            document().record()->customer.email = "pat@example.com";
        trigger(FileSendMail);
        const QString attachment =
            QDir(exports).filePath(QStringLiteral("Invoice 3081 Dunmore.pdf"));
        EXPECT_EQ(mail->program, QStringLiteral("xdg-email"));
        QStringList expected = {"--utf8", "--subject", "Invoice 3081", "--attach", attachment};
        if (sent)
            expected << "pat@example.com";
        EXPECT_EQ(mail->arguments, expected);
        EXPECT_TRUE(pdfText(attachment).contains(QStringLiteral("3081")));
        // The window is not held up: the program's result comes later.
        ASSERT_TRUE(mail->result);
        EXPECT_TRUE(messages.empty());
        mail->result(sent);
        EXPECT_EQ(messages.size(), sent ? 0u : 1u);
        EXPECT_EQ(mail->shownFolders, sent ? QStringList() : QStringList{exports});
        restart();
    }
}

TEST(MailLauncherTest, OnlyOnePlainAddressBecomesTheRecipient)
{
    const std::pair<const char*, bool> cases[] = {
        {" ann@example.com ", true}, {"", false},           {"-x@example.com", false},
        {"a@b.c, d@e.f", false},     {"no address", false}, {"a@b.c?cc=x@y.z", false},
    };
    for (const auto& [recipient, kept] : cases) {
        const QStringList args = MailLauncher::arguments("S", "/tmp/a.pdf", recipient);
        EXPECT_EQ(args.size(), kept ? 6 : 5) << recipient;
        if (kept) {
            EXPECT_EQ(args.last(), QString::fromUtf8(recipient).trimmed());
        }
    }
}

TEST_F(ExportTest, ExportsTheEInvoiceInTheFormatChosenAndMailsItWhenAsked)
{
    using namespace SettingKeys;
    const auto business = [] {
        for (const auto& [key, value] :
             {std::pair{&CompanyName, "Nidd Valley Plumbing"},
              std::pair{&CompanyAddress, "1 Mill Lane\r\nHarrogate\r\nHG1 1AA"},
              std::pair{&VATRegistrationNo, "123456789"},
              std::pair{&BankIBAN, "GB33BUKB20201555555555"}})
            SettingsStore::set(*key, ombrel::OMString(value));
        SettingsStore::set(IsVATRegistered, 1);
    };
    const struct
    {
        int format;
        const char* file;
        const char* contains;
    } cases[] = {{0, "e.xml", "urn:oasis:names:specification:ubl:schema:xsd:Invoice-2"},
                 {1, "e.xml", "CrossIndustryInvoice"},
                 {2, "e.pdf", "/AFRelationship /Alternative"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        startWith("invoice-3081-kitchen-leak.vli");
        business();
        const int remembered = (c.format + 1) % 3;
        SettingsStore::set(EInvoiceFormat, remembered);
        const QString path = dir.filePath(QString::fromLatin1(c.file));
        QFile::remove(path);
        dialogs->eInvoiceFormatAnswer = c.format;
        dialogs->saveAnswer = path;
        trigger(FileExportEInvoice);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(dialogs->offeredEInvoiceFormat, remembered);
        EXPECT_EQ(SettingsStore::get(EInvoiceFormat), c.format);
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.readAll().contains(c.contains));
        restart();
    }

    // With the option, the mail carries the XML beside the PDF; missing data stops it.
    startWith("invoice-3081-kitchen-leak.vli");
    business();
    SettingsStore::set(MailEInvoice, 1);
    SettingsStore::set(EInvoiceFormat, 1);
    SettingsStore::set(ExportFolder, ombrel::OMString::fromQString(dir.path()));
    trigger(FileSendMail);
    const QString pdf = dir.filePath(QStringLiteral("Invoice 3081 Dunmore.pdf"));
    const QString xml = dir.filePath(QStringLiteral("Invoice 3081 Dunmore.xml"));
    EXPECT_EQ(mail->arguments, QStringList({"--utf8", "--subject", "Invoice 3081", "--attach", pdf,
                                            "--attach", xml}));
    EXPECT_TRUE(QFileInfo::exists(xml));
    mail->arguments.clear();
    SettingsStore::set(CompanyName, {});
    trigger(FileSendMail);
    EXPECT_TRUE(mail->arguments.isEmpty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(
        QStringLiteral("the business's name (Options, Business Information)")));
}

TEST(MailLauncherTest, AProgramThatEndsWithAFailureIsReportedAsNotSent)
{
    MailLauncher launcher;
    for (const auto& [program, expected] : {std::pair{"true", true}, std::pair{"false", false},
                                            std::pair{"no-such-program-x", false}}) {
        int reports = 0;
        bool sent = !expected;
        launcher.start(QString::fromLatin1(program), {}, [&](bool result) {
            ++reports;
            sent = result;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return reports > 0; }, 10000)) << program;
        EXPECT_EQ(sent, expected) << program;
        QTest::qWait(20);
        EXPECT_EQ(reports, 1) << program;
    }
}

TEST_F(ExportTest, SendByEmailIsHiddenWithoutAMailProgram)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    auto launcher = std::make_unique<RecordingMail>();
    launcher->isAvailable = false;
    app->setMailLauncher(std::move(launcher));
    EXPECT_FALSE(action(FileSendMail)->isVisible());
}

TEST_F(ExportTest, NewInvoiceFromAQuoteHoldsItsLinesAndANewNumber)
{
    startWith("quote-2043-boiler-replacement.vlq");
    SettingsStore::set(SettingKeys::ImportMaterialsAsOneLine, 0);
    const auto& quote = dynamic_cast<const JobQuote&>(*document().record());
    const JobQuote before = quote;
    QStringList quoteLines;
    for (const auto* list : {&quote.materials, &quote.hire})
        list->forEach([&](const JobItem& item) { quoteLines.append(item.desc.toQString()); });
    ASSERT_FALSE(quoteLines.isEmpty());
    const int32_t nextNumber = SettingsStore::get(SettingKeys::NextInvoiceNo);

    Document* created = app->newInvoiceFromThis();
    ASSERT_NE(created, nullptr);
    auto& invoice = dynamic_cast<JobInvoice&>(*dynamic_cast<JobBaseDoc&>(*created).record());
    QStringList invoiceLines;
    invoice.items.forEach([&](const JobItem& item) { invoiceLines.append(item.desc.toQString()); });
    for (const QString& line : quoteLines)
        EXPECT_TRUE(invoiceLines.contains(line)) << line.toStdString();
    EXPECT_EQ(invoice.docReference.toQString(), QString::number(nextNumber));
    EXPECT_EQ(invoice.customer.surname, quote.customer.surname);
    EXPECT_TRUE(created->path().isEmpty());
    EXPECT_TRUE(messages.empty());

    // The quote is read, never written: its times and VAT flag stay as they were.
    EXPECT_EQ(quote.updated, before.updated);
    EXPECT_EQ(quote.created, before.created);
    EXPECT_EQ(bool(quote.hasVATInfo), bool(before.hasVATInfo));
    // Nor anything else (writing copies stamps both with the time of writing).
    const auto text = [](JobQuote copy) {
        Archive archive = Archive::forWriting();
        EXPECT_EQ(copy.write(archive), 0);
        return QString::fromUtf8(archive.data()).remove(QRegularExpression("updated=\\d*\n"));
    };
    EXPECT_EQ(text(quote), text(before));
}
