#include "WindowFixture.h"

#include "app/AmountEdit.h"
#include "app/BusinessNamePage.h"
#include "app/BusinessNumbersPage.h"
#include "app/BusinessTypePage.h"
#include "app/BusinessVatPage.h"
#include "app/BusinessWizard.h"
#include "app/CommandIds.h"
#include "app/DocumentsOverview.h"
#include "app/LedgerModel.h"
#include "app/MainWindow.h"
#include "app/NextNumbersBox.h"
#include "app/OptionsCompanyPage.h"
#include "app/OptionsDefaultsPage.h"
#include "app/OptionsDialog.h"
#include "app/OptionsLogoPage.h"
#include "app/OptionsMiscPage.h"
#include "app/OptionsNumbersPage.h"
#include "app/OptionsPaymentPage.h"
#include "app/OptionsStylesPage.h"
#include "documents/JobDoc.h"
#include "ledger/LedgerFolders.h"
#include "print/TextStyles.h"
#include "records/Job.h"
#include "support/FileSizeLimit.h"
#include "views/ColourLabel.h"
#include "views/FilteredLineEdit.h"
#include "views/PreviewTab.h"
#include "views/TabbedEditView.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using Defaults = OptionsDefaultsPage;

namespace {

QString plain(const QString& label)
{
    return QString(label).remove(u'&');
}

/// A sheet over its own style table, counting the refreshes it asks for.
struct Sheet
{
    TextStyles styles;
    int refreshes = 0;
    OptionsDialog sheet{styles, [this] { ++refreshes; }};
    Sheet() { sheet.loadPages(); }
};

} // namespace

using Options = WindowTest;

TEST_F(Options, AnEmptyStoreShowsTheFallbacksAndOkStoresThem)
{
    Sheet s;
    OptionsDefaultsPage& defaults = *s.sheet.defaults();
    EXPECT_EQ(defaults.amount(Defaults::HourlyRate)->text(), "12.00");
    EXPECT_EQ(defaults.amount(Defaults::CostPerMile)->text(), "0.40");
    EXPECT_EQ(defaults.amount(Defaults::DailyHours)->text(), "7.00");
    EXPECT_EQ(s.sheet.company()->rateEdit()->text(), "20");
    EXPECT_EQ(plain(s.sheet.company()->ownersLabel()->text()), "Proprietor:");
    EXPECT_EQ(s.sheet.misc()->currencyEdit()->text(), SettingsStore::currencySymbol().toQString());
    EXPECT_EQ(s.sheet.misc()->hoursEdit()->text(), "hr");
    const QString dateFormat = s.sheet.misc()->dateFormatList()->currentText();

    s.sheet.accept();
    EXPECT_EQ(s.sheet.result(), QDialog::Accepted);
    EXPECT_EQ(s.refreshes, 1) << "the views are told once, not once a page";
    const std::vector<std::pair<IntegerSetting, int>> stored = {
        {SettingKeys::HourlyRate, 1200},
        {SettingKeys::CostPerMile, 40},
        {SettingKeys::DailyWorkingHours, 700},
        {SettingKeys::TermsEstimate, 60},
        {SettingKeys::TermsQuote, 60},
        {SettingKeys::TermsInvoice, 30},
        {SettingKeys::DisplayEAOE, 1},
        {SettingKeys::VATRate, 2000},
        {SettingKeys::ShowVATOnEstimates, 1},
        {SettingKeys::LogoMaxHeight, 25},
        {SettingKeys::NextEstimateNo, 101},
        {SettingKeys::NextInvoiceNo, 101},
        {SettingKeys::Splash, 0} /* the fixture's */,
        {SettingKeys::LogoMode, 0},
    };
    QSettings settings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane"));
    for (const auto& [setting, value] : stored) {
        const QString section = QString::fromLatin1(setting.section);
        const QString key = (section.isEmpty() ? QString() : section + u'/') + setting.name;
        EXPECT_TRUE(settings.contains(key)) << setting.name << " was written";
        EXPECT_EQ(SettingsStore::get(setting), value) << setting.name;
    }
    EXPECT_EQ(SettingsStore::get(SettingKeys::HoursSymbol).toQString(), "hr");
    EXPECT_EQ(SettingsStore::get(SettingKeys::DateFormat).toQString(), dateFormat);
    EXPECT_TRUE(dateFormat == "DD/MM/YYYY" || dateFormat == "MM/DD/YYYY");
}

