#pragma once

#include "Document.h"

#include <cstdint>
#include <memory>

class CustomerStore;
class JobBase;

/**
 * The document of an estimate, quote or invoice. It owns its record through
 * the concrete class, numbers new documents from the kind's counter, gives a
 * number back when a new document closes unsaved and no later number was
 * taken, and offers to apply VAT to documents made before VAT registration.
 */
class JobBaseDoc : public Document
{
public:
    ~JobBaseDoc() override;

    JobBase* record() const { return m_record.get(); }

    bool OnNewDocument() override;
    bool OnOpenDocument(const QString& path) override;
    bool OnSaveDocument(const QString& path) override;
    void OnCloseDocument() override;
    bool Serialize(Archive& archive) override;

    /// File, Save: the views copy their controls in, the file is written, the
    /// views reload. A document without a path needs FileSaveAs instead.
    bool FileSave();
    bool FileSaveAs(const QString& path);

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

private:
    /// Asks whether to apply VAT to a document saved before registration.
    void checkVAT();
    bool save(const QString& path);

    std::unique_ptr<JobBase> m_record;
    CustomerStore* m_customers = nullptr;
    /// The file OnOpenDocument reads, for the message when it is of another kind.
    QString m_pathBeingRead;
    bool m_numberTaken = false;
    uint32_t m_takenNumber = 0;
};
