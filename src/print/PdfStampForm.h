#pragma once

#include <QByteArray>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

/**
 * A stamp stroked over every page of a PDF that Qt's PDF writer made, written
 * once for the whole document: its outline becomes one form object, and each
 * page draws that form after its own content. A document of many pages thus
 * carries the outline once instead of once a page.
 *
 * The PDF is edited where it lies: every page's content list gains two small
 * streams that all pages share (one saving the graphics state before the
 * page's own content, one restoring it and drawing the form), every page's
 * resources name the form, and the cross-reference table is written anew.
 * Text, fonts and everything else stay as the writer wrote them.
 *
 *     PdfStampForm form(path, placement, pen, 1200, pageHeightInPoints);
 *     if (!form.apply(pdf)) ... draw the stamp on each page instead
 */
class PdfStampForm
{
public:
    /// `path` in device units of a `resolution` dpi page, placed on it by
    /// `placement` and stroked with `pen`; the page is `pageHeight` points
    /// high (PDF pages start at their foot).
    PdfStampForm(const QPainterPath& path, const QTransform& placement, const QPen& pen,
                 int resolution, double pageHeight);

    /// Draws the form over every page of `pdf`. False, leaving `pdf` as it
    /// was, when the file is not laid out as Qt's writer lays it out (one
    /// cross-reference table, page and resource dictionaries of its own).
    bool apply(QByteArray& pdf) const;

    /// The form's drawing operators, in its own (device) units.
    QByteArray operators() const;

private:
    QPainterPath m_path;
    QTransform m_matrix;
    QPen m_pen;
};
