#pragma once

#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"

#include <QString>

#include <cstdint>
#include <vector>

/**
 * Statutory interest and fixed compensation on a late commercial payment.
 * Only a business customer is charged; a consumer never is (the caller asks
 * `Customer::business`).
 *
 * Interest is simple, at the reference rate plus 8 % a year, from the day
 * after the due day up to and including the day of the letter. The reference
 * rate is the base rate in force on the last 31 December or 30 June before
 * the due day. The daily amount is the debt times the yearly rate divided by
 * 365, truncated to whole hundredths; the interest is that daily amount
 * times the days. Rates count hundredths of a percent.
 */
class LateInterest
{
public:
    /// A base rate in force from a day until the next entry's day.
    struct BaseRate
    {
        ombrel::OMDate from;
        int32_t rate = 0;
        friend bool operator==(const BaseRate&, const BaseRate&) = default;
    };

    /// What a letter claims on one debt.
    struct Claim
    {
        /// The 30 June or 31 December the reference rate was taken on.
        ombrel::OMDate referenceDay;
        int32_t referenceRate = 0;
        /// Reference rate plus the statutory 8 %.
        int32_t yearlyRate = 0;
        /// Days from the day after the due day to the letter's day.
        int64_t days = 0;
        ombrel::OMMoney daily;
        ombrel::OMMoney interest;
        ombrel::OMMoney compensation;
        ombrel::OMMoney total() const { return interest + compensation; }
    };

    static constexpr int32_t StatutoryMargin = 800;

    /// The base rates shipped with the program, oldest first.
    static std::vector<BaseRate> defaultRates();
    /// The shipped rates with the user's own ("options/latePayment"/"BaseRates")
    /// laid over them: a day the user names takes the user's rate.
    static std::vector<BaseRate> currentRates();
    /// Reads one rate a line, "YYYY-MM-DD RATE" with the rate in percent
    /// ("2025-08-07 4.00"); blank lines are skipped. False with the line
    /// named in `error` when one does not read.
    static bool parseRates(const QString& text, std::vector<BaseRate>* rates,
                           QString* error = nullptr);
    /// The lines parseRates reads back.
    static QString ratesText(const std::vector<BaseRate>& rates);
    /// `extra` laid over `base`, sorted by day.
    static std::vector<BaseRate> merged(std::vector<BaseRate> base,
                                        const std::vector<BaseRate>& extra);

    /// The last 30 June or 31 December before `dueDate`.
    static ombrel::OMDate referenceDay(const ombrel::OMDate& dueDate);
    /// The rate in force on `day`; 0 before the first entry.
    static int32_t rateOn(const ombrel::OMDate& day, const std::vector<BaseRate>& rates);
    /// £40 on a debt under £1,000, £70 under £10,000, £100 from £10,000.
    static ombrel::OMMoney compensation(ombrel::OMMoney debt);
    /// The claim on `debt` due on `dueDate`, for a letter dated `letterDate`;
    /// nothing (all zero) for a debt of 0 or less or a letter not after the due day.
    static Claim claim(ombrel::OMMoney debt, const ombrel::OMDate& dueDate,
                       const ombrel::OMDate& letterDate, const std::vector<BaseRate>& rates);
    /// "4.25%".
    static QString rateText(int32_t rate);
};
