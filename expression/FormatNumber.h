// The number picture format used by display formats and by the FORMATFLOAT function.
#pragma once

#include <string>
#include <string_view>

namespace expression {

// Up to three sections "positive;negative;zero"; "0" is a required digit, "#" an optional
// one, "." the decimal point, "," anywhere before it asks for thousands separators, "E+"/"E-"
// an exponent; quoted text and other characters are copied. An empty format gives the
// general form.
std::string formatFloat(std::string_view format, double value, char decimalSeparator, char thousandSeparator);

// Fixed notation with `decimals` decimals, optionally with thousands separators.
std::string formatFixed(double value, int decimals, char decimalSeparator, char thousandSeparator,
                        bool thousands);

// The thousands separator that goes with a decimal separator.
inline char thousandSeparatorFor(char decimalSeparator) {
    return decimalSeparator == ',' ? '.' : ',';
}

}  // namespace expression
