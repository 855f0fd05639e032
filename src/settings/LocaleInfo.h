#pragma once

#include "foundation/OMString.h"

#include <QLocale>

/// What the program takes from the user's locale.
class LocaleInfo
{
public:
    /// The international telephone code of the locale's territory (44 for the
    /// United Kingdom, 1 for the United States, 49 for Germany); 0 when unknown.
    static int countryCode(const QLocale& locale);
    /// The locale's date pattern in the program's tokens: "dd.MM.yy" becomes
    /// "DD.MM.YYYY", "M/d/yy" becomes "MM/DD/YYYY". Empty when the pattern
    /// holds no day, month and year.
    static ombrel::OMString dateFormat(const QLocale& locale, QLocale::FormatType type);
};
