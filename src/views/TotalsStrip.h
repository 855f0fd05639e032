#pragma once

#include "foundation/OMMoney.h"

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
struct DocumentSummary;

/**
 * The line under an edit tab's grid that says what the document comes to
 * while it is being edited: a row of figures, each a label and an amount,
 * read from the record's summary (the figures the printed page shows).
 *
 * To a screen reader the strip is a group named "Totals" whose description is
 * the whole line ("Materials: £1,234.00; Job total: …"); each amount is a
 * label named after its figure. A change of the figures is announced as a
 * change of the description.
 */
class TotalsStrip : public QFrame
{
    Q_OBJECT

public:
    struct Figure
    {
        QString label;
        ombrel::OMMoney amount;
        /// Drawn in bold: what the reader looks for first.
        bool strong = false;

        friend bool operator==(const Figure&, const Figure&) = default;
    };

    explicit TotalsStrip(QWidget* parent = nullptr);

    /// Shows `figures`, left to right; the labels are made again only when
    /// their number changes.
    void setFigures(const QList<Figure>& figures);
    const QList<Figure>& figures() const { return m_figures; }
    /// The line as a screen reader hears it.
    QString text() const;

    /// An estimate's or a quote's line: the section's total (none when
    /// `section` is empty), the job total and, with `vat`, the VAT and the
    /// total including VAT.
    static QList<Figure> jobFigures(const DocumentSummary& summary, const QString& section,
                                    ombrel::OMMoney sectionTotal, bool vat);
    /// An invoice's line: with `vat` the net and the VAT, then the total, the
    /// payments and the amount due (or the refund due).
    static QList<Figure> invoiceFigures(const DocumentSummary& summary, bool vat);

private:
    /// The amount with the currency symbol, as the strip shows it.
    QString amountText(ombrel::OMMoney amount) const;

    QList<Figure> m_figures;
    QList<QLabel*> m_labels;
    QList<QLabel*> m_amounts;
    QString m_currency;
};
