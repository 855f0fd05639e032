#pragma once

#include <QByteArray>

struct EInvoice;

/// Writes an EInvoice as a UN/CEFACT Cross Industry Invoice (D16B) under
/// the EN 16931 guideline: the XML of an e-invoice PDF as well.
class CiiWriter
{
public:
    static QByteArray write(const EInvoice& invoice);
};
