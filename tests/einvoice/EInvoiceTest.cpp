// E-invoices: every example and generated document is exported as UBL and
// CII (and one as a hybrid PDF), then checked in one batch against the
// official schemas (xmllint) and business rules (Saxon, one JVM a rule set),
// and its totals against `--report --json`.
#include "commands/DocumentReport.h"
#include "documents/JobFileReader.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/EInvoiceMapping.h"
#include "einvoice/FacturX.h"
#include "einvoice/UblWriter.h"
#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "print/PageOptions.h"
#include "records/FigureInputs.h"
#include "records/JobCreditNote.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <memory>

using namespace ombrel;

namespace {

const QString Reference = QStringLiteral(VORLANE_EINVOICE_REFERENCE);

QString example(const char* name)
{
    return qEnvironmentVariable("VORLANE_TEST_SOURCE_DIR") + "/examples/" + name;
}

void setBusiness(bool vatRegistered)
{
    QSettings(QStringLiteral("Ombrel"), QStringLiteral("Vorlane")).clear();
    using namespace SettingKeys;
    const std::pair<const StringSetting*, const char*> texts[] = {
        {&CompanyName, "Nidd Valley Plumbing Ltd"},
        {&CompanyAddress, "Unit 4, Bilton Works\r\nBilton Lane\r\nHarrogate\r\nHG1 4DH"},
        {&VATRegistrationNo, "123 4567 89"},
        {&CompanyNumber, "08123456"},
        {&CompanyEmail, "accounts@niddvalley.example"},
        {&CompanyCountry, "GB"},
        {&CurrencyCode, "GBP"},
        {&BankAccountName, "Nidd Valley Plumbing Ltd"},
        {&BankIBAN, "GB33 BUKB 2020 1555 5555 55"},
        {&BankBIC, "BUKBGB22"},
    };
    for (const auto& [key, value] : texts)
        SettingsStore::set(*key, OMString(value));
    SettingsStore::set(IsVATRegistered, vatRegistered ? 1 : 0);
}

JobItem line(const char* desc, double count, const char* price, int rate)
{
    JobItem item;
    item.desc = OMString(desc);
    item.count = count;
    item.price = OMMoney(price);
    item.rate = rate;
    return item;
}

/// Mixed rates, fractions of hours, a discount line and a part payment, to a
/// business in the business's country.
JobInvoice mixedInvoice()
{
    JobInvoice invoice;
    invoice.setNumber(4100);
    invoice.date = OMDate(2, 11, 2026, true);
    invoice.daysToPay = 14;
    invoice.description = OMString("Boiler swap and pipework|Second fix of the utility room.");
    invoice.reference = OMString("PO 7781");
    invoice.customer.company = OMString("Dale Builders Ltd");
    invoice.customer.address.first = OMString("The Old Forge|Main Street");
    invoice.customer.address.town = OMString("Pateley Bridge");
    invoice.customer.address.postcode = OMString("HG3 5AB");
    invoice.customer.vatNumber = OMString("GB987654321");
    invoice.customer.business = true;
    invoice.customer.custno = 57;
    for (const JobItem& item :
         {line("Labour", 7.25, "42.50", 2000), line("Copper pipe 15 mm (metres)", 12, "3.35", 2000),
          line("Loft insulation", 3, "17.99", 500), line("Skip hire (days)", 3, "45.00", 2000),
          line("Safety leaflet", 0, "0.00", 0), line("Loyalty discount", 0, "-10.00", 2000),
          line("Radiator valves", 3, "8.33", 2000)})
        invoice.items.add(item);
    JobItem payment;
    payment.price = OMMoney("150.00");
    payment.date = OMDate(3, 11, 2026, true);
    invoice.payments.add(payment);
    return invoice;
}

bool save(JobBase& record, const QString& path)
{
    Archive archive = Archive::forWriting();
    return record.write(archive) == 0 && TextFile::save(path, archive.data());
}

QString firstText(const QByteArray& xml, const QString& localName)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == localName)
            return reader.readElementText();
    }
    return {};
}

