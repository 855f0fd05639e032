#include "JobCreditNote.h"

#include "fileformat/Archive.h"
#include "resources/StringTable.h"

using namespace ombrel;

JobCreditNote::JobCreditNote() : JobInvoice(DocumentKind::CreditNote)
{
    reset();
}

void JobCreditNote::reset()
{
    JobInvoice::reset();
    invoiceReference.clear();
    invoiceDate = OMDate();
}

void JobCreditNote::readValue(const OMString& section, const OMString& key, const OMString& value)
{
    if (section != "corrects") {
        JobInvoice::readValue(section, key, value);
        return;
    }
    if (key == "invoice")
        invoiceReference = value;
    else if (key == "invoiceDate")
        invoiceDate.set(value, "YYYYMMDD");
}

void JobCreditNote::writeOwnSections(Archive& archive)
{
    archive.write("\n[corrects]\n");
    writeValue(archive, "invoice", invoiceReference);
    if (!invoiceDate.isEmpty())
        writeValue(archive, "invoiceDate", invoiceDate.toString("YYYYMMDD"));
}

void JobCreditNote::copyFrom(const JobBase& other)
{
    JobCreditNote::operator=(static_cast<const JobCreditNote&>(other));
}

DocumentSummary JobCreditNote::summary(const FigureInputs& inputs) const
{
    // The invoice's figures with the signs turned: what the note takes off.
    DocumentSummary s = JobInvoice::summary(inputs);
    s.credit = true;
    s.corrects = invoiceReference.toQString();
    s.correctsDate = invoiceDate;
    s.dueDate = OMDate();
    s.overdue = false;
    s.net = -s.net;
    for (VAT& entry : s.vatByRate)
        entry.amount = -entry.amount;
    s.vat = -s.vat;
    s.gross = -s.gross;
    s.paid = -s.paid;
    s.due = s.gross - s.paid;
    s.cisLabour = -s.cisLabour;
    s.cisExpected = -s.cisExpected;
    s.cisDeducted = -s.cisDeducted;
    return s;
}

void JobCreditNote::tieTo(const JobInvoice& invoice)
{
    invoiceReference = invoice.docReference;
    invoiceDate = invoice.documentDate();
    customer = invoice.customer;
    reference = invoice.reference;
    reverseCharge = invoice.reverseCharge;
}

void JobCreditNote::credit(const JobInvoice& invoice, const std::vector<Choice>& choices)
{
    tieTo(invoice);
    std::vector<const JobItem*> lines;
    invoice.items.forEach([&lines](const JobItem& line) { lines.push_back(&line); });
    for (const Choice& choice : choices) {
        if (choice.line < 0 || size_t(choice.line) >= lines.size())
            continue;
        JobItem credited = *lines[size_t(choice.line)];
        credited.date = OMDate();
        if (choice.amount) {
            credited.count = 1.0;
            credited.cost = OMMoney();
            credited.price = *choice.amount;
        }
        items.add(credited);
    }
}

std::vector<JobCreditNote::Choice> JobCreditNote::wholeInvoice(const JobInvoice& invoice)
{
    std::vector<Choice> choices;
    for (int i = 0; i < invoice.items.size(); ++i)
        choices.push_back({i, std::nullopt});
    return choices;
}

OMString JobCreditNote::correctsText() const
{
    if (invoiceReference.isEmpty())
        return {};
    if (invoiceDate.isEmpty())
        return OMString::format(StringTable::text(IDS_PRINT_CREDIT_FOR_NUMBER).c_str(),
                                invoiceReference.c_str());
    return OMString::format(StringTable::text(IDS_PRINT_CREDIT_FOR).c_str(),
                            invoiceReference.c_str(), invoiceDate.inWords().c_str());
}
