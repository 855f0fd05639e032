#pragma once

#include <QByteArray>
#include <QString>

/**
 * Finishes a PDF as Qt wrote it into a hybrid e-invoice: PDF/A-3b with the
 * CII XML embedded as "factur-x.xml" (an associated file of the document,
 * /AFRelationship /Alternative), an sRGB output intent and XMP metadata that
 * names the PDF/A part and conformance and the e-invoice's profile (EN 16931).
 * Works on the bytes only: the caller writes the file.
 */
class FacturX
{
public:
    static constexpr const char* AttachmentName = "factur-x.xml";

    /// `pdf` with `ciiXml` embedded; false, with the reason in `error`, when
    /// the PDF cannot be read or written (it is then left as it was).
    static bool embed(QByteArray& pdf, const QByteArray& ciiXml, QString* error = nullptr);
};
