#pragma once

#include "fileformat/Archive.h"
#include "fileformat/TextFile.h"
#include "records/JobEstimate.h"
#include "records/JobInvoice.h"

#include <QString>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

// Documents written as the program writes them, for the overview's tests.
namespace ledgertest {

inline ombrel::OMDate day(int year, int month, int d)
{
    return ombrel::OMDate(d, month, year, true);
}

struct Line
{
    int64_t price; // hundredths
    int32_t rate;  // hundredths of a percent
};

inline JobInvoice invoice(uint32_t number, ombrel::OMDate date, uint32_t daysToPay,
                          const std::vector<Line>& lines,
                          const std::vector<std::pair<ombrel::OMDate, int64_t>>& payments = {})
{
    JobInvoice inv;
    inv.setNumber(number);
    inv.date = date;
    inv.daysToPay = daysToPay;
    inv.customer.surname = "Dunmore";
    for (const Line& l : lines) {
        JobItem item;
        item.desc = "Work";
        item.price = ombrel::OMMoney(l.price);
        item.rate = l.rate;
        inv.items.add(item);
    }
    for (const auto& [when, amount] : payments) {
        JobItem item;
        item.date = when;
        item.price = ombrel::OMMoney(amount);
        inv.payments.add(item);
    }
    return inv;
}

inline void save(JobBase& record, const QString& path)
{
    Archive archive = Archive::forWriting();
    ASSERT_EQ(record.write(archive), 0);
    ASSERT_TRUE(TextFile::save(path, archive.data()));
}

} // namespace ledgertest
