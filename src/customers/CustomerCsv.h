#pragma once

#include "records/Customer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

/**
 * Customers as comma-separated values, for spreadsheets and other programs.
 *
 * The first row names the columns (columnNames(); matched without regard to
 * case or surrounding blanks, unknown ones ignored, any order). Fields may be
 * quoted with '"' (a quote inside doubled) and then hold commas and line
 * breaks. The text is UTF-8, with or without a byte order mark; a header
 * holding semicolons or tabs and no comma sets that separator instead.
 * Written files are UTF-8 with a byte order mark and CR LF line ends, every
 * column present.
 */
class CustomerCsv
{
public:
    enum Column {
        Number,
        Title,
        FirstName,
        Initial,
        Surname,
        Company,
        Address,
        Town,
        County,
        Postcode,
        Phone,
        Mobile,
        Fax,
        Email,
        VatNumber,
        Country,
        Business,
        CisContractor,
        EndUserNotice,
        CisRate,
        ColumnCount
    };

    struct Row
    {
        /// The line the row starts on, 1 being the header.
        int line = 0;
        /// The row's values in the columns present; the others at their defaults.
        Customer customer;
    };
    struct Contents
    {
        /// The columns the header named, in no particular order.
        std::vector<Column> columns;
        std::vector<Row> rows;
        /// One sentence per row left out, naming its line.
        QStringList problems;
    };

    static const char* columnName(Column column);
    /// Reads `bytes`; a file without a known column gives no rows and says so.
    static Contents read(const QByteArray& bytes);
    static QByteArray write(const std::vector<Customer>& customers);
    /// Sets `column` of `to` from `from` (an import updating a customer with
    /// the columns a file holds).
    static void copyColumn(Column column, const Customer& from, Customer& to);
};
