#pragma once

#include "EditTab.h"

#include <QString>

class Customer;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

/**
 * The "Location" tab of estimates and quotes: where the job is, or "Job
 * location is same as customer address", which greys the seven fields out
 * without emptying them (their text is still stored).
 *
 * The owning view moves its record's location through `fields`:
 *
 *     m_locationTab.loadLocation(job.location, job.sameAsCustomer); // before a load pass
 *     TabbedEditView::exchangeData(save);
 *     job.sameAsCustomer = m_locationTab.saveLocation(job.location); // after a save pass
 *
 * The location's title, names and mobile are not shown and stay as they are.
 */
class LocationTab : public EditTab
{
    Q_OBJECT

public:
    /// What the tab's controls show; the address holds "\n" line breaks.
    struct Fields
    {
        QString company, address, town, county, postcode, phone, fax;
        bool sameAsCustomer = false;
    };

    explicit LocationTab(QWidget* parent = nullptr);

    void loadLocation(const Customer& location, bool sameAsCustomer);
    /// Puts the fields into `location` (its address block replaced as a whole)
    /// and returns the same-as-customer state.
    bool saveLocation(Customer& location) const;

    Fields fields;

protected:
    void exchangeData(DataExchange& dx) override;
    QWidget* firstField() const override;

private:
    void enableFields(bool enable);

    QCheckBox* m_same;
    QLineEdit* m_company;
    QPlainTextEdit* m_address;
    QLineEdit* m_town;
    QLineEdit* m_county;
    QLineEdit* m_postcode;
    QLineEdit* m_phone;
    QLineEdit* m_fax;
};