TEST_F(Options, TypedNumbersAreStoredExactlyAndFieldsRefuseLetters)
{
    Sheet s;
    struct Case
    {
        QLineEdit* field;
        const char* typed;
        const char* shown;
        IntegerSetting setting;
        int stored;
    };
    const Case cases[] = {
        {s.sheet.defaults()->amount(Defaults::HourlyRate), "1x2.5", "12.5", SettingKeys::HourlyRate,
         1250},
        {s.sheet.defaults()->amount(Defaults::Admin), "0.15", "0.15", SettingKeys::TimeAdmin, 15},
        {s.sheet.defaults()->amount(Defaults::DailyHours), "7.25", "7.25",
         SettingKeys::DailyWorkingHours, 725},
        {s.sheet.company()->rateEdit(), "15%", "15", SettingKeys::VATRate, 1500},
    };
    for (const Case& c : cases) {
        c.field->setEnabled(true);
        c.field->clear();
        QTest::keyClicks(c.field, c.typed);
        EXPECT_EQ(c.field->text(), c.shown);
    }
    s.sheet.accept();
    for (const Case& c : cases)
        EXPECT_EQ(SettingsStore::get(c.setting), c.stored) << c.setting.name;
}

TEST_F(Options, ASymbolTypedShowsBesideTheChargesBeforeOk)
{
    Sheet s;
    const QString currency = SettingsStore::currencySymbol().toQString();
    for (const auto& [field, typed] : {std::pair{s.sheet.misc()->distanceEdit(), "furlong"},
                                       std::pair{s.sheet.misc()->hoursEdit(), "h"}}) {
        field->selectAll();
        QTest::keyClicks(field, typed);
    }
    EXPECT_EQ(s.sheet.defaults()->distanceUnitLabel()->text(), currency + "/furlong");
    EXPECT_EQ(s.sheet.defaults()->rateUnitLabel()->text(), currency + "/h");
    s.sheet.reject();
    EXPECT_NE(SettingsStore::distanceSymbol().toQString(), "furlong");
}

TEST_F(Options, AnAccessibilityToolsToggleOfTheVatBoxActsAsAClick)
{
    Sheet s;
    BusinessWizard wizard({});
    wizard.loadPages();
    const std::tuple<QCheckBox*, QLineEdit*, QLineEdit*> pages[] = {
        {s.sheet.company()->vatBox(), s.sheet.company()->registrationEdit(),
         s.sheet.company()->rateEdit()},
        {wizard.vatPage()->vatBox(), wizard.vatPage()->registrationEdit(),
         wizard.vatPage()->rateEdit()}};
    for (const auto& [box, registration, rate] : pages) {
        ASSERT_FALSE(box->isChecked());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(registration->isEnabled());
        EXPECT_TRUE(rate->isEnabled());
    }
}

