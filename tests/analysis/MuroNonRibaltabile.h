#pragma once
// Low walls on wide footings under ground falling away from them: where soil
// touches the heel's back, the heel thrust's line passes below the toe, so the static earth thrust holds the
// wall back instead of overturning it. Applied on top of the hand-calculation
// abutment's inputs (no backwall, no deck, no surcharge, one side of 10 m).

#include "analysis/VariabiliPubbliche.h"

namespace tavo::test {

struct MuroBasso {
    float H, B, L2, dy;
    bool sisma = true;  // false: no seismic action (kh = kv = 0 under NTC 2008)
};

// Only the static combination cannot overturn; under NTC 2008 the seismic
// increment makes combinations 2 and 3 overturnable (factors about 30 and 28).
inline constexpr MuroBasso MuroRibaltabileSoloDalSisma{2, 6, 4, -6};
// Ground falling at 45°: at the heel end it lies 4 m below the footing's
// bottom, so no soil touches the heel's back and there is no thrust at all;
// without an earthquake nothing pushes the wall over: no combination can
// overturn. (With kh the inertia of the wall and of the soil on the heel
// does overturn it, if only just.)
inline constexpr MuroBasso MuroMaiRibaltabile{1, 8, 6, -10, false};

inline void CompilaMuroBasso(VariabiliPubbliche& v, const MuroBasso& m) {
    v.AltezzaParaghiaia = 0;
    v.AltezzaParete = m.H;
    v.LarghezzaFondazione = m.B;
    v.SbalzoFondazione = m.L2;
    v.nLatiTerreno = 1;
    v.dxProfilo.ridimensiona(1);
    v.dyProfilo.ridimensiona(1);
    v.qProfilo.ridimensiona(1);
    v.dxProfilo(1) = 10;
    v.dyProfilo(1) = m.dy;
    v.qProfilo(1) = 0;
    v.NImpalcato = 0;
    v.VImpalcato = 0;
}

}  // namespace tavo::test
