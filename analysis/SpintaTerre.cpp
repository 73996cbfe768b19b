#include "analysis/SpintaTerre.h"

#include "analysis/Intero16.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <cmath>
#include <string>

namespace tavo {

namespace {

std::string TestoProfiloTroppoRipido(bool sismica) {
    return std::string("Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto") +
           (sismica ? " ridotto dell'angolo sismico" : "") +
           ": la spinta cresce fino al cuneo di 2° senza raggiungere un massimo.";
}

double Radianti(float gradi) { return static_cast<double>(gradi) * PiGreco / 180; }

// Whether a crossing with the line of the last side lies beyond the last
// point: behind the side's start it would lie behind the back, where the
// failure line meets no ground at all.
bool OltreUltimoPunto(const ProfTerra& profilo, double xc, double yc) {
    const int n = profilo.nVertici;
    const double x0 = profilo.Xi(n - 1), y0 = profilo.Yi(n - 1);
    return (xc - x0) * (profilo.Xi(n) - x0) + (yc - y0) * (profilo.Yi(n) - y0) > 0;
}

// The wedge between a back and the ground, up to the crossing of the failure
// line through (x0, y0) at theta: `inizio` vertices of the back, then the
// ground points from `primoPunto` to the crossed side's start, then the
// crossing. Writes the polygon and the profile's prism; false when the line
// meets no side of the ground (see CuneoSpintaParete).
template <class Dorso>
bool CostruisceCuneo(float theta, double x0, double y0, ProfTerra& profilo, int primoPunto,
                     int inizio, Dorso verticeDorso, Poligono& cuneo, float& Q) {
    const float t = static_cast<float>(Radianti(theta));
    double a = 0, b = 0, c = 0;
    RettaPuntoAngolo(x0, y0, 1, t, a, b, c);
    double xInt = 0, yInt = 0;
    int k = 0;
    if (!profilo.PrimoIncrocio(a, b, c, xInt, yInt, k)) return false;
    if (k == profilo.nVertici && !OltreUltimoPunto(profilo, xInt, yInt)) return false;
    const float xc = static_cast<float>(xInt);
    const float yc = static_cast<float>(yInt);
    const int m = Intero16(static_cast<long>(k) + inizio + 2 - primoPunto, "CuneoSpinta");
    // Sized first for the longest wedge of this profile, so that the vertex
    // arrays keep that capacity and later wedges do not allocate.
    cuneo.nVertici(profilo.nVertici + inizio + 2 - primoPunto);
    cuneo.nVertici(m);
    int i = 1;
    for (; i <= inizio; ++i) {
        float xv = 0, yv = 0;
        verticeDorso(i, xv, yv);
        cuneo.Xi(i, xv);
        cuneo.Yi(i, yv);
    }
    for (int j = primoPunto; j <= k; ++j, ++i) {
        cuneo.Xi(i, profilo.Xi(j));
        cuneo.Yi(i, profilo.Yi(j));
    }
    cuneo.Xi(i, xc);
    cuneo.Yi(i, yc);
    profilo.xFinePrisma = xc;
    Q = profilo.SovraccaricoPrisma();
    return true;
}

}  // namespace

ErroreProfiloTroppoRipido::ErroreProfiloTroppoRipido(bool sismica)
    : ErroreCalcolo(TestoProfiloTroppoRipido(sismica)) {}

bool CuneoSpintaParete(VariabiliPubbliche& v, float theta, float& Q) {
    const Poligono& parete = v.PolParete;
    // Stem vertices 1, 2, 3; the ground from its point 2 (point 1 is vertex 3).
    return CostruisceCuneo(
        theta, parete.Xi(1), parete.Yi(1), v.ProfiloTerreno, 2, 3,
        [&](int i, float& x, float& y) {
            x = static_cast<float>(parete.Xi(i));
            y = static_cast<float>(parete.Yi(i));
        },
        v.PolCuneoParete, Q);
}

bool CuneoSpintaFondazione(VariabiliPubbliche& v, float theta, float& Q) {
    const Poligono& fondazione = v.PolFondazione;
    // Footing vertex 3 (heel end, bottom); the cut ground from its point 1.
    return CostruisceCuneo(
        theta, fondazione.Xi(3), fondazione.Yi(3), v.ProfiloTerrenoFondazione, 1, 1,
        [&](int, float& x, float& y) {
            x = static_cast<float>(fondazione.Xi(3));
            y = static_cast<float>(fondazione.Yi(3));
        },
        v.PolCuneoFondazione, Q);
}

std::optional<float> SpintaCuneo(VariabiliPubbliche& v, float theta, float phi, float delta,
                                 float eps, float psi, float fattoreKv, Paramento quale,
                                 float& Pq) {
    float Q = 0;
    const bool parete = quale == Paramento::Parete;
    if (!(parete ? CuneoSpintaParete(v, theta, Q) : CuneoSpintaFondazione(v, theta, Q)))
        return std::nullopt;
    Poligono& W = parete ? v.PolCuneoParete : v.PolCuneoFondazione;
    W.CaratteristicheStatiche();
    const double A = W.Area;
    // Factored vertical load of the wedge: soil weight and surcharge.
    const float V = static_cast<float>(static_cast<double>(v.PesoSpecificoTerreno) * A *
                                           static_cast<double>(v.GammaCuneo) +
                                       static_cast<double>(v.GammaSovraccarico * Q));
    float P = static_cast<float>(V * std::sin(Radianti(theta - phi + psi)));
    P = static_cast<float>(P / std::cos(Radianti(psi)));
    P = static_cast<float>(P / std::cos(Radianti(theta - phi - (delta + eps))));
    if (!std::isfinite(P)) throw ErroreCalcolo("SpintaCuneo: spinta non finita");
    if (fattoreKv == 0) throw ErroreCalcolo("SpintaCuneo: fattore sismico verticale 1 + kv nullo");
    P = P * fattoreKv;
    if (V == 0) throw ErroreCalcolo("SpintaCuneo: cuneo senza carico");
    Pq = P / V * Q * v.GammaSovraccarico;
    return P;
}

std::optional<float> CercaMassimoSpinta(VariabiliPubbliche& v, float phi, float delta, float eps,
                                        float psi, float fattoreKv, float& theta, float dTheta,
                                        Paramento quale, float& Pq) {
    theta = theta + dTheta;
    float precedente = 0;
    float thetaPrecedente = theta;  // angle of `precedente`
    bool saltato = false;           // the angle just before gave no wedge
    while (theta > 2) {
        theta = theta - dTheta;
        const std::optional<float> P = SpintaCuneo(v, theta, phi, delta, eps, psi, fattoreKv, quale, Pq);
        if (!P) {
            saltato = true;
            continue;
        }
        if (*P <= precedente) {
            theta = saltato ? thetaPrecedente : theta + dTheta;
            const std::optional<float> Pm =
                SpintaCuneo(v, theta, phi, delta, eps, psi, fattoreKv, quale, Pq);
            if (!Pm) throw ErroreCalcolo("CercaMassimoSpinta: la retta di rottura non incontra il terreno");
            return Pm;
        }
        precedente = *P;
        thetaPrecedente = theta;
        saltato = false;
    }
    return std::nullopt;
}

float SpintaMassima(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                    float fattoreKv, Paramento quale, float& Pq) {
    float dTheta = 2;
    // First pass over every angle from 88° down to 2°: the largest thrust,
    // the steeper angle on a tie; 2° above 88° when none is above 0.
    float theta = 88 + dTheta;
    float massimo = 0;
    float thetaMassimo = theta;
    float thetaUltimo = theta;
    while (theta > 2) {
        theta = theta - dTheta;
        const std::optional<float> P = SpintaCuneo(v, theta, phi, delta, eps, psi, fattoreKv, quale, Pq);
        if (!P) continue;
        thetaUltimo = theta;
        if (*P > massimo) {
            massimo = *P;
            thetaMassimo = theta;
        }
    }
    if (massimo > 0 && thetaMassimo == thetaUltimo) throw ErroreProfiloTroppoRipido(psi > 0);
    // Second pass in steps of 0.2° from 2° above that angle.
    theta = thetaMassimo + dTheta;
    dTheta = dTheta / 10;
    const std::optional<float> P =
        CercaMassimoSpinta(v, phi, delta, eps, psi, fattoreKv, theta, dTheta, quale, Pq);
    if (!P) throw ErroreProfiloTroppoRipido(psi > 0);
    return *P;
}

}  // namespace tavo