struct Exported
{
    QString name;
    QByteArray ubl;
    QByteArray cii;
    /// The report's (or, without a file, the summary's) gross, paid and due, signed.
    OMMoney gross, paid, due;
    bool credit = false;
};

/// What one run of a tool said: exit code and output.
struct ToolRun
{
    int exitCode = -1;
    QString output;
};

ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(600000))
        return {-1, QStringLiteral("%1 did not finish").arg(program)};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

/// The fatal failed assertions of every SVRL report in `folder`, by file.
std::map<QString, QStringList> fatalFailures(const QString& folder)
{
    std::map<QString, QStringList> failures;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        QFile svrl(file.filePath());
        if (!svrl.open(QIODevice::ReadOnly))
            continue;
        QStringList& ids = failures[file.fileName()];
        QXmlStreamReader reader(&svrl);
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("failed-assert") &&
                reader.attributes().value(QLatin1String("flag")) == QLatin1String("fatal"))
                ids.append(reader.attributes().value(QLatin1String("id")).toString());
        }
    }
    return failures;
}

class EInvoiceExports : public ::testing::Test
{
protected:
    // Everything is exported once and validated in one batch.
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>();
        // VORLANE_KEEP_EINVOICES=1 keeps the files and reports to look at.
        if (qEnvironmentVariableIsSet("VORLANE_KEEP_EINVOICES")) {
            s_dir->setAutoRemove(false);
            std::cout << "[ e-invoice ] files kept in " << s_dir->path().toStdString() << "\n";
        }
        const QString root = s_dir->path();
        for (const char* sub : {"ubl-invoice", "ubl-creditnote", "cii", "broken", "svrl-ubl",
                                "svrl-cii", "svrl-broken"})
            QDir(root).mkpath(QLatin1String(sub));

        setBusiness(true);
        JobInvoice mixed = mixedInvoice();
        JobCreditNote note;
        note.setNumber(212);
        note.date = OMDate(9, 11, 2026, true);
        note.credit(mixed, {{1, std::nullopt}, {2, OMMoney("10.00")}, {5, std::nullopt}});
        JobItem refund;
        refund.price = OMMoney("12.00");
        refund.date = OMDate(10, 11, 2026, true);
        note.payments.add(refund);
        JobInvoice paidUp = mixedInvoice();
        paidUp.setNumber(4101);
        paidUp.payments.clear();
        JobItem inFull = refund;
        inFull.price = paidUp.totals(true).grossTotal;
        paidUp.payments.add(inFull);
        const QString mixedPath = root + "/invoice-4100.vli";
        const QString notePath = root + "/creditnote-212.vln";
        const QString paidPath = root + "/invoice-4101.vli";
        if (!save(mixed, mixedPath) || !save(note, notePath) || !save(paidUp, paidPath))
            return;

        const QStringList registered = {example("invoice-3081-kitchen-leak.vli"),
                                        example("creditnote-104-kitchen-leak.vln"), mixedPath,
                                        notePath, paidPath};
        exportFiles(registered, QString());
        setBusiness(false);
        exportFiles({example("invoice-3081-kitchen-leak.vli"), mixedPath},
                    QStringLiteral("unregistered-"));
        setBusiness(true);

        // The reverse charge, as the summary flags it: VAT for information only.
        DocumentSummary summary = mixed.summary(FigureInputs::current());
        summary.reverseCharge = true;
        summary.gross = summary.net;
        summary.due = summary.gross - summary.paid;
        EInvoice e;
        QString error;
        if (EInvoiceMapping::map(mixed, summary, EInvoiceMapping::Business::fromSettings(), &e,
                                 &error))
            s_exported.push_back({QStringLiteral("reverse-charge-4100"), UblWriter::write(e),
                                  CiiWriter::write(e), summary.gross, summary.paid, summary.due});
        else
            s_setupError = error;

        for (const Exported& x : s_exported) {
            const QString ubl = x.credit ? "/ubl-creditnote/" : "/ubl-invoice/";
            TextFile::save(root + ubl + x.name + ".xml", x.ubl);
            TextFile::save(root + "/cii/" + x.name + ".xml", x.cii);
        }

