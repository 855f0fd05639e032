#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <memory>

class JobBase;
struct IntegerSetting;

/**
 * One kind of document (estimate, quote, invoice, credit note): everything the program
 * needs to know about a kind that does not come from its record's class.
 * Every place that depends on the kind reads it from here, so adding a kind
 * means one entry in DocumentKind.cpp plus its record, its page and its tabs.
 */
class DocumentKind
{
public:
    /// The kinds in the order the program registers and lists them.
    enum Id { Estimate, Invoice, Quote, CreditNote };

    /// The commands a document window of the kind offers beyond the common ones.
    enum Command {
        ImportCommand = 0x1,         ///< File, Import from the kinds in `imports`
        NewInvoiceCommand = 0x2,     ///< File, New Invoice from This
        JobSectionsCommand = 0x4,    ///< View: materials, hire, travel, labour, breakdown
        PaymentDetailsCommand = 0x8, ///< View, Payment Details
        NewCreditNoteCommand = 0x10, ///< File, New Credit Note from This
        ReminderCommand = 0x20,      ///< File, Payment Reminder
    };
    Q_DECLARE_FLAGS(Commands, Command)

    /// Which page composer prints the kind.
    enum Page { JobPage, InvoicePage };

    Id id;
    /// The id the window's menus, frames and views are attached by.
    int resourceId;
    /// The file's first line and header section: "estimate".
    const char* name;
    /// The kind as a word in a sentence or a window title: "Estimate".
    const char* title;
    /// The extension without its point: "vle".
    const char* extension;
    const char* mimeType;
    /// The desktop's file type id: "VorlaneEstimate.Document".
    const char* fileTypeId;
    /// The string id of the title printed at the head of the page.
    int pageTitleId;
    Page page;
    /// The counter new documents of the kind take their number from.
    const IntegerSetting* nextNumberSetting;
    /// The days a new document of the kind is valid for or gives to pay;
    /// null for a kind without terms (a credit note).
    const IntegerSetting* termsSetting;
    /// The label of that setting in the options, with its mnemonic; null without one.
    const char* termsLabel;
    /// The kinds File, Import takes into a document of this kind.
    QList<Id> imports;
    Commands commands;
    /// A document of the kind counts as issued once printed, exported or
    /// e-mailed (the record keeps when); its lines, VAT and dates are then
    /// changed only after a question, and Save As asks whether the copy keeps
    /// its number. Invoices and credit notes: numbers that must be unique.
    bool tracksIssue; /// An empty record of the kind.
    std::unique_ptr<JobBase> (*createRecord)();

    /// "Vorlane Estimate Files (*.vle)".
    QString filter() const;
    /// Whether `path` ends in the kind's extension, in any case (files copied
    /// from systems that ignore case may carry ".VLE").
    bool matchesPath(const QString& path) const;
    bool offers(Command command) const { return commands.testFlag(command); }

    /// Every kind, in the order of Id.
    static const QList<const DocumentKind*>& all();
    static const DocumentKind& get(Id id);
    /// The kind whose extension `path` ends in, or null.
    static const DocumentKind* forPath(const QString& path);
    /// The kind attached to `resourceId`, or null.
    static const DocumentKind* forResource(int resourceId);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DocumentKind::Commands)
