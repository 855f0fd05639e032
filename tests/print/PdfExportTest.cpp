#include "PrintTestSupport.h"

#include "SampleDocuments.h"

#include "print/InvoicePage.h"
#include "print/PdfExport.h"
#include "print/PrintableArea.h"
#include "settings/SettingsStore.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using ombrel::OMString;

namespace {

class PdfExportTest : public PrintTest
{
protected:
    void SetUp() override
    {
        PrintTest::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    /// The text of a PDF's pages `first` to `last` (all when 0), laid out as printed.
    static QString pdfText(const QString& file, int first = 0, int last = 0)
    {
        QStringList args{QStringLiteral("-layout")};
        if (first > 0)
            args << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l")
                 << QString::number(last);
        args << file << QStringLiteral("-");
        QProcess process;
        process.start(QStringLiteral("pdftotext"), args);
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    static int pdfPages(const QString& file)
    {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {file});
        process.waitForFinished(60000);
        const QString info = QString::fromUtf8(process.readAllStandardOutput());
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    /// The first page's size in points, as "W x H".
    static QString pdfPageSize(const QString& file)
    {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {file});
        process.waitForFinished(60000);
        const QString info = QString::fromUtf8(process.readAllStandardOutput());
        const auto match =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+)")).match(info);
        return match.captured(1);
    }

    static QString q(const OMString& text) { return text.toQString(); }
    /// A bare page, without stamp, on the locale's paper.
    static bool write(GPage& page, const QString& file, QString* error)
    {
        return PdfExport::write(page, {}, file, PdfExport::defaultPageSize(), QPageLayout::Portrait,
                                error);
    }

    /// Whether `text` holds the words of `phrase` in order, however the PDF
    /// spaced or broke them.
    static bool hasWords(const QString& text, const QString& phrase)
    {
        QStringList words = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& word : words)
            word = QRegularExpression::escape(word);
        return text.contains(QRegularExpression(words.join(QStringLiteral("\\s+"))));
    }

    QTemporaryDir dir;
    PrintedPage printed{styles};
};

} // namespace

TEST_F(PdfExportTest, EstimateWithEveryBreakdown)
{
    SampleDocuments::usePlumberBusiness();
    styles.loadStyles();
    const JobEstimate job = SampleDocuments::bathroomEstimate();
    PageOptions o = options(IDS_TITLE_ESTIMATE, true);
    o.sections = AllPageSections;
    printed.compose(job, o);
    ASSERT_TRUE(PdfExport::write(printed, path("estimate.pdf"), nullptr));

    const QString text = pdfText(path("estimate.pdf"));
    for (const QString& expected :
         {QStringLiteral("ESTIMATE"), QStringLiteral("Estimate: 1042"),
          QStringLiteral("Customer Ref: Bathroom - Flat 2"), QStringLiteral("14/03/2024"),
          QStringLiteral("Mrs Anne Whitfield"), QStringLiteral("Total including VAT"),
          QStringLiteral("Terms: Estimate valid for 60 days"), QStringLiteral("Breakdown of costs"),
          QStringLiteral("Labour Breakdown"),
          QStringLiteral("Hartley & Sons Plumbing, Unit 4, Mill Lane, Hebden Bridge, HX7 8AB"),
          QStringLiteral("Partners: J. Hartley, M. Hartley    VAT Registration No. GB 284 5521 09"),
          QStringLiteral("Gas Safe registered heating engineers")})
        EXPECT_TRUE(hasWords(text, expected)) << expected.toStdString();
    // Figures stand at the right of their rows.
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("TOTAL\\s+") +
        QRegularExpression::escape(q(job.jobTotal(FigureInputs::current()).toString())))));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("Apprentice\\s+24\\.00\\s+15\\.00\\s+360\\.00"))));
}