        // The hybrid PDF of the mixed invoice; its XML joins the CII batch.
        s_pdf = root + "/invoice-4100.pdf";
        std::unique_ptr<JobBase> record = JobFileReader::load(mixedPath, &error);
        PageOptions options;
        options.vat = true;
        if (!record || !EInvoiceExport::writePdf(*record, options, s_pdf, &error))
            s_setupError = error;
        else
            s_pdfXml = attachment(s_pdf);
        TextFile::save(root + "/cii/factur-x-4100.xml", s_pdfXml);

        // A copy without its issue date: the rules must catch it (BR-03).
        if (!s_exported.empty()) {
            QByteArray broken = s_exported.front().ubl;
            const int from = broken.indexOf("<cbc:IssueDate>");
            broken.remove(from, broken.indexOf("</cbc:IssueDate>") + 16 - from);
            TextFile::save(root + "/broken/no-issue-date.xml", broken);
        }
        validate();
    }

    static void TearDownTestSuite()
    {
        s_exported.clear();
        s_dir.reset();
    }

    /// Exports each file as UBL and CII and notes its report's totals.
    static void exportFiles(const QStringList& files, const QString& prefix)
    {
        const QJsonArray report =
            QJsonDocument::fromJson(DocumentReport(files).toJson().toUtf8()).array();
        for (int i = 0; i < files.size(); ++i) {
            QString error;
            std::unique_ptr<JobBase> record = JobFileReader::load(files[i], &error);
            Exported x;
            x.name = prefix + QFileInfo(files[i]).completeBaseName();
            const QJsonObject entry = report[i].toObject();
            x.gross = OMMoney(OMString::fromQString(entry["grossTotal"].toString()));
            x.paid = OMMoney(OMString::fromQString(entry["totalPaid"].toString()));
            x.due = OMMoney(OMString::fromQString(entry["amountDue"].toString()));
            x.credit = record && record->kind().id == DocumentKind::CreditNote;
            if (!record ||
                !EInvoiceExport::xml(*record, EInvoiceExport::Ubl, FigureInputs::current(), &x.ubl,
                                     &error) ||
                !EInvoiceExport::xml(*record, EInvoiceExport::Cii, FigureInputs::current(), &x.cii,
                                     &error)) {
                s_setupError += error + u'\n';
                continue;
            }
            s_exported.push_back(x);
        }
    }

    static QByteArray attachment(const QString& pdfPath)
    {
        QPDF pdf;
        pdf.processFile(pdfPath.toLocal8Bit().constData());
        const auto embedded =
            QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFile(FacturX::AttachmentName);
        if (!embedded)
            return {};
        const std::shared_ptr<Buffer> data = embedded->getEmbeddedFileStream().getStreamData();
        return QByteArray(reinterpret_cast<const char*>(data->getBuffer()),
                          qsizetype(data->getSize()));
    }

    static void validate()
    {
        const QString root = s_dir->path();
        const QString ubl = Reference + "/ubl-2.1/xsd/maindoc/";
        const QString ciiXsd = Reference +
                               "/en16931/cii/schema/D16B SCRDM (Subset)/uncoupled "
                               "clm/CII/uncefact/data/standard/CrossIndustryInvoice_100pD16B.xsd";
        const auto files = [&](const char* sub) {
            QStringList list;
            for (const QFileInfo& f : QDir(root + "/" + sub).entryInfoList({"*.xml"}, QDir::Files))
                list.append(f.filePath());
            return list;
        };
        s_validated =
            int(files("ubl-invoice").size() + files("ubl-creditnote").size() + files("cii").size());
        const std::pair<QString, const char*> schemas[] = {
            {ubl + "UBL-Invoice-2.1.xsd", "ubl-invoice"},
            {ubl + "UBL-CreditNote-2.1.xsd", "ubl-creditnote"},
            {ciiXsd, "cii"}};
        for (const auto& [xsd, sub] : schemas) {
            const ToolRun run =
                runTool("xmllint", QStringList{"--noout", "--schema", xsd} + files(sub));
            if (run.exitCode != 0)
                s_schemaErrors += run.output;
        }
        const QString saxon = QStringLiteral("/usr/share/java/Saxon-HE.jar");
        const QString ublRules = Reference + "/en16931/ubl/xslt/EN16931-UBL-validation.xslt";
        const QString ciiRules = Reference + "/en16931/cii/xslt/EN16931-CII-validation.xslt";
        // The two UBL folders go through the rules as one: copy the notes in.
        for (const QString& f : files("ubl-creditnote"))
            QFile::copy(f, root + "/ubl-invoice/" + QFileInfo(f).fileName());
        const std::tuple<QString, const char*, const char*> rules[] = {
            {ublRules, "ubl-invoice", "svrl-ubl"},
            {ciiRules, "cii", "svrl-cii"},
            {ublRules, "broken", "svrl-broken"}};
        for (const auto& [xslt, in, out] : rules) {
            const ToolRun run =
                runTool("java", {"-cp", saxon, "net.sf.saxon.Transform", "-s:" + root + "/" + in,
                                 "-xsl:" + xslt, "-o:" + root + "/" + out});
            if (run.exitCode != 0)
                s_ruleErrors += run.output;
        }
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::vector<Exported> s_exported;
    static inline QString s_setupError;
    static inline QString s_pdf;
    static inline QByteArray s_pdfXml;
    static inline QString s_schemaErrors;
    static inline QString s_ruleErrors;
    static inline int s_validated = 0;
};

} // namespace

