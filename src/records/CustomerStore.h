#pragma once

class Customer;

/**
 * Where the record writers store the customer of each document they save.
 * The program installs its customer database here at start-up; a process
 * without one (a report, a test) saves documents without storing customers.
 */
class CustomerStore
{
public:
    virtual ~CustomerStore() = default;

    /// Stores `customer`, giving it a number when it has none.
    virtual void StoreCustomer(Customer& customer) = 0;

    static CustomerStore* current();
    /// Installs `store` (not owned; null for none) and returns the previous one.
    static CustomerStore* setCurrent(CustomerStore* store);
};
