#include "JobBaseDoc.h"

#include "JobFileReader.h"
#include "UpdateHint.h"
#include "fileformat/Archive.h"
#include "foundation/MessageHook.h"
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

bool JobBaseDoc::OnNewDocument()
{
    if (!Document::OnNewDocument())
        return false;
    m_takenNumber = m_record->getNextNumber(true);
    m_numberTaken = true;
    m_record->setNumber(m_takenNumber);
    m_record->created = ombrel::OMTime(true);
    m_record->updated = ombrel::OMTime(true);
    m_record->hasVATInfo = SettingsStore::IsVATRegistered();
    setTitle(displayName());
    return true;
}

QString JobBaseDoc::displayName() const
{
    return OMString::format("%s %s", m_record->kindTitle.c_str(), m_record->docReference.c_str())
        .toQString()
        .trimmed();
}

bool JobBaseDoc::OnOpenDocument(const QString& path)
{
    m_pathBeingRead = path;
    const bool opened = Document::OnOpenDocument(path);
    m_pathBeingRead.clear();
    if (!opened)
        return false;
    m_takenNumber = 0;
    UpdateAllViews(nullptr, DocumentOpened);
    checkVAT();
    return true;
}

void JobBaseDoc::checkVAT()
{
    if (!SettingsStore::IsVATRegistered() || m_record->hasVATInfo)
        return;
    const Percentage rate(SettingsStore::GetStandardVATRate());
    const OMString question = OMString::format(StringTable::text(IDS_APPLY_VAT_QUESTION).c_str(),
                                               rate.toText(true).c_str());
    if (MessageHook::show(question, MessageHook::Question, MessageHook::YesNo) !=
        MessageHook::AnswerYes)
        return;
    m_record->applyStandardRate(rate.value());
    m_record->hasVATInfo = true;
    setModified(true);
    UpdateAllViews(nullptr, DocumentOpened);
}

bool JobBaseDoc::OnSaveDocument(const QString& path)
{
    const bool wasTaken = m_numberTaken;
    m_numberTaken = false;
    if (Document::OnSaveDocument(path))
        return true;
    // Nothing reached the disk, so the number is still free to give back.
    m_numberTaken = wasTaken;
    return false;
}

void JobBaseDoc::OnCloseDocument()
{
    if (m_numberTaken && m_record->getNextNumber(false) == m_takenNumber + 1)
        m_record->setNextNumber(m_takenNumber);
    m_numberTaken = false;
    Document::OnCloseDocument();
}

bool JobBaseDoc::Serialize(Archive& archive)
{
    if (archive.isStoring()) {
        // The customer gets its number before the record is written with it.
        if (m_customers)
            m_customers->StoreCustomer(m_record->customer);
        if (m_record->write(archive) != 0) {
            MessageHook::show(StringTable::text(IDS_FILE_SAVE_ERROR), MessageHook::Error,
                              MessageHook::Ok);
            return false;
        }
        return true;
    }
    if (m_record->read(archive) != 0) {
        MessageHook::show(
            OMString::fromQString(JobFileReader::invalidKindMessage(*m_record, m_pathBeingRead)),
            MessageHook::Error, MessageHook::Ok);
        return false;
    }
    return true;
}

bool JobBaseDoc::save(const QString& path)
{
    // A field that cannot be read stops the save before anything is written;
    // the views keep what was typed, so no reload follows.
    if (!PrepareViewsForSave())
        return false;
    const bool saved = OnSaveDocument(path);
    UpdateAllViews(nullptr, AfterSave);
    return saved;
}

bool JobBaseDoc::FileSave()
{
    if (path().isEmpty())
        return false;
    return save(path());
}

bool JobBaseDoc::FileSaveAs(const QString& newPath)
{
    return !newPath.isEmpty() && save(newPath);
}
