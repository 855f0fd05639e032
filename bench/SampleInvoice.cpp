#include "SampleInvoice.h"

#include <string>

JobInvoice SampleInvoice::withLines(int lines)
{
    JobInvoice invoice;
    invoice.setNumber(1);
    invoice.daysToPay = 30;
    invoice.customer.company = "Pennine Property Maintenance Ltd";
    for (int i = 0; i < lines; ++i) {
        JobItem item;
        item.desc = ("Service visit " + std::to_string(i) +
                     (i % 7 == 0 ? ": replace washers and pressure test the heating system" : ""))
                        .c_str();
        item.count = 1 + i % 3;
        item.price = 2500 + i;
        item.rate = i % 5 == 0 ? 500 : 2000;
        invoice.items.add(item);
    }
    return invoice;
}
