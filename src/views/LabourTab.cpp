#include "LabourTab.h"

#include "FieldLabel.h"
#include "FilteredLineEdit.h"
#include "GridTab.h"
#include "ItemGrid.h"
#include "MessageHook.h"
#include "resources/StringTable.h"
#include "settings/NumberEntry.h"
#include "settings/SettingsStore.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using ombrel::OMDouble;
using ombrel::OMMoney;
using ombrel::OMString;

namespace {

const QString HoursCharacters = QStringLiteral("0123456789.");

enum Column { DescriptionColumn, HoursColumn, RateColumn, TotalColumn, ColumnCount };

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// Hours show at least two decimals and every further one they have.
OMString hoursText(double hours)
{
    return OMDouble(hours).toDecimalText(6, 2);
}

// The fields hold the files' form whatever the user's language: digits and
// a point.
NumberEntry readField(const QString& text, bool rate)
{
    return GridTab::readFigure(text, rate ? 2 : 6, QLocale::c());
}

// The hours (six decimals at most, as the cell shows them) or the rate of
// `item`, from `number` in the files' form.
void setFigure(JobItem& item, int column, const QString& number)
{
    const OMString text = OMString::fromQString(number);
    if (column == HoursColumn)
        item.count = OMDouble::fromText(text);
    else
        item.price = OMMoney(text);
}

// An hours item costs nothing for zero hours, as one read from a file.
JobItem hoursItem()
{
    JobItem item;
    item.countDefaultsToOne = false;
    return item;
}

} // namespace

LabourTab::LabourTab(QWidget* parent) : EditTab(parent)
{
    auto* page = new QVBoxLayout(this);

    auto* hint = new QLabel(QString::fromUtf8("Input hourly amounts as decimal numbers, e.g. 0.5 = "
                                              "½ hour, 0.25 = ¼ hour, 1.25 = 1¼ hours"),
                            this);
    hint->setWordWrap(true);
    page->addWidget(hint);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    m_research = addHoursRow(grid, 0, QStringLiteral("&Research job"));
    m_purchase = addHoursRow(grid, 1, QStringLiteral("&Purchase materials"));
    m_work = addHoursRow(grid, 2, QStringLiteral("&Labour"));
    m_inspection = addHoursRow(grid, 3, QStringLiteral("Final &Inspection"));
    m_admin = addHoursRow(grid, 4, QStringLiteral("A&dministration"));
    m_rate = addHoursRow(grid, 5, QString());
    m_rateLabel = qobject_cast<QLabel*>(grid->itemAtPosition(5, 0)->widget());
    page->addLayout(grid);

    auto* others =
        new QLabel(QStringLiteral("&Other hourly charges, e.g. assistant, skilled labour"), this);
    others->setWordWrap(true);
    page->addSpacing(fontMetrics().height() / 2);
    page->addWidget(others);

    m_grid = new ItemGrid(this);
    m_grid->setAccessibleName(QStringLiteral("Other hourly charges"));
    m_grid->setMinimumSize(100, 100);
    m_grid->setEntryColumn(DescriptionColumn);
    others->setBuddy(m_grid);
    page->addWidget(m_grid, 1);
    connect(m_grid, &ItemGrid::rowAdded, this, &LabourTab::initRow);
    connect(m_grid, &ItemGrid::cellEdited, this, &LabourTab::cellEdited);
    // Hours and rates are taken only when they read exactly and keep every
    // total within the bound.
    m_grid->setCellCheck([this](int row, int column, const QString& text) -> QString {
        if (column != HoursColumn && column != RateColumn)
            return {};
        const NumberEntry entry = GridTab::readFigure(text, column == HoursColumn ? 6 : 2);
        if (!entry.ok())
            return entry.error;
        JobItem item = m_grid->rowItem(row);
        setFigure(item, column, entry.number);
        if (!GridTab::withinBound(*m_grid, row, item,
                                  [](const JobItem& i) { return i.lineTotal(); }))
            return NumberEntry::beyondBoundMessage(text);
        return {};
    });
    connect(m_grid, &ItemGrid::contentChanged, this, [this] {
        markModified();
        emit committed();
    });
}

FilteredLineEdit* LabourTab::addHoursRow(QGridLayout* grid, int row, const QString& label)
{
    auto* edit = new FilteredLineEdit(HoursCharacters, FilteredLineEdit::Include, this);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("8,888,888.888")) +
                          4 * edit->fontMetrics().averageCharWidth());
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    watchEdit(edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { fieldFinished(edit); });
    return edit;
}

QString& LabourTab::fieldOf(Fields& f, const FilteredLineEdit* edit) const
{
    if (edit == m_research)
        return f.research;
    if (edit == m_purchase)
        return f.purchase;
    if (edit == m_work)
        return f.work;
    if (edit == m_inspection)
        return f.inspection;
    if (edit == m_admin)
        return f.admin;
    return f.rate;
}

QString LabourTab::fieldRefusal(const FilteredLineEdit* edit) const
{
    return refusal(edit, fields, nullptr);
}

QString LabourTab::refusal(const FilteredLineEdit* edit, const Fields& taken, QString* number) const
{
    const NumberEntry entry = readField(edit->text(), edit == m_rate);
    if (!entry.ok())
        return entry.error;
    Fields candidate = taken;
    fieldOf(candidate, edit) = entry.number;
    if (m_figuresCheck && !m_figuresCheck(candidate))
        return NumberEntry::beyondBoundMessage(edit->text());
    if (number)
        *number = entry.number;
    return {};
}

