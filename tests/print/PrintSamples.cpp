// Writes the sample documents to PDF files in the folder given on the command
// line, to look at the printed pages. Uses a throw-away settings home.
#include "SampleDocuments.h"

#include "print/InvoicePage.h"
#include "print/PageOptions.h"
#include "print/PdfExport.h"
#include "print/PrintedPage.h"
#include "print/TextStyles.h"

#include "resources/StringTable.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool write(PrintedPage& printed, const QString& path)
{
    QString error;
    if (PdfExport::write(printed, path, &error))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8() + "/config");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ombrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlane"));
    const QDir out(QString::fromLocal8Bit(argv[1]));

    bool ok = true;
    TextStyles styles;
    PrintedPage printed(styles);

    SampleDocuments::usePlumberBusiness();
    styles.loadStyles();
    JobEstimate estimate = SampleDocuments::bathroomEstimate();
    PageOptions options;
    options.vat = true;
    options.sections = AllPageSections;
    options.pageTitle = StringTable::text(IDS_TITLE_ESTIMATE);
    printed.compose(estimate, options);
    ok = write(printed, out.filePath("estimate.pdf")) && ok;

    JobInvoice invoice = SampleDocuments::boilerInvoice();
    PageOptions invoiceOptions;
    invoiceOptions.vat = true;
    invoiceOptions.showPaymentDetails = true;
    invoiceOptions.pageTitle = StringTable::text(IDS_TITLE_INVOICE);
    invoiceOptions.stampText = InvoicePage::stampText(invoice, true);
    printed.compose(invoice, invoiceOptions);
    ok = write(printed, out.filePath("invoice.pdf")) && ok;

    JobInvoice longOne = SampleDocuments::longInvoice(300);
    printed.compose(longOne, invoiceOptions);
    ok = write(printed, out.filePath("invoice-300.pdf")) && ok;

    SampleDocuments::useElectricianBusiness();
    styles.loadStyles();
    printed.settingsChanged();
    JobQuote quote = SampleDocuments::rewireQuote();
    PageOptions quoteOptions;
    quoteOptions.sections = AllPageSections & ~PageSections(PageSection::Hire);
    quoteOptions.pageTitle = StringTable::text(IDS_TITLE_QUOTE);
    printed.compose(quote, quoteOptions);
    ok = write(printed, out.filePath("quote.pdf")) && ok;

    invoiceOptions.vat = false;
    invoiceOptions.showPaymentDetails = false;
    JobInvoice plain = SampleDocuments::boilerInvoice();
    plain.extraTerms.clear();
    printed.compose(plain, invoiceOptions);
    ok = write(printed, out.filePath("invoice-novat.pdf")) && ok;
    // A picture logo on the right, scaled to a set width.
    QImage logo(400, 160, QImage::Format_RGB32);
    logo.fill(QColor(20, 90, 160));
    {
        QPainter painter(&logo);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Arial"), 48, QFont::Bold));
        painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("DM"));
    }
    const QString logoFile = out.filePath(QStringLiteral("logo.png"));
    logo.save(logoFile);
    SettingsStore::set(SettingKeys::LogoMode, 3);
    SettingsStore::set(SettingKeys::LogoLayout, 2);
    SettingsStore::set(SettingKeys::LogoFilename, ombrel::OMString::fromQString(logoFile));
    SettingsStore::set(SettingKeys::LogoSetImageWidth, 1);
    SettingsStore::set(SettingKeys::LogoImageWidth, 180);
    printed.compose(quote, quoteOptions);
    ok = write(printed, out.filePath("quote-picture.pdf")) && ok;

    // A new user's invoice: a picture logo at its own size, a two-line tag line, eight lines.
    SampleDocuments::useElectricianPictureLogo(out.filePath(QStringLiteral("electrician.png")));
    JobInvoice kitchen = SampleDocuments::kitchenInvoice();
    invoiceOptions.stampText = InvoicePage::stampText(kitchen, false);
    printed.compose(kitchen, invoiceOptions);
    ok = write(printed, out.filePath("invoice-8-lines.pdf")) && ok;
    kitchen.payments.add(SampleDocuments::payment("Balance", kitchen.totals(false).amountDue().value(),
                                                  ombrel::OMDate(6, 1, 2027, true)));
    invoiceOptions.stampText = InvoicePage::stampText(kitchen, false);
    printed.compose(kitchen, invoiceOptions);
    ok = write(printed, out.filePath("invoice-paid.pdf")) && ok;
    return ok ? 0 : 1;
}
