#include "ports/ErroreCalcolo.h"

#include <cmath>

namespace tavo {

double verificaFinito(double v, const char* dove) {
    if (!std::isfinite(v)) throw ErroreCalcolo(std::string("valore non finito in ") + dove);
    return v;
}

}  // namespace tavo
