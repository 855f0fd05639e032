#include "NumberEntry.h"

#include <QStringList>

namespace {

// A double holds this many significant digits exactly.
constexpr int MaxDigits = 15;

bool allDigits(const QString& text)
{
    for (const QChar ch : text)
        if (ch < u'0' || ch > u'9')
            return false;
    return true;
}

// "1234567" or "1,234,567" with `separator`: a first group of one to three
// digits, then groups of exactly three.
bool validGroups(const QString& text, QChar separator, QString& digits)
{
    const QStringList groups = text.split(separator);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString& group = groups.at(i);
        if (!allDigits(group) || group.isEmpty() ||
            (groups.size() > 1 && (group.size() > 3 || (i > 0 && group.size() != 3))))
            return false;
    }
    digits = groups.join(QString());
    return true;
}

NumberEntry refused(const QString& text, const QLocale& locale)
{
    NumberEntry entry;
    entry.error = QStringLiteral("\"%1\" is not a number that can be read exactly. Type digits "
                                 "and \"%2\" before the decimals, as in %3.")
                      .arg(text, locale.decimalPoint(), locale.toString(1234.5, 'f', 2));
    return entry;
}

} // namespace

NumberEntry NumberEntry::read(const QString& typed, int decimals, const QLocale& locale)
{
    QString text = typed.trimmed();
    NumberEntry entry;
    if (text.isEmpty()) {
        entry.number = QStringLiteral("0");
        return entry;
    }
    bool negative = false;
    if (text.startsWith(u'+')) {
        text.remove(0, 1);
    } else if (text.startsWith(u'-')) {
        negative = true;
        text.remove(0, 1);
    } else if (!locale.negativeSign().isEmpty() && text.startsWith(locale.negativeSign())) {
        negative = true;
        text.remove(0, locale.negativeSign().size());
    }

    const QString point = locale.decimalPoint();
    QString group = locale.groupSeparator();
    // A space-like separator (French, Swedish) may be typed as a plain space.
    if (group.size() == 1 && group.at(0).isSpace())
        text.replace(u' ', group.at(0));
    // The other of "." and "," the user may mean for the decimals.
    const QString other = point == QStringLiteral(".")   ? QStringLiteral(",")
                          : point == QStringLiteral(",") ? QStringLiteral(".")
                                                         : QString();
    if (point.size() != 1 || group.size() != 1)
        return refused(typed.trimmed(), locale); // a locale of its own kind: not guessed at

    QString whole = text;
    QString fraction;
    bool hasPoint = false;
    if (const qsizetype at = text.indexOf(point); at >= 0) {
        if (text.indexOf(point, at + 1) >= 0)
            return refused(typed.trimmed(), locale);
        whole = text.left(at);
        fraction = text.mid(at + 1);
        hasPoint = true;
    } else if (!other.isEmpty() && text.count(other) == 1) {
        // One "other" separator: the decimals unless it may stand between
        // thousands (exactly three digits after it, at most three before).
        const qsizetype at = text.indexOf(other);
        const QString before = text.left(at);
        const QString after = text.mid(at + 1);
        const bool mayBeThousands = after.size() == 3 && !before.isEmpty() &&
                                    (before.size() <= 3 || before.contains(group));
        if (!mayBeThousands) {
            whole = before;
            fraction = after;
            hasPoint = true;
        } else if (other != group) {
            return refused(typed.trimmed(), locale); // a thousand, or one and a half?
        }
    }

    QString digits;
    if (whole.isEmpty() && hasPoint)
        digits = QStringLiteral("0");
    else if (!validGroups(whole, group.at(0), digits))
        return refused(typed.trimmed(), locale);
    if (!allDigits(fraction) || (hasPoint && fraction.isEmpty() && whole.isEmpty()))
        return refused(typed.trimmed(), locale);

    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (fraction.size() > decimals) {
        entry.error = decimals == 0
                          ? QStringLiteral("\"%1\" has decimals; type a whole number.")
                                .arg(typed.trimmed())
                          : QStringLiteral("\"%1\" has more than %2 decimals.")
                                .arg(typed.trimmed())
                                .arg(decimals);
        return entry;
    }
    if (digits.size() + fraction.size() > MaxDigits) {
        entry.error = QStringLiteral("\"%1\" has more digits than can be kept exactly.")
                          .arg(typed.trimmed());
        return entry;
    }
    const bool zero = digits == QStringLiteral("0") && fraction.isEmpty();
    entry.number = (negative && !zero ? QStringLiteral("-") : QString()) + digits +
                   (fraction.isEmpty() ? QString() : QStringLiteral(".") + fraction);
    return entry;
}

QString NumberEntry::beyondBoundMessage(const QString& text)
{
    return QStringLiteral("\"%1\" would take a total past 1,000,000,000,000.00, beyond any "
                          "real job. Check the figure.")
        .arg(text.trimmed());
}
