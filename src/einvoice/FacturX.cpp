#include "FacturX.h"

#include "SrgbProfile.h"

#include <QDateTime>
#include <QTimeZone>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <string>

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

std::string infoText(QPDFObjectHandle info, const char* key)
{
    if (!info.isDictionary() || !info.hasKey(key) || !info.getKey(key).isString())
        return {};
    return info.getKey(key).getUTF8Value();
}

/// "D:20261001163005+01'00'" (or without the zone) as XMP's date form.
QString xmpDate(const std::string& pdfDate)
{
    const QString text = QString::fromStdString(pdfDate).remove(QStringLiteral("D:"));
    QDateTime when = QDateTime::fromString(text.left(14), QStringLiteral("yyyyMMddHHmmss"));
    if (!when.isValid())
        return {};
    const QString zone = text.mid(14);
    if (zone.startsWith(u'Z')) {
        when.setTimeZone(QTimeZone::utc());
    } else if (zone.size() >= 3 && (zone[0] == u'+' || zone[0] == u'-')) {
        const int minutes = zone.mid(1, 2).toInt() * 60 + zone.mid(4, 2).toInt();
        when.setTimeZone(QTimeZone((zone[0] == u'-' ? -60 : 60) * minutes));
    }
    return when.toString(Qt::ISODate);
}

QByteArray xmpPacket(QPDFObjectHandle info)
{
    const QString title = QString::fromStdString(infoText(info, "/Title"));
    const QString author = QString::fromStdString(infoText(info, "/Author"));
    const QString subject = QString::fromStdString(infoText(info, "/Subject"));
    const QString creator = QString::fromStdString(infoText(info, "/Creator"));
    const QString producer = QString::fromStdString(infoText(info, "/Producer"));
    const QString created = xmpDate(infoText(info, "/CreationDate"));

    QString dc;
    if (!title.isEmpty())
        dc += QStringLiteral("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li>"
                             "</rdf:Alt></dc:title>")
                  .arg(escaped(title));
    if (!author.isEmpty())
        dc += QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>")
                  .arg(escaped(author));
    if (!subject.isEmpty())
        dc += QStringLiteral("<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%1"
                             "</rdf:li></rdf:Alt></dc:description>")
                  .arg(escaped(subject));
    QString xmp;
    if (!creator.isEmpty())
        xmp += QStringLiteral("<xmp:CreatorTool>%1</xmp:CreatorTool>").arg(escaped(creator));
    if (!created.isEmpty())
        xmp += QStringLiteral("<xmp:CreateDate>%1</xmp:CreateDate>").arg(created);
    const QString pdf =
        producer.isEmpty()
            ? QString()
            : QStringLiteral("<pdf:Producer>%1</pdf:Producer>").arg(escaped(producer));

    const QString packet = QStringLiteral(R"(<?xpacket begin="%1" id="W5M0MpCehiHzreSzNTczkc9d"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/">
<rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
<rdf:Description rdf:about="" xmlns:pdfaid="http://www.aiim.org/pdfa/ns/id/">
<pdfaid:part>3</pdfaid:part>
<pdfaid:conformance>B</pdfaid:conformance>
</rdf:Description>
<rdf:Description rdf:about="" xmlns:dc="http://purl.org/dc/elements/1.1/">%2</rdf:Description>
<rdf:Description rdf:about="" xmlns:xmp="http://ns.adobe.com/xap/1.0/">%3</rdf:Description>
<rdf:Description rdf:about="" xmlns:pdf="http://ns.adobe.com/pdf/1.3/">%4</rdf:Description>
<rdf:Description rdf:about="" xmlns:fx="urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#">
<fx:DocumentType>INVOICE</fx:DocumentType>
<fx:DocumentFileName>factur-x.xml</fx:DocumentFileName>
<fx:Version>1.0</fx:Version>
<fx:ConformanceLevel>EN 16931</fx:ConformanceLevel>
</rdf:Description>
<rdf:Description rdf:about="" xmlns:pdfaExtension="http://www.aiim.org/pdfa/ns/extension/" xmlns:pdfaSchema="http://www.aiim.org/pdfa/ns/schema#" xmlns:pdfaProperty="http://www.aiim.org/pdfa/ns/property#">
<pdfaExtension:schemas>
<rdf:Bag>
<rdf:li rdf:parseType="Resource">
<pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>
<pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#</pdfaSchema:namespaceURI>
<pdfaSchema:prefix>fx</pdfaSchema:prefix>
<pdfaSchema:property>
<rdf:Seq>
<rdf:li rdf:parseType="Resource">
<pdfaProperty:name>DocumentFileName</pdfaProperty:name>
<pdfaProperty:valueType>Text</pdfaProperty:valueType>
<pdfaProperty:category>external</pdfaProperty:category>
<pdfaProperty:description>The name of the embedded XML document</pdfaProperty:description>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<pdfaProperty:name>DocumentType</pdfaProperty:name>
<pdfaProperty:valueType>Text</pdfaProperty:valueType>
<pdfaProperty:category>external</pdfaProperty:category>
<pdfaProperty:description>The type of the hybrid document in capital letters, e.g. INVOICE or ORDER</pdfaProperty:description>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<pdfaProperty:name>Version</pdfaProperty:name>
<pdfaProperty:valueType>Text</pdfaProperty:valueType>
<pdfaProperty:category>external</pdfaProperty:category>
<pdfaProperty:description>The actual version of the standard applying to the embedded XML document</pdfaProperty:description>
</rdf:li>
<rdf:li rdf:parseType="Resource">
<pdfaProperty:name>ConformanceLevel</pdfaProperty:name>
<pdfaProperty:valueType>Text</pdfaProperty:valueType>
<pdfaProperty:category>external</pdfaProperty:category>
<pdfaProperty:description>The conformance level of the embedded XML document</pdfaProperty:description>
</rdf:li>
</rdf:Seq>
</pdfaSchema:property>
</rdf:li>
</rdf:Bag>
</pdfaExtension:schemas>
</rdf:Description>
</rdf:RDF>
</x:xmpmeta>
<?xpacket end="w"?>)")
                               .arg(QChar(0xFEFF), dc, xmp, pdf);
    return packet.toUtf8();
}

