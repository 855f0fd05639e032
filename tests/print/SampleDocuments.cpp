#include "SampleDocuments.h"

#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

using namespace ombrel;

namespace SampleDocuments {

namespace {

Customer customer(const char* title, const char* name, const char* surname, const char* company,
                  const char* street, const char* town, const char* postcode)
{
    Customer c;
    c.title = title;
    c.name = name;
    c.surname = surname;
    c.company = company;
    c.address.first = street;
    c.address.town = town;
    c.address.postcode = postcode;
    return c;
}

} // namespace

void usePlumberBusiness()
{
    SettingsStore::set(SettingKeys::CompanyName, "Hartley & Sons Plumbing");
    SettingsStore::set(SettingKeys::CompanyAddress,
                       "Unit 4, Mill Lane\r\nHebden Bridge\r\nHX7 8AB");
    SettingsStore::set(SettingKeys::CompanyPhone, "01422 845 210");
    SettingsStore::set(SettingKeys::CompanyFax, "");
    SettingsStore::set(SettingKeys::CompanyEmail, "office@hartleyplumbing.co.uk");
    SettingsStore::set(SettingKeys::CompanyDirectors, "J. Hartley, M. Hartley");
    SettingsStore::set(SettingKeys::CompanyType, 1);
    SettingsStore::set(SettingKeys::IsVATRegistered, 1);
    SettingsStore::set(SettingKeys::VATRegistrationNo, "GB 284 5521 09");
    SettingsStore::set(SettingKeys::LogoMode, 1);
    SettingsStore::set(SettingKeys::LogoLayout, 1);
    SettingsStore::set(SettingKeys::LogoDisplayTagline, 1);
    SettingsStore::set(SettingKeys::LogoTagline, "Gas Safe registered heating engineers");
    SettingsStore::set(SettingKeys::CurrencySymbol, "£");
    SettingsStore::set(SettingKeys::HoursSymbol, "hr");
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
}

void useElectricianBusiness()
{
    SettingsStore::set(SettingKeys::CompanyName, "Dave Morgan Electrical");
    SettingsStore::set(SettingKeys::CompanyAddress, "18 Station Road\r\nLlandeilo SA19 6NH");
    SettingsStore::set(SettingKeys::CompanyPhone, "07700 900 482");
    SettingsStore::set(SettingKeys::CompanyFax, "01558 822 019");
    SettingsStore::set(SettingKeys::CompanyEmail, "");
    SettingsStore::set(SettingKeys::CompanyDirectors, "David Morgan");
    SettingsStore::set(SettingKeys::CompanyType, 0);
    SettingsStore::set(SettingKeys::IsVATRegistered, 0);
    SettingsStore::set(SettingKeys::VATRegistrationNo, "");
    SettingsStore::set(SettingKeys::LogoMode, 2);
    SettingsStore::set(SettingKeys::LogoText, "Morgan Electrical");
    SettingsStore::set(SettingKeys::LogoLayout, 0);
    SettingsStore::set(SettingKeys::LogoDisplayTagline, 1);
    SettingsStore::set(SettingKeys::LogoTagline, "Part P approved domestic installer");
    SettingsStore::set(SettingKeys::BankAccountName, "D Morgan Electrical");
    SettingsStore::set(SettingKeys::BankSortCode, "40-11-62");
    SettingsStore::set(SettingKeys::BankAccountNumber, "71234567");
    SettingsStore::set(SettingKeys::PaymentInstructions,
                       "Please quote the invoice number with your payment.");
    SettingsStore::set(SettingKeys::CurrencySymbol, "£");
    SettingsStore::set(SettingKeys::HoursSymbol, "hr");
    SettingsStore::set(SettingKeys::DateFormat, "DD/MM/YYYY");
}

bool useElectricianPictureLogo(const QString& file, int width, int height)
{
    QImage logo(width, height, QImage::Format_RGB32);
    logo.fill(QColor(250, 200, 30));
    logo.setDotsPerMeterX(3780); // 96 dpi
    logo.setDotsPerMeterY(3780);
    {
        QPainter painter(&logo);
        painter.setPen(QColor(30, 30, 30));
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(height / 5);
        painter.setFont(font);
        painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("MORGAN\nELECTRICAL"));
    }
    if (!logo.save(file))
        return false;
    SettingsStore::set(SettingKeys::LogoMode, 3);
    SettingsStore::set(SettingKeys::LogoLayout, 0);
    SettingsStore::set(SettingKeys::LogoFilename, OMString::fromQString(file));
    SettingsStore::set(SettingKeys::LogoSetImageWidth, 0);
    SettingsStore::set(SettingKeys::LogoDisplayTagline, 1);
    SettingsStore::set(SettingKeys::LogoTagline,
                       "Domestic and commercial electrical contractor\nNICEIC approved");
    return true;
}

