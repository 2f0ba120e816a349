#include "rules/NumberText.h"

#include <algorithm>
#include <cmath>
#include <QLocale>

namespace NumberText {

std::optional<double> read(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    QString plain;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        plain += t[i++];
    bool comma = false;
    bool digits = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            plain += c;
            digits = true;
        } else if (c == u',' && !comma) {
            plain += u'.';
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString write(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    // 'e' with 14 decimals gives exactly 15 significant digits, rounded, in the C locale:
    // "-1.23450000000000e+01".
    const QString scientific = QString::number(value, 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const bool negative = scientific.startsWith(u'-');
    QString digits = scientific.left(e);
    digits.remove(u'-');
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    // The decimal exponent of the first digit: the comma goes after exponent + 1 digits.
    const int exponent = scientific.mid(e + 1).toInt();
    QString result;
    if (exponent < 0) {
        result = QStringLiteral("0,") + QString(-exponent - 1, u'0') + digits;
    } else if (exponent + 1 >= digits.size()) {
        result = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        result = digits.left(exponent + 1) + u',' + digits.mid(exponent + 1);
    }
    if (result == u"0")
        return result;
    return negative ? u'-' + result : result;
}

double round(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale + 0.5) / scale;
}

QString normaliseWhole(QStringView text)
{
    const std::optional<double> value = read(text);
    return value ? write(round(*value, 0)) : QStringLiteral("0");
}

bool readsAsAmount(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == u"," || read(trimmed).has_value();
}

QString normaliseAmount(QStringView text, int decimals)
{
    const std::optional<double> value = read(text);
    if (!value)
        return QStringLiteral("0,00");
    // Number text never starts or ends with a comma, so only the missing or single decimal needs adding.
    QString result = write(round(*value, decimals));
    if (!result.contains(u','))
        result += QStringLiteral(",00");
    else if (result.at(result.size() - 2) == u',')
        result += u'0';
    return result;
}

} // namespace NumberText