std::string bytes(const QByteArray& data)
{
    return std::string(data.constData(), size_t(data.size()));
}

} // namespace

bool FacturX::embed(QByteArray& pdf, const QByteArray& ciiXml, QString* error)
{
    try {
        QPDF doc;
        doc.setSuppressWarnings(true);
        doc.processMemoryFile("invoice.pdf", pdf.constData(), size_t(pdf.size()));
        QPDFObjectHandle root = doc.getRoot();
        QPDFObjectHandle info = doc.getTrailer().getKey("/Info");

        const std::string now = QDateTime::currentDateTimeUtc()
                                    .toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'"))
                                    .toStdString();
        QPDFEFStreamObjectHelper stream =
            QPDFEFStreamObjectHelper::createEFStream(doc, bytes(ciiXml));
        stream.setSubtype("text/xml").setModDate(now);
        QPDFFileSpecObjectHelper attachment =
            QPDFFileSpecObjectHelper::createFileSpec(doc, AttachmentName, stream);
        attachment.setDescription("Factur-X invoice (EN 16931)");
        QPDFObjectHandle attachmentObject = attachment.getObjectHandle();
        attachmentObject.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Alternative"));
        attachmentObject = doc.makeIndirectObject(attachmentObject);
        QPDFEmbeddedFileDocumentHelper(doc).replaceEmbeddedFile(
            AttachmentName, QPDFFileSpecObjectHelper(attachmentObject));
        root.replaceKey("/AF", QPDFObjectHandle::newArray({attachmentObject}));

        QPDFObjectHandle metadata = doc.newStream(bytes(xmpPacket(info)));
        metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
        metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
        root.replaceKey("/Metadata", metadata);

        QPDFObjectHandle profile = doc.newStream(bytes(SrgbProfile::bytes()));
        profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
        QPDFObjectHandle intent = QPDFObjectHandle::newDictionary();
        intent.replaceKey("/Type", QPDFObjectHandle::newName("/OutputIntent"));
        intent.replaceKey("/S", QPDFObjectHandle::newName("/GTS_PDFA1"));
        intent.replaceKey("/OutputConditionIdentifier",
                          QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
        intent.replaceKey("/Info", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
        intent.replaceKey("/DestOutputProfile", profile);
        root.replaceKey("/OutputIntents",
                        QPDFObjectHandle::newArray({doc.makeIndirectObject(intent)}));

        QPDFWriter writer(doc);
        writer.setOutputMemory();
        writer.setMinimumPDFVersion("1.7");
        // PDF/A keeps the metadata readable: no object streams, nothing compressed away.
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.write();
        const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
        pdf =
            QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QStringLiteral("the e-invoice could not be embedded in the PDF (%1)")
                         .arg(QString::fromLocal8Bit(e.what()));
        return false;
    }
}