JobItem item(const char* desc, double count, int64_t price, int rate)
{
    JobItem line;
    line.desc = desc;
    line.count = count;
    line.price = price;
    line.rate = rate;
    return line;
}

JobItem payment(const char* desc, int64_t amount, const OMDate& date)
{
    JobItem line;
    line.desc = desc;
    line.price = amount;
    line.date = date;
    return line;
}

JobEstimate bathroomEstimate()
{
    JobEstimate job;
    job.setNumber(1042);
    job.date = OMDate(14, 3, 2024, true);
    job.reference = "Bathroom - Flat 2";
    job.customer =
        customer("Mrs", "Anne", "Whitfield", "", "27 Birchcliffe Road", "Hebden Bridge", "HX7 8JA");
    job.description =
        "Remove the existing bathroom suite and fit a new bath, basin, close-coupled WC "
        "and thermostatic shower, with new copper supply pipes and waste.";
    job.hourlyRate = 3500;
    job.costPerMile = 45;
    job.hoursResearch = 1.5;
    job.hoursPurchase = 2;
    job.hoursWork = 26;
    job.hoursInspection = 1;
    job.hoursAdmin = 0.5;
    job.distance = 12;
    job.hoursTravel = 0.75;
    job.chargeTravelTime = true;
    job.chargeTravelDistance = true;
    job.daysValid = 60;
    JobItem apprentice = item("Apprentice", 24, 1500);
    apprentice.countDefaultsToOne = false;
    job.hoursItems.add(apprentice);
    job.materials.add(item("Bath, steel 1700 x 700 mm", 1, 18950));
    job.materials.add(item("Basin and pedestal", 1, 8900));
    job.materials.add(item("Close-coupled WC with soft-close seat", 1, 14500));
    job.materials.add(item("Thermostatic bar shower valve", 1, 12995));
    job.materials.add(item("15 mm copper pipe, 3 m length", 6, 1240));
    job.materials.add(item("Compression fittings and sundries", 0, 4575));
    job.hire.add(item("Pipe freezing kit", 2, 2800));
    job.hire.add(item("Skip, 4 cubic yards", 1, 19500));
    return job;
}

JobQuote rewireQuote()
{
    JobQuote job;
    job.setNumber(318);
    job.date = OMDate(2, 5, 2024, true);
    job.customer = customer("Mr", "Gareth", "Pryce", "Pryce Holiday Lets", "Ty Gwyn, Heol y Brenin",
                            "Llandeilo", "SA19 6BN");
    job.sameAsCustomer = false;
    job.location =
        customer("", "", "", "Bwthyn Bach holiday cottage", "Lon Fach", "Ffairfach", "SA19 6UF");
    job.description = "Replace the consumer unit with a 10-way dual RCD board, add two sockets in "
                      "the kitchen and test the whole installation.";
    job.hourlyRate = 4000;
    job.hoursWork = 9;
    job.hoursInspection = 2;
    job.hoursAdmin = 1;
    job.distance = 8;
    job.chargeTravelDistance = true;
    job.costPerMile = 50;
    job.daysValid = 30;
    job.displayEAOE = false;
    job.materials.add(item("Consumer unit, 10-way dual RCD", 1, 11250));
    job.materials.add(item("Twin and earth cable 2.5 mm, 50 m", 1, 5480));
    job.materials.add(item("Double socket, white", 2, 425));
    return job;
}

