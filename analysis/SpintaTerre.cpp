#include "analysis/SpintaTerre.h"

#include "analysis/Intero16.h"
#include "geometry/PiGreco.h"
#include "geometry/Rette.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace tavo {

namespace {

constexpr const char* CresceFinoA2Gradi =
    "la spinta cresce fino al cuneo di 2° senza raggiungere un massimo.";

std::string TestoProfiloTroppoRipido(bool sismica) {
    return std::string(
               "Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto") +
           (sismica ? " ridotto dell'angolo sismico" : "") + ": " + CresceFinoA2Gradi;
}

// δ + ε + ψ at 90° or above: the closing wedges end at θ = φ + δ + ε − 90°,
// not below φ − ψ where the thrust falls to 0, and toward that angle the
// thrust grows without limit. The message names the angles of the sum.
std::string TestoPoligonoAperto(float eps, float psi) {
    const char* somma =
        eps != 0 && psi != 0
            ? "La somma dell'angolo di attrito terra-muro, dell'inclinazione del paramento e "
              "dell'angolo sismico"
        : eps != 0 ? "La somma dell'angolo di attrito terra-muro e dell'inclinazione del paramento"
        : psi != 0 ? "La somma dell'angolo di attrito terra-muro e dell'angolo sismico"
                   : "L'angolo di attrito terra-muro";
    return std::string(somma) +
           " raggiunge o supera 90°: il poligono delle forze del cuneo non si chiude e la spinta "
           "non ha un massimo.";
}

// φ + δ + ε below 0: the closing wedges end at θ = 90° + φ + δ + ε, below
// the vertical, and toward that angle the thrust grows without limit.
std::string TestoSommaNegativa(float eps) {
    return std::string(eps != 0 ? "La somma dell'angolo di attrito di progetto, dell'angolo di "
                                  "attrito terra-muro e dell'inclinazione del paramento"
                                : "La somma dell'angolo di attrito di progetto e dell'angolo di "
                                  "attrito terra-muro") +
           " è negativa: il poligono delle forze del cuneo non si chiude e la spinta non ha un "
           "massimo.";
}

// The thrust grows down to the flattest wedge that closes. On any ground,
// flat included, it does so when the friction angle, less the seismic angle,
// is not above 0: the message names that. Otherwise the ground is steeper
// than the friction angle allows.
[[noreturn]] void SenzaMassimo(const VariabiliPubbliche& v, float phi, float psi) {
    if (phi <= 0)
        throw ErroreRicercaSpinta(std::string("L'angolo di attrito di progetto è ") +
                                  (phi < 0 ? "negativo" : "nullo") + ": " + CresceFinoA2Gradi);
    if (psi >= phi)
        throw ErroreRicercaSpinta(
            std::string(v.Normativa == NormativaNTC2008
                            ? "Il coefficiente sismico orizzontale kh è troppo grande per "
                              "l'angolo di attrito di progetto"
                            : "Il grado di sismicità è troppo grande per l'angolo di attrito "
                              "interno") +
            ": l'angolo sismico lo raggiunge e " + CresceFinoA2Gradi);
    throw ErroreProfiloTroppoRipido(psi > 0);
}

double Radianti(float gradi) { return static_cast<double>(gradi) * PiGreco / 180; }

// Whether a crossing with the line of the last side lies upslope of every
// point of the profile, where the ground goes on at the last side's slope.
// Anywhere else the failure line meets no ground at all: behind the side's
// start, or, when the closing point of a low wall falls behind the last
// given point and the last side runs back toward the wall, anywhere short
// of that point.
bool OltreUltimoPunto(std::span<const double> x, int n, double xc) {
    return xc > std::max(x[n - 2], x[n - 1]);
}

// Vertex lists of the wedge being built, reused from wedge to wedge so that
// the wedge loop allocates nothing once they have grown to the longest wedge.
thread_local std::vector<float> xCuneo, yCuneo;
// The outline of a stretch of soil on the stem's face, see Berma.
thread_local std::vector<double> bermaX, bermaY;
thread_local Poligono pezzoBerma;

// A thrust evaluated during a search, kept so that the search can look again
// at the stretches of angle where a larger wedge may hide.
struct Campione {
    float theta, P;
};
// The angles of the two scans are at most 44 + 441; a ground point adds at
// most two.
constexpr std::size_t CampioniScansioni = 44 + 441 + 2;
thread_local std::vector<Campione> campioni;

// A back with its ground: the failure lines start at (x0, y0); the wedge is
// the `inizio` vertices xd, yd of the back, then the ground points from
// `primoPunto` to the crossed side's start, then the crossing, which is
// sought from side `primoLato` on. The top of the wedge is loaded from
// xInizio on. senzaTerreno: no soil touches the back (the ground lies at or
// below its foot), so every wedge is empty.
struct Dorso {
    double x0, y0;
    float xd[3], yd[3];
    int inizio;
    ProfTerra* profilo;
    int primoPunto;
    int primoLato;
    float xInizio;
    bool senzaTerreno;
    Poligono* cuneo;
    // Soil resting on a battered face above the place where the ground last
    // passes into it (a berm before a dip into the face): its area and the
    // surcharge on it, the same in every wedge, whose failure lines all pass
    // below it.
    double areaBerma = 0;
    float caricoBerma = 0;
};

// The soil on the stem's back before side `uscita`, where the ground comes
// out of the face for the last time: each stretch of ground on the soil side
// (lato < 0), from the top of the backwall or from where the ground comes out
// of the face to where it passes into it again, closed along the back (the
// face up to the seat corner (xb, yb), the backwall above it).
template <class Lato>
void Berma(Dorso& d, const Lato& lato, double xb, double yb, int uscita) {
    const ProfTerra& profilo = *d.profilo;
    const std::span<const double> x = profilo.CoordX(), y = profilo.CoordY();
    std::vector<double>& px = bermaX;
    std::vector<double>& py = bermaY;
    px.clear();
    py.clear();
    const auto aggiunge = [&](double xp, double yp) {
        px.push_back(xp);
        py.push_back(yp);
    };
    double area = 0, carico = 0;
    // A stretch is open while it has points.
    if (lato(x[0], y[0]) < 0) aggiunge(x[0], y[0]);
    for (int j = 1; j <= uscita - 1; ++j) {
        const double s0 = lato(x[j - 1], y[j - 1]), s1 = lato(x[j], y[j]);
        const bool dentro0 = px.empty(), dentro1 = !(s1 < 0);
        if (dentro0 && dentro1) continue;
        // The loaded run of the side: from where it comes out of the face,
        // to where it passes into it.
        double xi = x[j - 1], xf = x[j];
        if (dentro0 != dentro1) {
            const double t = s0 / (s0 - s1);
            const double xt = x[j - 1] + t * (x[j] - x[j - 1]);
            aggiunge(xt, y[j - 1] + t * (y[j] - y[j - 1]));
            (dentro0 ? xi : xf) = xt;
        }
        carico += profilo.qi(j) * (xf - xi);
        if (!dentro1) {
            aggiunge(x[j], y[j]);
            continue;
        }
        // Closed down the face, and up the backwall when it began on it.
        if (py.front() > yb && py.back() < yb) aggiunge(xb, yb);
        pezzoBerma.Coordinate(std::span<const double>(px), std::span<const double>(py),
                              static_cast<int>(px.size()));
        pezzoBerma.AreaCalcola();
        area += pezzoBerma.Area;
        px.clear();
        py.clear();
    }
    d.areaBerma = area;
    d.caricoBerma = static_cast<float>(carico);
}

// Where the soil's surface leaves the stem's back for good. The ground starts
// at the top of the backwall, but a ground that falls from there more
// steeply than a battered face passes into the stem and comes out through
// its face lower down: the soil touches the face only below that point, and
// the wedge starts there, never folding back over the concrete. A ground
// that comes out at or below the foot leaves no soil against the back.
void ContattoParete(Dorso& d) {
    const ProfTerra& profilo = *d.profilo;
    const double xa = d.xd[0], ya = d.yd[0];
    // The face's line, from the foot upward (the backwall's when the stem
    // has no height).
    double xb = d.xd[1], yb = d.yd[1];
    if (xb == xa && yb == ya) {
        xb = d.xd[2];
        yb = d.yd[2];
    }
    if (xb == xa && yb == ya) {
        d.senzaTerreno = true;
        return;
    }
    // Negative on the soil side, right of the face walked upward.
    const auto lato = [&](double x, double y) { return (xb - xa) * (y - ya) - (yb - ya) * (x - xa); };
    const double xMassimo = std::max({xa, xb, static_cast<double>(d.xd[2])});
    const std::span<const double> x = profilo.CoordX(), y = profilo.CoordY();
    int uscita = 0;  // the side through which the ground last comes out of the wall
    double xt = 0, yt = 0;
    for (int j = 1; j <= profilo.nVertici - 1 && x[j - 1] <= xMassimo; ++j) {
        const double s0 = lato(x[j - 1], y[j - 1]), s1 = lato(x[j], y[j]);
        if (!(s0 >= 0 && s1 < 0)) continue;
        const double t = s0 / (s0 - s1);
        uscita = j;
        xt = x[j - 1] + t * (x[j] - x[j - 1]);
        yt = y[j - 1] + t * (y[j] - y[j - 1]);
    }
    if (uscita == 0) return;
    Berma(d, lato, xb, yb, uscita);
    // Its place along the face: 0 at the foot, 1 at the seat.
    const double u = ((xt - xa) * (xb - xa) + (yt - ya) * (yb - ya)) /
                     ((xb - xa) * (xb - xa) + (yb - ya) * (yb - ya));
    if (u >= 1) return;  // out at the seat or above: the whole back is in contact
    if (u <= 0) {
        d.senzaTerreno = true;
        return;
    }
    d.xd[1] = static_cast<float>(xt);
    d.yd[1] = static_cast<float>(yt);
    d.inizio = 2;
    d.primoPunto = uscita + 1;
    d.primoLato = uscita;
    d.xInizio = d.xd[1];
}

Dorso DorsoParete(VariabiliPubbliche& v) {
    // Stem vertices 1, 2, 3; the ground from its point 2 (point 1 is vertex 3).
    const Poligono& parete = v.PolParete;
    Dorso d{parete.Xi(1), parete.Yi(1), {}, {}, 3,    &v.ProfiloTerreno,
            2,            1,            -std::numeric_limits<float>::infinity(),
            false,        &v.PolCuneoParete};
    for (int i = 0; i < 3; ++i) {
        d.xd[i] = static_cast<float>(parete.Xi(i + 1));
        d.yd[i] = static_cast<float>(parete.Yi(i + 1));
    }
    ContattoParete(d);
    return d;
}

Dorso DorsoFondazione(VariabiliPubbliche& v) {
    // Footing vertex 3 (heel end, bottom); the cut ground from its point 1.
    const double x0 = v.PolFondazione.Xi(3), y0 = v.PolFondazione.Yi(3);
    ProfTerra& profilo = v.ProfiloTerrenoFondazione;
    // The ground at the heel end at or below the foot: nothing touches the back.
    const bool senzaTerreno = profilo.nVertici < 1 || profilo.Yi(1) <= static_cast<float>(y0);
    return {x0,
            y0,
            {static_cast<float>(x0)},
            {static_cast<float>(y0)},
            1,
            &profilo,
            1,
            1,
            -std::numeric_limits<float>::infinity(),
            senzaTerreno,
            &v.PolCuneoFondazione};
}

// The wedge of a back that no soil touches: its foot alone, twice, so that
// the height of the back read from it is 0; nothing loaded.
void CuneoVuoto(const Dorso& d) {
    const float x[2] = {d.xd[0], d.xd[0]}, y[2] = {d.yd[0], d.yd[0]};
    d.cuneo->Coordinate(std::span<const float>(x), std::span<const float>(y), 2);
    ProfTerra& profilo = *d.profilo;
    profilo.xFinePrisma = profilo.nVertici > 0 ? profilo.Xi(1) : 0;
    profilo.SovraccaricoPrisma();
}

// Builds the wedge at theta into the back's polygon and the profile's prism;
// false when the failure line meets no ground: parallel to the last side,
// or crossing its line only behind its start.
bool CostruisceCuneo(float theta, const Dorso& d, float& Q) {
    ProfTerra& profilo = *d.profilo;
    const float t = static_cast<float>(Radianti(theta));
    double a = 0, b = 0, c = 0;
    RettaPuntoAngolo(d.x0, d.y0, 1, t, a, b, c);
    double xInt = 0, yInt = 0;
    int k = 0;
    if (!profilo.PrimoIncrocio(a, b, c, xInt, yInt, k, d.primoLato)) return false;
    const std::span<const double> xp = profilo.CoordX(), yp = profilo.CoordY();
    if (k == profilo.nVertici && !OltreUltimoPunto(xp, k, xInt)) return false;
    const float xc = static_cast<float>(xInt);
    const float yc = static_cast<float>(yInt);
    const int m = Intero16(static_cast<long>(k) + d.inizio + 2 - d.primoPunto, "CuneoSpinta");
    // Everything sized first for the longest wedge of this profile, so that
    // the buffers and the polygon's arrays keep that capacity.
    const int mMassimo = profilo.nVertici + d.inizio + 2 - d.primoPunto;
    xCuneo.reserve(static_cast<std::size_t>(mMassimo));
    yCuneo.reserve(static_cast<std::size_t>(mMassimo));
    campioni.reserve(CampioniScansioni + 2 * static_cast<std::size_t>(profilo.nVertici));
    d.cuneo->nVertici(mMassimo);
    xCuneo.resize(static_cast<std::size_t>(m));
    yCuneo.resize(static_cast<std::size_t>(m));
    int i = 0;
    for (; i < d.inizio; ++i) {
        xCuneo[i] = d.xd[i];
        yCuneo[i] = d.yd[i];
    }
    for (int j = d.primoPunto; j <= k; ++j, ++i) {
        xCuneo[i] = static_cast<float>(xp[j - 1]);
        yCuneo[i] = static_cast<float>(yp[j - 1]);
    }
    xCuneo[i] = xc;
    yCuneo[i] = yc;
    d.cuneo->Coordinate(std::span<const float>(xCuneo), std::span<const float>(yCuneo), m);
    profilo.xFinePrisma = xc;
    // Where the ground comes out of the face, only the ground beyond it is
    // loaded (the stretch inside the wall carries nothing), with the soil
    // resting on the face above.
    Q = std::isinf(d.xInizio) ? profilo.SovraccaricoPrisma()
                              : profilo.SovraccaricoPrisma(d.xInizio) + d.caricoBerma;
    return true;
}

// The angles of one search, with cos ψ, which every wedge divides by.
struct AngoliSpinta {
    float phi, delta, eps, psi, fattoreKv;
    double cosPsi;
    Dorso dorso;
};

AngoliSpinta Angoli(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                    float fattoreKv, Paramento quale) {
    return {phi,
            delta,
            eps,
            psi,
            fattoreKv,
            std::cos(Radianti(psi)),
            quale == Paramento::Parete ? DorsoParete(v) : DorsoFondazione(v)};
}

std::optional<float> Spinta(VariabiliPubbliche& v, float theta, const AngoliSpinta& g, float& Pq) {
    float Q = 0;
    if (g.dorso.senzaTerreno) {
        CuneoVuoto(g.dorso);
        Pq = 0;
        return 0.0f;
    }
    // The force polygon closes with a reaction and a thrust that press on
    // the wedge only where both factors of the thrust keep their sign. Below
    // φ + δ + ε − 90° both turn negative and the quotient grows without limit
    // toward that angle: no such wedge exists, and it is not built.
    const double seno = std::sin(Radianti(theta - g.phi + g.psi));
    const double coseno = std::cos(Radianti(theta - g.phi - (g.delta + g.eps)));
    if (seno < 0 || !(coseno > 0)) return std::nullopt;
    if (!CostruisceCuneo(theta, g.dorso, Q)) return std::nullopt;
    Poligono& W = *g.dorso.cuneo;
    // Only the area enters the thrust: the same triangle fan as the full
    // section properties, which the search computes for its result only.
    W.AreaCalcola();
    const double A = W.Area + g.dorso.areaBerma;
    // Factored vertical load of the wedge: soil weight and surcharge.
    const float V = static_cast<float>(static_cast<double>(v.PesoSpecificoTerreno) * A *
                                           static_cast<double>(v.GammaCuneo) +
                                       static_cast<double>(v.GammaSovraccarico * Q));
    float P = static_cast<float>(V * seno);
    P = static_cast<float>(P / g.cosPsi);
    P = static_cast<float>(P / coseno);
    if (!std::isfinite(P)) throw ErroreCalcolo("SpintaCuneo: spinta non finita");
    if (g.fattoreKv == 0)
        throw ErroreCalcolo("SpintaCuneo: fattore sismico verticale 1 + kv nullo");
    P = P * g.fattoreKv;
    // No soil weight and no surcharge on the wedge: no thrust.
    if (V == 0) {
        Pq = 0;
        return 0.0f;
    }
    Pq = P / V * Q * v.GammaSovraccarico;
    return P;
}

// The largest thrust of a scan and its angle.
struct Massimo {
    float P;
    float theta;
    // The thrust was still growing at the flattest angle evaluated.
    bool senzaMassimo;
};

// Evaluates theta0, theta0 − dTheta, ... (the angle decremented in single
// precision, as a descending pass does) while the angle is above 2°: all of
// the first `finestra` angles, then on while each thrust is a new largest.
// The largest thrust wins, the steeper angle on a tie. A largest thrust
// below a dip is never missed: a surcharge strip away from the wall gives
// the thrust a second, higher peak past the angle where the failure line
// reaches the strip. Angles whose failure line meets no ground, or whose
// force polygon does not close, are skipped.
// When no thrust is above 0 the angle is theta0 + dTheta.
Massimo Scansione(VariabiliPubbliche& v, const AngoliSpinta& g, float theta0, float dTheta,
                  int finestra, float& Pq) {
    Massimo m{0, theta0 + dTheta, false};
    float theta = theta0 + dTheta;
    float thetaUltimo = theta;  // the last angle that gave a closing wedge
    for (int n = 1; theta > 2; ++n) {
        theta = theta - dTheta;
        const std::optional<float> P = Spinta(v, theta, g, Pq);
        if (!P) continue;
        thetaUltimo = theta;
        campioni.push_back({theta, *P});
        if (*P > m.P) {
            m.P = *P;
            m.theta = theta;
        } else if (n > finestra) {
            return m;
        }
    }
    m.senzaMassimo = m.P > 0 && m.theta == thetaUltimo;
    return m;
}

// No wedge carries a load (no soil weight, no surcharge within reach): the
// thrust is 0, with the wedge of the steepest angle that gives one left in
// the state.
float SenzaSpinta(VariabiliPubbliche& v, const AngoliSpinta& g, float& Pq) {
    for (float theta = 88; theta > 2; theta = theta - 2) {
        if (Spinta(v, theta, g, Pq)) {
            Pq = 0;
            return 0;
        }
    }
    throw ErroreCalcolo("SpintaMassima: la retta di rottura non incontra il terreno");
}

// Whether the thrust of the search grows without limit: the last side of
// the ground, which goes on without end, rises more steeply than φ − ψ, the
// flattest angle at which a wedge still pushes, and the soil has weight.
// Failure lines turning parallel to that side then cross it ever further
// away, and the wedge, and its thrust, grow without bound; unless a point of
// the ground lies below the line from the foot at the side's slope (a ditch
// deeper than the foot), where those lines meet the ground first and the
// wedges stay finite.
// The slope of the last side of the ground (radians), which goes on without
// end: as the failure line turns parallel to it, the wedge grows without
// limit or, where a ground point stops it short, fast.
double PendenzaUltimoLato(const ProfTerra& profilo) {
    const int n = profilo.nVertici;
    const std::span<const double> x = profilo.CoordX(), y = profilo.CoordY();
    return std::atan2(y[n - 1] - y[n - 2], x[n - 1] - x[n - 2]);
}

bool SpintaIllimitata(const VariabiliPubbliche& v, const AngoliSpinta& g) {
    if (!(v.PesoSpecificoTerreno * v.GammaCuneo > 0)) return false;
    const Dorso& d = g.dorso;
    const ProfTerra& profilo = *d.profilo;
    const int n = profilo.nVertici;
    if (n < 2) return false;
    const std::span<const double> x = profilo.CoordX(), y = profilo.CoordY();
    const double beta = PendenzaUltimoLato(profilo);
    if (!(beta * 180 / PiGreco > static_cast<double>(g.phi - g.psi))) return false;
    const double c = std::cos(beta), s = std::sin(beta);
    // Above the line from the foot at the slope β: positive.
    const auto sopra = [&](double xp, double yp) { return (yp - d.y0) * c - (xp - d.x0) * s; };
    // The ground starts on the back (the stem's) or at the profile's first
    // point (the heel's, whose back is its foot alone).
    if (d.inizio > 1 && !(sopra(d.xd[d.inizio - 1], d.yd[d.inizio - 1]) > 0)) return false;
    for (int j = d.primoPunto; j <= n - 1; ++j)
        if (!(sopra(x[j - 1], y[j - 1]) > 0)) return false;
    return true;
}

// The factor of the wedge's load in its thrust, up to constants: it grows
// with the angle on the branch where wedges push, while the load itself
// never grows with it (a steeper failure line cuts a wedge that is part of a
// flatter one, and carries part of its surcharge). So between two angles
// a < b no wedge pushes harder than P(a) · F(b) / F(a).
double FattoreAngolo(const AngoliSpinta& g, float theta) {
    return std::sin(Radianti(theta - g.phi + g.psi)) /
           std::cos(Radianti(theta - g.phi - (g.delta + g.eps)));
}

// A larger wedge than the search's is looked for only when it would beat it
// by more than this share: below it the search's result stands.
constexpr double ScartoRilevante = 1e-4;
// A stretch of angle is searched down to this width.
constexpr float PassoMinimo = 0.01f;
// A ground point's angle is tried on the side where the failure line has
// passed the point and the wedge holds all the ground up to it: just below
// it, where a kink of the thrust peaks, and below it by more than the
// crossing's tolerance (at least this many degrees), where the thrust jumps
// up as the line passes a dip; where no line that flat meets the ground,
// just above it, where the wedge ends at the point.
constexpr double SottoIlVertice = 1e-4;

// The closest angle (degrees, single precision) whose failure line, built
// as a wedge builds it, lies below (verso −1) or above (+1) the angle
// `radianti`.
float AngoloAccanto(double radianti, int verso) {
    float theta = static_cast<float>(radianti * 180 / PiGreco);
    const float limite = verso < 0 ? -std::numeric_limits<float>::infinity()
                                   : std::numeric_limits<float>::infinity();
    const auto oltre = [&](float t) {
        const double r = static_cast<float>(Radianti(t));
        return verso < 0 ? r < radianti : r > radianti;
    };
    while (!oltre(theta)) theta = std::nextafter(theta, limite);
    return theta;
}

// The largest value of the parabola through three thrusts, the middle one
// not below the others.
double VerticeParabola(const Campione& a, const Campione& m, const Campione& b) {
    const double x1 = a.theta - m.theta, x2 = b.theta - m.theta;
    const double y1 = a.P - m.P, y2 = b.P - m.P;
    // y = p·x² + s·x through (0, 0), (x1, y1), (x2, y2).
    const double det = x1 * x2 * (x1 - x2);
    const double p = (y1 * x2 - y2 * x1) / det, s = (y2 * x1 * x1 - y1 * x2 * x2) / det;
    if (!(p < 0)) return std::max({a.P, m.P, b.P});
    return m.P - s * s / (4 * p);
}

struct Ricerca {
    VariabiliPubbliche& v;
    const AngoliSpinta& g;
    // Whether P(a)·F(b)/F(a) bounds the thrust between a and b: the thrust
    // a positive multiple of the load and F increasing.
    bool limitata;
    double soglia;      // a thrust must exceed it to count
    Campione migliore;
    float Pq = 0;

