#include "LedgerModel.h"

#include "ledger/LedgerExport.h"

#include <QBrush>
#include <QFileInfo>
#include <QFont>
#include <QPalette>

using ombrel::OMMoney;

namespace {

QString money(OMMoney m)
{
    return m.toString().toQString();
}

} // namespace

LedgerModel::LedgerModel(QObject* parent) : QAbstractTableModel(parent)
{
}

void LedgerModel::setLedger(Ledger ledger)
{
    beginResetModel();
    m_ledger = std::move(ledger);
    endResetModel();
    emit ledgerChanged();
}

void LedgerModel::putEntry(LedgerEntry entry)
{
    const int before = m_ledger.indexOf(entry.path);
    if (before < 0) {
        beginInsertRows({}, m_ledger.size(), m_ledger.size());
        m_ledger.insertOrReplace(std::move(entry));
        endInsertRows();
    } else {
        m_ledger.insertOrReplace(std::move(entry));
    }
    // Another row's repeated-number flag may have followed.
    if (m_ledger.size() > 0)
        emit dataChanged(index(0, 0), index(m_ledger.size() - 1, ColumnCount - 1));
    emit ledgerChanged();
}

void LedgerModel::removePath(const QString& path)
{
    const int row = m_ledger.indexOf(path);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_ledger.remove(path);
    endRemoveRows();
    if (m_ledger.size() > 0)
        emit dataChanged(index(0, 0), index(m_ledger.size() - 1, ColumnCount - 1));
    emit ledgerChanged();
}

int LedgerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_ledger.size();
}

int LedgerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LedgerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_ledger.size())
        return {};
    const Ledger::Row& row = m_ledger.row(index.row());
    const LedgerEntry& e = row.entry;
    const DocumentSummary& s = e.summary;
    const bool readable = e.isReadable();
    const bool bill = e.isBill();
    const int column = index.column();

    if (role == PathRole)
        return e.path;
    if (role == Qt::DisplayRole) {
        if (!readable) {
            if (column == Customer)
                return e.error.section(QLatin1String("\n\n"), -1);
            if (column == Status)
                return Ledger::statusText(row);
            if (column == File)
                return QFileInfo(e.path).fileName();
            return {};
        }
        switch (column) {
        case Kind:
            return QLatin1String(DocumentKind::get(s.kind).title);
        case Number:
            return s.docReference;
        case Date:
            return s.date.isEmpty() ? QString()
                                    : QLocale().toString(QDate::fromJulianDay(s.date.julian()),
                                                         QLocale::ShortFormat);
        case Customer:
            return LedgerExport::customerLine(s.customer);
        case Net:
            return money(s.net);
        case Vat:
            return bill ? money(s.vatCharged()) : QString();
        case Gross:
            return money(s.gross);
        case Paid:
            return bill ? money(s.paid) : QString();
        case Due:
            return bill ? money(row.due) : QString();
        case Status:
            return Ledger::statusText(row);
        case LastReminder:
            if (s.reminders.empty())
                return QString();
            return tr("%1, %2").arg(
                QLocale().toString(QDate::fromJulianDay(s.reminders.back().date.julian()),
                                   QLocale::ShortFormat),
                Reminder::levelName(s.reminders.back().level).toQString());
        case File:
            return QFileInfo(e.path).fileName();
        case CisDeducted:
            return bill && s.cisDeducted != 0 ? money(s.cisDeducted) : QString();
        }
        return {};
    }
    if (role == SortRole) {
        switch (column) {
        case Kind:
            return readable ? int(s.kind) : -1;
        case Number:
            return qlonglong(s.number);
        case Date:
            return qlonglong(s.date.julian());
        case Net:
            return qlonglong(s.net.value());
        case Vat:
            return qlonglong(s.vatCharged().value());
        case CisDeducted:
            return qlonglong(s.cisDeducted.value());
        case Gross:
            return qlonglong(s.gross.value());
        case Paid:
            return qlonglong(s.paid.value());
        case Due:
            return qlonglong(row.due.value());
        case LastReminder:
            return s.reminders.empty() ? qlonglong(0) : qlonglong(s.reminders.back().date.julian());
        case Status:
            // Most pressing first: the longest overdue, then owed, ...
            return qlonglong(row.status) * 1000000 - qlonglong(row.daysOverdue);
        default:
            return data(index, Qt::DisplayRole).toString().toLower();
        }
    }
    if (role == Qt::TextAlignmentRole &&
        ((column >= Net && column <= Due) || column == CisDeducted))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole) {
        if (row.status == Ledger::Overdue)
            return QBrush(QColor(0xb0, 0x10, 0x10));
        if (!readable)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
    }
    if (role == Qt::FontRole && row.status == Ledger::Overdue && column == Status) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::BackgroundRole && row.duplicate && column == Number)
        return QBrush(QColor(0xff, 0xe0, 0x80));
    if (role == Qt::ToolTipRole) {
        if (!readable)
            return e.error;
        if (row.duplicate && column == Number)
            return tr("Another %1 has the number %2.")
                .arg(QLatin1String(DocumentKind::get(s.kind).name))
                .arg(s.number);
        if (column == File)
            return e.path;
        if (column == Customer)
            return s.customer;
        if (column == Vat && s.reverseCharge)
            return tr("Reverse charge: VAT %1 for information, accounted for by the customer")
                .arg(money(s.vat));
        if (column == Due && !s.dueDate.isEmpty())
            return tr("Due on %1")
                .arg(QLocale().toString(QDate::fromJulianDay(s.dueDate.julian()),
                                        QLocale::LongFormat));
    }
    return {};
}

QVariant LedgerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {
        QT_TR_NOOP("Kind"),        QT_TR_NOOP("Number"),        QT_TR_NOOP("Date"),
        QT_TR_NOOP("Customer"),    QT_TR_NOOP("Net"),           QT_TR_NOOP("VAT"),
        QT_TR_NOOP("Gross"),       QT_TR_NOOP("Paid"),          QT_TR_NOOP("Due"),
        QT_TR_NOOP("Status"),      QT_TR_NOOP("Last Reminder"), QT_TR_NOOP("File"),
        QT_TR_NOOP("CIS Deducted")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}
