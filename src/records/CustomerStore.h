#pragma once

#include <QString>

class Customer;

/**
 * Where a document stores its customer each time it is saved, so the customer
 * gets a number. The program hands its customer database to the document
 * kinds; a process without one (a report, a test) stores no customers.
 */
class CustomerStore
{
public:
    virtual ~CustomerStore() = default;

    /// Stores `customer`, giving it a number when it has none. False, with
    /// the reason, when the store could not be written: the customer has its
    /// number all the same, and the store keeps it for its next write.
    virtual bool storeCustomer(Customer& customer, QString* error) = 0;
    /// Stores `customer` as a document that was read with `asRead` carries
    /// it. While the document has not changed its customer, a store that
    /// holds the customer keeps its own copy, which may have been edited
    /// since the document was read; a changed customer is stored as above.
    virtual bool storeCarriedCustomer(Customer& customer, const Customer& asRead, QString* error)
    {
        Q_UNUSED(asRead);
        return storeCustomer(customer, error);
    }
};
