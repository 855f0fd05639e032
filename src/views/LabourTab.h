#pragma once

#include "EditTab.h"
#include "foundation/OMList.h"
#include "foundation/OMString.h"
#include "records/JobItem.h"

#include <QStringList>

class FilteredLineEdit;
class ItemGrid;
class QLabel;

/**
 * The Labour tab of an estimate or quote: hours in five categories, the
 * hourly rate, and a grid of other hourly charges (the record's hours items).
 *
 * The view fills `fields` before a load pass (hours with at least two
 * decimals, the rate as money text) and reads them back after a save pass;
 * it hands over the record's hours items with bindItems() before each load
 * pass, and the tab rebuilds that list itself on every save pass from the
 * grid rows' items, into which each cell is parsed when its editor commits.
 * The travel tab reads the work and inspection hours from `fields`.
 */
class LabourTab : public EditTab
{
    Q_OBJECT

public:
    /// What the six fields held when the tab last read them.
    struct Fields
    {
        QString purchase;
        QString work;
        QString inspection;
        QString admin;
        QString research;
        QString rate;
    };

    explicit LabourTab(QWidget* parent = nullptr);

    /// The list the grid edits; null leaves the grid alone.
    void bindItems(ombrel::OMList<JobItem>* items) { m_items = items; }

    FilteredLineEdit* workEdit() const { return m_work; }
    FilteredLineEdit* inspectionEdit() const { return m_inspection; }
    FilteredLineEdit* adminEdit() const { return m_admin; }
    FilteredLineEdit* rateEdit() const { return m_rate; }
    ItemGrid* grid() const { return m_grid; }

    Fields fields;

protected:
    void exchangeData(DataExchange& dx) override;
    /// The first field takes the keyboard when the tab is shown.
    QWidget* firstField() const override;

private:
    FilteredLineEdit* addHoursRow(class QGridLayout* grid, int row, const QString& label);
    /// The grid from the bound list: one row per item, then the entry row.
    void loadRows();
    /// The bound list from the rows' items: every row with a description.
    void saveRows();
    /// A new row's defaults: no hours, no rate, a read-only total.
    void initRow(int row);
    /// After the user typed into a cell: the text parsed into the row's item,
    /// hours and rate normalised, total worked out.
    void cellEdited(int row, int column);

    FilteredLineEdit* m_rate;
    FilteredLineEdit* m_research;
    FilteredLineEdit* m_purchase;
    FilteredLineEdit* m_work;
    FilteredLineEdit* m_inspection;
    FilteredLineEdit* m_admin;
    QLabel* m_rateLabel;
    ItemGrid* m_grid;
    QStringList m_columnSamples;
    int m_stretchColumn = -1;
    // A row made from an item keeps its other fields (VAT rate, cost, date)
    // when the list is rebuilt.
    ombrel::OMList<JobItem>* m_items = nullptr;
};
