#pragma once

#include "PropertyPage.h"
#include "records/DocumentKind.h"

#include <array>
#include <vector>

class AmountEdit;
class QCheckBox;
class QLabel;
class QSpinBox;

/**
 * Options page 5: what new documents start with ("options/defaults"): the
 * validity and payment periods, "E & OE", VAT on estimates and quotes, the
 * charges, the travel switches, the default hours and the working day.
 */
class OptionsDefaultsPage : public PropertyPage
{
    Q_OBJECT
public:
    /// The amount fields, in the order of the page.
    enum Amount { HourlyRate, CostPerMile, Research, Purchase, Inspection, Admin, DailyHours };
    /// The period fields.

    explicit OptionsDefaultsPage(QWidget* parent = nullptr);

    void loadSettings() override;
    /// Refuses an amount beyond what a setting holds and a working day of no hours.
    bool canSave() override;
    void saveSettings() override;
    /// VAT on estimates and quotes shows on the open previews at once.
    bool refreshesViews() const override { return true; }

    /// The units beside the charges: "£/hr", "£/mile"; the symbols as the
    /// Miscellaneous page holds them, typed or stored.
    void showSymbols(const QString& currency, const QString& hours, const QString& distance);
    QLabel* rateUnitLabel() const { return m_rateUnit; }
    QLabel* distanceUnitLabel() const { return m_distanceUnit; }

    AmountEdit* amount(Amount which) const { return m_amounts[size_t(which)]; }
    /// The days field of a kind's terms.
    QSpinBox* period(DocumentKind::Id kind) const { return m_periods.at(size_t(kind)); }
    QCheckBox* vatOnJobsBox() const { return m_vatOnJobs; }

private:
    std::array<AmountEdit*, 7> m_amounts{};
    std::vector<QSpinBox*> m_periods;
    /// The setting of each of m_periods: the kinds that have terms, in order.
    std::vector<const IntegerSetting*> m_periodSettings;
    QCheckBox* m_eaoe;
    QCheckBox* m_vatOnJobs;
    QCheckBox* m_byTime;
    QCheckBox* m_byDistance;
    QLabel* m_rateUnit;
    QLabel* m_distanceUnit;
};
