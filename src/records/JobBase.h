#pragma once

#include "Customer.h"
#include "DocumentKind.h"
#include "DocumentSummary.h"
#include "FigureInputs.h"
#include "JobItem.h"
#include "foundation/OMBool.h"
#include "foundation/OMDate.h"
#include "foundation/OMString.h"
#include "foundation/OMTime.h"

#include <QString>
#include <cstdint>

class Archive;

/**
 * The record behind every document: its number and reference, its dates, and
 * the reading and writing of the document file. Each class reads and writes
 * its own sections through the virtual operations below.
 */
class JobBase
{
public:
    /// read() status of a file whose first line names another kind of document.
    static constexpr int InvalidFileStatus = int(0xC1001015u);

    virtual ~JobBase();

    // The virtual operations, in the order every class keeps them.
    virtual void reset();
    virtual void addItem(const ombrel::OMString& section, const JobItem& item);
    virtual void readValue(const ombrel::OMString& section, const ombrel::OMString& key,
                           const ombrel::OMString& value);
    /// Reads the whole file; 0, or InvalidFileStatus leaving the record as it was.
    virtual int read(Archive& archive);
    /// Writes the whole file; 0 on success.
    virtual int write(Archive& archive);
    /// Gives out the next number of this kind: the kind's counter in the
    /// settings is read, advanced and written back as one step across copies
    /// of the program. False, with the reason, when the counter could not be
    /// written; no number was given out then.
    bool takeNextNumber(uint32_t& number, QString* error);
    /// Gives `number` back when no later one was given out (the counter still
    /// stands at number + 1); false, with the reason, when it could not be written.
    bool giveNumberBack(uint32_t number, QString* error);
    virtual void writeItem(Archive& archive, const ombrel::OMString& section, const JobItem& item);
    virtual void writeValue(Archive& archive, const ombrel::OMString& key,
                            const ombrel::OMString& value);
    /// What the document comes to with `inputs`; changes nothing.
    virtual DocumentSummary summary(const FigureInputs& inputs) const = 0;
    /// Gives every line that carries VAT the standard `rate`.
    virtual void applyStandardRate(int32_t rate) = 0;
    /// Takes every field of `other`, a record of the same kind; the version stays.
    virtual void copyFrom(const JobBase& other) = 0;
    /// Makes the record the start of a new document of its kind (File,
    /// Duplicate; Save As with the next number): no number yet, no date of its
    /// own (so it is dated the day it is made), created now; invoices lose
    /// their payments and their issue.
    virtual void startAsCopy();
    /// When the document was first printed, exported or e-mailed; unset while
    /// it has not been issued. Only the kinds that track it keep it
    /// (DocumentKind::tracksIssue).
    virtual ombrel::OMTime issuedAt() const { return ombrel::OMTime(); }
    virtual void setIssuedAt(const ombrel::OMTime&) {}

    const DocumentKind& kind() const { return *m_kind; }

    /// Sets the number and the reference printed from it.
    void setNumber(uint32_t n);
    /// Sets the reference; the number follows when the text is one written plainly.
    void setDocReference(const ombrel::OMString& text, bool own);
    /// The document date, or the day it was created when it has none.
    ombrel::OMDate documentDate() const;

    uint32_t number = 0;
    uint32_t version = 0;
    ombrel::OMTime created;
    ombrel::OMTime updated;
    ombrel::OMBool hasVATInfo;
    ombrel::OMBool ownDocReference;
    ombrel::OMString docReference;
    ombrel::OMDate date;

    // Held by every kind, written by each in its own section.
    Customer customer;
    ombrel::OMString description;
    /// The customer's reference for the job.
    ombrel::OMString reference;
    /// Whether the page says "E&OE".
    ombrel::OMBool displayEAOE = true;

protected:
    explicit JobBase(DocumentKind::Id kind);
    JobBase(const JobBase&) = default;
    /// Copies the fields that move between records; version and the kind stay.
    JobBase& operator=(const JobBase& other);

    /// Writes the header and base section after stamping the record.
    int writeBase(Archive& archive);
    void writeCustomer(Archive& archive, const Customer& customer, bool withNumber);
    /// The fields every kind's summary starts from.
    DocumentSummary baseSummary() const;

private:
    const DocumentKind* m_kind;
};
