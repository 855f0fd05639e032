#include "PrintTestSupport.h"

#include "print/PageHead.h"
#include "print/layout/GPicture.h"
#include "print/layout/GTextBox.h"
#include "print/layout/GUnits.h"

#include "records/JobEstimate.h"
#include "records/JobInvoice.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace PrintTestSupport;
using ombrel::OMDate;

namespace {

class HeadTest : public PrintTest
{
protected:
    const GParagraph& composeHead(const char* title = "INVOICE")
    {
        printed.compose(title, {});
        return *printed.page().paragraph(GPage::Header, false, false);
    }
    std::vector<std::string> footerItems()
    {
        printed.compose("X", {});
        const GParagraph& footer = *printed.page().paragraph(GPage::Footer, false, false);
        std::vector<std::string> items;
        for (int i = 0; i < footer.itemCount(); ++i)
            items.push_back(footer.item(i).text.str());
        return items;
    }
    void setLogo(int mode, int layout, const char* tagline = "")
    {
        SettingsStore::set(SettingKeys::LogoMode, mode);
        SettingsStore::set(SettingKeys::LogoLayout, layout);
        SettingsStore::set(SettingKeys::LogoDisplayTagline, 1);
        SettingsStore::set(SettingKeys::LogoTagline, tagline);
    }

    PrintedPage printed{styles};
};

} // namespace

TEST_F(HeadTest, NoLogoModeHasNoTagline)
{
    setLogo(0, 0, "Fast and friendly");
    const GParagraph& head = composeHead();
    EXPECT_EQ(head.hAlign(), GObject::AlignCentre);
    ASSERT_EQ(head.itemCount(), 2);
    EXPECT_EQ(head.item(0).text, "\nINVOICE\n");
    EXPECT_EQ(head.item(0).font, printed.fonts().title);
    EXPECT_EQ(head.item(1).text, "\n");
    EXPECT_EQ(head.item(1).font, printed.fonts().normal);
}

TEST_F(HeadTest, CentredTextLogoWithTagline)
{
    setLogo(2, 0, "Since 1982");
    SettingsStore::set(SettingKeys::LogoText, "Bright Sparks");
    const GParagraph& head = composeHead("QUOTE");
    ASSERT_EQ(head.itemCount(), 4);
    const auto* box = dynamic_cast<const GTextBox*>(head.item(0).object.get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Bright Sparks");
    EXPECT_EQ(box->font(), styles.font(StyleLogo));
    EXPECT_EQ(box->padding(), GPadding(20, 20, 8, 8));
    EXPECT_EQ(box->background(), styles.background(StyleLogo));
    EXPECT_EQ(box->hAlign(), GObject::AlignCentre);
    EXPECT_EQ(box->vAlign(), 8);
    EXPECT_EQ(head.item(1).text, "\nSince 1982");
    EXPECT_EQ(head.item(1).font, styles.font(StyleTagline));
    EXPECT_EQ(head.item(2).text, "\nQUOTE\n");
    // Drawn: logo, tag line, title, one blank line.
    QStringList lines = printed.page().pageText(0);
    EXPECT_EQ(lines.mid(0, 3), (QStringList{"Bright Sparks", "Since 1982", "QUOTE"}));
}

TEST_F(HeadTest, BusinessNameOnTheLeft)
{
    setLogo(1, 1, "Heating and plumbing");
    SettingsStore::set(SettingKeys::CompanyName, "Hartley Plumbing");
    composeHead();
    const auto head = grids(printed.page(), GPage::Header);
    ASSERT_EQ(head.size(), 1u);
    const GGrid& grid = *head[0];
    ASSERT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.column(0).hAlign(), GObject::AlignCentre);
    EXPECT_EQ(grid.column(2).hAlign(), GObject::AlignRight);
    EXPECT_EQ(grid.column(1).flags(), GObject::FlagTakeRest);
    EXPECT_EQ(grid.column(0).flags(), GObject::FlagFitContent);
    EXPECT_EQ(grid.column(2).flags(), GObject::FlagFitContent);

    const GGridCell& logo = *grid.row(0).cellAt(0);
    EXPECT_EQ(logo.text(), "Hartley Plumbing");
    EXPECT_EQ(logo.font(), styles.font(StyleLogo));
    EXPECT_EQ(logo.padding, GPadding(20, 20, 8, 8));
    const GGridCell& title = *grid.row(0).cellAt(2);
    EXPECT_EQ(title.text(), "INVOICE");
    EXPECT_EQ(title.font(), printed.fonts().title);
    EXPECT_EQ(title.vAlign(), 8);
    EXPECT_EQ(title.padding, GPadding(10, 10, 6, 6));
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(cell(grid, 1, 0), "Heating and plumbing");
    EXPECT_EQ(grid.cellFont({}, 1, 0), styles.font(StyleTagline));
}

