#include "PageHead.h"

#include "PageFonts.h"
#include "PageTable.h"
#include "TextStyles.h"
#include "layout/GGrid.h"
#include "layout/GPage.h"
#include "layout/GParagraph.h"
#include "layout/GPicture.h"
#include "layout/GTextBox.h"

#include "fileformat/TextFile.h"
#include "records/Job.h"
#include "records/JobCreditNote.h"
#include "records/JobInvoice.h"
#include "resources/StringTable.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

using ombrel::OMString;

namespace {

enum LogoMode { LogoNone = 0, LogoBusinessName = 1, LogoText = 2, LogoPicture = 3 };
constexpr GPadding LogoPadding{20, 20, 8, 8};
constexpr GPadding TitlePadding{10, 10, 6, 6};
constexpr double PointsPerMillimetre = 72.0 / 25.4;

struct Logo
{
    bool wanted = false;
    OMString text;
    std::unique_ptr<GPicture> picture;
};

// A logo path naming a device, a pipe or a folder is never opened (GPicture
// reads plain files only); one that is missing or no picture is left out too.
void warnOfUnusableLogo(const GPicture& picture, const OMString& path, QStringList* warnings)
{
    const QString name = path.toQString();
    if (!warnings || name.isEmpty())
        return;
    QString reason = TextFile::notPlainFileReason(name, false);
    if (reason.isEmpty() && picture.isDamaged())
        reason = QStringLiteral("the picture in it is cut short or damaged");
    else if (reason.isEmpty() && !picture.isValid())
        reason = QStringLiteral("it is not a picture that can be read");
    if (!reason.isEmpty())
        warnings->append(QStringLiteral("The logo picture %1 is left out: %2.").arg(name, reason));
}

Logo prepareLogo(int mode, QStringList* warnings)
{
    Logo logo;
    switch (mode) {
    case LogoBusinessName:
        logo.wanted = true;
        logo.text = SettingsStore::get(SettingKeys::CompanyName);
        break;
    case LogoText:
        logo.wanted = true;
        logo.text = SettingsStore::get(SettingKeys::LogoText);
        break;
    case LogoPicture: {
        logo.wanted = true;
        const int width = SettingsStore::isSet(SettingKeys::LogoSetImageWidth)
                              ? SettingsStore::get(SettingKeys::LogoImageWidth)
                              : 0;
        const OMString file = SettingsStore::get(SettingKeys::LogoFilename);
        logo.picture = std::make_unique<GPicture>(file, width);
        // A picture at its own size could fill half the page: it is held to
        // the height set, however wide it is.
        const int tallest = SettingsStore::get(SettingKeys::LogoMaxHeight);
        if (tallest > 0)
            logo.picture->setMaxHeight(tallest * PointsPerMillimetre);
        warnOfUnusableLogo(*logo.picture, file, warnings);
        if (width != 0)
            logo.picture->setFlags(GObject::FlagScaledPicture);
        break;
    }
    default:
        break;
    }
    return logo;
}

} // namespace

