#pragma once

#include "Document.h"
#include "records/Customer.h"

#include <cstdint>
#include <memory>
#include <optional>

class CustomerStore;
class JobBase;

/**
 * The document of an estimate, quote or invoice. It owns its record through
 * the concrete class, numbers new documents from the kind's counter, gives a
 * number back when a new document closes unsaved and no later number was
 * taken, and applies VAT to a document made before VAT registration when the
 * user agrees (the window asks: needsVATQuestion(), applyStandardVAT()).
 */
class JobBaseDoc : public Document
{
public:
    ~JobBaseDoc() override;

    JobBase* record() const { return m_record.get(); }

    /// Takes the kind's next number; fails, making nothing, when the advanced
    /// counter cannot be stored in the settings.
    bool onNewDocument(QString* error = nullptr) override;
    /// File, Duplicate: a new document with the content of `source`, a record
    /// of the same kind, numbered from the counter, dated the day it is made,
    /// without payments and not issued. Fails, making nothing, as
    /// onNewDocument does (or when `source` is of another kind).
    bool onNewCopy(const JobBase& source, QString* error = nullptr);
    bool onOpenDocument(const QString& path, QString* error = nullptr) override;
    bool onSaveDocument(const QString& path, QString* error = nullptr) override;
    void onCloseDocument() override;
    bool serialize(Archive& archive, QString* error) override;

    /// File, Save: the views copy their controls in, the file is written, the
    /// views reload. A document without a path needs FileSaveAs instead. A
    /// view that cannot read a field has said why: false, `error` left empty.
    bool save(QString* error = nullptr);
    bool saveAs(const QString& path, QString* error = nullptr);
    /// Save As of a new document: the copy saved at `path` takes the kind's
    /// next number and starts as File, Duplicate starts one (dated the day it
    /// is made, without payments, not issued); the old file keeps its number.
    /// On a failure the record is as it was and the number is given back.
    bool saveAsNew(const QString& path, QString* error = nullptr);
    /// What the last save left undone though the file was written: why the
    /// customer is not yet in the customer database file (it is kept and
    /// goes with the next save). Empty when nothing was left undone.
    const QString& saveWarning() const { return m_saveWarning; }

    /// Whether to ask before applying VAT: the business is registered for VAT
    /// and the document was saved before it was, and it has not been issued
    /// (an issued document's lines stay as they were sent).
    bool needsVATQuestion() const;
    /// The question to ask, with the standard rate.
    static QString vatQuestion();
    /// Gives every line that carries VAT the standard rate; the document is
    /// then modified and its views are told.
    void applyStandardVAT();

    /// Whether the document was printed, exported or e-mailed (kinds that
    /// track it: DocumentKind::tracksIssue).
    bool isIssued() const;
    /// Records that the document was issued now, when its kind tracks that
    /// and it was not issued yet. A document with a file and no unsaved
    /// change is saved at once, so that its file says so; any other is marked
    /// modified and records it with its next save. False, with the message,
    /// when that save failed (the document then stays modified).
    bool markIssued(QString* error = nullptr);
    /// The question before a change to the lines, VAT or dates of an issued
    /// document: "Invoice 2401 was sent on 8 October. Make a credit note instead?"
    QString issuedQuestion() const;

    /// Where the document's customer is stored, and so numbered, each time
    /// the document is written; none (a report, a test) stores nothing.
    void setCustomerStore(CustomerStore* store) { m_customers = store; }
    CustomerStore* customerStore() const { return m_customers; }

    /// The document's kind and number, "Invoice 3081": the name its printed
    /// and exported files are given.
    QString displayName() const;

    bool numberTaken() const { return m_numberTaken; }
    uint32_t takenNumber() const { return m_takenNumber; }

protected:
    /// Takes `record`, an empty record of its kind, for the document's life.
    explicit JobBaseDoc(std::unique_ptr<JobBase> record);
    /// After a fact was recorded in the record (issued, a reminder sent): a
    /// saved, unchanged document is saved at once so that its file says so;
    /// any other is marked modified. False with the reason when that save
    /// failed (the document then stays modified).
    bool keepRecordedFact(QString* error);

private:
    bool saveTo(const QString& path, QString* error);

    std::unique_ptr<JobBase> m_record;
    CustomerStore* m_customers = nullptr;
    /// The file onOpenDocument reads, for the message when it is of another kind.
    QString m_pathBeingRead;
    bool m_numberTaken = false;
    uint32_t m_takenNumber = 0;
    QString m_saveWarning;
    /// The customer as the file was read or last saved with it; null for a
    /// new document.
    std::optional<Customer> m_customerAsRead;
};
