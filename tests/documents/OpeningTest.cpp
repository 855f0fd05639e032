#include "DocumentsFixture.h"
#include "documents/DocumentTemplates.h"
#include "documents/DocumentView.h"
#include "documents/JobEstimateDoc.h"
#include "documents/JobInvoiceDoc.h"
#include "documents/UpdateHint.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/CustomerStore.h"
#include "records/JobEstimate.h"
#include "settings/SettingsStore.h"

using namespace ombrel;

namespace {

class RecordingView : public DocumentView
{
public:
    void onUpdate(DocumentView*, UpdateHint hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// An invoice saved before the business registered for VAT.
const char* kOldInvoice = "[invoice]\nversion=1\n[base]\nnumber=7\nhasVATInfo=0\n"
                          "[invoice-item]\nprice=100.00\n"
                          "[invoice-item]\nprice=50.00\nrate=5\n"
                          "[payment-item]\nprice=10.00\n[end]\n";

} // namespace

class Opening : public DocumentsFixture
{
protected:
    void SetUp() override
    {
        DocumentsFixture::SetUp();
        templates.registerJobTemplates();
    }
    DocumentTemplates templates;
};

TEST_F(Opening, TemplatesInTheirOrderWithTheirStrings)
{
    ASSERT_EQ(templates.all().size(), 4u);
    EXPECT_EQ(templates.all()[0]->extension(), "vle");
    EXPECT_EQ(templates.all()[1]->extension(), "vli");
    EXPECT_EQ(templates.all()[2]->extension(), "vlq");
    EXPECT_EQ(templates.all()[2]->kind()->filter(), "Vorlane Quote Files (*.vlq)");
    EXPECT_EQ(templates.forPath("/a/b.vli"),
              templates.byResource(DocumentKind::get(DocumentKind::Invoice).resourceId));
    EXPECT_EQ(templates.forPath("/a/b.VLI"), templates.forPath("/a/b.vli"));
    EXPECT_EQ(templates.forPath("/a/b.vli.txt"), nullptr);
}

TEST_F(Opening, RefusesMissingPathsAndFilesOfAnotherKind)
{
    ASSERT_TRUE(TextFile::save(path("quote.vle"), "[quote]\n[end]\n"));
    const std::pair<const char*, QString> cases[] = {
        {"none.vle", "The file " + path("none.vle") + " is invalid.\n\nIt was not found."},
        {"quote.vle",
         "Invalid Estimate file.\n\n" + path("quote.vle") + " is not a Vorlane estimate."},
        {"notes.txt", "The file " + path("notes.txt") + " is invalid.\n\nIt was not found."},
    };
    for (const auto& [name, message] : cases) {
        QString error;
        EXPECT_EQ(templates.openDocumentFile(path(name), &error), nullptr) << name;
        EXPECT_EQ(error, message);
    }
    for (const auto& t : templates.all())
        EXPECT_TRUE(t->documents().empty());
}

TEST_F(Opening, SavedDocumentsStoreTheirCustomerInTheStoreTheyWereGiven)
{
    struct Numbering : CustomerStore
    {
        bool storeCustomer(Customer& customer, QString* error) override
        {
            stored.push_back(customer.surname.str());
            customer.custno = 77;
            // The third kind's file cannot be written: the document is saved all the same.
            if (stored.size() == 3)
                *error = "not written";
            return stored.size() != 3;
        }
        std::vector<std::string> stored;
    } store;
    DocumentTemplates withStore;
    withStore.registerJobTemplates(&store);
    for (const auto& kind : withStore.all()) {
        auto document = kind->createDocument();
        auto* job = static_cast<JobBaseDoc*>(document.get());
        ASSERT_TRUE(job->onNewDocument());
        ASSERT_TRUE(job->saveAs(path("doc.") + kind->extension()));
        QByteArray written;
        ASSERT_TRUE(TextFile::load(job->path(), written));
        EXPECT_TRUE(written.contains("\ncustno=77\n")) << kind->extension().toStdString();
        EXPECT_EQ(job->saveWarning(), store.stored.size() == 3 ? "not written" : "");
    }
    EXPECT_EQ(store.stored.size(), 4u);

    // Writing a record alone stores nothing anywhere.
    JobEstimate estimate;
    Archive archive = Archive::forWriting();
    estimate.write(archive);
    EXPECT_TRUE(archive.data().contains("\ncustno=0\n"));
    EXPECT_EQ(store.stored.size(), 4u);
}

TEST_F(Opening, OpensTheExamplesAndTellsTheViews)
{
    const QString examples = qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/";
    auto doc = templates.openDocumentFile(examples + "estimate-1017-bathroom-refit.vle");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->title(), "estimate-1017-bathroom-refit.vle");
    EXPECT_FALSE(doc->isModified());
    auto* estimate = dynamic_cast<JobDoc*>(doc.get());
    ASSERT_NE(estimate, nullptr);
    EXPECT_EQ(estimate->job().number, 1017u);
    EXPECT_EQ(estimate->takenNumber(), 0u);
    EXPECT_EQ(templates.byResource(DocumentKind::get(DocumentKind::Estimate).resourceId)
                  ->documents()
                  .size(),
              1u);