TEST_F(PdfExportTest, QuoteOfABusinessWithoutVAT)
{
    SampleDocuments::useElectricianBusiness();
    styles.loadStyles();
    const JobQuote quote = SampleDocuments::rewireQuote();
    PageOptions o = options(IDS_TITLE_QUOTE, false);
    o.sections |= PageSection::Materials;
    printed.compose(quote, o);
    ASSERT_TRUE(PdfExport::write(printed, path("quote.pdf"), nullptr));
    const QString text = pdfText(path("quote.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Morgan Electrical")));
    EXPECT_TRUE(text.contains(QStringLiteral("Part P approved domestic installer")));
    EXPECT_TRUE(text.contains(QStringLiteral("Job Location:")));
    EXPECT_TRUE(hasWords(text, QStringLiteral("Terms: Quote valid for 30 days")));
    EXPECT_TRUE(hasWords(text, QStringLiteral("Phone: 07700 900 482   Fax: 01558 822 019")));
    EXPECT_TRUE(hasWords(text, QStringLiteral("Proprietor: David Morgan")));
    EXPECT_FALSE(text.contains(QStringLiteral("exclude VAT")));
    EXPECT_FALSE(text.contains(QStringLiteral("E & OE")));
    EXPECT_FALSE(text.contains(QStringLiteral("VAT Registration")));
}

TEST_F(PdfExportTest, InvoiceWithVATAndPayments)
{
    SampleDocuments::usePlumberBusiness();
    styles.loadStyles();
    JobInvoice invoice = SampleDocuments::boilerInvoice();
    PageOptions o = options(IDS_TITLE_INVOICE, true);
    o.showPaymentDetails = true;
    o.stampText = InvoicePage::stampText(invoice, o.vat);
    printed.compose(invoice, o);
    ASSERT_TRUE(PdfExport::write(printed, path("invoice.pdf"), nullptr));
    const QString text = pdfText(path("invoice.pdf"));
    const InvoiceTotals totals = invoice.totals(true);
    const QString vat5 = q(totals.vatSummary[0].vatAmount().toString());
    const QString vat20 = q(totals.vatSummary[1].vatAmount().toString());
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("VAT at 5%\\s+") + QRegularExpression::escape(vat5))));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("VAT at 20%\\s+") + QRegularExpression::escape(vat20))));
    EXPECT_LT(text.indexOf(QStringLiteral("VAT at 5%")),
              text.indexOf(QStringLiteral("VAT at 20%")));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("20/05/2024\\s+Deposit\\s+500\\.00"))));
    EXPECT_TRUE(text.contains(
        QRegularExpression(QStringLiteral("AMOUNT DUE\\s+") +
                           QRegularExpression::escape(q(totals.amountDue().toString())))));
    EXPECT_TRUE(hasWords(text, QStringLiteral("Payment within 30 days otherwise 2.5% will be")));
    EXPECT_TRUE(hasWords(text, QStringLiteral("Invoice: 2217")));
    // Turned to landscape, as the page setup may say.
    ASSERT_TRUE(PdfExport::write(printed, path("wide.pdf"), QPageSize(QPageSize::A4),
                                 QPageLayout::Landscape, nullptr));
    EXPECT_EQ(pdfPageSize(path("wide.pdf")), QStringLiteral("842 x 595"));
    EXPECT_TRUE(pdfText(path("wide.pdf")).contains(QStringLiteral("AMOUNT DUE")));
    // One page: no page numbers, no "continued".
    EXPECT_FALSE(text.contains(QStringLiteral("Page 1")));
    EXPECT_FALSE(text.contains(QStringLiteral("continued")));
}

TEST_F(PdfExportTest, ThreeHundredLinesRepeatTheHeaderOnEveryPage)
{
    SampleDocuments::usePlumberBusiness();
    styles.loadStyles();
    JobInvoice invoice = SampleDocuments::longInvoice(300);
    printed.compose(invoice, options(IDS_TITLE_INVOICE, true));
    ASSERT_TRUE(PdfExport::write(printed, path("long.pdf"), nullptr));
    const int pages = pdfPages(path("long.pdf"));
    ASSERT_GT(pages, 3);
    EXPECT_EQ(pages, printed.page().getPageCount());
    int lines = 0;
    for (int p = 1; p <= pages; ++p) {
        const QString text = pdfText(path("long.pdf"), p, p);
        EXPECT_TRUE(text.contains(QRegularExpression(
            QStringLiteral("Qty\\s+Description\\s+Unit Price\\s+VAT\\s+Total £"))))
            << "page " << p;
        EXPECT_TRUE(text.contains(QStringLiteral("Hartley & Sons Plumbing, Unit 4")))
            << "page " << p;
        lines += int(text.count(QRegularExpression(QStringLiteral("Service visit \\d+"))));
        EXPECT_TRUE(hasWords(text, QStringLiteral("Page %1 of %2").arg(p).arg(pages)))
            << "page " << p;
        EXPECT_EQ(hasWords(text, QStringLiteral("Invoice 9001, continued")), p > 1) << "page " << p;
    }
    EXPECT_EQ(lines, 300);
    EXPECT_TRUE(pdfText(path("long.pdf"), pages, pages).contains(QStringLiteral("AMOUNT DUE")));
}

