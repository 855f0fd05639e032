#pragma once

#include "EditTab.h"
#include "foundation/OMList.h"
#include "foundation/OMString.h"
#include "records/JobItem.h"

class CFilterEdit;
class QLabel;

/**
 * The Labour tab of an estimate or quote: hours in five categories, the
 * hourly rate, and a grid of other hourly charges (the record's hours items).
 *
 * The view fills `fields` before a load pass (hours with at least two
 * decimals, the rate as money text) and reads them back after a save pass;
 * it hands over the record's hours items with bindItems() before each load
 * pass, and the tab rebuilds that list itself on every save pass. The travel
 * tab reads the work and inspection hours from `fields`.
 */
class EditTabLabour : public EditTab
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 3304;

    /// What the six fields held when the tab last read them.
    struct Fields
    {
        ombrel::OMString purchase;
        ombrel::OMString work;
        ombrel::OMString inspection;
        ombrel::OMString admin;
        ombrel::OMString research;
        ombrel::OMString rate;
    };

    explicit EditTabLabour(QWidget* parent = nullptr);

    /// The list the grid edits; null leaves the grid alone.
    void bindItems(ombrel::OMList<JobItem>* items) { m_items = items; }

    void OnActivateTab() override;

    CFilterEdit* researchEdit() const { return m_research; }
    CFilterEdit* purchaseEdit() const { return m_purchase; }
    CFilterEdit* workEdit() const { return m_work; }
    CFilterEdit* inspectionEdit() const { return m_inspection; }
    CFilterEdit* adminEdit() const { return m_admin; }
    CFilterEdit* rateEdit() const { return m_rate; }

    Fields fields;

protected:
    void DoDataExchange(DataExchange& dx) override;

private:
    CFilterEdit* addHoursRow(class QGridLayout* grid, int row, const QString& label);

    CFilterEdit* m_rate;
    CFilterEdit* m_research;
    CFilterEdit* m_purchase;
    CFilterEdit* m_work;
    CFilterEdit* m_inspection;
    CFilterEdit* m_admin;
    QLabel* m_rateLabel;
    ombrel::OMList<JobItem>* m_items = nullptr;
};
