#pragma once
// The check of the section's inputs before the section is built: a
// geometry that cannot exist is refused with one message that names the
// field by its caption in the main window and says why.
//
// Refused: a negative backwall height or thickness or heel; a stem height,
// a stem width at the top or at the base, a footing height or width that is
// not greater than 0; a toe (footing width - heel - stem width at the base)
// below 0; a friction angle below 0° or not below 90°. What the calculation
// computes on purpose passes: no backwall, a toe or a heel of 0, a soil unit
// weight of 0, a wall friction of 0, a seismicity grade of 0.
//
// Of the ground profile, every side with a negative run or a negative
// surcharge is refused, naming the side and the column; a rise of any sign
// and a run of 0 (a vertical step) pass.
//
// The values compared are the Singles the calculation uses; the toe is the
// distance between the footing's toe end and the stem's front foot as the
// section geometry places them, and is refused only when it falls short of
// 0 by more than the rounding of the three typed numbers, so that a toe
// typed as 0 (3.35 - 2.5 - 0.85) is never refused.

#include "analysis/VariabiliPubbliche.h"

#include <string>

namespace tavo {

// Captions of the main window's input boxes that the check names.
inline constexpr const char* EtichettaAltezzaParaghiaia = "Altezza paraghiaia (m)";
inline constexpr const char* EtichettaSpessoreParaghiaia = "Spessore paraghiaia (m)";
inline constexpr const char* EtichettaAltezzaParete = "Altezza parete (m)";
inline constexpr const char* EtichettaSpessoreTestaParete = "Spessore in testa (m)";
inline constexpr const char* EtichettaSpessoreBaseParete = "Spessore alla base (m)";
inline constexpr const char* EtichettaAltezzaFondazione = "Altezza fondazione (m)";
inline constexpr const char* EtichettaSbalzoFondazione = "Sbalzo fond. contro terra";
inline constexpr const char* EtichettaLarghezzaFondazione = "Larghezza totale fond.";
inline constexpr const char* EtichettaAngoloAttritoInterno = "Angolo attrito interno";
inline constexpr const char* EtichettaAngoloAttritoTerraTavo = "Ang. attrito terra-tavo";
inline constexpr const char* EtichettaAngoloAttritoFondazione = "Ang. attrito fondazione";

// Headers of the ground grid's columns that the check names.
inline constexpr const char* ColonnaLunghezzaLato = "Lungh.";
inline constexpr const char* ColonnaSovraccaricoLato = "q";

// The message that refuses the section's inputs in `v`, or an empty text
// when they describe a section that can exist. The first fault in the order
// of the main window's boxes is named.
std::string DifettoSezione(const VariabiliPubbliche& v);

}  // namespace tavo
