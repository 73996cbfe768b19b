#pragma once
// The listing of the results in the main window's result boxes, and the
// defaults of the reinforcement settings.
//
// Every value is shown as FormattaValore gives it (four significant digits,
// "0" for |value| <= 0.001). Combinations are numbered 1..3 (1 static,
// 2 seismic with kv > 0, 3 seismic with kv < 0); another number throws
// std::out_of_range before any box is written.

#include "analysis/FinestraPrincipalePort.h"
#include "analysis/VariabiliPubbliche.h"

#include <string>

namespace tavo {

// The overturning group with combination kMR (boxes 0, 3, 17, 4, 9, 13, 14
// of txtMNfondazione, the colour of box 4, label 0), the sliding group with
// kS (boxes 5, 10, 15, the colour of box 5, txtScorr 0..3, label 1) and the
// soil-pressure group with kP (boxes 1, 2, 16, the pressures 6 and 7, the
// compressed percentage 8, the footing moments 11 and 12, txtScorr 4..7,
// label 2). The pressures, the percentage and the footing moments are those
// of the governing soil-pressure combination, whatever kP is; when its
// resultant falls outside the base ("Equilibrio violato !!") there is no
// pressure to show: the pressures and the percentage read
// TestoEquilibrioViolato, in red, as a failed check.
inline constexpr const char* TestoEquilibrioViolato = "violato";
void ScriveRisultatiStabilita(const VariabiliPubbliche& v, FinestraPrincipalePort& finestra, int kMR, int kS,
                              int kP);

// The stem-base actions of combination kW (txtMNparete 0..6) and label 3.
void ScriveRisultatiParete(const VariabiliPubbliche& v, FinestraPrincipalePort& finestra, int kW);

// The overturning safety factor of combination k as the main window, the
// listing and the drawing's results block all show it: the factor as
// FormattaValore writes it, or TestoNonRibaltabile when the combination
// cannot overturn (Ribaltabile false); such a box is black, not coloured by
// its negative factor.
inline constexpr const char* TestoNonRibaltabile = "non ribaltabile";
std::string TestoSicurezzaRibaltamento(const VariabiliPubbliche& v, int k);

// The sliding safety factor of combination k, shown alike in every place:
// the factor, or TestoNonScorrevole when the combination cannot slide
// (Scorrevole false), in black.
inline constexpr const char* TestoNonScorrevole = "non scorrevole";
std::string TestoSicurezzaScorrimento(const VariabiliPubbliche& v, int k);

// Colours a safety factor: red when it is below the limit in force (the
// given limit under DM 1996, 1 under NTC 2008), black when it reaches it.
// A negative factor of a combination that can overturn means that the
// weights themselves overturn the wall (or, in sliding, that the base is in
// tension): it is shown red as well.
void ColoreVerifica(FinestraPrincipalePort& finestra, CasellaRisultato casella, int indice, float Fs,
                    float limite, std::int16_t normativa);

// Replaces each reinforcement setting that is not greater than 0 (zero,
// negative, or not a number) by its default: DistanzaSezioni 1 m, Copriferro
// 3 cm, CoeffOmogeneizzazione 15, and under DM 1996 SigmaAcciaioAmm 255 N/mm²,
// under NTC 2008 fyd 391 N/mm² (the other of the two keeps its value).
void DefaultMateriali(VariabiliPubbliche& v);

}  // namespace tavo
