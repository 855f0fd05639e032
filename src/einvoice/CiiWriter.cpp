#include "CiiWriter.h"

#include "EInvoice.h"

#include <QXmlStreamWriter>

using namespace ombrel;

namespace {

const QString Rsm = QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString Ram = QStringLiteral(
    "urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100");
const QString Udt = QStringLiteral("urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100");
const QString Qdt = QStringLiteral("urn:un:unece:uncefact:data:standard:QualifiedDataType:100");

class Cii
{
public:
    explicit Cii(QByteArray* out) : m_xml(out)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(2);
    }

    QXmlStreamWriter& xml() { return m_xml; }
    void open(const char* name) { m_xml.writeStartElement(Ram, QLatin1String(name)); }
    void close() { m_xml.writeEndElement(); }
    void value(const char* name, const QString& text)
    {
        if (!text.isEmpty())
            m_xml.writeTextElement(Ram, QLatin1String(name), text);
    }
    void amount(const char* name, const OMMoney& money)
    {
        value(name, money.toPlainString().toQString());
    }
    void date(const char* name, const OMDate& date, const QString& ns = Udt)
    {
        open(name);
        m_xml.writeStartElement(ns, QStringLiteral("DateTimeString"));
        m_xml.writeAttribute(QStringLiteral("format"), QStringLiteral("102"));
        m_xml.writeCharacters(date.toString("YYYYMMDD").toQString());
        m_xml.writeEndElement();
        close();
    }
    void tax(const QString& category, const Percentage& rate)
    {
        value("CategoryCode", category);
        if (category != QLatin1String("O"))
            value("RateApplicablePercent", rate.toText(false).toQString());
    }

    void party(const char* role, const EInvoiceParty& p)
    {
        open(role);
        value("ID", p.id);
        value("Name", p.name);
        if (!p.companyNumber.isEmpty()) {
            open("SpecifiedLegalOrganization");
            value("ID", p.companyNumber);
            close();
        }
        if (!p.email.isEmpty() || !p.phone.isEmpty()) {
            open("DefinedTradeContact");
            if (!p.phone.isEmpty()) {
                open("TelephoneUniversalCommunication");
                value("CompleteNumber", p.phone);
                close();
            }
            if (!p.email.isEmpty()) {
                open("EmailURIUniversalCommunication");
                value("URIID", p.email);
                close();
            }
            close();
        }
        open("PostalTradeAddress");
        value("PostcodeCode", p.postcode);
        value("LineOne", p.streetLines.value(0));
        value("LineTwo", p.streetLines.value(1));
        value("LineThree", p.streetLines.value(2));
        value("CityName", p.city);
        value("CountryID", p.country);
        value("CountrySubDivisionName", p.subdivision);
        close();
        if (!p.email.isEmpty()) {
            open("URIUniversalCommunication");
            m_xml.writeStartElement(Ram, QStringLiteral("URIID"));
            m_xml.writeAttribute(QStringLiteral("schemeID"), QStringLiteral("EM"));
            m_xml.writeCharacters(p.email);
            m_xml.writeEndElement();
            close();
        }
        if (!p.vatNumber.isEmpty()) {
            open("SpecifiedTaxRegistration");
            m_xml.writeStartElement(Ram, QStringLiteral("ID"));
            m_xml.writeAttribute(QStringLiteral("schemeID"), QStringLiteral("VA"));
            m_xml.writeCharacters(p.vatNumber);
            m_xml.writeEndElement();
            close();
        }
        close();
    }

private:
    QXmlStreamWriter m_xml;
};

} // namespace