    std::optional<float> valuta(float theta) {
        const std::optional<float> P = Spinta(v, theta, g, Pq);
        if (P && *P > migliore.P && *P > soglia) migliore = {theta, *P};
        return P;
    }
    double limite() const { return std::max(soglia, static_cast<double>(migliore.P)); }
    // Whether a wedge between the angles of a and b may beat the best so far.
    bool puoVincere(const Campione* a, const Campione* b) const {
        if (!limitata || a == nullptr || b == nullptr) return true;
        const double fa = FattoreAngolo(g, a->theta);
        if (!(fa > 0)) return true;
        return static_cast<double>(a->P) * FattoreAngolo(g, b->theta) / fa > limite();
    }
    // Golden-section search of [a, b] down to PassoMinimo; angles without a
    // wedge count as no thrust.
    void affina(float a, float b) {
        constexpr double r = 0.6180339887498949;
        const auto P = [&](float t) {
            const std::optional<float> p = valuta(t);
            return p ? static_cast<double>(*p) : -1.0;
        };
        float c = static_cast<float>(b - r * (b - a)), e = static_cast<float>(a + r * (b - a));
        double Pc = P(c), Pe = P(e);
        while (b - a > PassoMinimo) {
            if (Pc >= Pe) {
                b = e;
                e = c;
                Pe = Pc;
                c = static_cast<float>(b - r * (b - a));
                Pc = P(c);
            } else {
                a = c;
                c = e;
                Pc = Pe;
                e = static_cast<float>(a + r * (b - a));
                Pe = P(e);
            }
        }
    }
};

// Where the thrust has a kink or a jump, at the angles of the failure lines
// through the ground's points, a peak may be narrower than the scans' steps,
// and a second peak may hide between two of their angles. The search's
// result (P0 at theta0, its samples in `campioni`) stands unless a wedge
// beats it by more than ScartoRilevante: the angle of every ground point on
// the branch where wedges push is tried, then every stretch around a local
// largest thrust that could still beat the best is searched. Only stretches
// whose bound allows a larger wedge are looked at, so that a single smooth
// peak costs a few wedges more. The angle and thrust of the result are
// returned.
Campione AltriMassimi(VariabiliPubbliche& v, const AngoliSpinta& g, float P0, float theta0) {
    const float thetaMinimo = std::max(2.0f, g.phi - g.psi);
    Ricerca r{v,
              g,
              g.fattoreKv > 0 && std::cos(Radianti(g.delta + g.eps + g.psi)) > 0,
              static_cast<double>(P0) * (1 + ScartoRilevante),
              {theta0, P0}};
    std::vector<Campione>& c = campioni;
    const auto perAngolo = [](const Campione& a, const Campione& b) { return a.theta < b.theta; };
    // Angles closer than this are one sample, the larger thrust kept: the fine
    // scan's angles, decremented in single precision, fall a few 1e-5° from
    // the first scan's, and a point's angle may fall as close to a sample;
    // which of two such twins is larger is rounding, and it must not decide
    // on which side of them a peak is searched.
    constexpr float Gemelli = 1e-3f;
    const auto fondeGemelli = [&] {
        std::size_t k = 0;
        for (std::size_t i = 1; i < c.size(); ++i) {
            if (c[i].theta - c[k].theta < Gemelli) {
                if (c[i].P > c[k].P) c[k] = c[i];
            } else {
                c[++k] = c[i];
            }
        }
        if (!c.empty()) c.resize(k + 1);
    };
    std::sort(c.begin(), c.end(), perAngolo);
    fondeGemelli();
    // The ground points' angles.
    const Dorso& d = g.dorso;
    const ProfTerra& profilo = *d.profilo;
    const std::span<const double> x = profilo.CoordX(), y = profilo.CoordY();
    // Whether the angle gives a wedge, now a sample, or its stretch cannot
    // beat the best.
    const auto prova = [&](float theta) {
        if (!(theta > thetaMinimo && theta <= 88)) return false;
        const auto dopo = std::upper_bound(c.begin(), c.end(), Campione{theta, 0}, perAngolo);
        const Campione* sopra = dopo == c.end() ? nullptr : &*dopo;
        const Campione* sotto = dopo == c.begin() ? nullptr : &*(dopo - 1);
        if ((sotto != nullptr && sotto->theta == theta) || !r.puoVincere(sotto, sopra))
            return true;
        const std::optional<float> P = r.valuta(theta);
        if (P) c.insert(dopo, Campione{theta, *P});
        return P.has_value();
    };
    for (int j = d.primoPunto; j <= profilo.nVertici - 1; ++j) {
        const double dx = x[j - 1] - d.x0, dy = y[j - 1] - d.y0;
        const double vertice = std::atan2(dy, dx);
        // A failure line that passes the point by less than the crossing's
        // tolerance still ends at it.
        const double scarto =
            std::max(SottoIlVertice, 4 * ZeroMaxDimen() / std::hypot(dx, dy) * 180 / PiGreco);
        const bool vicino = prova(AngoloAccanto(vertice, -1));
        const bool oltre = prova(static_cast<float>(vertice * 180 / PiGreco - scarto));
        if (!vicino && !oltre) prova(AngoloAccanto(vertice, 1));
    }
    fondeGemelli();
    // Every local largest thrust whose stretch, up to its neighbours, may
    // still hold a larger wedge; among the fine scan's close angles, only
    // where the parabola through the three thrusts rises above the best,
    // unless the stretch lies within 2° above the last side's slope, where
    // the wedge grows too fast for a parabola.
    const double beta =
        profilo.nVertici >= 2 ? PendenzaUltimoLato(profilo) * 180 / PiGreco : -90.0;
    const std::size_t n = c.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Campione* sotto = i > 0 ? &c[i - 1] : nullptr;
        const Campione* sopra = i + 1 < n ? &c[i + 1] : nullptr;
        if ((sotto != nullptr && sotto->P > c[i].P) || (sopra != nullptr && sopra->P > c[i].P))
            continue;
        const float a = sotto != nullptr ? sotto->theta : std::max(thetaMinimo, c[i].theta - 2);
        const float b = sopra != nullptr ? sopra->theta : std::min(88.0f, c[i].theta + 2);
        if (!r.puoVincere(sotto, &c[i]) && !r.puoVincere(&c[i], sopra)) continue;
        // Between the fine scan's close angles a smooth peak is told by the
        // parabola through the three thrusts.
        if (b - a <= 2 * 0.2f + PassoMinimo && sotto != nullptr && sopra != nullptr &&
            a - beta > 2 && !(VerticeParabola(*sotto, c[i], *sopra) > r.limite()))
            continue;
        r.affina(a, b);
    }
    return r.migliore;
}

}  // namespace

