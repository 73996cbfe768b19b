#include "analysis/MomentiSuole.h"

#include "analysis/DivisioneControllata.h"

#include <cmath>

namespace tavo {
namespace {

bool LineareDM(const VariabiliPubbliche& v) { return v.Normativa != NormativaNTC2008; }

float PesoSuola(const VariabiliPubbliche& v) { return v.PesoSpecificoTavo * v.AltezzaFondazione; }

}  // namespace

void CalcolaMomentiSuole(const VariabiliPubbliche& v, float& MValle, float& MMonte) {
    const float x = v.LarghezzaFondazione - v.SbalzoFondazione - v.SpessoreBaseParete;
    float taglio = 0;
    MValle = MomentoSuolaValle(v, x, taglio);
    MMonte = MomentoSuolaMonte(v, v.PolZavorra, v.SbalzoFondazione, taglio);
}

float MomentoPressioniSuola(const VariabiliPubbliche& v, float x, float sa, float sb, float w,
                            float& V) {
    float M = 0;
    if (w <= 0) {  // no compressed zone (a resultant outside the base): no pressure
        V = 0;
        return 0;
    }
    if (w < x) {  // the compressed zone ends before the section
        if (LineareDM(v)) {
            V = sa * w / 2;
            M = V * (x - w / 3);
        } else {
            V = sa * w;
            M = V * (x - w / 2);
        }
    } else if (LineareDM(v)) {
        const float sx = sa - DivisioneControllata(x * (sa - sb), w, "MomentoPressioniSuola");
        M = x * x / 2 * (2.0f / 3 * sa + 1.0f / 3 * sx);
        V = x * (sa + sx) / 2;
    } else {
        M = sa * x * x / 2;
        V = sa * x;
    }
    return M;
}

float MomentoSuolaValle(const VariabiliPubbliche& v, float x, float& V) {
    const float g = PesoSuola(v);
    const float b = v.LarghezzaCompressa;
    const float B = v.LarghezzaFondazione;
    float M = -g * x * x / 2;
    V = -g * x;
    if (b < 0) {
        // Compressed zone against the heel edge: only what reaches under the toe.
        float c = x - (B - std::fabs(b));
        if (c < 0) c = 0;
        if (LineareDM(v)) {
            const float s = DivisioneControllata(v.SigmaMonte * c, std::fabs(b), "MomentoSuolaValle");
            M = M + s * c * c / 6;
            V = V + s * c / 2;
        } else {
            M = M + v.SigmaMonte * c * c / 2;
            V = V + v.SigmaMonte * c;
        }
    } else {
        const float sb = LineareDM(v) ? (b < B ? 0.0f : v.SigmaMonte) : v.SigmaValle;
        float Vp = 0;
        M = M + MomentoPressioniSuola(v, x, v.SigmaValle, sb, b, Vp);
        V = V + Vp;
    }
    return M;
}

float MomentoSuolaMonte(const VariabiliPubbliche& v, const Poligono& P, float x, float& V) {
    const float g = PesoSuola(v);
    const float b = v.LarghezzaCompressa;
    const float B = v.LarghezzaFondazione;
    const float W = static_cast<float>(v.PesoSpecificoTerreno * P.Area);
    float M = static_cast<float>(W * (P.xG - (v.SbalzoFondazione - x)));
    M = M + g * x * x / 2;
    V = W + g * x + v.ProfiloTerreno.TaglioSovraccarico();
    if (v.SigmaMonte <= 0) {
        // No pressure at the heel edge: only the part of a toe-side zone that reaches the heel.
        const float c = x - (B - b);
        if (c <= 0) return M;
        if (LineareDM(v)) {
            const float s = DivisioneControllata(v.SigmaValle * c, b, "MomentoSuolaMonte");
            M = M - s * c * c / 6;
            V = V - s * c / 2;
        } else {
            M = M - v.SigmaValle * c * c / 2;
            V = V - v.SigmaValle * c;
        }
        return M;
    }
    float Vp = 0;
    M = M - MomentoPressioniSuola(v, x, v.SigmaMonte, v.SigmaValle, std::fabs(b), Vp);
    V = V - Vp;
    return M;
}

}  // namespace tavo