TEST_F(HeadTest, LogoOnTheRightPutsTheTitleLeft)
{
    setLogo(2, 2);
    SettingsStore::set(SettingKeys::LogoText, "Sparks");
    composeHead("ESTIMATE");
    const GGrid& grid = *grids(printed.page(), GPage::Header).at(0);
    EXPECT_EQ(grid.column(0).hAlign(), GObject::AlignLeft);
    EXPECT_EQ(grid.column(2).hAlign(), GObject::AlignCentre);
    EXPECT_EQ(cell(grid, 0, 0), "ESTIMATE");
    EXPECT_EQ(cell(grid, 0, 2), "Sparks");
    EXPECT_EQ(grid.rowCount(), 1) << "an empty tag line adds no row";
}

TEST_F(HeadTest, UnreadablePictureIsLeftOut)
{
    const QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("logo.png"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture");
    file.close();
    setLogo(3, 0, "Tagline");
    SettingsStore::set(SettingKeys::LogoFilename, ombrel::OMString::fromQString(text));
    composeHead();
    EXPECT_EQ(printed.warnings(),
              QStringList("The logo picture " + text +
                          " is left out: it is not a picture that can be read."));

    SettingsStore::set(SettingKeys::LogoFilename, "/nonexistent/logo.png");
    SettingsStore::set(SettingKeys::LogoSetImageWidth, 1);
    SettingsStore::set(SettingKeys::LogoImageWidth, 200);
    const GParagraph& head = composeHead();
    EXPECT_EQ(
        printed.warnings(),
        QStringList("The logo picture /nonexistent/logo.png is left out: it does not exist."));
    const auto* picture = dynamic_cast<const GPicture*>(head.item(0).object.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 200);
    EXPECT_TRUE(picture->hasFlags(0xd00000));
    EXPECT_FALSE(picture->isValid());
    EXPECT_EQ(printed.page().getPageCount(), 1);
    EXPECT_EQ(printed.page().pageText(0).first(), "Tagline");
}

TEST_F(HeadTest, DamagedPicturesAreLeftOutWithOneWarningEach)
{
    const QTemporaryDir dir;
    // A picture of noise, so that its coded data runs long.
    QImage noise(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
    const auto coded = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        noise.save(&buffer, format);
        return bytes;
    };
    const QByteArray jpeg = coded("JPG");
    const QByteArray png = coded("PNG");
    const QString unreadable =
        QStringLiteral(" is left out: it is not a picture that can be read.");
    const QString cutShort =
        QStringLiteral(" is left out: the picture in it is cut short or damaged.");
    const struct
    {
        const char* name;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"cut.jpg", jpeg.left(jpeg.size() * 6 / 10), cutShort},
        {"cut.png", png.left(png.size() * 6 / 10), unreadable},
        {"text.png", "no picture", unreadable},
        {"broken.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='9' height='9'><rect",
         unreadable},
    };
    setLogo(3, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        SettingsStore::set(SettingKeys::LogoFilename, ombrel::OMString::fromQString(path));
        const GParagraph& head = composeHead();
        EXPECT_EQ(printed.warnings(), QStringList("The logo picture " + path + c.reason));
        // Laying out and drawing the page reads nothing more.
        printed.page().layout(QRectF(0, 0, 600, 800));
        EXPECT_EQ(printed.warnings().size(), 1);
        const auto* picture = dynamic_cast<const GPicture*>(head.item(0).object.get());
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(picture->isValid());
    }
}

TEST_F(HeadTest, PictureWithoutWidthKeepsItsOwnSize)
{
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    const QString file = QDir::temp().filePath(QStringLiteral("vorlane-logo-test.png"));
    ASSERT_TRUE(image.save(file));
    setLogo(3, 1);
    SettingsStore::set(SettingKeys::LogoFilename, ombrel::OMString::fromQString(file));
    composeHead();
    const GGrid& grid = *grids(printed.page(), GPage::Header).at(0);
    const auto* picture = dynamic_cast<const GPicture*>(grid.row(0).cellAt(0)->contents());
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->hasFlags(0xd00000));
    // 96 pixels at 96 dpi are 72 points.
    EXPECT_NEAR(picture->boxSize({}, 1e6).width(), GUnits::fromPoints(72), 0.5);
    EXPECT_TRUE(printed.warnings().isEmpty());
    QFile::remove(file);
}

