#pragma once
// The main window's input fields as plain texts, and their copy into the
// project state and back. The window only moves these texts in and out of
// its boxes and grid.
//
// Box i of `dati` is the main window's input box i: 0 backwall height,
// 1 backwall thickness, 2 stem batter, 3 stem height, 4 stem width at the
// top, 5 at the base, 6 footing height, 7 heel, 8 footing width, 9..11 the
// three friction angles, 12 and 13 the unit weights, 14 the seismicity grade
// (DM 1996) or kh (NTC 2008), 15..17 the deck loads, 18 kv (NTC 2008 only).

#include "analysis/ControlloSezione.h"
#include "analysis/VariabiliPubbliche.h"
#include "fileio/Separatori.h"
#include "seismic/NTC.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

inline constexpr int NumeroCampiDati = 19;

struct TestiForm {
    std::string titolo;
    std::array<std::string, NumeroCampiDati> dati;
    std::string lati;  // the side-count box
    // The grid's data rows 1, 2, ...: columns run, rise, surcharge.
    std::vector<std::array<std::string, 3>> profilo;
    friend bool operator==(const TestiForm&, const TestiForm&) = default;
};

// The caption of input box i (0..18) in the main window; boxes 14 and 18
// by the code in force: "Grado di sismicità" under DM 1996, "kh" and "kv"
// under NTC 2008.
std::string EtichettaCampo(int i, int normativa);
inline constexpr const char* EtichettaNumeroLati = "N° lati terreno";
// The ground-profile grid's headers over its columns 1, 2, 3, and the name
// of a cell of side i: "Lato i, Lungh." and so on.
inline constexpr std::array<const char*, 3> IntestazioniProfilo{ColonnaLunghezzaLato, "Dislivello",
                                                               ColonnaSovraccaricoLato};
std::string NomeCellaProfilo(int lato, int colonna);

// Copies the fields into the project state and the site's kh and kv: every
// value read as NumeroDigitato reads it, in single precision, the side count
// a whole number in the 16-bit range. Under DM 1996 box 18 is not read. With
// a side count below 1 the profile keeps its previous sides.
// A field that is not a number (an empty one too), a value beyond single
// precision or a side count that is not a whole number of that range throws
// ErroreDatiForm with the message that names the field (RifiutoCasella);
// more sides than the grid has rows throws it too. Nothing changes then.
void LeggeDatiDaForm(const TestiForm& testi, VariabiliPubbliche& v, NTC& ntc,
                     const Separatori& sep = separatoriRegionali());

// The texts of the fields for the project state: numbers in their regional
// text; under NTC 2008 boxes 14 and 18 hold kh and kv with four decimals,
// under DM 1996 box 14 the seismicity grade and box 18 stays empty (the
// window leaves that box as it stands). One grid row per side.
TestiForm ScriveDatiInForm(const VariabiliPubbliche& v, const NTC& ntc,
                           const Separatori& sep = separatoriRegionali());

// Box 14 and box 18 as the code in force shows them.
std::string TestoCampoSisma14(const VariabiliPubbliche& v, const NTC& ntc,
                              const Separatori& sep = separatoriRegionali());
std::string TestoCampoSisma18(const NTC& ntc, const Separatori& sep = separatoriRegionali());

}  // namespace tavo