TEST_F(EInvoiceExports, EveryDocumentIsSchemaValidAndPassesTheBusinessRules)
{
    ASSERT_TRUE(QFileInfo::exists(Reference + "/README.md"))
        << "the e-invoice reference material (shared/einvoice) was not found";
    ASSERT_TRUE(s_setupError.isEmpty()) << s_setupError.toStdString();
    // Examples and generated: 5 registered + 2 unregistered + 1 reverse charge.
    ASSERT_EQ(s_exported.size(), 8u);
    EXPECT_TRUE(s_schemaErrors.isEmpty()) << s_schemaErrors.toStdString();
    EXPECT_TRUE(s_ruleErrors.isEmpty()) << s_ruleErrors.toStdString();
    int reports = 0;
    for (const char* folder : {"/svrl-ubl", "/svrl-cii"}) {
        for (const auto& [file, ids] : fatalFailures(s_dir->path() + folder)) {
            ++reports;
            EXPECT_TRUE(ids.isEmpty())
                << folder << file.toStdString() << ": " << ids.join(", ").toStdString();
        }
    }
    // One report for each file: 8 UBL and 8 CII and the PDF's.
    EXPECT_EQ(reports, 17);
    EXPECT_EQ(s_validated, 17);
    std::cout << "[ e-invoice ] " << s_validated << " files validated\n";
    // The rules catch what is wrong.
    EXPECT_EQ(fatalFailures(s_dir->path() + "/svrl-broken")["no-issue-date.xml"],
              QStringList{"BR-03"});
}

TEST_F(EInvoiceExports, TheTotalsAreTheReportsInBothSyntaxes)
{
    ASSERT_FALSE(s_exported.empty());
    for (const Exported& x : s_exported) {
        SCOPED_TRACE(x.name.toStdString());
        const int sign = x.credit ? -1 : 1;
        const auto money = [&](const QString& text) {
            const OMMoney m{OMString::fromQString(text)};
            return sign < 0 ? -m : m;
        };
        EXPECT_EQ(money(firstText(x.ubl, "TaxInclusiveAmount")), x.gross);
        EXPECT_EQ(money(firstText(x.ubl, "PrepaidAmount")), x.paid);
        EXPECT_EQ(money(firstText(x.ubl, "PayableAmount")), x.due);
        EXPECT_EQ(money(firstText(x.cii, "GrandTotalAmount")), x.gross);
        EXPECT_EQ(money(firstText(x.cii, "TotalPrepaidAmount")), x.paid);
        EXPECT_EQ(money(firstText(x.cii, "DuePayableAmount")), x.due);
    }
    // The categories follow registration and the reverse charge.
    const auto find = [](const QString& name) {
        return *std::find_if(s_exported.begin(), s_exported.end(),
                             [&](const Exported& x) { return x.name == name; });
    };
    EXPECT_TRUE(find("invoice-4100").ubl.contains("<cbc:ID>S</cbc:ID>"));
    EXPECT_TRUE(find("invoice-4100").cii.contains("<ram:ID>57</ram:ID>"));
    EXPECT_TRUE(find("invoice-4100").ubl.contains("<cbc:CompanyID>GB123456789</cbc:CompanyID>"));
    EXPECT_TRUE(
        find("unregistered-invoice-4100").cii.contains("<ram:CategoryCode>O</ram:CategoryCode>"));
    EXPECT_FALSE(find("unregistered-invoice-4100").ubl.contains("GB123456789"));
    EXPECT_TRUE(find("reverse-charge-4100").ubl.contains("<cbc:ID>AE</cbc:ID>"));
    EXPECT_TRUE(find("creditnote-212").ubl.contains("<cbc:ID>4100</cbc:ID>"));
}

