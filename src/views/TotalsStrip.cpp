#include "TotalsStrip.h"

#include "records/DocumentSummary.h"
#include "settings/SettingsStore.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>

using ombrel::OMMoney;

TotalsStrip::TotalsStrip(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAccessibleName(tr("Totals"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(fontMetrics().averageCharWidth());
    // The figures stand at the right, under the grids' totals column.
    layout->addStretch(1);
}

QString TotalsStrip::amountText(OMMoney amount) const
{
    const QString figure = amount.toString().toQString();
    if (amount < OMMoney())
        return u'-' + m_currency + figure.mid(1);
    return m_currency + figure;
}

void TotalsStrip::setFigures(const QList<Figure>& figures)
{
    const QString currency = SettingsStore::currencySymbol().toQString();
    if (figures == m_figures && currency == m_currency && !m_amounts.isEmpty())
        return;
    m_currency = currency;
    auto* row = static_cast<QHBoxLayout*>(layout());
    if (figures.size() != m_figures.size()) {
        for (QLabel* label : m_labels + m_amounts)
            delete label;
        m_labels.clear();
        m_amounts.clear();
        const int gap = fontMetrics().averageCharWidth() * 3;
        for (int i = 0; i < figures.size(); ++i) {
            auto* label = new QLabel(this);
            auto* amount = new QLabel(this);
            amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
            if (i > 0)
                row->addSpacing(gap);
            row->addWidget(label);
            row->addWidget(amount);
            m_labels.append(label);
            m_amounts.append(amount);
        }
    }
    for (int i = 0; i < figures.size(); ++i) {
        const Figure& f = figures[i];
        m_labels[i]->setText(f.label + u':');
        QFont font = m_amounts[i]->font();
        font.setBold(f.strong);
        m_amounts[i]->setFont(font);
        m_amounts[i]->setText(amountText(f.amount));
        m_amounts[i]->setAccessibleName(f.label);
    }
    m_figures = figures;
    setAccessibleDescription(text());
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString TotalsStrip::text() const
{
    QStringList parts;
    for (const Figure& f : m_figures)
        parts << f.label + QStringLiteral(": ") + amountText(f.amount);
    return parts.join(QStringLiteral("; "));
}

QList<TotalsStrip::Figure> TotalsStrip::jobFigures(const DocumentSummary& summary,
                                                   const QString& section, OMMoney sectionTotal,
                                                   bool vat)
{
    QList<Figure> figures;
    if (!summary.job)
        return figures;
    const JobFigures& job = *summary.job;
    if (!section.isEmpty())
        figures.append({section, sectionTotal});
    figures.append({tr("Job total"), job.jobTotal, !vat});
    if (vat) {
        figures.append({tr("VAT"), job.vat});
        figures.append({tr("Total including VAT"), job.grossTotal, true});
    }
    return figures;
}

QList<TotalsStrip::Figure> TotalsStrip::invoiceFigures(const DocumentSummary& summary, bool vat)
{
    QList<Figure> figures;
    if (vat) {
        figures.append({tr("Net"), summary.net});
        figures.append({tr("VAT"), summary.vat});
    }
    figures.append({tr("Total"), summary.gross});
    figures.append({tr("Paid"), summary.paid});
    if (summary.due < OMMoney())
        figures.append({tr("Refund due"), -summary.due, true});
    else
        figures.append({tr("Amount due"), summary.due, true});
    return figures;
}
