#pragma once

#include "Job.h"

class JobQuote : public Job
{
public:
    JobQuote();
    JobQuote(const JobQuote& other) = default;
    JobQuote& operator=(const JobQuote& other) = default;
    /// Takes over the fields of any estimate or quote.
    JobQuote& operator=(const Job& other)
    {
        Job::operator=(other);
        return *this;
    }

    bool takeNextNumber(uint32_t& number, QString* error) override;
    bool giveNumberBack(uint32_t number, QString* error) override;
};
