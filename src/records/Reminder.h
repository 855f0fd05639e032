#pragma once

#include "foundation/OMDate.h"
#include "foundation/OMMoney.h"
#include "foundation/OMString.h"

/// A payment reminder sent for an invoice: the day of the letter, its level
/// (1 friendly, 2 firm, 3 final notice) and the late-payment interest and
/// compensation it claimed (0 for none).
struct Reminder
{
    static constexpr int Friendly = 1;
    static constexpr int Firm = 2;
    static constexpr int FinalNotice = 3;

    ombrel::OMDate date;
    int level = Friendly;
    ombrel::OMMoney claimed;

    /// The value as an invoice file holds it: "20261208,3" or, with a claim,
    /// "20261208,3,152.35".
    ombrel::OMString toText() const;
    /// Reads toText's form; false (and nothing changed) for any other text.
    bool setText(const ombrel::OMString& text);
    /// "friendly reminder", "firm reminder", "final notice".
    static ombrel::OMString levelName(int level);

    friend bool operator==(const Reminder&, const Reminder&) = default;
};
