#pragma once
// Partial safety factors and the seismic coefficients of the load
// combination being computed.
//
// Each check (stem base, overturning, sliding, soil pressure) is evaluated
// once per combination with seven partial factors taken from one column of
// the static or the seismic table, and with the combination's seismic
// coefficients. Under DM 1996 every factor is 1 and the single combination
// carries the horizontal coefficient of the seismicity grade.
//
// Errors: a zero GammaPhi, 1 + kv = 0, or any result that is not finite
// throws ErroreCalcolo, which the calculation driver reports.

#include "analysis/VariabiliPubbliche.h"
#include "fileio/Separatori.h"
#include "seismic/NTC.h"

#include <array>
#include <string>

namespace tavo {

// The four checks; the value is the check's column of the factor tables.
enum class Verifica : int {
    Parete = 1,        // "PARETE": actions at the stem base
    Ribaltamento = 2,  // "MR": overturning about the toe
    Scorrimento = 3,   // "SCORR": sliding on the footing base
    Portata = 4,       // "PORTATA": soil pressures under the footing
};

// Captions of the partial-coefficient dialog: its two pages (static,
// seismic), the seven factor rows and the four check columns of each.
inline constexpr std::array<const char*, 2> PagineCoefficienti{"Verifiche STATICHE", "Verifiche SISMICHE"};
inline constexpr std::array<const char*, 7> RigheCoefficienti{
    "Angolo d'attrito interno", "Peso cuneo di spinta",       "Peso zavorra",
    "Peso proprio tavo",        "Sovraccarico",               "Azione verticale impalcato",
    "Azione orizzontale impalcato"};
inline constexpr std::array<const char*, 4> ColonneCoefficienti{"Parete", "Ribalt.", "Scorr.", "Schiacc."};

// The texts of the dialog's boxes, [0] the static page and [1] the seismic
// one, element i − 1 holding box i, into both tables: each read as
// SingoloDigitato reads it. A factor must be greater than 0, except those
// of the surcharge and of the deck's horizontal action (rows 5 and 7), the
// variable actions, whose factor is 0 where they act in favour or do not
// enter a combination: those may be 0 too. The first box that fails, page
// by page in the order of its index, gives the message that names it
// ("Verifiche STATICHE, Sovraccarico, Ribalt.") and nothing changes; an
// empty text when both tables were taken.
using TestiCoefficienti = std::array<std::array<std::string, 28>, 2>;
std::string LeggeCoefficientiDaForm(const TestiCoefficienti& testi, VariabiliPubbliche& v,
                                    const Separatori& sep = separatoriRegionali());

// Writes the default factors into both tables.
void CoefficientiParzialiDefault(VariabiliPubbliche& v);

// Entry `indice` (1..28) of the seismic table while a seismic combination
// is computed, else of the static table; another index throws std::out_of_range.
float CoefficienteParziale(const VariabiliPubbliche& v, int indice);

// Loads the seven current factors and PhiProgetto for one check: all 1 and
// φ′ itself under DM 1996, the check's column of the table in force under
// NTC 2008.
void ImpostaCoefficientiParziali(VariabiliPubbliche& v, Verifica verifica);

// Design value (degrees) of a friction angle (degrees): under NTC 2008
// atan(tan a / GammaPhi), under any other code a itself.
float AngoloAttritoProgetto(const VariabiliPubbliche& v, float angolo);

// Horizontal seismic coefficient of the current combination: DM 1996
// max(0, (S − 2)/100); NTC 2008 KhNTC in a seismic combination, else 0.
float KhCombinazione(const VariabiliPubbliche& v, const NTC& sisma);

// Seismic inclination angle ψ (degrees) of the current combination, from
// v.Kh: DM 1996 atan(Kh); NTC 2008 0 in the static combination, else
// atan(Kh / (1 + KvNTC)) with KvNTC as it stands (negated in combination 3).
float AngoloTheta(const VariabiliPubbliche& v, const NTC& sisma);

// A weight (or a moment of weights) with the vertical coefficient applied:
// W·(1 + KvNTC) when psi > 0 under NTC 2008, else W.
float PesoConKv(const VariabiliPubbliche& v, const NTC& sisma, float W, float psi);

}  // namespace tavo
