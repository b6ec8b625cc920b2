// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace paginor {

namespace {

bool ignorable(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c.unicode() - u'A' + 10;
    return v < base ? v : -1;
}

// The text with every ignorable character taken out, as plain Latin-1 where that is possible;
// anything else stops reading anyway, so it becomes a character that fits nothing.
std::string compact(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (ignorable(c))
            continue;
        out.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x7f');
    }
    return out;
}

double readRadix(const std::string& s, size_t pos, int base)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const int d = digitValue(QChar(s[pos]), base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

double readDecimal(const std::string& s)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        negative = s[pos++] == '-';

    std::string mantissa;
    bool point = false;
    bool anyDigit = false;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c >= '0' && c <= '9') {
            mantissa.push_back(c);
            anyDigit = true;
        } else if (c == '.' && !point) {
            mantissa.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;

    // The exponent is summed with a cap, so a thousand digits of it cannot overflow.
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        bool expNegative = false;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            expNegative = s[e++] == '-';
        for (; e < s.size() && s[e] >= '0' && s[e] <= '9'; ++e)
            exponent = std::min(exponent * 10 + (s[e] - '0'), 1000000000000000LL);
        if (expNegative)
            exponent = -exponent;
    }

    const std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: the position of the first significant digit decides.
        const size_t point = std::min(mantissa.find('.'), mantissa.size());
        const size_t first = mantissa.find_first_not_of("0.");
        const long long magnitude =
            first < point ? (long long)(point - first) : -(long long)(first - point - 1);
        value = first != std::string::npos && magnitude + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double readLeadingNumber(const QString& text)
{
    const std::string s = compact(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'h' || s[1] == 'H')
            return readRadix(s, 2, 16);
        if (s[1] == 'o' || s[1] == 'O')
            return readRadix(s, 2, 8);
        return 0;
    }
    return readDecimal(s);
}

QString plainDecimal(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");

    // "d.dddddddddddddde+X": 15 significant digits, then placed around the decimal point.
    const QString sci = QString::number(std::fabs(value), 'e', 14);
    const int ePos = sci.indexOf(u'e');
    QString digits = sci.left(ePos).remove(u'.');
    const int exponent = sci.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString out;
    if (exponent >= 0) {
        if (digits.size() <= exponent + 1)
            out = digits + QString(exponent + 1 - digits.size(), u'0');
        else
            out = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    } else {
        out = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    }
    return value < 0 ? QStringLiteral("-") + out : out;
}

QString normaliseNumberText(const QString& text)
{
    const double value = readLeadingNumber(text);
    return std::isfinite(value) ? plainDecimal(value) : text;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0))
        return lower + 1;
    return lower;
}

} // namespace paginor
