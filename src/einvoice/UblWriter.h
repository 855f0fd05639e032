#pragma once

#include <QByteArray>

struct EInvoice;

/// Writes an EInvoice as a UBL 2.1 Invoice or CreditNote under the Peppol
/// BIS Billing 3.0 customization and profile.
class UblWriter
{
public:
    static QByteArray write(const EInvoice& invoice);
};
