#include "JobBaseDoc.h"

#include "JobFileReader.h"
#include "UpdateHint.h"
#include "fileformat/Archive.h"
#include "records/CustomerStore.h"
#include "records/JobBase.h"
#include "records/Percentage.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

using ombrel::OMString;

JobBaseDoc::JobBaseDoc(std::unique_ptr<JobBase> record) : m_record(std::move(record))
{
}

JobBaseDoc::~JobBaseDoc() = default;

bool JobBaseDoc::onNewDocument(QString* error)
{
    if (!Document::onNewDocument(error))
        return false;
    uint32_t number = 0;
    QString reason;
    if (!m_record->takeNextNumber(number, &reason)) {
        if (error)
            *error = QStringLiteral("No new %1 was made: the next %1 number could not be stored "
                                    "in the settings.\n\n%2")
                         .arg(QString::fromLatin1(m_record->kind().title).toLower(), reason);
        return false;
    }
    m_takenNumber = number;
    m_numberTaken = true;
    m_record->setNumber(m_takenNumber);
    m_record->created = ombrel::OMTime(true);
    m_record->updated = ombrel::OMTime(true);
    m_record->hasVATInfo = SettingsStore::isVATRegistered();
    setTitle(displayName());
    return true;
}

bool JobBaseDoc::onNewCopy(const JobBase& source, QString* error)
{
    if (&source.kind() != &m_record->kind() || !onNewDocument(error))
        return false;
    m_record->copyFrom(source);
    m_record->startAsCopy();
    m_record->setNumber(m_takenNumber);
    setTitle(displayName());
    return true;
}

bool JobBaseDoc::saveAsNew(const QString& newPath, QString* error)
{
    if (newPath.isEmpty() || !prepareViewsForSave())
        return false;
    uint32_t number = 0;
    QString reason;
    if (!m_record->takeNextNumber(number, &reason)) {
        if (error)
            *error = QStringLiteral("The copy was not saved: the next %1 number could not be "
                                    "stored in the settings.\n\n%2")
                         .arg(QString::fromLatin1(m_record->kind().title).toLower(), reason);
        return false;
    }
    const std::unique_ptr<JobBase> before = m_record->kind().createRecord();
    before->copyFrom(*m_record);
    m_record->startAsCopy();
    m_record->setNumber(number);
    // The number is this file's once it is written; until then it may go back.
    const bool saved = onSaveDocument(newPath, error);
    if (!saved) {
        m_record->copyFrom(*before);
        m_record->giveNumberBack(number, nullptr);
    }
    updateAllViews(nullptr, AfterSave);
    return saved;
}

bool JobBaseDoc::isIssued() const
{
    return m_record->issuedAt().isSet();
}

bool JobBaseDoc::markIssued(QString* error)
{
    if (!m_record->kind().tracksIssue || isIssued())
        return true;
    m_record->setIssuedAt(ombrel::OMTime(true));
    return keepRecordedFact(error);
}

bool JobBaseDoc::keepRecordedFact(QString* error)
{
    if (path().isEmpty() || isModified()) {
        setModified(true);
        return true;
    }
    if (save(error))
        return true;
    setModified(true);
    return false;
}

QString JobBaseDoc::issuedQuestion() const
{
    const ombrel::OMDate when = m_record->issuedAt().toDate();
    const bool thisYear = when.year() == ombrel::OMDate::today().year();
    return OMString::format(StringTable::text(IDS_ISSUED_QUESTION).c_str(), m_record->kind().title,
                            m_record->docReference.c_str(), when.inWords(!thisYear).c_str())
        .toQString();
}

QString JobBaseDoc::displayName() const
{
    return OMString::format("%s %s", m_record->kind().title, m_record->docReference.c_str())
        .toQString()
        .trimmed();
}

bool JobBaseDoc::onOpenDocument(const QString& path, QString* error)
{
    m_pathBeingRead = path;
    const bool opened = Document::onOpenDocument(path, error);
    m_pathBeingRead.clear();
    if (!opened)
        return false;
    m_takenNumber = 0;
    updateAllViews(nullptr, DocumentOpened);
    return true;
}

bool JobBaseDoc::needsVATQuestion() const
{
    return SettingsStore::isVATRegistered() && !m_record->hasVATInfo && !isIssued();
}

QString JobBaseDoc::vatQuestion()
{
    const Percentage rate(SettingsStore::standardVATRate());
    return OMString::format(StringTable::text(IDS_APPLY_VAT_QUESTION).c_str(),
                            rate.toText(true).c_str())
        .toQString();
}

void JobBaseDoc::applyStandardVAT()
{
    m_record->applyStandardRate(Percentage(SettingsStore::standardVATRate()).value());
    m_record->hasVATInfo = true;
    setModified(true);
    updateAllViews(nullptr, DocumentOpened);
}

bool JobBaseDoc::onSaveDocument(const QString& path, QString* error)
{
    const bool wasTaken = m_numberTaken;
    m_numberTaken = false;
    m_saveWarning.clear();
    if (Document::onSaveDocument(path, error))
        return true;
    // Nothing reached the disk, so the number is still free to give back.
    m_numberTaken = wasTaken;
    return false;
}

void JobBaseDoc::onCloseDocument()
{
    // A number that cannot be given back leaves a gap, never a number twice.
    if (m_numberTaken)
        m_record->giveNumberBack(m_takenNumber, nullptr);
    m_numberTaken = false;
    Document::onCloseDocument();
}

bool JobBaseDoc::serialize(Archive& archive, QString* error)
{
    if (archive.isStoring()) {
        // The customer gets its number before the record is written with it;
        // one the database file could not take is kept there for the next save.
        Customer& customer = m_record->customer;
        if (m_customers) {
            QString reason;
            const bool stored =
                m_customerAsRead
                    ? m_customers->storeCarriedCustomer(customer, *m_customerAsRead, &reason)
                    : m_customers->storeCustomer(customer, &reason);
            if (!stored)
                m_saveWarning = reason;
        }
        m_customerAsRead = customer;
        if (m_record->write(archive) != 0) {
            if (error)
                *error = StringTable::text(IDS_FILE_SAVE_ERROR).toQString();
            return false;
        }
        return true;
    }
    if (m_record->read(archive) != 0) {
        if (error)
            *error = JobFileReader::invalidKindMessage(*m_record, m_pathBeingRead);
        return false;
    }
    m_customerAsRead = m_record->customer;
    return true;
}

bool JobBaseDoc::saveTo(const QString& path, QString* error)
{
    // A field that cannot be read stops the save before anything is written;
    // the views keep what was typed, so no reload follows.
    if (!prepareViewsForSave())
        return false;
    const bool saved = onSaveDocument(path, error);
    updateAllViews(nullptr, AfterSave);
    return saved;
}

bool JobBaseDoc::save(QString* error)
{
    if (path().isEmpty())
        return false;
    return saveTo(path(), error);
}

bool JobBaseDoc::saveAs(const QString& newPath, QString* error)
{
    return !newPath.isEmpty() && saveTo(newPath, error);
}
