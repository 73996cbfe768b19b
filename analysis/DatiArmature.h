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

// Captions of the four boxes; the steel stress's by the code in force.
inline constexpr std::array<const char*, 4> EtichetteDatiArmature{"Distanza fra le sezioni", "Copriferro",
                                                                  "fyd", "Es/Ec"};
inline constexpr const char* EtichettaSigmaAcciaioAmm = "σs,adm";

// The boxes' texts into the settings, each read as SingoloDigitato reads it,
// then DefaultMateriali (a setting of 0 or below takes its default). A box
// that holds no number (an empty one too) or a value beyond the Single range
// throws ErroreCalcolo with the message that names it (RifiutoCasella)
// before any setting changes.
void LeggeDatiArmature(VariabiliPubbliche& v, const TestiDatiArmature& testi);

// DefaultMateriali, then the settings as the boxes show them (the regional
// text of each Single value).
TestiDatiArmature ScriveDatiArmature(VariabiliPubbliche& v);

}  // namespace tavo
