#pragma once

#include <QString>

// The text value of a cell: the decimal number the text begins with once every
// blank, tab and line feed in it is skipped, with a decimal point and an exponent
// read as part of the number; 0 when the text does not begin with a number.
// "12a" is 12, "1 0" is 10, "1.5e1" is 15, "" and "abc" are 0.
double TextValue(const QString &text);

// The shortest decimal form of a number, as a spreadsheet shows it: 2001, 1.5, -0.25,
// 100000; the exponent form from 1e+16 up and below 0.0001 (1e-05).
QString ShortestDecimal(double value);
