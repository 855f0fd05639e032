#include "PdfStampForm.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// The name the pages know the form by.
constexpr char FormName[] = "/VlStamp";

QByteArray number(double value)
{
    if (std::abs(value) < 0.0005)
        return "0";
    QByteArray text = QByteArray::number(value, 'f', 3);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

/// A matrix's numbers keep their precision: they scale every coordinate.
QByteArray factor(double value)
{
    return QByteArray::number(value, 'g', 10);
}

QByteArray point(const QPointF& p)
{
    return number(p.x()) + ' ' + number(p.y()) + ' ';
}

QByteArray streamObject(int object, const QByteArray& dictionary, const QByteArray& data)
{
    return QByteArray::number(object) + " 0 obj\n<<\n" + dictionary + "/Length " +
           QByteArray::number(data.size()) + "\n>>\nstream\n" + data + "\nendstream\nendobj\n";
}

/// One change to the bytes before the cross-reference table.
struct Edit
{
    qsizetype at = 0;
    qsizetype removed = 0;
    QByteArray inserted;
};

/// The number after `key` (as "/Contents 12 0 R") within `from` to `to`, or -1.
int reference(const QByteArray& pdf, qsizetype from, qsizetype to, const QByteArray& key,
              qsizetype* numberAt = nullptr)
{
    const qsizetype found = pdf.indexOf(key, from);
    if (found < 0 || found >= to)
        return -1;
    qsizetype at = found + key.size();
    while (at < to && pdf.at(at) == ' ')
        ++at;
    const qsizetype start = at;
    while (at < to && pdf.at(at) >= '0' && pdf.at(at) <= '9')
        ++at;
    if (at == start || pdf.mid(at, 4) != " 0 R")
        return -1;
    if (numberAt)
        *numberAt = start;
    return pdf.mid(start, at - start).toInt();
}

} // namespace

PdfStampForm::PdfStampForm(const QPainterPath& path, const QTransform& placement, const QPen& pen,
                           int resolution, double pageHeight)
    : m_path(path), m_pen(pen)
{
    // Device units to PDF points, whose origin is the page's foot.
    const double scale = 72.0 / std::max(1, resolution);
    m_matrix = placement * QTransform(scale, 0, 0, -scale, 0, pageHeight);
}

QByteArray PdfStampForm::operators() const
{
    QByteArray out;
    const QColor colour = m_pen.color();
    out += number(colour.redF()) + ' ' + number(colour.greenF()) + ' ' + number(colour.blueF()) +
           " RG\n";
    out += number(m_pen.widthF()) + " w ";
    switch (m_pen.capStyle()) {
    case Qt::FlatCap:
        out += "0 J ";
        break;
    case Qt::RoundCap:
        out += "1 J ";
        break;
    default:
        out += "2 J ";
        break;
    }
    switch (m_pen.joinStyle()) {
    case Qt::MiterJoin:
    case Qt::SvgMiterJoin:
        out += number(std::max(1.0, m_pen.miterLimit())) + " M 0 j\n";
        break;
    case Qt::RoundJoin:
        out += "1 j\n";
        break;
    default:
        out += "2 j\n";
        break;
    }
    // Each closed outline ends with "h", so that its ends join as the stroke
    // of a closed path does.
    int start = -1;
    const auto closeIfClosed = [&](int last) {
        if (start >= 0 && last > start && m_path.elementAt(start).x == m_path.elementAt(last).x &&
            m_path.elementAt(start).y == m_path.elementAt(last).y)
            out += "h\n";
    };
    for (int i = 0; i < m_path.elementCount(); ++i) {
        const QPainterPath::Element& element = m_path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            closeIfClosed(i - 1);
            out += point(element) + "m\n";
            start = i;
            break;
        case QPainterPath::LineToElement:
            out += point(element) + "l\n";
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 >= m_path.elementCount())
                return {};
            out += point(element) + point(m_path.elementAt(i + 1)) +
                   point(m_path.elementAt(i + 2)) + "c\n";
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            return {};
        }
    }
    closeIfClosed(m_path.elementCount() - 1);
    return out + "S\n";
}