JobInvoice boilerInvoice()
{
    JobInvoice invoice;
    invoice.setNumber(2217);
    invoice.date = OMDate(3, 6, 2024, true);
    invoice.reference = "PO 4471";
    invoice.customer = customer("", "", "", "Calder Valley Housing Co-op",
                                "Weavers House, 9 Market St", "Todmorden", "OL14 5AA");
    invoice.description = "Boiler replacement at 12 Rose Terrace, as quoted on 12 May.";
    invoice.daysToPay = 30;
    invoice.addOverduePercentage = true;
    invoice.overduePercentage = 250;
    invoice.extraTerms = "Cheques payable to Hartley & Sons Plumbing. Bank transfer: sort code "
                         "40-11-62, account 71234567.";
    invoice.items.add(item("Combination boiler, 30 kW, with flue kit", 1, 124500, 2000));
    invoice.items.add(item("Magnetic system filter", 1, 11800, 2000));
    invoice.items.add(
        item("Labour: remove old boiler, fit and commission new boiler", 14, 4200, 2000));
    invoice.items.add(item("Energy-saving heating controls", 1, 16400, 500));
    invoice.items.add(item("Waste disposal", 0, 3500, 2000));
    invoice.payments.add(payment("Deposit", 50000, OMDate(20, 5, 2024, true)));
    invoice.payments.add(payment("Stage payment", 80000, OMDate(31, 5, 2024, true)));
    return invoice;
}

JobInvoice kitchenInvoice()
{
    JobInvoice invoice;
    invoice.setNumber(3081);
    invoice.date = OMDate(7, 12, 2026, true);
    invoice.customer = customer("Mrs", "Sian", "Dunmore", "", "4 Heol Rhosmaen", "Llandeilo",
                                "SA19 6EN");
    invoice.reference = "Kitchen and garden";
    invoice.description = "Kitchen rewire and garden lighting at 4 Heol Rhosmaen, as quoted on "
                          "2 October: new ring main and cooker circuit, extra sockets, downlights "
                          "and two garden bollards on an armoured supply from the new board.";
    invoice.daysToPay = 30;
    invoice.items.add(item("Rewire kitchen ring main, 2.5 mm twin and earth", 1, 42000));
    invoice.items.add(item("Double socket, brushed steel", 6, 1850));
    invoice.items.add(item("Fused spur for the extractor fan", 1, 2400));
    invoice.items.add(item("Cooker circuit, 6 mm cable and 45 A switch", 1, 16500));
    invoice.items.add(item("LED downlights, fire rated", 8, 2250));
    invoice.items.add(item("Garden lighting: armoured cable and two bollards", 1, 38000));
    invoice.items.add(item("Electrical installation certificate", 1, 6000));
    invoice.items.add(item("Labour", 22, 4000));
    invoice.payments.add(payment("Deposit", 40000, OMDate(20, 11, 2026, true)));
    return invoice;
}

JobInvoice longInvoice(int lines)
{
    JobInvoice invoice;
    invoice.setNumber(9001);
    invoice.date = OMDate(1, 7, 2024, true);
    invoice.customer = customer("", "", "", "Pennine Property Maintenance Ltd", "1 Albert Road",
                                "Halifax", "HX1 1AA");
    invoice.description = "Planned maintenance, quarter two.";
    invoice.daysToPay = 30;
    for (int i = 0; i < lines; ++i) {
        const std::string desc = "Service visit " + std::to_string(i + 1) +
                                 (i % 7 == 0 ? ": replace washers, check the stopcock and pressure "
                                               "test the heating system"
                                             : "");
        invoice.items.add(item(desc.c_str(), 1 + i % 3, 2500 + i * 7, i % 5 == 0 ? 500 : 2000));
    }
    invoice.payments.add(payment("On account", 100000, OMDate(15, 7, 2024, true)));
    return invoice;
}

} // namespace SampleDocuments
