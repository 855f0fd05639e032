#pragma once

#include "EditTab.h"

#include <QString>

class ColourLabel;
class FilteredLineEdit;
class LabourTab;
class QCheckBox;
class QLabel;

/**
 * The Travel tab of an estimate or quote: the days on site (given, or worked
 * out from the labour tab's work and inspection hours), the daily trip time
 * and the daily trip distance with its cost per distance unit, each charged
 * only when its box is ticked.
 *
 * The view fills `fields` before a load pass and reads them back after a
 * save pass: trip time as hours, the distance with the decimals it has, the
 * cost as money text, the days as a whole number or empty. It also gives the
 * tab the labour tab of the same view (setLabourTab) once.
 */
class TravelTab : public EditTab
{
    Q_OBJECT

public:
    struct Fields
    {
        QString tripTime;
        QString tripDistance;
        QString costPerUnit;
        QString daysOnSite;
        bool chargeDistance = false;
        bool chargeTime = false;
        bool specifyDays = false;
    };

    explicit TravelTab(QWidget* parent = nullptr);

    void setLabourTab(LabourTab* labour) { m_labour = labour; }

    /// The days the display shows: those typed when specified, else those
    /// the labour tab's work and inspection hours take.
    uint32_t displayedDays() const;

    QCheckBox* specifyDaysBox() const { return m_specifyDays; }
    QCheckBox* chargeTimeBox() const { return m_chargeTime; }
    QCheckBox* chargeDistanceBox() const { return m_chargeDistance; }
    FilteredLineEdit* daysEdit() const { return m_days; }
    FilteredLineEdit* tripTimeEdit() const { return m_tripTime; }
    FilteredLineEdit* distanceEdit() const { return m_distance; }
    FilteredLineEdit* costEdit() const { return m_cost; }
    ColourLabel* daysDisplay() const { return m_daysDisplay; }

    Fields fields;

protected:
    void exchangeData(DataExchange& dx) override;
    /// The first field takes the keyboard when the tab is shown.
    QWidget* firstField() const override;

private:
    /// Enabling, the labels with the distance symbol and the days display.
    void refresh();
    /// A box was clicked or the days changed: the tab reads its controls,
    /// the document is modified and the display follows.
    void react();

    QCheckBox* m_specifyDays;
    FilteredLineEdit* m_days;
    ColourLabel* m_daysDisplay;
    QCheckBox* m_chargeTime;
    FilteredLineEdit* m_tripTime;
    QCheckBox* m_chargeDistance;
    FilteredLineEdit* m_distance;
    QLabel* m_distanceLabel;
    FilteredLineEdit* m_cost;
    QLabel* m_costLabel;
    LabourTab* m_labour = nullptr;
};
