#pragma once
// An abutment computed by hand, independently of the calculation: its
// inputs, and every result of every combination from the closed forms.
//
// Section (m): backwall h1 = 1, s1 = 0.25; vertical stem H = 4, 0.75 wide;
// footing h3 = 1, heel L2 = 2.5, B = 4.5 (toe 1.25). Flat ground at the top
// of the backwall (y = 5), q = 10 kN/m² on both given sides; γt = 18,
// γm = 25; φ′ = 30°, δ = 20° (a case may change it), footing friction 30°.
// Deck: Ni = 100, Vi = 10, 0.25 behind the seat's front corner, i.e. at
// (−0.5, 4).
//
// By hand:
//   stem     area 0.75·4 + 0.25·1 = 3.25, centroid (−0.355769, 2.192308)
//            [x: (3·(−0.375) + 0.25·(−0.125))/3.25; y: (3·2 + 0.25·4.5)/3.25]
//   footing  area 4.5, centroid (0.25, −0.5); base midpoint (0.25, −1); toe O (−2, −1)
//   soil on the heel  2.5 × 5 = 12.5, weight 225, centroid (1.25, 2.5)
//   backs    stem x = 0 from y = 0 to 5 (h = 5); heel x = 2.5 from y = −1 to 5 (h = 6)
//   thrust   on a vertical back under flat ground with uniform q, every wedge
//            load ∝ cot θ, so the largest wedge thrust is
//            P = (γGS·γt·h²/2 + γQ·q·h)·K, K = Coulomb's Ka (ψ = 0) or
//            Mononobe–Okabe's KAE times (1 + kv); the surcharge share is γQ·q·h·Ka
//   lines    at h/3 (soil weight), h/2 (surcharge), h/3 NTC or 2h/3 DM
//            (seismic increment) above the foot of the back, inclined at δ
//   arms     overturning: the static components with their sign about the
//            toe, the seismic increment always overturning; soil pressure:
//            every component with its sign about the midpoint of the base
//            (with δ = 50° the soil-weight line passes below it); stem:
//            every component by its magnitude about the midpoint of its base
//   moments  r × F of every force about the moment point; the pressures and
//            the footing moments by integrating the pressure diagram.

#include "analysis/CoefficientiParziali.h"
#include "analysis/VariabiliPubbliche.h"
#include "seismic/NTC.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace tavo::test {

inline constexpr double PiAMano = 3.14159265358979;
inline double Rad(double g) { return g * PiAMano / 180; }
inline double Deg(double r) { return r * 180 / PiAMano; }

// The inputs, as the main window would hand them over.
inline constexpr float DeltaMuroAMano = 20;

inline void CompilaMuroAMano(VariabiliPubbliche& v, NTC& s, float delta = DeltaMuroAMano) {
    v.TitoloTavo = "Spalla calcolata a mano";
    v.AltezzaParaghiaia = 1;
    v.SpessoreParaghiaia = 0.25f;
    v.InclinazioneParete = 0;
    v.AltezzaParete = 4;
    v.SpessoreTestaParete = 0.75f;
    v.SpessoreBaseParete = 0.75f;
    v.AltezzaFondazione = 1;
    v.SbalzoFondazione = 2.5f;
    v.LarghezzaFondazione = 4.5f;
    v.AngoloAttritoInterno = 30;
    v.AngoloAttritoTerraTavo = delta;
    v.AngoloAttritoFondazione = 30;
    v.PesoSpecificoTerreno = 18;
    v.PesoSpecificoTavo = 25;
    v.GradoSismicita = 9;
    v.nLatiTerreno = 2;
    v.dxProfilo.ridimensiona(2);
    v.dyProfilo.ridimensiona(2);
    v.qProfilo.ridimensiona(2);
    for (int j = 1; j <= 2; ++j) {
        v.dxProfilo(j) = 10;
        v.qProfilo(j) = 10;
    }
    v.NImpalcato = 100;
    v.VImpalcato = 10;
    v.DistanzaImpalcato = 0.25f;
    if (v.Normativa == NormativaNTC2008) {
        s.KhNTC = 0.1f;
        s.KvNTC = 0.05f;
    }
}

