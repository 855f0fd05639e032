#pragma once

#include "foundation/OMString.h"

#include <QStringList>

class GPage;
class Job;
class JobBase;
class JobInvoice;
class TextStyles;
struct PageFonts;

/// The head and foot every printed document shares, and the address blocks.
class PageHead
{
public:
    /// Logo, tag line and title word, laid out by the "options/logo" settings.
    /// A logo picture that cannot be used (missing, no picture, not a plain
    /// file) is left out, and `warnings` (if given) gets the message saying so.
    static void composeHeader(GPage& page, const TextStyles& styles, const PageFonts& fonts,
                              const ombrel::OMString& title, QStringList* warnings = nullptr);
    /// The business's name, address and contact details at the foot of every page.
    static void composeFooter(GPage& page, const TextStyles& styles);
    /// Customer and number block of an estimate or quote, then the job location
    /// and description.
    static void composeJobAddress(GPage& page, const Job& job, const PageFonts& fonts);
    /// Customer and number block of an invoice, then its description.
    static void composeInvoiceAddress(GPage& page, const JobInvoice& invoice,
                                      const PageFonts& fonts);
    /// The customer's address at the left and `right` (a letter's date and
    /// what it is about) at the right, as the documents place theirs.
    static void composeAddressBlock(GPage& page, const PageFonts& fonts,
                                    const ombrel::OMString& customer,
                                    const ombrel::OMString& right);
    /// Kind and number, the customer's reference when there is one, and the date.
    static ombrel::OMString numberText(const JobBase& record, const ombrel::OMString& reference);
    /// The three lines of the footer.
    static ombrel::OMString footerLine1();
    static ombrel::OMString footerLine2();
    static ombrel::OMString footerLine3();
};
