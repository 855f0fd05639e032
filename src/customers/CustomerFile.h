#pragma once

#include "records/Customer.h"

#include <QByteArray>
#include <cstdint>
#include <list>
#include <map>
#include <unordered_set>
#include <vector>

/**
 * The text form of the customer database: one record per customer, each an
 * empty line, a header "[number]" and one "name=value" line per field, line
 * breaks inside a value written as "|".
 *
 * Numbers that no longer name a customer follow the customers, in a record
 * headed "[retired]": one "number=kept" line each, "kept" being the customer a
 * duplicate was merged into, or 0 for a customer deleted. Readers that do not
 * know the record skip it (its lines name no field); it is written only when
 * there is something in it, so an older file writes back as it was read.
 *
 * Reading is lenient (comments, blank lines, unknown names, CR LF and
 * Windows-1252 text are all accepted) and linear in the size of the input.
 */
class CustomerFile
{
public:
    struct Contents
    {
        /// In file order; a list, so that the database takes them over whole.
        std::list<Customer> customers;
        /// Largest number named by a header or carried by a customer; 0 when none.
        uint32_t highest = 0;
        /// Retired numbers: number to the number it was merged into, 0 when
        /// the customer was deleted.
        std::map<uint32_t, uint32_t> retired;
    };

    /// Reads `bytes`. Customers without a number (0) and repeats of a number
    /// already taken by an earlier record get fresh numbers above every number
    /// of the file, in file order, so that each customer can be told apart.
    static Contents read(const QByteArray& bytes);

    /// Appends the text of one customer to `out`.
    static void write(const Customer& customer, QByteArray& out);
    /// Appends the "[retired]" record; nothing when `retired` is empty.
    static void writeRetired(const std::map<uint32_t, uint32_t>& retired, QByteArray& out);
    /// The number after `highest`, which it raises; once `highest` is at the
    /// top of the range, the lowest number not in `used`.
    static uint32_t nextFreeNumber(uint32_t& highest, const std::unordered_set<uint32_t>& used);
};
