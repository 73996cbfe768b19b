#pragma once
// Whether the results in the project state are those of the inputs in it:
// what every window that stays open (the drawing, the reinforcement report)
// compares before it shows anything. Whoever changes the inputs or the
// results advances the generation; a calculation that succeeds marks its
// results with the generation it ended at and the seismic coefficients it
// used.

#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

namespace tavo {

// The inputs or the results are about to change.
inline void NuovaGenerazione(VariabiliPubbliche& v) { ++v.Generazione; }

// A calculation on the inputs of `v` and the coefficients of `sisma` has
// just ended well.
inline void SegnaRisultati(VariabiliPubbliche& v, const NTC& sisma) {
    NuovaGenerazione(v);
    v.GenerazioneRisultati = v.Generazione;
    v.KhRisultati = sisma.KhNTC;
    v.KvRisultati = sisma.KvNTC;
}

// True while nothing has changed since the last successful calculation.
inline bool RisultatoAttuale(const VariabiliPubbliche& v, const NTC& sisma) {
    return v.GenerazioneRisultati != 0 && v.GenerazioneRisultati == v.Generazione &&
           v.KhRisultati == sisma.KhNTC && v.KvRisultati == sisma.KvNTC;
}

}  // namespace tavo