TEST_F(HeadTest, FooterLines)
{
    SettingsStore::set(SettingKeys::CompanyName, "Hartley Plumbing");
    SettingsStore::set(SettingKeys::CompanyAddress, "4 Mill Lane\r\nHebden Bridge");
    SettingsStore::set(SettingKeys::CompanyFax, "01422 1");
    SettingsStore::set(SettingKeys::CompanyMobile, "07700 1");
    auto items = footerItems();
    ASSERT_EQ(items.size(), 6u) << "empty lines are still added";
    EXPECT_EQ(items[0], "\n");
    EXPECT_EQ(items[1], "Hartley Plumbing, 4 Mill Lane, Hebden Bridge");
    EXPECT_EQ(items[3], "Fax: 01422 1");
    EXPECT_EQ(items[5], "");

    SettingsStore::set(SettingKeys::CompanyPhone, "01422 2");
    SettingsStore::set(SettingKeys::CompanyEmail, "a@b.uk");
    SettingsStore::set(SettingKeys::CompanyDirectors, "J. Hartley, M. Hartley");
    SettingsStore::set(SettingKeys::CompanyType, 2);
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    SettingsStore::set(SettingKeys::VATRegistrationNo, "GB 1");
    items = footerItems();
    EXPECT_EQ(items[3], "Phone: 01422 2   Fax: 01422 1   e-mail: a@b.uk");
    EXPECT_EQ(items[5], "Directors: J. Hartley, M. Hartley    VAT Registration No. GB 1");

    SettingsStore::set(SettingKeys::CompanyType, 1);
    EXPECT_EQ(footerItems()[5], "Partners: J. Hartley, M. Hartley    VAT Registration No. GB 1");
    SettingsStore::set(SettingKeys::CompanyType, 7);
    SettingsStore::set(SettingKeys::IsVATRegistered, 0);
    EXPECT_EQ(footerItems()[5], "Proprietor: J. Hartley, M. Hartley");
    SettingsStore::set(SettingKeys::CompanyDirectors, "");
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    EXPECT_EQ(footerItems()[5], "    VAT Registration No. GB 1");

    const GParagraph& footer = *printed.page().paragraph(GPage::Footer, false, false);
    EXPECT_EQ(footer.hAlign(), GObject::AlignCentre);
    EXPECT_EQ(footer.item(1).font, styles.font(StyleFooter));
    EXPECT_FALSE(footer.item(2).flag);
    EXPECT_TRUE(footer.item(3).flag);
}

TEST_F(HeadTest, FooterStandsOnEveryPage)
{
    SettingsStore::set(SettingKeys::CompanyName, "Hartley Plumbing");
    printed.compose("INVOICE", [](GPage& page, const PageFonts&) {
        for (int i = 0; i < 200; ++i)
            page.paragraph(GPage::Body, true, true)
                ->addString(ombrel::OMString::format("line %d", i));
    });
    const int pages = printed.page().getPageCount();
    ASSERT_GT(pages, 2);
    for (int p = 0; p < pages; ++p)
        EXPECT_TRUE(printed.page().pageText(p).contains("Hartley Plumbing")) << p;
    EXPECT_FALSE(printed.page().pageText(1).contains("INVOICE")) << "the head opens page one only";
}

TEST_F(HeadTest, EstimateAddressBlock)
{
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
    JobEstimate job;
    job.setNumber(42);
    job.date = OMDate(9, 2, 2024, true);
    job.customer.name = "Anne";
    job.customer.surname = "Lee";
    printed.compose("ESTIMATE", [&](GPage& page, const PageFonts& fonts) {
        PageHead::composeJobAddress(page, job, fonts);
    });
    const GGrid& grid = *grids(printed.page(), GPage::Body).at(0);
    EXPECT_EQ(cell(grid, 0, 0), "Anne Lee");
    EXPECT_EQ(cell(grid, 0, 1), "Estimate: 42\nDate: 09/02/2024");
    EXPECT_EQ(grid.font(), printed.fonts().normal);
    EXPECT_EQ(grid.column(1).hAlign(), GObject::AlignRight);
    EXPECT_EQ(grid.column(0).flags(), GObject::FlagTakeRest | GObject::FlagFitContent);
    EXPECT_EQ(paragraphText(printed.page(), GPage::Body), "\n\n");

    job.reference = "Kitchen";
    job.description = "New sink";
    job.sameAsCustomer = false;
    job.location.address.first = "1 High St";
    printed.compose("ESTIMATE", [&](GPage& page, const PageFonts& fonts) {
        PageHead::composeJobAddress(page, job, fonts);
    });
    EXPECT_EQ(cell(*grids(printed.page(), GPage::Body).at(0), 0, 1),
              "Estimate: 42\nCustomer Ref: Kitchen\nDate: 09/02/2024");
    EXPECT_EQ(paragraphText(printed.page(), GPage::Body),
              "\nJob Location:\n1 High St\n\nNew sink\n");
}

TEST_F(HeadTest, InvoiceAddressBlock)
{
    JobInvoice invoice;
    invoice.setNumber(7);
    invoice.description = "Repairs";
    printed.compose("INVOICE", [&](GPage& page, const PageFonts& fonts) {
        PageHead::composeInvoiceAddress(page, invoice, fonts);
    });
    const GGrid& grid = *grids(printed.page(), GPage::Body).at(0);
    EXPECT_EQ(grid.column(0).flags(), GObject::FlagTakeRest);
    EXPECT_EQ(grid.column(1).flags(), GObject::FlagTakeRest);
    EXPECT_EQ(cell(grid, 0, 1).substr(0, 10), "Invoice: 7");
    EXPECT_EQ(paragraphText(printed.page(), GPage::Body), "\nRepairs\n\n");
}
