#include "CustomerStore.h"

namespace {
CustomerStore* g_store = nullptr;
}

CustomerStore* CustomerStore::current()
{
    return g_store;
}

CustomerStore* CustomerStore::setCurrent(CustomerStore* store)
{
    CustomerStore* previous = g_store;
    g_store = store;
    return previous;
}
