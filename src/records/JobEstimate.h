#pragma once

#include "Job.h"

class JobEstimate : public Job
{
public:
    JobEstimate();
    JobEstimate(const JobEstimate& other) = default;
    JobEstimate& operator=(const JobEstimate& other) = default;
    /// Takes over the fields of any estimate or quote.
    JobEstimate& operator=(const Job& other)
    {
        Job::operator=(other);
        return *this;
    }

    bool takeNextNumber(uint32_t& number, QString* error) override;
    bool giveNumberBack(uint32_t number, QString* error) override;
};