ErroreProfiloTroppoRipido::ErroreProfiloTroppoRipido(bool sismica)
    : ErroreRicercaSpinta(TestoProfiloTroppoRipido(sismica)) {}

std::optional<float> SpintaCuneo(VariabiliPubbliche& v, float theta, float phi, float delta,
                                 float eps, float psi, float fattoreKv, Paramento quale,
                                 float& Pq) {
    return Spinta(v, theta, Angoli(v, phi, delta, eps, psi, fattoreKv, quale), Pq);
}

float SpintaMassima(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                    float fattoreKv, Paramento quale, float& Pq) {
    if (v.PesoSpecificoTerreno < 0)
        throw ErroreRicercaSpinta(
            "Il peso specifico del terreno è negativo: la spinta delle terre non si può "
            "calcolare.");
    if (delta + eps + psi >= 90) throw ErroreRicercaSpinta(TestoPoligonoAperto(eps, psi));
    if (phi + delta + eps < 0) throw ErroreRicercaSpinta(TestoSommaNegativa(eps));
    const AngoliSpinta g = Angoli(v, phi, delta, eps, psi, fattoreKv, quale);
    if (g.dorso.senzaTerreno) {
        CuneoVuoto(g.dorso);
        Pq = 0;
        return 0;
    }
    if (SpintaIllimitata(v, g)) SenzaMassimo(v, phi, psi);
    // Where wedges still push below 2°, the flattest angle searched, a thrust
    // that grows down to it may have its largest value beyond reach.
    const bool oltre2Gradi = phi - psi < 2;
    campioni.clear();
    // Every angle from 88° down to 2° in steps of 2°.
    const Massimo grosso = Scansione(v, g, 88, 2, 44, Pq);
    if (grosso.senzaMassimo && oltre2Gradi) SenzaMassimo(v, phi, psi);
    float theta = 0;
    if (grosso.P <= 0) {
        // No angle of the scan reaches a load; without soil weight a
        // surcharge may still lie within reach of the wedges between two of
        // them, past a ground point.
        const Campione altro = AltriMassimi(v, g, 0, grosso.theta);
        if (!(altro.P > 0)) return SenzaSpinta(v, g, Pq);
        theta = altro.theta;
    } else {
        // Every angle from 2° above that one to 2° below it in steps of
        // 0.2°, and on downward while the thrust still grows.
        const Massimo fine = Scansione(v, g, grosso.theta + 2, 0.2f, 21, Pq);
        if (fine.senzaMassimo && oltre2Gradi) SenzaMassimo(v, phi, psi);
        theta = AltriMassimi(v, g, fine.P, fine.theta).theta;
    }
    const std::optional<float> P = Spinta(v, theta, g, Pq);
    if (!P) throw ErroreCalcolo("SpintaMassima: la retta di rottura non incontra il terreno");
    g.dorso.cuneo->CaratteristicheStatiche();
    return *P;
}

float SpintaMassimaSismica(VariabiliPubbliche& v, float phi, float delta, float eps, float psi,
                           float fattoreKv, Paramento quale, float P0) {
    if (psi == 0 && fattoreKv == 1) return P0;
    float Pq = 0;
    return SpintaMassima(v, phi, delta, eps, psi, fattoreKv, quale, Pq);
}

}  // namespace tavo