void LabourTab::fieldFinished(FilteredLineEdit* edit)
{
    if (const QString reason = fieldRefusal(edit); !reason.isEmpty()) {
        MessageHook::show(reason, MessageHook::Warning, MessageHook::Ok);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    const QString number = readField(edit->text(), edit == m_rate).number;
    const QString tidy = edit == m_rate
                             ? OMMoney(OMString::fromQString(number)).toString().toQString()
                             : hoursText(number.toDouble()).toQString();
    if (edit->text() != tidy)
        edit->setText(tidy);
    emit committed();
}

QWidget* LabourTab::firstField() const
{
    return m_research;
}

void LabourTab::exchangeData(DataExchange& dx)
{
    if (!dx.isSaving()) {
        for (FilteredLineEdit* edit :
             {m_research, m_purchase, m_work, m_inspection, m_admin, m_rate})
            edit->setFilter(HoursCharacters, FilteredLineEdit::Include);
        const OMString rate = OMString::format(StringTable::text(IDS_LABEL_HOURLY_RATE).c_str(),
                                               SettingsStore::currencySymbol().c_str(),
                                               SettingsStore::hoursSymbol().c_str());
        m_rateLabel->setText(FieldLabel::withMnemonicAt(rate.toQString(), QStringLiteral("te (")));
    }
    if (dx.isSaving()) {
        // Each field in turn, with those before it as they will be taken.
        Fields taken = fields;
        for (FilteredLineEdit* edit :
             {m_research, m_purchase, m_work, m_inspection, m_admin, m_rate}) {
            if (const QString reason = refusal(edit, taken, &fieldOf(taken, edit));
                !reason.isEmpty()) {
                dx.fail(edit, reason);
                return;
            }
        }
    }
    dx.text(m_research, fields.research);
    dx.text(m_purchase, fields.purchase);
    dx.text(m_work, fields.work);
    dx.text(m_inspection, fields.inspection);
    dx.text(m_admin, fields.admin);
    dx.text(m_rate, fields.rate);
    if (dx.failed() || !m_items)
        return;
    if (dx.isSaving()) {
        if (!m_grid->endEdit()) {
            dx.fail(m_grid->cellEditor(), m_grid->editRefusal());
            return;
        }
        saveRows();
    } else {
        loadRows();
    }
}

void LabourTab::loadRows()
{
    m_columnSamples = {QString(), QStringLiteral("8888"), QStringLiteral("8888.88"),
                       QStringLiteral("8888.88")};
    m_stretchColumn = DescriptionColumn;
    const OMString currency = SettingsStore::currencySymbol();
    const OMString hours = SettingsStore::hoursSymbol();
    {
        ItemGrid::Fill fill(*m_grid, ColumnCount);
        m_grid->setHeader(DescriptionColumn, StringTable::text(IDS_GRID_DESCRIPTION).toQString(),
                          Qt::AlignLeft | Qt::AlignVCenter);
        m_grid->setHeader(HoursColumn, StringTable::text(IDS_GRID_HOURS).toQString(), Right);
        m_grid->setHeader(RateColumn,
                          OMString::format(StringTable::text(IDS_GRID_RATE).c_str(),
                                           currency.c_str(), hours.c_str())
                              .toQString(),
                          Right);
        m_grid->setHeader(
            TotalColumn,
            OMString::format(StringTable::text(IDS_GRID_TOTAL).c_str(), currency.c_str())
                .toQString(),
            Right);
        m_items->forEach([this](const JobItem& loaded) {
            JobItem item = loaded;
            item.countDefaultsToOne = false;
            const int row = m_grid->appendRow();
            initRow(row);
            m_grid->setRowItem(row, item);
            m_grid->setText(row, DescriptionColumn, item.desc.toQString());
            m_grid->setText(row, HoursColumn, hoursText(item.count).toQString());
            m_grid->setText(row, RateColumn, item.price.toString().toQString());
            m_grid->setText(row, TotalColumn, item.lineTotal().toString().toQString());
        });
        initRow(m_grid->appendRow());
    }
    m_grid->fitColumns(m_columnSamples, m_stretchColumn);
}

void LabourTab::saveRows()
{
    m_items->clear();
    for (int row = ItemGrid::fixedRowCount(); row < m_grid->rowCount(); ++row) {
        const JobItem& item = m_grid->rowItem(row);
        if (!item.desc.isEmpty())
            m_items->add(item);
    }
}

void LabourTab::initRow(int row)
{
    for (int column : {HoursColumn, RateColumn, TotalColumn}) {
        m_grid->setText(row, column, QStringLiteral("0.00"));
        m_grid->setAlignment(row, column, Right);
    }
    m_grid->setReadOnly(row, TotalColumn, true);
    m_grid->setRowItem(row, hoursItem());
}

void LabourTab::cellEdited(int row, int column)
{
    JobItem item = m_grid->rowItem(row);
    const OMString text = OMString::fromQString(m_grid->text(row, column));
    switch (column) {
    case DescriptionColumn:
        item.desc = text;
        break;
    case HoursColumn:
    case RateColumn:
        // The cell took the text only once it read exactly (the cell check).
        setFigure(
            item, column,
            NumberEntry::read(m_grid->text(row, column), column == HoursColumn ? 6 : 2).number);
        m_grid->setText(row, column,
                        column == HoursColumn ? hoursText(item.count).toQString()
                                              : item.price.toString().toQString());
        break;
    default:
        return;
    }
    m_grid->setRowItem(row, item);
    if (column != DescriptionColumn)
        m_grid->setText(row, TotalColumn, item.lineTotal().toString().toQString());
}
