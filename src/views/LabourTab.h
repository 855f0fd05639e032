#pragma once

#include "EditTab.h"
#include "foundation/OMList.h"
#include "foundation/OMString.h"
#include "records/JobItem.h"

#include <QStringList>
#include <functional>

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
 *
 * The six fields take only what reads exactly (hours to six decimals, the
 * rate to the penny, in the files' form) and keeps the figures within the
 * bound (setFiguresCheck): anything else is refused with a message when the
 * field is left, and fails a save pass. A field taken is shown tidied
 * ("1.5" as "1.50").
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
    /// Whether the job's figures stay within the bound with the fields as
    /// `candidate` holds them (numbers in the files' form).
    void setFiguresCheck(std::function<bool(const Fields& candidate)> check)
    {
        m_figuresCheck = std::move(check);
    }
    /// Why the text of `edit`, one of the six fields, cannot be taken with
    /// the others as last taken (`fields`); empty when it can.
    QString fieldRefusal(const FilteredLineEdit* edit) const;

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
    /// The user left `edit`: refused with a message and the focus kept, or
    /// tidied and committed.
    void fieldFinished(FilteredLineEdit* edit);
    /// Why `edit`'s text cannot be taken with the other fields as `taken`
    /// holds them; when it can, its number goes to `number`.
    QString refusal(const FilteredLineEdit* edit, const Fields& taken, QString* number) const;
    /// The member of `f` that `edit` stands for.
    QString& fieldOf(Fields& f, const FilteredLineEdit* edit) const;
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
    std::function<bool(const Fields&)> m_figuresCheck;
};