TEST_F(Options, AWriteThatFailsIsReportedAndTheSheetStaysOpen)
{
    Sheet s;
    QTest::keyClicks(s.sheet.payment()->field(OptionsPaymentPage::Field::BIC), "NWBKGB2L");
    messages.clear();
    {
        const FileSizeLimit full(8);
        ASSERT_TRUE(full.active());
        s.sheet.accept();
    }
    EXPECT_NE(s.sheet.result(), QDialog::Accepted);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Not every option could be saved. The settings file "))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains(" cannot be written: "))
        << messages[0].text.toStdString();
    // Tried again once the disk has room.
    messages.clear();
    s.sheet.accept();
    EXPECT_EQ(s.sheet.result(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(SettingsStore::get(SettingKeys::BankBIC), "NWBKGB2L");
}

TEST_F(Options, BankDetailsVATOnEstimatesAndTheLogoHeightAreStored)
{
    Sheet s;
    OptionsPaymentPage& payment = *s.sheet.payment();
    using Field = OptionsPaymentPage::Field;
    const std::pair<Field, StringSetting> fields[] = {
        {Field::AccountName, SettingKeys::BankAccountName},
        {Field::SortCode, SettingKeys::BankSortCode},
        {Field::AccountNumber, SettingKeys::BankAccountNumber},
        {Field::IBAN, SettingKeys::BankIBAN},
        {Field::BIC, SettingKeys::BankBIC},
    };
    for (const auto& [field, setting] : fields)
        QTest::keyClicks(payment.field(field), QStringLiteral(" value of %1 ").arg(setting.name));
    QTest::keyClicks(payment.instructionsEdit(), "Quote the invoice number.");
    EXPECT_TRUE(payment.isModified());
    ASSERT_TRUE(s.sheet.defaults()->vatOnJobsBox()->isChecked());
    s.sheet.defaults()->vatOnJobsBox()->click();
    s.sheet.logo()->maxHeightBox()->setValue(40);
    s.sheet.accept();
    for (const auto& [field, setting] : fields)
        EXPECT_EQ(SettingsStore::get(setting).toQString(),
                  QStringLiteral("value of %1").arg(setting.name));
    EXPECT_EQ(SettingsStore::get(SettingKeys::PaymentInstructions), "Quote the invoice number.");
    EXPECT_EQ(SettingsStore::get(SettingKeys::ShowVATOnEstimates), 0);
    EXPECT_EQ(SettingsStore::get(SettingKeys::LogoMaxHeight), 40);
    EXPECT_EQ(s.refreshes, 1) << "open previews show them";

    // A stored standard rate is kept, whatever a new profile starts with.
    SettingsStore::set(SettingKeys::VATRate, 1750);
    Sheet again;
    EXPECT_EQ(again.sheet.company()->rateEdit()->text(), "17.5");
    EXPECT_EQ(again.sheet.payment()->field(Field::BIC)->text(), "value of BIC");
    EXPECT_FALSE(again.sheet.defaults()->vatOnJobsBox()->isChecked());
}

TEST_F(Options, CancelLeavesTheStoreAndTheStyleTableAlone)
{
    Sheet s;
    s.sheet.company()->nameEdit()->setText("Acme");
    s.sheet.stylesPage()->styleCopy(StyleTitle).font.setSize(40);
    s.sheet.logo()->logoStyle().background = 0x123456;
    s.sheet.reject();
    EXPECT_TRUE(QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).allKeys() ==
                QStringList{QStringLiteral("options/splash")});
    EXPECT_EQ(s.refreshes, 0);
    for (int i = 0; i < StyleCount; ++i)
        EXPECT_TRUE(s.styles.style(i).looksLike(TextStyles::defaultStyle(i))) << i;
}

TEST_F(Options, TheLogoSampleFollowsTheModeAndTheUnsavedBusinessName)
{
    Sheet s;
    s.sheet.company()->nameEdit()->setText("Acme Plumbing");
    s.sheet.logo()->textEdit()->setText("ACME");
    struct Case
    {
        int mode;
        const char* sample;
        bool textEnabled;
        bool taglineEnabled;
    };
    for (const Case& c : {Case{0, "", false, false}, Case{1, "Acme Plumbing", false, true},
                          Case{2, "ACME", true, true}, Case{3, "PICTURE", false, true}}) {
        s.sheet.logo()->modeGroup()->button(c.mode)->click();
        EXPECT_EQ(s.sheet.logo()->sample()->text(), c.sample) << c.mode;
        EXPECT_EQ(s.sheet.logo()->textEdit()->isEnabled(), c.textEnabled) << c.mode;
        EXPECT_EQ(s.sheet.logo()->taglineBox()->isEnabled(), c.taglineEnabled) << c.mode;
    }
    EXPECT_TRUE(SettingsStore::get(SettingKeys::CompanyName).isEmpty());
    EXPECT_TRUE(QString(OptionsLogoPage::PictureFilter).contains("*.png"));
    EXPECT_TRUE(QString(OptionsLogoPage::PictureFilter).contains("*.svg"));
}

TEST_F(Options, TheTextStylesButtonsFollowTheStyleFlags)
{
    Sheet s;
    OptionsStylesPage& page = *s.sheet.stylesPage();
    struct Case
    {
        const char* title;
        bool font, text, background;
    };
    for (const Case& c :
         {Case{"Title", true, true, false}, Case{"Terms of business", true, true, false},
          Case{"Even Table Rows", false, false, true}, Case{"Table Header", false, false, true}}) {
        page.styleList()->setCurrentIndex(page.styleList()->findText(c.title));
        EXPECT_EQ(page.fontButton()->isEnabled(), c.font) << c.title;
        EXPECT_EQ(page.textColourButton()->isEnabled(), c.text) << c.title;
        EXPECT_EQ(page.backgroundButton()->isEnabled(), c.background) << c.title;
        EXPECT_EQ(page.sample()->text(), QString(c.title) + " Sample");
    }
}

TEST_F(Options, ANoHourWorkingDayIsRefusedAndALoweredNumberWarnsOnce)
{
    SettingsStore::set(SettingKeys::NextQuoteNo, 150);
    Sheet s;
    s.sheet.show();
    s.sheet.documents()->numbers()->field(DocumentKind::Quote)->setValue(120);
    AmountEdit* hours = s.sheet.defaults()->amount(Defaults::DailyHours);
    hours->setText("0");

    s.sheet.accept();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].icon, MessageHook::Warning);
    EXPECT_TRUE(messages[0].text.contains("share a number"));
    EXPECT_TRUE(messages[1].text.contains("Daily Working Hours"));
    EXPECT_NE(s.sheet.result(), QDialog::Accepted);
    EXPECT_EQ(s.sheet.activePage(), s.sheet.defaults());
    EXPECT_EQ(s.sheet.focusWidget(), hours);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextQuoteNo), 150) << "nothing saved yet";

    hours->setText("8");
    s.sheet.accept();
    EXPECT_EQ(messages.size(), 2u) << "the lowered number warns only once";
    EXPECT_EQ(s.sheet.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextQuoteNo), 120);
    EXPECT_EQ(SettingsStore::get(SettingKeys::DailyWorkingHours), 800);
}

