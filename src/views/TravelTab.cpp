#include "TravelTab.h"

#include "ColourLabel.h"
#include "FieldLabel.h"
#include "FilteredLineEdit.h"
#include "LabourTab.h"
#include "TabbedEditView.h"
#include "foundation/OMDouble.h"
#include "foundation/OMUInt32.h"
#include "records/Job.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

using ombrel::OMString;

namespace {

const QString Digits = QStringLiteral("0123456789");
const QString Decimals = QStringLiteral("0123456789.");
// Money text as the program writes it: 1,234.56.
const QString MoneyCharacters = QStringLiteral("0123456789.,");

} // namespace

TravelTab::TravelTab(QWidget* parent)
    : EditTab(parent),
      m_specifyDays(new QCheckBox(QStringLiteral("&Specify number of days on site"), this)),
      m_days(new FilteredLineEdit(Digits, FilteredLineEdit::Include, this)),
      m_daysDisplay(new ColourLabel(this)),
      m_chargeTime(new QCheckBox(
          QStringLiteral("Charge for daily travelling &time to/from client site "), this)),
      m_tripTime(new FilteredLineEdit(Decimals, FilteredLineEdit::Include, this)),
      m_chargeDistance(new QCheckBox(
          QStringLiteral("Charge for daily travelling &costs to/from client site"), this)),
      m_distance(new FilteredLineEdit(Decimals, FilteredLineEdit::Include, this)),
      m_distanceLabel(new QLabel(this)),
      m_cost(new FilteredLineEdit(MoneyCharacters, FilteredLineEdit::Include, this)),
      m_costLabel(new QLabel(this))
{
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("8,888,888.888")) +
                           4 * fontMetrics().averageCharWidth();
    for (FilteredLineEdit* edit : {m_days, m_tripTime, m_distance, m_cost}) {
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(fieldWidth);
        watchEdit(edit);
        connect(edit, &QLineEdit::editingFinished, this, &EditTab::committed);
    }
    m_daysDisplay->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_daysDisplay->setSunken(true);
    m_daysDisplay->setText(QStringLiteral("???"));
    m_daysDisplay->setMaximumWidth(fieldWidth);
    // No name of its own: a screen reader reads the figure, and the caption
    // beside it (its buddy) says what the figure is.
    m_daysDisplay->setAccessibleDescription(QStringLiteral("Worked out from the labour hours"));
    m_daysDisplay->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* grid = new QGridLayout(this);
    grid->setColumnMinimumWidth(0, 2 * fontMetrics().averageCharWidth());
    grid->setColumnStretch(3, 1);
    int row = 0;
    const auto field = [&](const QString& label, QWidget* edit, QLabel* text = nullptr) {
        if (!text)
            text = new QLabel(label, this);
        if (edit->focusPolicy() != Qt::NoFocus)
            text->setBuddy(edit);
        grid->addWidget(text, row, 1);
        grid->addWidget(edit, row++, 2);
    };
    const auto gap = [&] { grid->setRowMinimumHeight(row++, fontMetrics().height()); };

    grid->addWidget(m_specifyDays, row++, 0, 1, 4);
    field(QStringLiteral("Number of &days on site"), m_days);
    auto* daysCaption = new QLabel(QStringLiteral("Number of days on site:"), this);
    field({}, m_daysDisplay, daysCaption);
    daysCaption->setBuddy(m_daysDisplay);
    gap();
    grid->addWidget(m_chargeTime, row++, 0, 1, 4);
    field(QStringLiteral("Daily t&rip time (hours)"), m_tripTime);
    gap();
    grid->addWidget(m_chargeDistance, row++, 0, 1, 4);
    field({}, m_distance, m_distanceLabel);
    field({}, m_cost, m_costLabel);
    grid->setRowStretch(row, 1);

    for (QCheckBox* box : {m_specifyDays, m_chargeTime, m_chargeDistance})
        watchBox(box, [this] { react(); });
    connect(m_days, &QLineEdit::textChanged, this, [this] {
        if (!isExchanging() && !(ownerView() && ownerView()->isExchanging()))
            react();
    });
}

QWidget* TravelTab::firstField() const
{
    return m_specifyDays;
}

void TravelTab::exchangeData(DataExchange& dx)
{
    dx.check(m_specifyDays, fields.specifyDays);
    dx.text(m_days, fields.daysOnSite);
    dx.check(m_chargeTime, fields.chargeTime);
    dx.text(m_tripTime, fields.tripTime);
    dx.check(m_chargeDistance, fields.chargeDistance);
    dx.text(m_distance, fields.tripDistance);
    dx.text(m_cost, fields.costPerUnit);
    if (!dx.failed())
        refresh();
}

void TravelTab::react()
{
    updateData(DataExchange::Save);
    markModified();
    emit committed();
}

uint32_t TravelTab::displayedDays() const
{
    if (fields.specifyDays)
        return ombrel::OMUInt32::fromText(OMString::fromQString(fields.daysOnSite));
    if (!m_labour)
        return 0;
    return Job::daysForHours(
        ombrel::OMDouble(OMString::fromQString(m_labour->fields.work)).value() +
            ombrel::OMDouble(OMString::fromQString(m_labour->fields.inspection)).value(),
        FigureInputs::current().dailyWorkingHours);
}

void TravelTab::refresh()
{
    m_days->setEnabled(fields.specifyDays);
    m_tripTime->setEnabled(fields.chargeTime);
    m_distance->setEnabled(fields.chargeDistance);
    m_cost->setEnabled(fields.chargeDistance);
    const std::string symbol = SettingsStore::distanceSymbol().str();
    const auto formatted = [&](int id) {
        return QString::asprintf(StringTable::text(id).c_str(), symbol.c_str());
    };
    m_distanceLabel->setText(
        FieldLabel::withMnemonicAt(formatted(IDS_LABEL_TRIP_DISTANCE), QStringLiteral("nce (")));
    m_costLabel->setText(
        FieldLabel::withMnemonicAt(formatted(IDS_LABEL_COST_PER), QStringLiteral("per ")));
    m_daysDisplay->setText(QString::asprintf("%u ", displayedDays()));
}