TEST_F(PdfExportTest, FailuresLeaveNoFileBehind)
{
    GPage page;
    page.paragraph(GPage::Body, true, true)->addString("x");
    const QString missing = path("no/such/folder/out.pdf");
    QString error;
    EXPECT_FALSE(write(page, missing, &error));
    EXPECT_TRUE(error.contains("no/such/folder/out.pdf")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    // A folder in the way of the file is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    error.clear();
    EXPECT_FALSE(write(page, path("taken.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path("taken.pdf")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(PdfExportTest, AnExistingFileIsReplacedWhole)
{
    {
        QFile old(path("out.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500000, 'x'));
    }
    GPage page;
    page.paragraph(GPage::Body, true, true)->addString("Replaced");
    ASSERT_TRUE(write(page, path("out.pdf"), nullptr));
    QFile out(path("out.pdf"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_TRUE(out.read(5) == "%PDF-");
    EXPECT_LT(out.size(), 500000);
    EXPECT_TRUE(pdfText(path("out.pdf")).contains(QStringLiteral("Replaced")));
}

TEST_F(PdfExportTest, AFullDiskKeepsTheOldFileAndSaysWhy)
{
    GPage page;
    page.paragraph(GPage::Body, true, true)->addString("Written whole");
    ASSERT_TRUE(write(page, path("probe.pdf"), nullptr));
    const qint64 size = QFileInfo(path("probe.pdf")).size();
    const QByteArray good = QByteArray("%PDF-1.4 a good file\n").repeated(10);

    // The disk fills at the end of the PDF's last buffered part, in its
    // middle, or at once.
    for (const qint64 limit : {size - 10, size / 2, qint64(100)}) {
        SCOPED_TRACE(limit);
        {
            QFile old(path("out.pdf"));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write(good);
        }
        QString error;
        {
            const FileSizeLimit full{rlim_t(limit)};
            ASSERT_TRUE(full.active());
            EXPECT_FALSE(write(page, path("out.pdf"), &error));
        }
        EXPECT_TRUE(error.contains("out.pdf")) << error.toStdString();
        // The system's reason, never "Unknown error".
        EXPECT_TRUE(error.endsWith(qt_error_string(EFBIG))) << error.toStdString();
        QFile out(path("out.pdf"));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        EXPECT_EQ(out.readAll(), good);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  QStringList({QStringLiteral("out.pdf"), QStringLiteral("probe.pdf")}));
    }
}

namespace {

/// Every object the cross-reference table of `file` lists starts where it says.
void expectCrossReferencesHold(const QString& name)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    const qsizetype xref = pdf.lastIndexOf("\nxref\n");
    const qsizetype first = pdf.indexOf('\n', xref + 6) + 1;
    const int count = pdf.mid(xref + 6, first - xref - 6).split(' ').value(1).trimmed().toInt();
    ASSERT_GT(count, 3);
    for (int i = 1; i < count; ++i) {
        const QByteArray entry = pdf.mid(first + qsizetype(i) * 20, 20);
        if (entry.at(17) == 'n') {
            EXPECT_TRUE(
                pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(i) + " 0 obj"))
                << i;
        }
    }
    const qsizetype start = pdf.lastIndexOf("startxref\n") + 10;
    EXPECT_EQ(pdf.mid(start, pdf.indexOf('\n', start) - start).trimmed().toLongLong(), xref + 1);
}

} // namespace

TEST_F(PdfExportTest, ThePdfNamesItsDocumentBusinessAndSubjectAndStaysWhole)
{
    SampleDocuments::usePlumberBusiness();
    JobInvoice invoice = SampleDocuments::boilerInvoice();
    invoice.description = "Boiler (combi) replaced\nSecond line";
    const PdfExport::Metadata metadata = PdfExport::metadataFor(invoice);
    EXPECT_EQ(metadata.title, "Invoice " + invoice.docReference.toQString());
    EXPECT_EQ(metadata.author, SettingsStore::get(SettingKeys::CompanyName).toQString());
    EXPECT_FALSE(metadata.author.isEmpty());
    EXPECT_EQ(metadata.subject, "Boiler (combi) replaced");

    GPage page;
    page.paragraph(GPage::Body, true, true)->addString("Body text");
    ASSERT_TRUE(PdfExport::write(page, {}, path("meta.pdf"), PdfExport::defaultPageSize(),
                                 QPageLayout::Portrait, nullptr, metadata));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path("meta.pdf")});
    info.waitForFinished(60000);
    const QString properties = QString::fromUtf8(info.readAllStandardOutput());
    for (const auto& [key, value] :
         {std::pair{"Title", metadata.title}, std::pair{"Author", metadata.author},
          std::pair{"Subject", metadata.subject}, std::pair{"Creator", QStringLiteral("Vorlane")}})
        EXPECT_TRUE(
            QRegularExpression(
                QStringLiteral("(^|\\n)%1:\\s+%2\\n").arg(key, QRegularExpression::escape(value)))
                .match(properties)
                .hasMatch())
            << key << "\n"
            << properties.toStdString();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardError()).isEmpty());
    EXPECT_TRUE(pdfText(path("meta.pdf")).contains(QStringLiteral("Body text")));

    expectCrossReferencesHold(path("meta.pdf"));
}

namespace {

/// Page `page` of a PDF rendered at a low resolution.
QImage renderedPage(const QString& file, int page, const QString& prefix)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-f"),
                   QString::number(page), QStringLiteral("-l"), QString::number(page),
                   QStringLiteral("-png"), QStringLiteral("-singlefile"), file, prefix});
    process.waitForFinished(60000);
    return QImage(prefix + QStringLiteral(".png"));
}

