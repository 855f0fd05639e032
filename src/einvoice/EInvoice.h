#pragma once

#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"
#include "records/Percentage.h"

#include <QString>
#include <QStringList>

#include <vector>

/// A party of an e-invoice: the seller (BG-4) or the buyer (BG-7).
struct EInvoiceParty
{
    /// BT-29 / BT-46: our number for the party (the customer's number); empty when none.
    QString id;
    /// BT-27 / BT-44.
    QString name;
    /// BT-35, BT-36, BT-162 / BT-50, BT-51, BT-163: up to three street lines.
    QStringList streetLines;
    /// BT-37 / BT-52.
    QString city;
    /// BT-38 / BT-53.
    QString postcode;
    /// BT-39 / BT-54.
    QString subdivision;
    /// BT-40 / BT-55, ISO 3166-1 alpha-2.
    QString country;
    /// BT-31 / BT-48, with its country prefix ("GB123456789"); empty when none.
    QString vatNumber;
    /// BT-30 / BT-47: the company registration number; empty when none.
    QString companyNumber;
    /// BT-43 / BT-58.
    QString email;
    /// BT-42 / BT-57.
    QString phone;
};

/// One invoice line (BG-25).
struct EInvoiceLine
{
    /// BT-126: "1", "2", ...
    QString id;
    /// BT-153.
    QString name;
    /// BT-129, as a decimal ("2.5").
    QString quantity;
    /// BT-130, UN/ECE Recommendation 20 ("HUR", "C62").
    QString unitCode;
    /// BT-131: the line's net amount.
    ombrel::OMMoney net;
    /// BT-146: the net unit price.
    ombrel::OMMoney price;
    /// BT-151: S, Z, AE or O.
    QString category;
    /// BT-152; not written for category O.
    Percentage rate;
};

/// One VAT breakdown (BG-23): a category at one rate.
struct EInvoiceVat
{
    /// BT-118.
    QString category;
    /// BT-119; not written for category O.
    Percentage rate;
    /// BT-116.
    ombrel::OMMoney taxable;
    /// BT-117.
    ombrel::OMMoney tax;
    /// BT-120 and BT-121; empty for S and Z.
    QString exemptionReason;
    QString exemptionCode;
};

/**
 * An invoice or credit note in the business terms of the European e-invoice
 * standard, filled from one of our documents by EInvoiceMapping: what the UBL
 * and CII writers put in their own syntax. Amounts are as printed on the
 * document: a credit note's are positive.
 */
struct EInvoice
{
    /// BT-3: 380 (commercial invoice) or 381 (credit note).
    bool creditNote = false;
    /// BT-1.
    QString number;
    /// BT-2.
    ombrel::OMDate issueDate;
    /// BT-9; empty for a credit note and for an invoice with nothing to pay.
    ombrel::OMDate dueDate;
    /// BT-5, ISO 4217.
    QString currency;
    /// BT-10: the customer's reference.
    QString buyerReference;
    /// BT-22: the document's description.
    QString note;
    /// BT-20.
    QString paymentTerms;
    /// BT-25, BT-26: the invoice a credit note corrects.
    QString precedingNumber;
    ombrel::OMDate precedingDate;

    EInvoiceParty seller;
    EInvoiceParty buyer;

    /// BG-16: credit transfer (BT-81 code 30) when an account is given.
    bool creditTransfer = false;
    /// BT-84: the IBAN, or the sort code and account number.
    QString accountId;
    /// BT-85.
    QString accountName;
    /// BT-86.
    QString bic;
    /// BT-83: the document's number.
    QString remittance;

    std::vector<EInvoiceLine> lines;
    std::vector<EInvoiceVat> vatBreakdown;

    /// BG-22: BT-106 (sum of the lines), BT-109 (without VAT), BT-110 (the
    /// VAT), BT-112 (with VAT), BT-113 (paid), BT-115 (to pay).
    ombrel::OMMoney lineTotal;
    ombrel::OMMoney taxExclusive;
    ombrel::OMMoney tax;
    ombrel::OMMoney taxInclusive;
    ombrel::OMMoney prepaid;
    ombrel::OMMoney payable;
};