TEST_F(EInvoiceExports, TheHybridPdfCarriesTheXmlAsAnAlternative)
{
    ASSERT_TRUE(QFileInfo::exists(s_pdf)) << s_setupError.toStdString();
    const ToolRun check = runTool("qpdf", {"--check", s_pdf});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();

    QByteArray expected;
    const std::unique_ptr<JobBase> record =
        JobFileReader::load(s_dir->path() + "/invoice-4100.vli", nullptr);
    ASSERT_TRUE(record);
    ASSERT_TRUE(
        EInvoiceExport::xml(*record, EInvoiceExport::Cii, FigureInputs::current(), &expected));
    EXPECT_EQ(s_pdfXml, expected);

    QPDF pdf;
    pdf.processFile(s_pdf.toLocal8Bit().constData());
    QPDFObjectHandle root = pdf.getRoot();
    ASSERT_TRUE(root.getKey("/AF").isArray());
    QPDFObjectHandle spec = root.getKey("/AF").getArrayItem(0);
    EXPECT_EQ(spec.getKey("/AFRelationship").getName(), "/Alternative");
    EXPECT_EQ(spec.getKey("/UF").getUTF8Value(), "factur-x.xml");
    QPDFObjectHandle file = spec.getKey("/EF").getKey("/F");
    EXPECT_EQ(file.getDict().getKey("/Subtype").getName(), "/text/xml");
    EXPECT_TRUE(file.getDict().getKey("/Params").isDictionary());
    EXPECT_TRUE(root.getKey("/OutputIntents").isArray());
    const std::shared_ptr<Buffer> xmp = root.getKey("/Metadata").getStreamData();
    const QByteArray meta(reinterpret_cast<const char*>(xmp->getBuffer()),
                          qsizetype(xmp->getSize()));
    for (const char* needle :
         {"<pdfaid:part>3</pdfaid:part>", "<pdfaid:conformance>B</pdfaid:conformance>",
          "<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>",
          "<fx:DocumentFileName>factur-x.xml</fx:DocumentFileName>"})
        EXPECT_TRUE(meta.contains(needle)) << needle;
}