QByteArray CiiWriter::write(const EInvoice& e)
{
    QByteArray out;
    Cii cii(&out);
    QXmlStreamWriter& xml = cii.xml();
    xml.writeStartDocument();
    xml.writeNamespace(Rsm, QStringLiteral("rsm"));
    xml.writeNamespace(Ram, QStringLiteral("ram"));
    xml.writeNamespace(Qdt, QStringLiteral("qdt"));
    xml.writeNamespace(Udt, QStringLiteral("udt"));
    xml.writeStartElement(Rsm, QStringLiteral("CrossIndustryInvoice"));

    xml.writeStartElement(Rsm, QStringLiteral("ExchangedDocumentContext"));
    cii.open("GuidelineSpecifiedDocumentContextParameter");
    cii.value("ID", QStringLiteral("urn:cen.eu:en16931:2017"));
    cii.close();
    xml.writeEndElement();

    xml.writeStartElement(Rsm, QStringLiteral("ExchangedDocument"));
    cii.value("ID", e.number);
    cii.value("TypeCode", e.creditNote ? QStringLiteral("381") : QStringLiteral("380"));
    cii.date("IssueDateTime", e.issueDate);
    if (!e.note.isEmpty()) {
        cii.open("IncludedNote");
        cii.value("Content", e.note);
        cii.close();
    }
    xml.writeEndElement();

    xml.writeStartElement(Rsm, QStringLiteral("SupplyChainTradeTransaction"));
    for (const EInvoiceLine& line : e.lines) {
        cii.open("IncludedSupplyChainTradeLineItem");
        cii.open("AssociatedDocumentLineDocument");
        cii.value("LineID", line.id);
        cii.close();
        cii.open("SpecifiedTradeProduct");
        cii.value("Name", line.name);
        cii.close();
        cii.open("SpecifiedLineTradeAgreement");
        cii.open("NetPriceProductTradePrice");
        cii.amount("ChargeAmount", line.price);
        cii.close();
        cii.close();
        cii.open("SpecifiedLineTradeDelivery");
        xml.writeStartElement(Ram, QStringLiteral("BilledQuantity"));
        xml.writeAttribute(QStringLiteral("unitCode"), line.unitCode);
        xml.writeCharacters(line.quantity);
        xml.writeEndElement();
        cii.close();
        cii.open("SpecifiedLineTradeSettlement");
        cii.open("ApplicableTradeTax");
        cii.value("TypeCode", QStringLiteral("VAT"));
        cii.tax(line.category, line.rate);
        cii.close();
        cii.open("SpecifiedTradeSettlementLineMonetarySummation");
        cii.amount("LineTotalAmount", line.net);
        cii.close();
        cii.close();
        cii.close();
    }

    cii.open("ApplicableHeaderTradeAgreement");
    cii.value("BuyerReference", e.buyerReference);
    cii.party("SellerTradeParty", e.seller);
    cii.party("BuyerTradeParty", e.buyer);
    cii.close();
    cii.open("ApplicableHeaderTradeDelivery");
    cii.close();

    cii.open("ApplicableHeaderTradeSettlement");
    cii.value("PaymentReference", e.remittance);
    cii.value("InvoiceCurrencyCode", e.currency);
    if (e.creditTransfer) {
        cii.open("SpecifiedTradeSettlementPaymentMeans");
        cii.value("TypeCode", QStringLiteral("30"));
        cii.open("PayeePartyCreditorFinancialAccount");
        const bool iban =
            e.accountId.size() > 2 && e.accountId.at(0).isLetter() && e.accountId.at(1).isLetter();
        cii.value(iban ? "IBANID" : "ProprietaryID", e.accountId);
        cii.value("AccountName", e.accountName);
        cii.close();
        if (!e.bic.isEmpty()) {
            cii.open("PayeeSpecifiedCreditorFinancialInstitution");
            cii.value("BICID", e.bic);
            cii.close();
        }
        cii.close();
    }
    for (const EInvoiceVat& vat : e.vatBreakdown) {
        cii.open("ApplicableTradeTax");
        cii.amount("CalculatedAmount", vat.tax);
        cii.value("TypeCode", QStringLiteral("VAT"));
        cii.value("ExemptionReason", vat.exemptionReason);
        cii.amount("BasisAmount", vat.taxable);
        cii.value("CategoryCode", vat.category);
        cii.value("ExemptionReasonCode", vat.exemptionCode);
        if (vat.category != QLatin1String("O"))
            cii.value("RateApplicablePercent", vat.rate.toText(false).toQString());
        cii.close();
    }
    if (!e.paymentTerms.isEmpty() || !e.dueDate.isEmpty()) {
        cii.open("SpecifiedTradePaymentTerms");
        cii.value("Description", e.paymentTerms);
        if (!e.dueDate.isEmpty())
            cii.date("DueDateDateTime", e.dueDate);
        cii.close();
    }
    cii.open("SpecifiedTradeSettlementHeaderMonetarySummation");
    cii.amount("LineTotalAmount", e.lineTotal);
    cii.amount("TaxBasisTotalAmount", e.taxExclusive);
    xml.writeStartElement(Ram, QStringLiteral("TaxTotalAmount"));
    xml.writeAttribute(QStringLiteral("currencyID"), e.currency);
    xml.writeCharacters(e.tax.toPlainString().toQString());
    xml.writeEndElement();
    cii.amount("GrandTotalAmount", e.taxInclusive);
    if (e.prepaid != 0)
        cii.amount("TotalPrepaidAmount", e.prepaid);
    cii.amount("DuePayableAmount", e.payable);
    cii.close();
    if (!e.precedingNumber.isEmpty()) {
        cii.open("InvoiceReferencedDocument");
        cii.value("IssuerAssignedID", e.precedingNumber);
        if (!e.precedingDate.isEmpty())
            cii.date("FormattedIssueDateTime", e.precedingDate, Qdt);
        cii.close();
    }
    cii.close();

    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
