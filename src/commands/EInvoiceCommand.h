#pragma once

#include <QString>

/**
 * `vorlane --export-einvoice OUT.xml [--format ubl|cii] FILE`: writes the
 * invoice or credit note FILE as an e-invoice. Nothing is written when the
 * document lacks what the e-invoice needs; the message names it.
 */
class EInvoiceCommand
{
public:
    struct Request
    {
        QString document;
        QString output;
        /// "ubl" or "cii"; empty: ubl.
        QString format;
    };

    /// False, with the message to show in `error`, when nothing was written.
    static bool run(const Request& request, QString* error);
};
