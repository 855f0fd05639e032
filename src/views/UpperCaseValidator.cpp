#include "UpperCaseValidator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& position) const
{
    const QString upper = input.toUpper();
    // A few letters grow when capitalised ("ß" becomes "SS"): keep the cursor
    // after what was typed.
    position += int(upper.size() - input.size());
    input = upper;
    return Acceptable;
}
