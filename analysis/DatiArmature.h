#pragma once
// The four reinforcement settings as the reinforcement window's boxes hold
// them: 0 spacing of the sections (m), 1 cover (cm), 2 the steel stress of
// the code in force (SigmaAcciaioAmm under DM 1996, fyd under NTC 2008,
// N/mm²), 3 the modular ratio Es/Ec.

#include "analysis/VariabiliPubbliche.h"

#include <array>
#include <string>

namespace tavo {

using TestiDatiArmature = std::array<std::string, 4>;

// The boxes' texts into the settings, each read with ValLocale and kept in
// single precision, then DefaultMateriali. A value beyond the Single range
// throws ErroreCalcolo ("Errore in LeggeDati: valore fuori scala nella
// casella " and the box number) before any setting changes.
void LeggeDatiArmature(VariabiliPubbliche& v, const TestiDatiArmature& testi);

// DefaultMateriali, then the settings as the boxes show them (the regional
// text of each Single value).
TestiDatiArmature ScriveDatiArmature(VariabiliPubbliche& v);

}  // namespace tavo
