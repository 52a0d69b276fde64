// Measures as the survey's tables show them.
#pragma once

#include <string>

namespace search::texts {

// A finite value rounded to eight significant digits, as printf's "%.8g" writes
// it but never with an exponent: trailing zeros of the fraction dropped
// ("0.02547695", "1", "0.000012345679"), every digit of a whole part over eight
// digits kept, zero (either sign) written "0".
std::string EightDigitText(double value);

}  // namespace search::texts
