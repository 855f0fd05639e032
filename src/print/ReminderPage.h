#pragma once

class GPage;
class JobInvoice;
class ReminderLetter;
class TextStyles;
struct PageFonts;

/// The body of a printed payment reminder: the customer's address and the
/// letter's date, the letter's text, a table naming the invoice, its date,
/// the days overdue and the amount due (with any late-payment interest and
/// compensation claimed, and the total now due), then where to pay.
class ReminderPage
{
public:
    static void composePage(GPage& page, const JobInvoice& invoice, const ReminderLetter& letter,
                            const TextStyles& styles, const PageFonts& fonts);
};