/// The red pixels of a page: the stamp's stroke.
struct RedPixels
{
    explicit RedPixels(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 160 && c.green() < 110 && c.blue() < 110) {
                    ++count;
                    box |= QRect(x, y, 1, 1);
                }
            }
    }
    int count = 0;
    QRect box;
};

} // namespace

TEST_F(PdfExportTest, TheStampIsWrittenOnceAndDrawnOnEveryPage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    SampleDocuments::usePlumberBusiness();
    styles.loadStyles();
    PageOptions o = options(IDS_TITLE_INVOICE, true);
    o.stampText = "OVERDUE";
    printed.compose(SampleDocuments::longInvoice(300), o);
    // The stamp's form and the information dictionary's entries both move
    // objects: the table must follow each.
    const PdfExport::Metadata metadata{"Invoice", "A business", "Subject", {}};
    ASSERT_TRUE(PdfExport::write(printed, path("stamped.pdf"), nullptr, metadata));
    expectCrossReferencesHold(path("stamped.pdf"));
    // The same pages with the outline drawn on each by the writer itself,
    // and without any stamp.
    {
        QPdfWriter writer(path("drawn.pdf"));
        writer.setPageSize(PdfExport::defaultPageSize());
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        const QRect area =
            PrintableArea::rect(DeviceMetrics::ofWholePage(writer), PrintMargins::fromSettings());
        ASSERT_GT(PrintedPage::print(printed.page(), o.stampText, writer, area), 3);
    }
    printed.stampText = {};
    ASSERT_TRUE(PdfExport::write(printed, path("plain.pdf"), nullptr, metadata));

    const int pages = pdfPages(path("stamped.pdf"));
    ASSERT_EQ(pages, pdfPages(path("drawn.pdf")));
    EXPECT_EQ(pdfText(path("stamped.pdf")), pdfText(path("plain.pdf")));
    const qint64 plain = QFileInfo(path("plain.pdf")).size();
    EXPECT_LT((QFileInfo(path("stamped.pdf")).size() - plain) * 3,
              QFileInfo(path("drawn.pdf")).size() - plain)
        << "the outline is written once, not on each of " << pages << " pages";

    for (int page : {1, pages / 2, pages}) {
        const RedPixels formed(renderedPage(path("stamped.pdf"), page, path("formed")));
        const RedPixels drawn(renderedPage(path("drawn.pdf"), page, path("drawn")));
        ASSERT_GT(drawn.count, 100) << "page " << page;
        EXPECT_NEAR(formed.count, drawn.count, drawn.count / 20) << "page " << page;
        for (const auto& [a, b] : {std::pair{formed.box.left(), drawn.box.left()},
                                   {formed.box.top(), drawn.box.top()},
                                   {formed.box.right(), drawn.box.right()},
                                   {formed.box.bottom(), drawn.box.bottom()}})
            EXPECT_NEAR(a, b, 1) << "page " << page;
    }
}
