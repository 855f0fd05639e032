#pragma once

#include "views/FilteredLineEdit.h"

#include <cstdint>
#include <optional>

/**
 * A field for an amount kept in hundredths (money, hours): shown as "12.00",
 * typed with digits and a point only, read back exactly ("12.5" is 1250).
 */
class AmountEdit : public FilteredLineEdit
{
    Q_OBJECT
public:
    explicit AmountEdit(QWidget* parent = nullptr);

    void setHundredths(int32_t value);
    /// The typed amount in hundredths; none when it is beyond what a setting holds.
    std::optional<int32_t> hundredths() const;
};
