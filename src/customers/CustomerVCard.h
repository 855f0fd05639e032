#pragma once

#include "records/Customer.h"

#include <QByteArray>
#include <vector>

/**
 * Customers as vCards (version 3.0 or 4.0), for address books: UTF-8, CR LF
 * line ends, lines folded at 75 bytes (never inside a character), and
 * backslash, comma, semicolon and line breaks escaped in values.
 */
class CustomerVCard
{
public:
    static QByteArray write(const std::vector<Customer>& customers, int version);
    /// `value` escaped for a vCard text value.
    static QByteArray escaped(const QString& value);
};
