#pragma once

#include "PropertyPage.h"

#include <array>

class AmountEdit;
class QCheckBox;
class QLabel;
class QSpinBox;

/**
 * Options page 5: what new documents start with ("options/defaults"): the
 * validity and payment periods, "E & OE", the charges, the travel switches,
 * the default hours and the working day.
 */
class OptionsDefaultsPage : public PropertyPage
{
    Q_OBJECT
public:
    /// The amount fields, in the order of the page.
    enum Amount { HourlyRate, CostPerMile, Research, Purchase, Inspection, Admin, DailyHours };
    /// The period fields.
    enum Period { EstimateDays, QuoteDays, InvoiceDays };

    explicit OptionsDefaultsPage(QWidget* parent = nullptr);

    void loadSettings() override;
    /// Refuses an amount beyond what a setting holds and a working day of no hours.
    bool canSave() override;
    void saveSettings() override;

    AmountEdit* amount(Amount which) const { return m_amounts[size_t(which)]; }
    QSpinBox* period(Period which) const { return m_periods[size_t(which)]; }

private:
    std::array<AmountEdit*, 7> m_amounts{};
    std::array<QSpinBox*, 3> m_periods{};
    QCheckBox* m_eaoe;
    QCheckBox* m_byTime;
    QCheckBox* m_byDistance;
    QLabel* m_rateUnit;
    QLabel* m_distanceUnit;
};