// Coulomb's Ka for a vertical back under flat ground, force inclined at δ.
inline double KaCoulomb(double phi, double delta) {
    const double f = Rad(phi), d = Rad(delta);
    const double r = 1 + std::sqrt(std::sin(f + d) * std::sin(f) / std::cos(d));
    return std::cos(f) * std::cos(f) / (std::cos(d) * r * r);
}

// Mononobe–Okabe's KAE, same back and ground, seismic angle ψ.
inline double KaeMononobeOkabe(double phi, double delta, double psi) {
    const double f = Rad(phi), d = Rad(delta), p = Rad(psi);
    const double r = 1 + std::sqrt(std::sin(f + d) * std::sin(f - p) / std::cos(d + p));
    return std::cos(f - p) * std::cos(f - p) / (std::cos(p) * std::cos(d + p) * r * r);
}

// One load combination: partial factors (rows of the table) and seismic action.
struct CombinazioneAMano {
    std::array<double, 7> mr, scorr, portata, parete;  // γφ, γGS, γGZ, γGM, γQ, γNi, γVi
    double kh = 0;
    double kv = 0;  // with its sign, 0 when not applied
    bool ntc = true;
    bool sismica = false;
};

struct RisultatiAMano {
    double StR, SqR, SsR, SiR, MRib, MStab, FsR;
    double StS, SqS, SsS, SiS, TS, NS, FsS;
    double StP, SqP, SsP, SiP, MP, NP, TP;
    double StW, SqW, SsW, SiW, MW, NW, VW;
    double sigmaValle, sigmaMonte, bCompressa, mSuolaValle, mSuolaMonte;
};

namespace manuale {

constexpr double B = 4.5, L2 = 2.5, toe = 1.25, g = 25 * 1.0;  // footing weight per m²
constexpr double gt = 18, q = 10, Ni = 100, Vi = 10;
constexpr double xImp = -0.5, yImp = 4;
constexpr double Ww = 25 * 3.25, xGw = -1.15625 / 3.25, yGw = 7.125 / 3.25;
constexpr double Wf = 25 * 4.5, xGf = 0.25, yGf = -0.5;
constexpr double Wz = 225, xZ = 1.25, yZ = 2.5;

struct Componenti {
    double St, Sq, Ss;
};

// Thrust on a vertical back of height h, friction δ on the back; f the
// factors of the check.
inline Componenti Spinte(const std::array<double, 7>& f, const CombinazioneAMano& c, double h,
                         double delta) {
    const double phid = c.ntc ? Deg(std::atan(std::tan(Rad(30)) / f[0])) : 30;
    const double psi = !c.sismica ? 0 : Deg(std::atan(c.kh / (1 + c.kv)));
    const double A = f[1] * gt * h * h / 2 + f[4] * q * h;
    const double ka = KaCoulomb(phid, delta);
    const double P0 = A * ka, Sq = f[4] * q * h * ka;
    const double P1 = A * KaeMononobeOkabe(phid, delta, psi) * (1 + c.kv);
    return {P0 - Sq, Sq, P1 - P0};
}

// Area and centroid of a polygon by the shoelace formula (vertices in order).
struct Baricentro {
    double A = 0, x = 0, y = 0;
};

inline Baricentro Poligonale(const std::vector<std::pair<double, double>>& p) {
    double A = 0, Sx = 0, Sy = 0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const auto [x1, y1] = p[k];
        const auto [x2, y2] = p[(k + 1) % p.size()];
        const double c = x1 * y2 - x2 * y1;
        A += c / 2;
        Sx += (x1 + x2) * c / 6;
        Sy += (y1 + y2) * c / 6;
    }
    return {A, Sx / A, Sy / A};
}

// z-moment about (px, py) of a thrust P acting toward the toe and downward at
// δ, applied at (x, y): positive turns the wall toward the toe.
inline double MomentoSpinta(double P, double delta, double x, double y, double px, double py) {
    const double fx = -P * std::cos(Rad(delta)), fy = -P * std::sin(Rad(delta));
    return (x - px) * fy - (y - py) * fx;
}

