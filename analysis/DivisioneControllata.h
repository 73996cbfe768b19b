#pragma once
// The divisions of the checks, where the original stopped on a division by
// zero or an overflow of a Single.

#include "ports/ErroreCalcolo.h"

#include <cmath>
#include <string>

namespace tavo {

// n / d as a Single; d = 0 or a quotient beyond the Single range throws
// ErroreCalcolo naming `dove`.
inline float DivisioneControllata(double n, double d, const char* dove) {
    if (d == 0) throw ErroreCalcolo(std::string("Divisione per zero in ") + dove);
    const float q = static_cast<float>(n / d);
    if (!std::isfinite(q)) throw ErroreCalcolo(std::string("Overflow in ") + dove);
    return q;
}

}  // namespace tavo
