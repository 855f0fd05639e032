#pragma once

#include "GridTab.h"
#include "foundation/OMList.h"
#include "records/JobItem.h"

/**
 * The payments received on an invoice: date, description, amount and the CIS
 * deduction a contractor kept back from it (the two together settle).
 *
 * The invoice view binds the record's list before every load pass:
 *
 *     m_payments.bindPayments(&invoice().payments);   // then the whole-view pass
 *
 * A typed date is rewritten in the date format setting; one that cannot be
 * read is kept as typed and its message shown. A row with a description, an
 * amount or a date is a payment (an empty description stays empty); a row
 * with none of them is dropped. Each row holds its payment: the one it was
 * loaded from, into which a cell's text is parsed when its editor commits;
 * the save pass copies them, so fields the grid does not show are saved
 * back as they were.
 */
class PaymentsTab : public GridTab
{
    Q_OBJECT

public:
    enum Column { DateColumn = 0, DescColumn = 1, AmountColumn = 2, DeductionColumn = 3 };

    explicit PaymentsTab(QWidget* parent = nullptr);

    void bindPayments(ombrel::OMList<JobItem>* payments) { m_payments = payments; }

    void initRow(int row) override;
    void loadRows() override;
    void saveRows() override;
    bool cellEdited(ItemGrid& grid, int row, int column) override;
    /// An amount that does not read exactly or passes the bound, and a date
    /// that is no date, are refused in their cell.
    QString cellRefusal(const ItemGrid& grid, int row, int column,
                        const QString& text) const override;

private:
    void formatRow(int row);

    ombrel::OMList<JobItem>* m_payments = nullptr;
};