// The pressure diagram at distance s from the toe edge.
inline std::function<double(double)> Diagramma(double sV, double sM, double b, bool ntc) {
    return [=](double s) {
        if (ntc) {
            if (b >= 0) return s <= b ? sV : 0.0;
            return s >= B + b ? sM : 0.0;
        }
        if (b >= B) return sV + (sM - sV) * s / B;
        if (b > 0) return s < b ? sV * (1 - s / b) : 0.0;
        return s > B + b ? sM * (1 - (B - s) / -b) : 0.0;
    };
}

// ∫ p(s)·|s − s0| ds over [a, c] by the midpoint rule.
inline double MomentoPressioni(const std::function<double(double)>& p, double a, double c, double s0) {
    const int n = 200000;
    const double ds = (c - a) / n;
    double m = 0;
    for (int i = 0; i < n; ++i) {
        const double s = a + (i + 0.5) * ds;
        m += p(s) * std::fabs(s - s0) * ds;
    }
    return m;
}

}  // namespace manuale

inline RisultatiAMano CalcolaAMano(const CombinazioneAMano& c, double delta = DeltaMuroAMano) {
    using namespace manuale;
    RisultatiAMano r{};
    const double fkv = 1 + c.kv;
    const double hF = 6, hW = 5;
    const double fs = c.ntc ? 1.0 / 3 : 2.0 / 3;  // seismic increment height ratio

    {  // Overturning about O = (−2, −1).
        const auto& f = c.mr;
        const Componenti s = Spinte(f, c, hF, delta);
        r.StR = s.St, r.SqR = s.Sq, r.SsR = s.Ss;
        r.SiR = c.kh * (f[3] * Ww + f[2] * Wz + f[3] * Wf);
        r.MRib = MomentoSpinta(s.St, delta, 2.5, -1 + hF / 3, -2, -1) +
                 MomentoSpinta(s.Sq, delta, 2.5, -1 + hF / 2, -2, -1) +
                 std::fabs(MomentoSpinta(s.Ss, delta, 2.5, -1 + hF * fs, -2, -1)) +
                 c.kh * (f[3] * Ww * (yGw + 1) + f[2] * Wz * (yZ + 1) + f[3] * Wf * (yGf + 1)) +
                 f[6] * Vi * (yImp + 1);
        r.MStab = fkv * (f[3] * Ww * (xGw + 2) + f[2] * Wz * (xZ + 2) + f[3] * Wf * (xGf + 2)) +
                  f[5] * Ni * (xImp + 2);
        r.FsR = r.MStab / r.MRib;
    }
    {  // Sliding on the base.
        const auto& f = c.scorr;
        const Componenti s = Spinte(f, c, hF, delta);
        r.StS = s.St, r.SqS = s.Sq, r.SsS = s.Ss;
        r.SiS = c.kh * (f[3] * Ww + f[2] * Wz + f[3] * Wf);
        const double S = s.St + s.Sq + s.Ss;
        r.NS = fkv * (f[3] * (Ww + Wf) + f[2] * Wz) + S * std::sin(Rad(delta)) + f[5] * Ni;
        r.TS = S * std::cos(Rad(delta)) + r.SiS + f[6] * Vi;
        const double phib = c.ntc ? std::atan(std::tan(Rad(30)) / f[0]) : Rad(30);
        r.FsS = r.NS * std::tan(phib) / r.TS;
    }
    {  // Soil pressure, about the base midpoint (0.25, −1).
        const auto& f = c.portata;
        const Componenti s = Spinte(f, c, hF, delta);
        r.StP = s.St, r.SqP = s.Sq, r.SsP = s.Ss;
        r.SiP = c.kh * (f[3] * Ww + f[2] * Wz + f[3] * Wf);
        const double xB = 0.25;
        r.MP = MomentoSpinta(s.St, delta, 2.5, -1 + hF / 3, xB, -1) +
               MomentoSpinta(s.Sq, delta, 2.5, -1 + hF / 2, xB, -1) +
               MomentoSpinta(s.Ss, delta, 2.5, -1 + hF * fs, xB, -1) +
               c.kh * (f[3] * Ww * (yGw + 1) + f[2] * Wz * (yZ + 1) + f[3] * Wf * (yGf + 1)) +
               f[6] * Vi * (yImp + 1) -
               fkv * (f[3] * Ww * (xGw - xB) + f[2] * Wz * (xZ - xB) + f[3] * Wf * (xGf - xB)) -
               f[5] * Ni * (xImp - xB);
        const double S = s.St + s.Sq + s.Ss;
        r.NP = fkv * (f[3] * (Ww + Wf) + f[2] * Wz) + S * std::sin(Rad(delta)) + f[5] * Ni;
        r.TP = S * std::cos(Rad(delta)) + r.SiP + f[6] * Vi;

        // Pressures: NTC uniform on B − 2|e|; DM linear.
        const double e = r.MP / r.NP;
        if (c.ntc) {
            const double b = B - 2 * std::fabs(e);
            r.sigmaValle = e >= 0 ? r.NP / b : 0;
            r.sigmaMonte = e >= 0 ? 0 : r.NP / b;
            r.bCompressa = e >= 0 ? b : -b;
        } else if (std::fabs(e) <= B / 6) {
            r.sigmaValle = (1 + 6 * e / B) * r.NP / B;
            r.sigmaMonte = (1 - 6 * e / B) * r.NP / B;
            r.bCompressa = B;
        } else {
            const double b = 3 * (B / 2 - std::fabs(e));
            r.sigmaValle = e >= 0 ? 2 * r.NP / b : 0;
            r.sigmaMonte = e >= 0 ? 0 : 2 * r.NP / b;
            r.bCompressa = e >= 0 ? b : -b;
        }
        // Cantilevers fixed at the stem faces, toe edge at s = 0: the pressures
        // push up, the footing (and on the heel the soil) weigh down, unfactored.
        const auto p = Diagramma(r.sigmaValle, r.sigmaMonte, r.bCompressa, c.ntc);
        r.mSuolaValle = MomentoPressioni(p, 0, toe, toe) - g * toe * toe / 2;
        r.mSuolaMonte = Wz * xZ + g * L2 * L2 / 2 - MomentoPressioni(p, B - L2, B, B - L2);
    }
    {  // Stem base, about its midpoint (−0.375, 0).
        const auto& f = c.parete;
        const Componenti s = Spinte(f, c, hW, delta);
        r.StW = s.St, r.SqW = s.Sq, r.SsW = s.Ss;
        const double W = f[3] * Ww, xb = -0.375;
        const double F = f[2] * Wz * c.kh;  // inertia of the soil on the heel, at its centroid
        r.SiW = c.kh * W + F;
        r.MW = std::fabs(MomentoSpinta(s.St, delta, 0, hW / 3, xb, 0)) +
               std::fabs(MomentoSpinta(s.Sq, delta, 0, hW / 2, xb, 0)) +
               std::fabs(MomentoSpinta(s.Ss, delta, 0, hW * fs, xb, 0)) - W * (xGw - xb) + c.kh * W * yGw +
               f[6] * Vi * yImp - f[5] * Ni * (xImp - xb) + F * yZ;
        const double S = s.St + s.Sq + s.Ss;
        r.NW = f[5] * Ni + fkv * W + S * std::sin(Rad(delta));
        r.VW = r.SiW + S * std::cos(Rad(delta)) + f[6] * Vi;
    }
    return r;
}

// The combinations of the abutment with the default tables.
inline std::array<CombinazioneAMano, 3> CombinazioniNTCAMano() {
    const std::array<double, 7> staticiParete{1.25, 1.1, 0.9, 0.9, 1.5, 0.9, 1.5};
    const std::array<double, 7> staticiFondazione{1.25, 1, 1, 1, 1.3, 1, 1.3};
    const std::array<double, 7> sismici{1.25, 1, 1, 1, 1, 1, 1};
    CombinazioneAMano statica{staticiParete, staticiFondazione, staticiFondazione, staticiParete, 0, 0, true, false};
    CombinazioneAMano kvPositivo{sismici, sismici, sismici, sismici, 0.1, 0.05, true, true};
    CombinazioneAMano kvNegativo = kvPositivo;
    kvNegativo.kv = -0.05;
    return {statica, kvPositivo, kvNegativo};
}

// DM 1996 with seismicity grade S = 9: kh = 0.07, no vertical coefficient.
inline CombinazioneAMano CombinazioneDMAMano() {
    const std::array<double, 7> uno{1, 1, 1, 1, 1, 1, 1};
    return {uno, uno, uno, uno, 0.07, 0, false, true};
}

}  // namespace tavo::test
