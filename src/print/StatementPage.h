#pragma once

class AccountStatement;
class GPage;
class TextStyles;
struct PageFonts;

/// The body of a printed statement of account: the customer and the period,
/// one table of the balance brought forward, every line with its running
/// balance and the balance carried, then the ageing of what is owed and
/// where to pay.
class StatementPage
{
public:
    static void composePage(GPage& page, const AccountStatement& statement,
                            const TextStyles& styles, const PageFonts& fonts);
    /// "Statement of account".
    static const char* title() { return "Statement of account"; }
};