TEST_F(Options, NewQuotesTakeTheQuoteValidityTheSheetEdits)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    dialogs->settingsDialogAnswer = [](QDialog& dialog) {
        auto& sheet = dynamic_cast<OptionsDialog&>(dialog);
        sheet.loadPages();
        sheet.defaults()->period(DocumentKind::Quote)->setValue(14);
        sheet.accept();
        return sheet.result();
    };
    trigger(CommandIds::Options);
    trigger(CommandIds::FileNewQuote);
    auto& quote = dynamic_cast<JobDoc&>(app->mainWindow()->activeDocumentWindow()->document());
    EXPECT_EQ(quote.job().daysValid, 14u);
}

TEST_F(Options, TheDocumentsWindowListsTheFoldersTheMiscPageHolds)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    DocumentsOverview* overview = app->showDocumentsOverview();
    ASSERT_NE(overview, nullptr);
    const QTemporaryDir extra;
    const QString file = extra.filePath(QStringLiteral("3081.vli"));
    ASSERT_TRUE(QFile::copy(example("invoice-3081-kitchen-leak.vli"), file));
    const auto listed = [&] { return overview->model().ledger().indexOf(file) >= 0; };
    for (const bool adding : {true, false}) {
        SCOPED_TRACE(adding);
        dialogs->settingsDialogAnswer = [&](QDialog& dialog) {
            auto& sheet = dynamic_cast<OptionsDialog&>(dialog);
            sheet.loadPages();
            OptionsMiscPage& misc = *sheet.misc();
            if (adding) {
                misc.addFolder(extra.path() + "/");
                misc.addFolder(extra.path());
            } else {
                misc.foldersList()->setCurrentRow(0);
                misc.removeFolderButton()->click();
            }
            sheet.accept();
            return sheet.result();
        };
        trigger(CommandIds::Options);
        EXPECT_EQ(LedgerFolders::added(), adding ? QStringList(extra.path()) : QStringList());
        EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == adding; }, 5000));
    }
}