TEST_F(EInvoiceExports, MissingDataIsNamedBeforeAnythingIsWritten)
{
    struct Case
    {
        const char* what;
        std::function<void(JobInvoice&, EInvoiceMapping::Business&, DocumentSummary&)> change;
        const char* named;
    };
    const Case cases[] = {
        {"no business name", [](auto&, auto& b, auto&) { b.name.clear(); },
         "the business's name (Options, Business Information)"},
        {"no VAT number", [](auto&, auto& b, auto&) { b.vatNumber.clear(); },
         "VAT registration number"},
        {"no bank", [](auto&, auto& b, auto&) { b.iban.clear(); }, "(Options, Payment)"},
        {"no customer address", [](auto& i, auto&, auto&) { i.customer.address = Address(); },
         "the customer's address"},
        {"bad currency", [](auto&, auto& b, auto&) { b.currency = "pounds"; }, "three-letter code"},
        {"reverse charge, no buyer VAT",
         [](auto& i, auto&, auto& s) {
             i.customer.vatNumber.clear();
             s.reverseCharge = true;
         },
         "the customer's VAT number"},
    };
    setBusiness(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        JobInvoice invoice = mixedInvoice();
        EInvoiceMapping::Business business = EInvoiceMapping::Business::fromSettings();
        DocumentSummary summary = invoice.summary(FigureInputs::current());
        c.change(invoice, business, summary);
        EInvoice out;
        out.number = "untouched";
        QString error;
        EXPECT_FALSE(EInvoiceMapping::map(invoice, summary, business, &out, &error));
        EXPECT_TRUE(error.contains(QLatin1String(c.named))) << error.toStdString();
        EXPECT_EQ(out.number, "untouched");
    }
    // Paid in full: no bank account needed. Through the file: nothing written.
    JobInvoice invoice = mixedInvoice();
    invoice.customer.address = Address();
    const QString path = s_dir->path() + "/never.xml";
    QString error;
    EXPECT_FALSE(EInvoiceExport::writeXml(invoice, EInvoiceExport::Ubl, path, &error));
    EXPECT_TRUE(error.startsWith("Invoice 4100 cannot be exported")) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(EInvoiceExports, TheCommandLineWritesOrSaysWhy)
{
    setBusiness(true);
    const QString invoice = example("invoice-3081-kitchen-leak.vli");
    const QString out = s_dir->path() + "/cli";
    const struct
    {
        QStringList arguments;
        int exitCode;
        const char* expected; // in the file written, else in the message
    } cases[] = {
        {{"--export-einvoice", out + ".xml", invoice}, 0, "<Invoice"},
        {{"--export-einvoice", out + "-cii.xml", "--format", "CII", invoice},
         0,
         "<rsm:CrossIndustryInvoice"},
        {{"--export-pdf", out + ".pdf", "--factur-x", invoice}, 0, "(factur-x.xml)"},
        {{"--export-einvoice", out + "-x.xml", "--format", "factur-x", invoice},
         1,
         "choose ubl or cii"},
        {{"--export-einvoice", out + "-q.xml", example("quote-2043-boiler-replacement.vlq")},
         1,
         "Only invoices and credit notes"},
        {{"--export-einvoice", invoice, invoice}, 1, "it is the document being exported"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun run = runTool(QStringLiteral(VORLANE_PATH), c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.output.toStdString();
        if (c.exitCode == 0) {
            QByteArray written;
            ASSERT_TRUE(TextFile::load(c.arguments[1], written));
            EXPECT_TRUE(written.contains(c.expected));
        } else {
            EXPECT_TRUE(run.output.contains(QLatin1String(c.expected))) << run.output.toStdString();
        }
    }
    // Missing data: the message names it and nothing is written.
    SettingsStore::set(SettingKeys::BankIBAN, {});
    const ToolRun run =
        runTool(QStringLiteral(VORLANE_PATH), {"--export-einvoice", out + "-n.xml", invoice});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.contains("(Options, Payment)")) << run.output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + "-n.xml"));
}

TEST(EInvoiceMappingTable, UnitsAndVatNumbers)
{
    const std::pair<const char*, const char*> units[] = {
        {"Labour", "HUR"},           {"Call-out, 2 hours", "HUR"},
        {"Skip hire (days)", "DAY"}, {"Copper pipe (metres)", "MTR"},
        {"Sand, 2 tonnes", "TNE"},   {"Radiator valve", "C62"},
        {"Mileage 40 miles", "SMI"}};
    for (const auto& [desc, code] : units)
        EXPECT_EQ(EInvoiceMapping::unitCode(QString::fromUtf8(desc)), QLatin1String(code)) << desc;
    EXPECT_EQ(EInvoiceMapping::vatNumberWithPrefix("123 4567 89", "GB"), "GB123456789");
    EXPECT_EQ(EInvoiceMapping::vatNumberWithPrefix("de 123.456.789", "GB"), "DE123456789");
    EXPECT_EQ(EInvoiceMapping::vatNumberWithPrefix("094259216", "GR"), "EL094259216");
}
