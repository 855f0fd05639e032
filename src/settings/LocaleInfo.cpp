#include "LocaleInfo.h"

#include <unordered_map>

using ombrel::OMString;

int LocaleInfo::countryCode(const QLocale& locale)
{
    using T = QLocale;
    // Qt knows no calling codes; this covers the territories whose code decides
    // anything (1 and 44 use miles) and the common ones besides.
    static const std::unordered_map<int, int> codes = {
        {T::UnitedStates, 1},
        {T::Canada, 1},
        {T::PuertoRico, 1},
        {T::Jamaica, 1},
        {T::Bahamas, 1},
        {T::Barbados, 1},
        {T::Bermuda, 1},
        {T::TrinidadAndTobago, 1},
        {T::UnitedStatesVirginIslands, 1},
        {T::Guam, 1},
        {T::AmericanSamoa, 1},
        {T::UnitedKingdom, 44},
        {T::Guernsey, 44},
        {T::Jersey, 44},
        {T::IsleOfMan, 44},
        {T::Ireland, 353},
        {T::Germany, 49},
        {T::France, 33},
        {T::Spain, 34},
        {T::Italy, 39},
        {T::Netherlands, 31},
        {T::Belgium, 32},
        {T::Switzerland, 41},
        {T::Austria, 43},
        {T::Denmark, 45},
        {T::Sweden, 46},
        {T::Norway, 47},
        {T::Poland, 48},
        {T::Portugal, 351},
        {T::Finland, 358},
        {T::Greece, 30},
        {T::CzechRepublic, 420},
        {T::Hungary, 36},
        {T::Romania, 40},
        {T::Russia, 7},
        {T::Turkey, 90},
        {T::Australia, 61},
        {T::NewZealand, 64},
        {T::SouthAfrica, 27},
        {T::India, 91},
        {T::China, 86},
        {T::Japan, 81},
        {T::SouthKorea, 82},
        {T::Brazil, 55},
        {T::Mexico, 52},
        {T::Argentina, 54},
    };
    const auto it = codes.find(int(locale.territory()));
    return it == codes.end() ? 0 : it->second;
}

OMString LocaleInfo::dateFormat(const QLocale& locale, QLocale::FormatType type)
{
    const QString pattern = locale.dateFormat(type);
    QString out;
    bool day = false, month = false, year = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == c)
            ++run;
        if (c == u'\'') {
            // Quoted literal text: copy up to the closing quote.
            const qsizetype close = pattern.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close + 1;
            out += pattern.mid(i + 1, end - i - 2);
            i = end;
            continue;
        }
        if (c == u'd' && run <= 2) {
            out += QLatin1String("DD");
            day = true;
        } else if (c == u'M' && run <= 2) {
            out += QLatin1String("MM");
            month = true;
        } else if (c == u'y') {
            out += QLatin1String("YYYY");
            year = true;
        } else if (c.isLetter()) {
            // Day and month names have no place in an entry format.
            return {};
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    if (!day || !month || !year)
        return {};
    return OMString::fromQString(out);
}
