// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

// Reads the leading number of a text the way the option boxes need it. Blanks, tabs and line
// feeds are ignored wherever they stand. Then comes either "&H" or "&O" (letter case ignored)
// with hexadecimal or octal digits, or a decimal number: optional sign, digits with at most
// one decimal point, optional exponent ("e" or "E", optional sign, digits). Reading stops at
// the first character that does not fit; a text without a readable number gives 0. A number
// too large for a double gives an infinity of its sign. Never NaN.
double readLeadingNumber(const QString& text);

// The value as plain decimal text: an optional "-", no leading zeros, no exponent, a decimal
// point only when there is a fraction, at most 15 significant digits (7 -> "7",
// 0.25 -> "0.25", 1e20 -> "100000000000000000000"). -0 gives "0". Non-finite values give "".
QString plainDecimal(double value);

// The text an option box holds after normalisation: plainDecimal(readLeadingNumber(text)), or
// `text` unchanged when the number is too large to write back.
QString normaliseNumberText(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

} // namespace paginor