TEST_F(Options, CommandsToolBarAndAStyleChangeReachAnOpenPreview)
{
    skipFirstRun();
    ASSERT_TRUE(start());
    EXPECT_TRUE(
        app->mainWindow()->findChild<QToolBar*>()->actions().contains(action(CommandIds::Options)));
    EXPECT_EQ(action(CommandIds::Options)->shortcut(), QKeySequence(Qt::Key_F4));
    trigger(CommandIds::FileNewEstimate);
    auto* view =
        qobject_cast<TabbedEditView*>(app->mainWindow()->activeDocumentWindow()->viewWidget());
    ASSERT_NE(view, nullptr);
    PreviewTab* preview = view->previewTab();
    preview->compose();
    ASSERT_NE(preview->printed().fonts().title.size(), 40);

    QString ran;
    dialogs->settingsDialogAnswer = [&ran](QDialog& dialog) {
        ran = dialog.metaObject()->className();
        auto* sheet = dynamic_cast<OptionsDialog*>(&dialog);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->loadPages();
        sheet->stylesPage()->styleCopy(StyleTitle).font.setSize(40);
        sheet->accept();
        return sheet->result();
    };
    trigger(CommandIds::BusinessInformation);
    EXPECT_EQ(ran, "BusinessWizard");
    trigger(CommandIds::Options);
    EXPECT_EQ(ran, "OptionsDialog");
    EXPECT_EQ(app->styles().style(StyleTitle).font.size(), 40);
    EXPECT_EQ(preview->printed().fonts().title.size(), 40) << "the open preview was restyled";
}

using Wizard = WindowTest;

TEST_F(Wizard, ShowsTheStoredTypeAndVatStateFromTheStart)
{
    struct Case
    {
        int type;
        int vat;
        const char* label;
    };
    for (const Case& c :
         {Case{0, 0, "Proprietor:"}, Case{1, 1, "Partners:"}, Case{2, 0, "Directors:"}}) {
        SettingsStore::set(SettingKeys::CompanyType, c.type);
        SettingsStore::set(SettingKeys::IsVATRegistered, c.vat);
        BusinessWizard wizard({});
        wizard.loadPages();
        EXPECT_EQ(plain(wizard.typePage()->ownersLabel()->text()), c.label);
        EXPECT_EQ(wizard.vatPage()->rateEdit()->isEnabled(), c.vat == 1) << c.type;
        EXPECT_EQ(wizard.vatPage()->registrationEdit()->isEnabled(), c.vat == 1) << c.type;
    }
}

TEST_F(Wizard, WalksItsPagesAndSavesOnlyOnFinish)
{
    int refreshes = 0;
    BusinessWizard wizard([&refreshes] { ++refreshes; });
    wizard.show();
    QStringList titles;
    for (int i = 0; i < wizard.pageCount(); ++i)
        titles << wizard.page(i)->title();
    EXPECT_EQ(titles, (QStringList{"Welcome", "Name", "Type", "Contact", "VAT", "Numbers"}));
    EXPECT_FALSE(wizard.backButton()->isEnabled());
    EXPECT_TRUE(wizard.finishButton()->isHidden());
    EXPECT_EQ(wizard.controlPage()->numbers()->field(DocumentKind::Invoice)->value(), 101);

    wizard.nextButton()->click();
    wizard.namePage()->nameEdit()->setText("Acme Plumbing");
    wizard.vatPage()->vatBox()->click();
    wizard.vatPage()->rateEdit()->setText("15");
    for (int i = 1; i < wizard.pageCount() - 1; ++i) {
        EXPECT_TRUE(wizard.backButton()->isEnabled());
        wizard.nextButton()->click();
    }
    EXPECT_EQ(wizard.activeIndex(), wizard.pageCount() - 1);
    EXPECT_TRUE(wizard.nextButton()->isHidden());
    EXPECT_TRUE(SettingsStore::get(SettingKeys::CompanyName).isEmpty()) << "nothing before Finish";

    wizard.finishButton()->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore::get(SettingKeys::CompanyName).toQString(), "Acme Plumbing");
    EXPECT_EQ(SettingsStore::get(SettingKeys::IsVATRegistered), 1);
    EXPECT_EQ(SettingsStore::get(SettingKeys::VATRate), 1500);
    EXPECT_EQ(SettingsStore::get(SettingKeys::NextQuoteNo), 101);
    EXPECT_EQ(refreshes, 1);

    BusinessWizard cancelled({});
    cancelled.show();
    cancelled.namePage()->nameEdit()->setText("Other");
    cancelled.next();
    cancelled.next();
    cancelled.reject();
    EXPECT_EQ(SettingsStore::get(SettingKeys::CompanyName).toQString(), "Acme Plumbing");
}