bool PdfStampForm::apply(QByteArray& pdf) const
{
    // The one cross-reference table, its entries and the trailer after them.
    const qsizetype startXref = pdf.lastIndexOf("startxref");
    if (startXref < 0)
        return false;
    bool ok = false;
    const qsizetype xref =
        pdf.mid(startXref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || xref <= 0 || xref >= startXref || !pdf.mid(xref).startsWith("xref\n0 "))
        return false;
    const qsizetype countAt = xref + 7;
    const qsizetype countEnd = pdf.indexOf('\n', countAt);
    const int count = pdf.mid(countAt, countEnd - countAt).toInt(&ok);
    constexpr int EntrySize = 20;
    const qsizetype entries = countEnd + 1;
    if (!ok || count < 2 || entries + qsizetype(count) * EntrySize > startXref)
        return false;
    const qsizetype trailerAt = entries + qsizetype(count) * EntrySize;
    const qsizetype trailerEnd = startXref;
    QByteArray trailer = pdf.mid(trailerAt, trailerEnd - trailerAt);
    static const QRegularExpression sizeKey(QStringLiteral("/Size \\d+"));
    if (!trailer.startsWith("trailer") || !QString::fromLatin1(trailer).contains(sizeKey))
        return false;

    std::vector<qsizetype> offsets(size_t(count), 0);
    for (int k = 1; k < count; ++k) {
        const QByteArray entry = pdf.mid(entries + qsizetype(k) * EntrySize, EntrySize);
        if (entry.size() != EntrySize || entry.at(17) != 'n')
            return false;
        offsets[size_t(k)] = entry.left(10).toLongLong(&ok);
        if (!ok || offsets[size_t(k)] >= xref ||
            !pdf.mid(offsets[size_t(k)]).startsWith(QByteArray::number(k) + " 0 obj\n"))
            return false;
    }

    // The form and the two shared streams take the next numbers.
    const int form = count;
    const int before = count + 1;
    const int after = count + 2;
    std::vector<Edit> edits;
    std::map<int, bool> resourcesDone;
    int pages = 0;
    for (int k = 1; k < count; ++k) {
        const qsizetype at = offsets[size_t(k)];
        const QByteArray head = QByteArray::number(k) + " 0 obj\n<<\n/Type /Page\n";
        if (!pdf.mid(at, head.size() + 1).startsWith(head))
            continue;
        const qsizetype end = pdf.indexOf("endobj", at);
        qsizetype contentsAt = 0;
        const int contents = reference(pdf, at, end, "/Contents", &contentsAt);
        const int resources = reference(pdf, at, end, "/Resources");
        if (end < 0 || contents <= 0 || contents >= count || resources <= 0 || resources >= count)
            return false;
        edits.push_back({contentsAt, QByteArray::number(contents).size() + 4,
                         '[' + QByteArray::number(before) + " 0 R " + QByteArray::number(contents) +
                             " 0 R " + QByteArray::number(after) + " 0 R]"});
        ++pages;
        if (resourcesDone[resources])
            continue;
        resourcesDone[resources] = true;
        const qsizetype dictionary = offsets[size_t(resources)];
        const qsizetype dictionaryEnd = pdf.indexOf("endobj", dictionary);
        const QByteArray open = QByteArray::number(resources) + " 0 obj\n<<\n";
        if (dictionaryEnd < 0 || !pdf.mid(dictionary).startsWith(open))
            return false;
        const QByteArray named = QByteArray(FormName) + ' ' + QByteArray::number(form) + " 0 R\n";
        const qsizetype xobjects = pdf.indexOf("/XObject <<\n", dictionary);
        if (xobjects >= 0 && xobjects < dictionaryEnd)
            edits.push_back({xobjects + 12, 0, named});
        else
            edits.push_back({dictionary + open.size(), 0, "/XObject <<\n" + named + ">>\n"});
    }
    if (pages == 0)
        return false;
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.at < b.at; });

    QByteArray out;
    out.reserve(pdf.size() + qsizetype(edits.size()) * 32 + 4096);
    std::vector<qsizetype> moved(size_t(count) + 3, 0);
    qsizetype copied = 0;
    qsizetype shift = 0;
    size_t nextEdit = 0;
    // Objects lie in the order of their offsets; each moves by the edits before it.
    std::vector<int> byOffset;
    for (int k = 1; k < count; ++k)
        byOffset.push_back(k);
    std::sort(byOffset.begin(), byOffset.end(),
              [&](int a, int b) { return offsets[size_t(a)] < offsets[size_t(b)]; });
    size_t nextObject = 0;
    const auto placeObjectsUpTo = [&](qsizetype limit) {
        while (nextObject < byOffset.size() && offsets[size_t(byOffset[nextObject])] <= limit) {
            moved[size_t(byOffset[nextObject])] = offsets[size_t(byOffset[nextObject])] + shift;
            ++nextObject;
        }
    };
    for (; nextEdit < edits.size(); ++nextEdit) {
        const Edit& edit = edits[nextEdit];
        placeObjectsUpTo(edit.at);
        out.append(pdf.constData() + copied, edit.at - copied);
        out += edit.inserted;
        copied = edit.at + edit.removed;
        shift += edit.inserted.size() - edit.removed;
    }
    placeObjectsUpTo(xref);
    out.append(pdf.constData() + copied, xref - copied);

    const QRectF box = m_path.boundingRect().adjusted(-m_pen.widthF(), -m_pen.widthF(),
                                                      m_pen.widthF(), m_pen.widthF());
    const QByteArray drawing = operators();
    if (drawing.isEmpty())
        return false;
    moved[size_t(form)] = out.size();
    out += streamObject(form,
                        "/Type /XObject\n/Subtype /Form\n/BBox [" + point(box.topLeft()) +
                            point(box.bottomRight()).trimmed() + "]\n/Matrix [" +
                            factor(m_matrix.m11()) + ' ' + factor(m_matrix.m12()) + ' ' +
                            factor(m_matrix.m21()) + ' ' + factor(m_matrix.m22()) + ' ' +
                            factor(m_matrix.dx()) + ' ' + factor(m_matrix.dy()) +
                            "]\n/Resources << >>\n/Filter /FlateDecode\n",
                        qCompress(drawing).mid(4));
    moved[size_t(before)] = out.size();
    out += streamObject(before, {}, "q");
    moved[size_t(after)] = out.size();
    out += streamObject(after, {}, "Q\n" + QByteArray(FormName) + " Do");

    const qsizetype newXref = out.size();
    out += "xref\n0 " + QByteArray::number(count + 3) + '\n';
    out += pdf.mid(entries, EntrySize);
    for (int k = 1; k < count + 3; ++k)
        out += QByteArray::number(moved[size_t(k)]).rightJustified(10, '0') + " 00000 n \n";
    trailer = QString::fromLatin1(trailer)
                  .replace(sizeKey, QStringLiteral("/Size %1").arg(count + 3))
                  .toLatin1();
    out += trailer;
    out += "startxref\n" + QByteArray::number(newXref) + "\n%%EOF\n";
    pdf = out;
    return true;
}