void PageHead::composeHeader(GPage& page, const TextStyles& styles, const PageFonts& fonts,
                             const OMString& title, QStringList* warnings)
{
    const int mode = SettingsStore::get(SettingKeys::LogoMode);
    const int layout = SettingsStore::get(SettingKeys::LogoLayout);
    const bool taglineWanted = SettingsStore::isSet(SettingKeys::LogoDisplayTagline);
    GParagraph& paragraph = *page.paragraph(GPage::Header, false, true);

    Logo logo = prepareLogo(mode, warnings);
    const OMString tagline = SettingsStore::get(SettingKeys::LogoTagline);
    const bool showTagline = logo.wanted && taglineWanted && !tagline.isEmpty();
    const TextStyle& logoStyle = styles.style(StyleLogo);
    const GFont taglineFont = styles.font(StyleTagline);

    if (layout == 1 || layout == 2) {
        auto grid = std::make_unique<GGrid>();
        grid->relativeWidth = 100;
        grid->setColumnCount(3);
        const int logoColumn = layout == 1 ? 0 : 2;
        const int titleColumn = 2 - logoColumn;
        grid->column(0).setHAlign(logoColumn == 0 ? GObject::AlignCentre : GObject::AlignLeft);
        grid->column(1).setHAlign(GObject::AlignCentre);
        grid->column(1).setFlags(GObject::FlagTakeRest);
        grid->column(2).setHAlign(logoColumn == 2 ? GObject::AlignCentre : GObject::AlignRight);
        grid->column(0).setFlags(GObject::FlagFitContent);
        grid->column(2).setFlags(GObject::FlagFitContent);

        GGridRow& first = grid->addRow();
        GGridCell& logoCell = first.cell(logoColumn);
        if (logo.picture) {
            logoCell.setContents(std::move(logo.picture));
        } else if (logo.wanted) {
            logoCell.setText(logo.text);
            logoCell.setFont(logoStyle.font);
            logoCell.textColour = logoStyle.font.colour();
            logoCell.background = logoStyle.background;
            logoCell.padding = LogoPadding;
        }
        GGridCell& titleCell = first.cell(titleColumn);
        titleCell.setText(title);
        titleCell.setFont(fonts.title);
        titleCell.textColour = fonts.title.colour();
        titleCell.setVAlign(GObject::VAlignCentre);
        titleCell.padding = TitlePadding;

        if (showTagline) {
            GGridCell& taglineCell = grid->addRow().cell(logoColumn);
            taglineCell.setText(tagline);
            taglineCell.setFont(taglineFont);
            taglineCell.textColour = taglineFont.colour();
        }
        paragraph.add(std::move(grid));
    } else {
        paragraph.setHAlign(GObject::AlignCentre);
        if (logo.picture) {
            logo.picture->setHAlign(GObject::AlignCentre);
            logo.picture->setVAlign(GObject::VAlignCentre);
            paragraph.add(std::move(logo.picture));
        } else if (logo.wanted && !logo.text.isEmpty()) {
            auto box = std::make_unique<GTextBox>(logo.text, logoStyle.font, LogoPadding);
            box->setHAlign(GObject::AlignCentre);
            box->setVAlign(GObject::VAlignCentre);
            box->setBackground(logoStyle.background);
            paragraph.add(std::move(box));
        }
        if (showTagline)
            paragraph.addString(OMString("\n") + tagline, taglineFont);
        paragraph.addString(OMString("\n") + title + "\n", fonts.title);
    }
    paragraph.addString("\n", fonts.normal);
}

OMString PageHead::footerLine1()
{
    OMString line = SettingsStore::get(SettingKeys::CompanyName);
    OMString address = SettingsStore::get(SettingKeys::CompanyAddress);
    if (!address.isEmpty()) {
        // Addresses typed on this platform break lines with "\n" alone.
        address.replaceAll("\r\n", ", ");
        address.replaceAll("\n", ", ");
        line += ", ";
        line += address;
    }
    return line;
}

OMString PageHead::footerLine2()
{
    OMString line;
    const auto item = [&line](int labelId, const OMString& value) {
        if (value.isEmpty())
            return;
        if (!line.isEmpty())
            line += "   ";
        line += StringTable::text(labelId) + value;
    };
    item(IDS_PRINT_PHONE, SettingsStore::get(SettingKeys::CompanyPhone));
    item(IDS_PRINT_FAX, SettingsStore::get(SettingKeys::CompanyFax));
    item(IDS_PRINT_EMAIL, SettingsStore::get(SettingKeys::CompanyEmail));
    return line;
}

