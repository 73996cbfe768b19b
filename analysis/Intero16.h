#pragma once
// The counts that the original held in a 16-bit Integer (vertex and point
// counts of the section): a value beyond its range was an overflow error.

#include "ports/ErroreCalcolo.h"

#include <cstdint>
#include <limits>
#include <string>

namespace tavo {

// n as a 16-bit Integer; beyond −32768..32767 throws ErroreCalcolo naming `dove`.
inline std::int16_t Intero16(long n, const char* dove) {
    if (n > std::numeric_limits<std::int16_t>::max() ||
        n < std::numeric_limits<std::int16_t>::min())
        throw ErroreCalcolo(std::string("Overflow in ") + dove);
    return static_cast<std::int16_t>(n);
}

}  // namespace tavo
