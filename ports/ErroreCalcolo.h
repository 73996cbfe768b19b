#pragma once
// Thrown wherever the original program stopped on a run-time error
// (a division by zero, a square root of a negative number, an overflow):
// C++ would go on with inf or NaN, so the computation stops here instead and
// the calculation driver turns it into its message.

#include <stdexcept>
#include <string>

namespace tavo {

class ErroreCalcolo : public std::runtime_error {
public:
    explicit ErroreCalcolo(const std::string& cosa) : std::runtime_error(cosa) {}
};

// Returns v, or throws ErroreCalcolo naming `dove` when v is not finite.
double verificaFinito(double v, const char* dove);

}  // namespace tavo