    RecordingView view;
    doc->addView(&view);
    templates.updateAllDocumentViews(nullptr, SettingsChanged);
    EXPECT_EQ(view.hints, std::vector<int>{SettingsChanged});
    estimate->setModified(true);
    ASSERT_TRUE(estimate->saveAs(path("copy.vle")));
    EXPECT_EQ(view.hints, (std::vector<int>{SettingsChanged, BeforeSave, AfterSave}));
    doc.reset();
    EXPECT_TRUE(templates.byResource(DocumentKind::get(DocumentKind::Estimate).resourceId)
                    ->documents()
                    .empty());
}

TEST_F(Opening, OffersVATUntilApplied)
{
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    ASSERT_TRUE(TextFile::save(path("old.vli"), kOldInvoice));
    EXPECT_EQ(JobBaseDoc::vatQuestion(),
              "This document was created before VAT registration. Do you want to apply VAT at "
              "the standard rate of 20% to all items?");

    // Opening changes nothing by itself: the window asks, and a No leaves it.
    auto doc = templates.openDocumentFile(path("old.vli"));
    ASSERT_NE(doc, nullptr);
    auto* invoice = static_cast<JobInvoiceDoc*>(doc.get());
    EXPECT_TRUE(invoice->needsVATQuestion());
    EXPECT_FALSE(invoice->isModified());
    EXPECT_FALSE(invoice->invoice().hasVATInfo);

    RecordingView view;
    invoice->addView(&view);
    invoice->applyStandardVAT();
    EXPECT_EQ(view.hints, std::vector<int>{DocumentOpened});
    invoice->removeView(&view);
    EXPECT_TRUE(invoice->isModified());
    EXPECT_TRUE(invoice->invoice().hasVATInfo);
    auto it = invoice->invoice().items.iterator();
    EXPECT_EQ(it.next().rate, Percentage(2000));
    EXPECT_EQ(it.next().rate, Percentage(2000));
    EXPECT_EQ(invoice->invoice().payments.iterator().next().rate, Percentage(0));
    // Recalculated with VAT: 150.00 net and 30.00 VAT.
    EXPECT_EQ(invoice->invoice().totals(true).grossTotal, OMMoney(18000));
    ASSERT_TRUE(invoice->save());
    doc.reset();

    doc = templates.openDocumentFile(path("old.vli"));
    ASSERT_NE(doc, nullptr);
    EXPECT_FALSE(static_cast<JobInvoiceDoc*>(doc.get())->needsVATQuestion());
}

TEST_F(Opening, NoQuestionWhenNotRegistered)
{
    ASSERT_TRUE(TextFile::save(path("old.vli"), kOldInvoice));
    auto doc = templates.openDocumentFile(path("old.vli"));
    ASSERT_NE(doc, nullptr);
    EXPECT_FALSE(static_cast<JobInvoiceDoc*>(doc.get())->needsVATQuestion());
}
