// Rounding as the layout rules are defined: halves go to the even neighbour, so 0.5 rounds to
// 0 and 1.5 to 2 (the centring and gap formulas depend on it).
#pragma once

#include <cmath>

namespace report {

inline int roundHalfEven(double v) {
    double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
    if (!(r > -2147483648.0 && r < 2147483647.0)) return r > 0 ? 2147483647 : -2147483647;
    return static_cast<int>(r);
}

// Integer division rounding toward zero, as the layout formulas' "div".
inline int divTrunc(int a, int b) {
    return b == 0 ? 0 : a / b;
}

}  // namespace report
