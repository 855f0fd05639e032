#include "EditTabLabour.h"

#include "CFilterEdit.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using ombrel::OMString;

namespace {

const QString HoursCharacters = QStringLiteral("0123456789.");

// A label text with `&` shown as it is and a mnemonic before `key`.
QString labelText(const OMString& text, const QString& key)
{
    QString shown = text.toQString().replace(u'&', QStringLiteral("&&"));
    const int at = shown.indexOf(key);
    if (at >= 0)
        shown.insert(at, u'&');
    return shown;
}

} // namespace

EditTabLabour::EditTabLabour(QWidget* parent) : EditTab(TemplateId, parent)
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

    auto* others = new QLabel(QStringLiteral("&Other hourly charges, e.g. assistant, skilled labour"),
                              this);
    others->setWordWrap(true);
    page->addSpacing(fontMetrics().height() / 2);
    page->addWidget(others);
    page->addStretch(1);
}

CFilterEdit* EditTabLabour::addHoursRow(QGridLayout* grid, int row, const QString& label)
{
    auto* edit = new CFilterEdit(HoursCharacters, CFilterEdit::Include, this);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("8,888,888.888")) +
                          4 * edit->fontMetrics().averageCharWidth());
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    watchEdit(edit);
    return edit;
}

void EditTabLabour::OnActivateTab()
{
    focusFirstField(m_research);
}

void EditTabLabour::DoDataExchange(DataExchange& dx)
{
    if (!dx.isSaving()) {
        for (CFilterEdit* edit : {m_research, m_purchase, m_work, m_inspection, m_admin, m_rate})
            edit->setFilter(HoursCharacters, CFilterEdit::Include);
        const OMString rate = OMString::format(StringTable::text(IDS_LABEL_HOURLY_RATE).c_str(),
                                               SettingsStore::GetCurrencySymbol().c_str(),
                                               SettingsStore::GetHoursSymbol().c_str());
        m_rateLabel->setText(labelText(rate, QStringLiteral("te (")));
    }
    dx.text(m_research, fields.research);
    dx.text(m_purchase, fields.purchase);
    dx.text(m_work, fields.work);
    dx.text(m_inspection, fields.inspection);
    dx.text(m_admin, fields.admin);
    dx.text(m_rate, fields.rate);
}
