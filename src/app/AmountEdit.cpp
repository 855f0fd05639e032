#include "AmountEdit.h"

#include "foundation/OMMoney.h"

#include <limits>

using ombrel::OMMoney;
using ombrel::OMString;

AmountEdit::AmountEdit(QWidget* parent)
    : FilteredLineEdit(QStringLiteral("0123456789."), Include, parent)
{
}

void AmountEdit::setHundredths(int32_t value)
{
    setText(OMMoney(value).toPlainString().toQString());
}

std::optional<int32_t> AmountEdit::hundredths() const
{
    const int64_t value = OMMoney::fromText(OMString::fromQString(text()));
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return int32_t(value);
}
