#include "UblWriter.h"

#include "EInvoice.h"

#include <QXmlStreamWriter>

using namespace ombrel;

namespace {

const QString Cac =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2");
const QString Cbc =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2");

class Ubl
{
public:
    explicit Ubl(QByteArray* out, const QString& currency) : m_xml(out), m_currency(currency)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(2);
    }

    QXmlStreamWriter& xml() { return m_xml; }
    void open(const char* name) { m_xml.writeStartElement(Cac, QLatin1String(name)); }
    void close() { m_xml.writeEndElement(); }
    void value(const char* name, const QString& text)
    {
        if (!text.isEmpty())
            m_xml.writeTextElement(Cbc, QLatin1String(name), text);
    }
    void date(const char* name, const OMDate& date)
    {
        if (!date.isEmpty())
            value(name, date.toString("YYYY-MM-DD").toQString());
    }
    void amount(const char* name, const OMMoney& money)
    {
        m_xml.writeStartElement(Cbc, QLatin1String(name));
        m_xml.writeAttribute(QStringLiteral("currencyID"), m_currency);
        m_xml.writeCharacters(money.toPlainString().toQString());
        m_xml.writeEndElement();
    }
    void scheme(const char* id)
    {
        open("TaxScheme");
        value("ID", QLatin1String(id));
        close();
    }
    void category(const char* element, const QString& code, const Percentage& rate,
                  const QString& reasonCode = {}, const QString& reason = {})
    {
        open(element);
        value("ID", code);
        if (code != QLatin1String("O"))
            value("Percent", rate.toText(false).toQString());
        value("TaxExemptionReasonCode", reasonCode);
        value("TaxExemptionReason", reason);
        scheme("VAT");
        close();
    }

    void party(const char* role, const EInvoiceParty& p)
    {
        open(role);
        open("Party");
        if (!p.email.isEmpty()) {
            m_xml.writeStartElement(Cbc, QStringLiteral("EndpointID"));
            m_xml.writeAttribute(QStringLiteral("schemeID"), QStringLiteral("EM"));
            m_xml.writeCharacters(p.email);
            m_xml.writeEndElement();
        }
        if (!p.id.isEmpty()) {
            open("PartyIdentification");
            value("ID", p.id);
            close();
        }
        open("PartyName");
        value("Name", p.name);
        close();
        open("PostalAddress");
        value("StreetName", p.streetLines.value(0));
        value("AdditionalStreetName", p.streetLines.value(1));
        value("CityName", p.city);
        value("PostalZone", p.postcode);
        value("CountrySubentity", p.subdivision);
        if (p.streetLines.size() > 2) {
            open("AddressLine");
            value("Line", p.streetLines.value(2));
            close();
        }
        open("Country");
        value("IdentificationCode", p.country);
        close();
        close();
        if (!p.vatNumber.isEmpty()) {
            open("PartyTaxScheme");
            value("CompanyID", p.vatNumber);
            scheme("VAT");
            close();
        }
        open("PartyLegalEntity");
        value("RegistrationName", p.name);
        value("CompanyID", p.companyNumber);
        close();
        if (!p.email.isEmpty() || !p.phone.isEmpty()) {
            open("Contact");
            value("Telephone", p.phone);
            value("ElectronicMail", p.email);
            close();
        }
        close();
        close();
    }

private:
    QXmlStreamWriter m_xml;
    QString m_currency;
};

} // namespace

QByteArray UblWriter::write(const EInvoice& e)
{
    QByteArray out;
    Ubl ubl(&out, e.currency);
    QXmlStreamWriter& xml = ubl.xml();
    const QString root = e.creditNote ? QStringLiteral("CreditNote") : QStringLiteral("Invoice");
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:") +
                              root + QStringLiteral("-2"));
    xml.writeNamespace(Cac, QStringLiteral("cac"));
    xml.writeNamespace(Cbc, QStringLiteral("cbc"));
    xml.writeStartElement(root);
    ubl.value("CustomizationID",
              QStringLiteral(
                  "urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0"));
    ubl.value("ProfileID", QStringLiteral("urn:fdc:peppol.eu:2017:poacc:billing:01:1.0"));
    ubl.value("ID", e.number);
    ubl.date("IssueDate", e.issueDate);
    if (e.creditNote) {
        ubl.value("CreditNoteTypeCode", QStringLiteral("381"));
    } else {
        ubl.date("DueDate", e.dueDate);
        ubl.value("InvoiceTypeCode", QStringLiteral("380"));
    }
    ubl.value("Note", e.note);
    ubl.value("DocumentCurrencyCode", e.currency);
    ubl.value("BuyerReference", e.buyerReference);
    if (!e.precedingNumber.isEmpty()) {
        ubl.open("BillingReference");
        ubl.open("InvoiceDocumentReference");
        ubl.value("ID", e.precedingNumber);
        ubl.date("IssueDate", e.precedingDate);
        ubl.close();
        ubl.close();
    }
    ubl.party("AccountingSupplierParty", e.seller);
    ubl.party("AccountingCustomerParty", e.buyer);
    if (e.creditTransfer) {
        ubl.open("PaymentMeans");
        ubl.value("PaymentMeansCode", QStringLiteral("30"));
        ubl.value("PaymentID", e.remittance);
        ubl.open("PayeeFinancialAccount");
        ubl.value("ID", e.accountId);
        ubl.value("Name", e.accountName);
        if (!e.bic.isEmpty()) {
            ubl.open("FinancialInstitutionBranch");
            ubl.value("ID", e.bic);
            ubl.close();
        }
        ubl.close();
        ubl.close();
    }
    if (!e.paymentTerms.isEmpty()) {
        ubl.open("PaymentTerms");
        ubl.value("Note", e.paymentTerms);
        ubl.close();
    }
    ubl.open("TaxTotal");
    ubl.amount("TaxAmount", e.tax);
    for (const EInvoiceVat& vat : e.vatBreakdown) {
        ubl.open("TaxSubtotal");
        ubl.amount("TaxableAmount", vat.taxable);
        ubl.amount("TaxAmount", vat.tax);
        ubl.category("TaxCategory", vat.category, vat.rate, vat.exemptionCode, vat.exemptionReason);
        ubl.close();
    }
    ubl.close();
    ubl.open("LegalMonetaryTotal");
    ubl.amount("LineExtensionAmount", e.lineTotal);
    ubl.amount("TaxExclusiveAmount", e.taxExclusive);
    ubl.amount("TaxInclusiveAmount", e.taxInclusive);
    if (e.prepaid != 0)
        ubl.amount("PrepaidAmount", e.prepaid);
    ubl.amount("PayableAmount", e.payable);
    ubl.close();
    for (const EInvoiceLine& line : e.lines) {
        ubl.open(e.creditNote ? "CreditNoteLine" : "InvoiceLine");
        ubl.value("ID", line.id);
        xml.writeStartElement(Cbc, e.creditNote ? QStringLiteral("CreditedQuantity")
                                                : QStringLiteral("InvoicedQuantity"));
        xml.writeAttribute(QStringLiteral("unitCode"), line.unitCode);
        xml.writeCharacters(line.quantity);
        xml.writeEndElement();
        ubl.amount("LineExtensionAmount", line.net);
        ubl.open("Item");
        ubl.value("Name", line.name);
        ubl.category("ClassifiedTaxCategory", line.category, line.rate);
        ubl.close();
        ubl.open("Price");
        ubl.amount("PriceAmount", line.price);
        ubl.close();
        ubl.close();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