OMString PageHead::footerLine3()
{
    OMString line;
    const OMString directors = SettingsStore::get(SettingKeys::CompanyDirectors);
    if (!directors.isEmpty()) {
        const int type = SettingsStore::get(SettingKeys::CompanyType);
        const int label = type == 1 ? IDS_PARTNERS : type == 2 ? IDS_DIRECTORS : IDS_PROPRIETOR;
        line += StringTable::text(label) + ": " + directors;
    }
    if (SettingsStore::isSet(SettingKeys::IsVATRegistered)) {
        line += "    ";
        line += StringTable::text(IDS_PRINT_VAT_REG_NO) + " " +
                SettingsStore::get(SettingKeys::VATRegistrationNo);
    }
    return line;
}

void PageHead::composeFooter(GPage& page, const TextStyles& styles)
{
    GParagraph& paragraph = *page.paragraph(GPage::Footer, false, true);
    paragraph.setHAlign(GObject::AlignCentre);
    const GFont font = styles.font(StyleFooter);
    paragraph.addString("\n", font, false);
    paragraph.addString(footerLine1(), font, true);
    paragraph.addString("\n", font, false);
    paragraph.addString(footerLine2(), font, true);
    paragraph.addString("\n", font, false);
    paragraph.addString(footerLine3(), font, true);
}

OMString PageHead::numberText(const JobBase& record, const OMString& reference)
{
    OMString text = OMString(record.kind().title) + ": " + record.docReference;
    if (!reference.isEmpty())
        text += OMString("\n") + StringTable::text(IDS_PRINT_CUSTOMER_REF) + " " + reference;
    text += OMString("\n") + StringTable::text(IDS_PRINT_DATE) + " " +
            record.documentDate().toString(SettingsStore::dateFormat());
    return text;
}

namespace {

GGrid& addressGrid(GPage& page, const PageFonts& fonts, const OMString& customer,
                   const OMString& number, uint32_t columnFlags)
{
    auto grid = std::make_unique<GGrid>();
    grid->relativeWidth = 100;
    grid->setFont(fonts.normal);
    grid->textColour = fonts.normal.colour();
    grid->setColumnCount(2);
    grid->column(0).setHAlign(GObject::AlignLeft);
    grid->column(1).setHAlign(GObject::AlignRight);
    grid->column(0).setFlags(columnFlags);
    grid->column(1).setFlags(columnFlags);
    GGridRow& row = grid->addRow();
    row.cell(0).setText(customer);
    row.cell(1).setText(number);
    return page.addParagraph(std::move(grid), GPage::Body);
}

} // namespace

void PageHead::composeAddressBlock(GPage& page, const PageFonts& fonts, const OMString& customer,
                                   const OMString& right)
{
    addressGrid(page, fonts, customer, right, GObject::FlagTakeRest);
}

void PageHead::composeJobAddress(GPage& page, const Job& job, const PageFonts& fonts)
{
    addressGrid(page, fonts, job.customer.displayText(), numberText(job, job.reference),
                PageTable::Stretching);

    GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
    paragraph.setHAlign(GObject::AlignLeft);
    paragraph.addString("\n");
    if (!job.sameAsCustomer) {
        paragraph.addString(StringTable::text(IDS_JOB_LOCATION), fonts.descriptionBold);
        paragraph.addString(job.location.displayText() + "\n\n", fonts.description);
    }
    if (!job.description.isEmpty())
        paragraph.addString(job.description, fonts.description);
    paragraph.addString("\n");
}

void PageHead::composeInvoiceAddress(GPage& page, const JobInvoice& invoice, const PageFonts& fonts)
{
    OMString number = numberText(invoice, invoice.reference);
    // A credit note names the invoice it corrects under its own number.
    if (const auto* note = dynamic_cast<const JobCreditNote*>(&invoice))
        if (!note->invoiceReference.isEmpty())
            number += OMString("\n") + note->correctsText();
    addressGrid(page, fonts, invoice.customer.displayText(), number, GObject::FlagTakeRest);
    GParagraph& paragraph = *page.paragraph(GPage::Body, true, true);
    paragraph.setHAlign(GObject::AlignLeft);
    paragraph.addString("\n");
    paragraph.addString(invoice.description, fonts.description);
    paragraph.addString("\n\n");
}
