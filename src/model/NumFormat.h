// Number and name formatting for the cards.
#pragma once

#include <cstdint>
#include <string>

// Formats `num` with `ndig` decimals (8, 6 or 4; any other value means 2), in single
// precision, dropping trailing zeros and a bare decimal point. With `Exp`, values of 1000 and
// above or below 0.01 are written as a mantissa and a power of ten ("1.23 E+5", "1.23 E-4").
// Zero and negative values with `Exp` use the magnitude for the exponent and keep the sign.
std::string NumToStr(double num, uint8_t ndig, bool Exp);

// Copies a stored name for display: '_' becomes a blank, ',' becomes ", ".
std::string AdjustString(const char* str);
