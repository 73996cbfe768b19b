#pragma once
// The seismic action chain of NTC 2008: from the reference period and the
// limit state to the return period, the site's ag, F0 and Tc* at that period,
// the soil and topographic amplification, amax, beta_m and the seismic
// coefficients kh and kv. Every routine works on the NTC state it is given.

#include "seismic/NTC.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavo {

// Called once per run, right after ag, F0 and Tc* at TR are known, so that
// the site window can show them; a run without a window passes none. The
// chain works on a copy until it has succeeded, so the hook reads the state
// it is given, not the caller's instance.
using MostraParametriTR = std::function<void(const NTC&)>;

// Runs the whole chain on `s`: TR, ag, F0, TcStar, Ss, Cc, St,
// CoefAmplificazione, Amax, BetaM, KhNTC and KvNTC are overwritten; the rest
// is input. Throws ErroreCalcolo (and leaves `s` untouched) when the limit
// state is out of range or a value of the chain is not finite.
void CalcolaAzioneSismica(NTC& s, const MostraParametriTR& mostra = {});

// Probability of exceedance in VR of a limit state (1..4); 0 for any other.
float ProbabilitaSuperamento(std::int16_t statoLimite);

// Return period -VR / ln(1 - P); 0 when no limit state is chosen (0).
// Throws ErroreCalcolo for a limit state outside 0..4, where P = 0.
float CalcolaPeriodoRitorno(float VR, std::int16_t statoLimite);

// Clamps s.TR into [30, 2475] and interpolates s.ag, s.F0 and s.TcStar
// between the two tabulated periods around it; F0 has a floor of 2.2.
// Then calls `mostra`, when given.
void InterpolaParametriTR(NTC& s, const MostraParametriTR& mostra = {});

// Log-log interpolation at TR between (TR1, y1) and (TR2, y2); 0 when y1 = 0.
float InterpolaLogLog(float y1, float y2, double TR, double TR1, double TR2);

// Soil factors SS (clamped by category) and CC from CategoriaSuolo, F0, ag
// and TcStar. A category outside 1..5 leaves both as they were; when CC is
// undefined (Tc* not positive) SS is stored and CC keeps its value.
void CalcolaSsCc(NTC& s);

// Clamps `valore` into [inferiore, superiore].
void LimitaValore(float& valore, float inferiore, float superiore);

// Topographic factor St from CategoriaTopografica and hSuH; a category
// outside 1..4 leaves it as it was.
void CalcolaSt(NTC& s);

// Sets BetaM from CategoriaSuolo and ag.
void CalcolaBetaM(NTC& s);

// Picks by ag (in g): `sopra02` above 0.2, `sopra01` above 0.1, `fino01` up
// to 0.1; each band includes its upper edge. Above 0.4 it first shows a
// message and still returns `sopra02`.
float SceltaPerAg(float ag, float sopra02, float sopra01, float fino01);

// Corner periods of the design spectrum: TC = Cc·Tc*, TB = TC/3,
// TD = 4·ag + 1.6, in seconds.
void PeriodiSpettro(const NTC& s, float& TB, float& TC, float& TD);

// "SLO", "SLD", "SLV", "SLC" for StatoLimite 1..4, else "".
std::string NomeStatoLimite(const NTC& s);

// The value with four decimals ("0.0000"), with the given decimal separator
// (the regional one in the windows), rounded half away from zero on the
// value's shortest decimal form. Throws ErroreCalcolo for a value that is
// not finite.
std::string FormatoNTC(float valore, char separatoreDecimale = '.');

}  // namespace tavo
