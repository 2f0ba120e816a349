#include "rules/NumberText.h"

#include <charconv>
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

std::optional<double> readBytes(QByteArrayView text)
{
    // The blanks QStringView::trimmed() removes, as Windows-1252 bytes: ASCII white space and 0xA0.
    const auto blank = [](char c) { return (c >= '\t' && c <= '\r') || c == ' ' || c == '\xA0'; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '-' || text[begin] == '+'))
        negative = text[begin++] == '-';
    // Digits with at most one comma, as read() takes them; the longest a number field holds fits.
    char plain[64];
    qsizetype length = 0;
    bool comma = false;
    bool digits = false;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = text[i];
        if (length == qsizetype(sizeof plain))
            return read(QString::fromLatin1(text));
        if (c >= '0' && c <= '9') {
            plain[length++] = c;
            digits = true;
        } else if (c == ',' && !comma) {
            plain[length++] = '.';
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    // A whole number of up to 15 digits, what stock and threshold fields hold, is exact as it is summed.
    if (!comma && length <= 15) {
        double whole = 0;
        for (qsizetype i = 0; i < length; ++i)
            whole = whole * 10 + (plain[i] - '0');
        return negative ? -whole : whole;
    }
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(plain, plain + length, value);
    if (parsed.ec != std::errc() || parsed.ptr != plain + length || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
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
