#include "grid/TextValue.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <string>

double TextValue(const QString &text)
{
    // Keep only what may belong to a number, without the skipped whitespace.
    std::string number;
    number.reserve(size_t(text.size()));
    bool digits = false, point = false, exponent = false, exponentDigits = false;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        if (u >= u'0' && u <= u'9') {
            number += char(u);
            if (exponent)
                exponentDigits = true;
            else
                digits = true;
            continue;
        }
        if ((u == u'+' || u == u'-') && (number.empty() || (exponent && (number.back() == 'e')))) {
            number += char(u);
            continue;
        }
        if (u == u'.' && !point && !exponent) {
            number += '.';
            point = true;
            continue;
        }
        if ((u == u'e' || u == u'E' || u == u'd' || u == u'D') && digits && !exponent) {
            number += 'e';
            exponent = true;
            continue;
        }
        break;
    }
    if (!digits)
        return 0.0;
    // An exponent without digits ("12e") is not part of the number.
    if (exponent && !exponentDigits) {
        while (!number.empty() && number.back() != 'e')
            number.pop_back();
        number.pop_back();
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

QString ShortestDecimal(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // Plain digits over the range a spreadsheet shows so (100000, not 1e+05); the
    // exponent form only for very large and very small magnitudes.
    const double magnitude = std::fabs(value);
    const char format = magnitude >= 1e-4 && magnitude < 1e16 ? 'f' : 'g';
    return QLocale::c().toString(value, format, QLocale::FloatingPointShortest);
}
