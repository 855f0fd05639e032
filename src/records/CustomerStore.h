#pragma once

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

    /// Stores `customer`, giving it a number when it has none.
    virtual void StoreCustomer(Customer& customer) = 0;
};
