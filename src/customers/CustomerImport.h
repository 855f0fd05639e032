#pragma once

#include "CustomerCsv.h"

#include <QString>
#include <vector>

class CustomerDatabase;

/**
 * What importing a CSV file would do to the database, worked out before
 * anything is written so that it can be shown first. A row is matched with a
 * customer held by its number, else by first name, surname and company
 * together with the postcode (case and blanks aside); a match is updated with
 * the columns the file holds (the others keep their values), a row that
 * matches nothing is added (keeping its number when that is free). Rows that
 * would change nothing, that name a deleted or merged customer, or that repeat
 * an earlier row are skipped.
 */
class CustomerImport
{
public:
    enum class Action { Add, Update, Skip };
    struct Entry
    {
        int line = 0;
        Action action = Action::Skip;
        /// The customer as it would be stored.
        Customer customer;
        /// Why a row is skipped.
        QString reason;
    };

    static std::vector<Entry> plan(const CustomerCsv::Contents& csv, const CustomerDatabase& db);
    /// The customers to store: those added and updated, in file order.
    static std::vector<Customer> changes(const std::vector<Entry>& plan);
};
