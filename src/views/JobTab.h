#pragma once

#include "EditTab.h"

#include <QString>
#include <cstdint>

class FieldLabel;
class Job;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

/**
 * The "Description" tab of estimates and quotes: the document number (the
 * automatic one unless "Specify ... number" is ticked; unticking brings the
 * automatic number back), the validity in days, the E&OE switch, the
 * customer's reference and the job description, which takes the room the tab
 * has to spare.
 *
 * The owning view sets the three label ids of its kind (IDS_VALIDITY_ESTIMATE,
 * IDS_NUMBER_ESTIMATE, IDS_SPECIFY_ESTIMATE or the QUOTE ones) and moves its
 * record through `fields`:
 *
 *     m_jobTab.fields.validityLabelId = IDS_VALIDITY_QUOTE; // ... before a load pass
 *     m_jobTab.loadJob(job);
 *     TabbedEditView::exchangeData(save);
 *     m_jobTab.saveJob(job);                                // after a save pass, while modified
 */
class JobTab : public EditTab
{
    Q_OBJECT

public:
    struct Fields
    {
        /// String ids of the validity label, the number label and the
        /// specify-number box; 0 keeps the text shown.
        int validityLabelId = 0, numberLabelId = 0, specifyLabelId = 0;
        QString reference;
        /// "\n" line breaks.
        QString description;
        bool displayEAOE = true;
        bool specifyNumber = false;
        uint32_t daysValid = 0;
        QString number;
        /// The number as the view last loaded it: shown again when the user
        /// stops specifying one.
        QString loadedNumber;
    };

    explicit JobTab(QWidget* parent = nullptr);

    /// Sets every field but the label ids from `job`.
    void loadJob(const Job& job);
    /// Puts the fields into `job`: the number through setDocReference, then
    /// the reference, description, E&OE switch and validity.
    void saveJob(Job& job) const;

    Fields fields;

protected:
    void exchangeData(DataExchange& dx) override;
    QWidget* firstField() const override;

private:
    void boxClicked(QCheckBox* box);
    void enableNumber();

    QLineEdit* m_number;
    FieldLabel* m_numberLabel;
    QCheckBox* m_specify;
    QLineEdit* m_validity;
    FieldLabel* m_validityLabel;
    QCheckBox* m_eaoe;
    QLineEdit* m_reference;
    QPlainTextEdit* m_description;
};
