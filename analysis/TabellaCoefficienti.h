#pragma once
// A partial-factor table: 28 values, entry 4·(row − 1) + column for factor
// row 1..7 (tan φ′, wedge weight, soil on the heel, self weight, surcharge,
// deck vertical load, deck horizontal load) and check column 1..4 ("PARETE",
// "MR", "SCORR", "PORTATA"). Entries are numbered 1..28 as the settings
// file and the dialog number them.

#include "analysis/ArrayUno.h"

namespace tavo {

using TabellaCoefficienti = ArrayUno<float, 28>;

// The entry of factor row `riga` (1..7) for check column `colonna` (1..4).
constexpr int VoceCoefficiente(int riga, int colonna) { return 4 * (riga - 1) + colonna; }

}  // namespace tavo
