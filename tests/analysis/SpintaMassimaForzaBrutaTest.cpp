// The thrust search held to an independent brute force on broken ground:
// the largest wedge on any ground (steep finite banks, dips, vertical steps,
// vertices on the search angles, surcharge strips), and the refusal of a
// ground too steep decided from the data: the thrust has no maximum exactly
// when the last side rises more steeply than φ − ψ with no point of the
// ground below the line through the back's foot at its slope.

#include "analysis/SpintaTerre.h"
#include "tests/analysis/CuneoForzaBruta.h"
#include "tests/analysis/MuroDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tavo {
namespace {

using test::AngoliFB;
using test::AngoliNTC;
using test::DatiMuro;
using test::DorsoFB;
using test::LatoTerreno;
using test::RadFB;

std::string TroppoRipido(bool sismica) {
    return std::string("Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto") +
           (sismica ? " ridotto dell'angolo sismico" : "") +
           ": la spinta cresce fino al cuneo di 2° senza raggiungere un massimo.";
}

const char* Nome(Paramento quale) { return quale == Paramento::Parete ? "parete" : "fondazione"; }

// What the search gave against the brute force.
struct Esito {
    bool ok = true;
    std::string difetto;     // empty when ok
    double P = 0, bruta = 0; // the search's thrust and the brute force's
    bool rifiutata = false, attesoRifiuto = false;
};

// Runs SpintaMassima on the wall and judges it: refused with the too-steep
// message exactly when the rule says there is no maximum; otherwise within
// 1e-4 (relative) of the brute force, never below it, and P, Pq those of the
// wedge it leaves in the state (within 1e-3 of P).
Esito Giudica(VariabiliPubbliche& v, Paramento quale, AngoliFB a) {
    // The values the search receives, in Singles.
    const float phi = static_cast<float>(a.phi), delta = static_cast<float>(a.delta),
                eps = static_cast<float>(a.eps), psi = static_cast<float>(a.psi),
                fattore = static_cast<float>(a.fattoreKv);
    a = {phi, delta, eps, psi, fattore};
    const DorsoFB dorso(v, quale);
    Esito e;
    e.attesoRifiuto = dorso.SenzaMassimo(a);
    std::ostringstream o;
    o.precision(9);
    float P = 0, Pq = -1;
    try {
        P = SpintaMassima(v, phi, delta, eps, psi, fattore, quale, Pq);
    } catch (const ErroreProfiloTroppoRipido& x) {
        e.rifiutata = true;
        if (!e.attesoRifiuto) {
            e.bruta = dorso.Massimo(a).P;
            o << "refused as too steep, but the thrust has a maximum: brute force " << e.bruta
              << " (last side " << dorso.PendenzaUltima() << "° against φ − ψ = " << a.phi - a.psi
              << "°)";
        } else if (x.what() != TroppoRipido(psi > 0)) {
            o << "refused with the text \"" << x.what() << "\"";
        }
        e.difetto = o.str();
        e.ok = e.difetto.empty();
        return e;
    } catch (const ErroreRicercaSpinta& x) {
        e.rifiutata = true;
        e.difetto = std::string("refused: ") + x.what();
        e.ok = false;
        return e;
    }
    e.P = P;
    if (e.attesoRifiuto) {
        o << "computed " << P << " though the thrust has no maximum (last side "
          << dorso.PendenzaUltima() << "° against φ − ψ = " << a.phi - a.psi << "°)";
        e.difetto = o.str();
        e.ok = false;
        return e;
    }
    const test::SpintaFB b = dorso.Massimo(a);
    e.bruta = b.P;
    const double tol = 1e-4 * b.P + 1e-6;
    if (P < b.P - tol)
        o << "thrust " << P << " below the brute force " << b.P << " (at " << b.theta << "°) by "
          << 100 * (b.P - P) / b.P << " %; ";
    if (P > b.P + tol) o << "thrust " << P << " above the brute force " << b.P << "; ";
    if (P > 0) {
        const Poligono& w = quale == Paramento::Parete ? v.PolCuneoParete : v.PolCuneoFondazione;
        const std::optional<test::SpintaFB> c = dorso.CuneoDelPoligono(w, a);
        if (!c)
            o << "the wedge left in the state is off the physical branch; ";
        else if (std::fabs(c->P - P) > 1e-3 * P || std::fabs(c->Pq - Pq) > 1e-3 * P)
            o << "P " << P << ", Pq " << Pq << " against its wedge's " << c->P << ", " << c->Pq
              << " (at " << c->theta << "°); ";
    } else if (Pq != 0) {
        o << "Pq " << Pq << " with no thrust; ";
    }
    e.difetto = o.str();
    e.ok = e.difetto.empty();
    return e;
}

float Scarpa(const DatiMuro& d, Paramento quale) {
    return quale == Paramento::Parete ? static_cast<float>(test::DegFB(std::atan(d.i / 100.0))) : 0.0f;
}

// ---- Broken ground ---------------------------------------------------------

// A combination: kh = 0 static; NTC 2008 otherwise; with the wedge's factors.
struct Combinazione {
    const char* nome;
    double kh, kv, gGS, gQ;
};

constexpr Combinazione Combinazioni[] = {
    {"statica", 0, 0, 1.1, 1.5},
    {"sismica kv+", 0.2, 0.1, 1, 1},
    {"sismica kv-", 0.2, -0.1, 1, 1},
};

struct CasoSpezzato {
    const char* nome;
    DatiMuro d;
    double phi = 30, delta = 20;
};

const float tan30 = static_cast<float>(std::tan(RadFB(30)));
const float tan40 = static_cast<float>(std::tan(RadFB(40)));

// In each case but the last the largest wedge lies at a kink or a jump of
// the thrust (the ray through a vertex of the ground or an end of a
// surcharge) that a scan in steps of 2°, refined in steps of 0.2°, misses in
// at least one combination; the last guards a battered stem with a backwall.
TEST(SpintaMassimaForzaBruta, BrokenGroundGivesTheLargestWedge) {
    const std::vector<CasoSpezzato> casi = {
        // The wall (NTC 2008, static overturning: φd = atan(tan 25.9° / 1.25));
        // its heel's thrust was 39.7 where the largest wedge gives 47.0.
        {"esempio: fosso, rilevato, piano",
         DatiMuro{.H = 3.04f, .h1 = 0, .h3 = 1.03f, .L2 = 5.87f,
                  .lati = {{7.85f, -3.05f, 32}, {4.46f, 2.73f, 43.5f}, {5.87f, 0, 2.5f}}},
         test::DegFB(std::atan(std::tan(RadFB(25.9)) / 1.25)), 9.9},
        // Banks steeper than φ: the peak at the angle through the bank top.
        {"argine a 60° poi piano", DatiMuro{.lati = {{8, 0, 0}, {0.8f, 0.8f * std::sqrt(3.0f), 0}, {20, 0, 10}}}},
        {"argine a 75° poi piano", DatiMuro{.lati = {{8, 0, 0}, {1.5f, 5.598f, 0}, {20, 0, 10}}}},
        // The ground falls to (6, 1) and rises to (6.5, 7): the heel's thrust
        // jumps at 33.69°, the angle from its foot (3, −1) through the dip.
        {"avvallamento", DatiMuro{.lati = {{6, -5, 0}, {0.5f, 6, 30}, {20, 0, 5}}}},
        {"gradino verticale in salita", DatiMuro{.H = 3, .lati = {{6, 0, 0}, {0, 5, 0}, {2, 0, 40}, {20, 0, 0}}}},
        {"gradino verticale in discesa", DatiMuro{.H = 9, .lati = {{6, 0, 0}, {0, -1, 0}, {2, 0, 40}, {20, 0, 0}}}},
        // A dip at (5, 5 tan 30°), on the search angle 30° from the stem's
        // foot (0, 0); one at (6, −1 + 3 tan 40°), on 40° from the heel's (3, −1).
        {"vertice sull'angolo di 30° dal piede della parete",
         DatiMuro{.lati = {{5, 5 * tan30 - 6, 0}, {0.5f, 9 - 5 * tan30, 0}, {20, 0, 5}}}},
        {"vertice sull'angolo di 40° dal piede della fondazione",
         DatiMuro{.lati = {{6, -1 + 3 * tan40 - 6, 0}, {0.5f, 9 - 3 * tan40, 0}, {20, 0, 5}}}},
        {"sovraccarico che inizia dentro il cuneo", DatiMuro{.lati = {{0.5f, 0, 0}, {3, 0, 150}, {20, 0, 0}}}},
        {"sovraccarico oltre il cuneo", DatiMuro{.lati = {{4, 0, 0}, {0.5f, 0, 150}, {20, 0, 0}}}},
        {"striscia stretta e forte oltre il tallone",
         DatiMuro{.H = 5, .lati = {{5, 0, 0}, {0.2f, 0, 1000}, {20, 0, 0}}}},
        {"parete inclinata, paraghiaia, profilo in cinque lati",
         DatiMuro{.H = 7, .h1 = 1.2f, .i = 10,
                  .lati = {{1.5f, 0.8f, 20}, {2.5f, -2, 0}, {0, 1.5f, 5}, {1, 1.7f, 30}, {25, 1, 0}}},
         32, 21},
    };
    for (const CasoSpezzato& c : casi) {
        for (const Combinazione& k : Combinazioni) {
            for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
                SCOPED_TRACE(std::string(c.nome) + ", " + k.nome + ", " + Nome(quale));
                VariabiliPubbliche v = test::CostruisceMuro(c.d);
                v.GammaCuneo = static_cast<float>(k.gGS);
                v.GammaSovraccarico = static_cast<float>(k.gQ);
                const Esito e = Giudica(v, quale, AngoliNTC(c.phi, c.delta, Scarpa(c.d, quale), k.kh, k.kv));
                EXPECT_TRUE(e.ok) << e.difetto;
            }
        }
    }
}

// ---- A ground too steep, decided from the data -----------------------------

// A side of run l rising at beta (degrees).
LatoTerreno Pendio(double l, double beta, float q) {
    return {static_cast<float>(l), static_cast<float>(l * std::tan(RadFB(beta))), q};
}

// Last sides rising just above and just below φ − ψ: refused exactly above
// it, computed (as the brute force) below it; never refused where there is a
// maximum: a ditch deeper than the foot ahead of a steep last side, or a
// soil without weight (surcharges alone).
TEST(SpintaMassimaForzaBruta, GroundTooSteepIsRefusedExactlyWithoutMaximum) {
    struct Caso {
        const char* nome;
        // The sides of a wall with H = 5 (stem foot (0, 0), heel foot
        // (3, −1)) whose last one rises at beta.
        std::vector<LatoTerreno> (*lati)(double beta);
        float gamma;
        bool rifiutaParete, rifiutaFondazione;  // with the last side above φ − ψ
    };
    const Caso casi[] = {
        {"piano poi pendio", [](double b) { return std::vector<LatoTerreno>{{3, 0, 10}, Pendio(20, b, 5)}; }, 18,
         true, true},
        // A ditch at x = 5, 2 m below the stem's foot and 1 m below the heel's.
        {"fosso piu' profondo del piede", [](double b) { return std::vector<LatoTerreno>{{5, -7, 0}, Pendio(20, b, 5)}; },
         18, false, false},
        // A point 0.3 m below the line at the last side's slope through the
        // stem's foot, and above the one through the heel's.
        {"fosso appena sotto la retta dal piede della parete",
         [](double b) {
             return std::vector<LatoTerreno>{{5, static_cast<float>(5 * std::tan(RadFB(b)) - 0.3 - 5), 10},
                                             Pendio(20, b, 5)};
         },
         18, false, true},
        {"terreno senza peso", [](double b) { return std::vector<LatoTerreno>{{3, 0, 10}, Pendio(20, b, 5)}; }, 0,
         false, false},
    };
    const double scarti[] = {-1.5, -1, -0.5, -0.05, 0.05, 0.5, 1, 1.5};
    for (const Caso& c : casi) {
        for (const Combinazione& k : Combinazioni) {
            for (double phi : {30.0, 29.7}) {
                const AngoliFB a = AngoliNTC(phi, 20, 0, k.kh, k.kv);
                for (double scarto : scarti) {
                    const DatiMuro d{.H = 5, .gamma = c.gamma, .lati = c.lati(a.phi - a.psi + scarto)};
                    for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
                        SCOPED_TRACE(std::string(c.nome) + ", " + k.nome + ", phi " + std::to_string(phi) +
                                     ", pendenza φ − ψ " + (scarto > 0 ? "+ " : "- ") +
                                     std::to_string(std::fabs(scarto)) + "°, " + Nome(quale));
                        VariabiliPubbliche v = test::CostruisceMuro(d);
                        v.GammaCuneo = static_cast<float>(k.gGS);
                        v.GammaSovraccarico = static_cast<float>(k.gQ);
                        const Esito e = Giudica(v, quale, a);
                        EXPECT_TRUE(e.ok) << e.difetto;
                        // The rule itself, as the table means it.
                        EXPECT_EQ(e.attesoRifiuto,
                                  scarto > 0 && (quale == Paramento::Parete ? c.rifiutaParete : c.rifiutaFondazione));
                    }
                }
            }
        }
    }
    // A ground that steepens away from the wall, its last side at 56.3°:
    // from the stem's foot the line at that slope passes above the point
    // (8, 10) (y = 12 there), so the flattest wedges end at the ray through
    // a vertex and the thrust is bounded; from the heel's foot (3, −1) every
    // point lies above it (6.5 < 10, 18.5 < 19, 30.5 < 31): no maximum.
    const DatiMuro ripido{.lati = {{8, 4, 0}, {8, 9, 10}, {8, 12, 0}}};
    for (const Combinazione& k : Combinazioni) {
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            SCOPED_TRACE(std::string("pendio che si fa piu' ripido, ") + k.nome + ", " + Nome(quale));
            VariabiliPubbliche v = test::CostruisceMuro(ripido);
            v.GammaCuneo = static_cast<float>(k.gGS);
            v.GammaSovraccarico = static_cast<float>(k.gQ);
            const Esito e = Giudica(v, quale, AngoliNTC(30, 20, 0, k.kh, k.kv));
            EXPECT_TRUE(e.ok) << e.difetto;
            EXPECT_EQ(e.attesoRifiuto, quale == Paramento::Fondazione);
        }
    }
}

// ---- A population of plausible walls ---------------------------------------

struct MuroCasuale {
    DatiMuro d;
    double phi, delta, kh, kv, gGS, gQ;
};

std::string Descrivi(const MuroCasuale& m, Paramento quale) {
    std::ostringstream o;
    o.precision(9);
    o << "DatiMuro{.H = " << m.d.H << ", .h1 = " << m.d.h1 << ", .i = " << m.d.i << ", .h3 = " << m.d.h3
      << ", .L2 = " << m.d.L2 << ", .gamma = " << m.d.gamma << ", .lati = {";
    for (const LatoTerreno& l : m.d.lati) o << "{" << l.dx << ", " << l.dy << ", " << l.q << "}, ";
    o << "}}, phi " << m.phi << ", delta " << m.delta << ", kh " << m.kh << ", kv " << m.kv << ", gGS "
      << m.gGS << ", gQ " << m.gQ << ", " << Nome(quale);
    return o.str();
}

MuroCasuale Estrae(std::mt19937& g) {
    std::uniform_real_distribution<double> u(0, 1);
    const auto tra = [&](double a, double b) { return static_cast<float>(a + (b - a) * u(g)); };
    for (;;) {
        MuroCasuale m{};
        DatiMuro& d = m.d;
        d.H = tra(1, 12);
        d.h1 = u(g) < 0.4 ? 0 : tra(0, 1.5);
        d.i = u(g) < 0.4 ? 0 : tra(0, 15);
        d.L2 = tra(0.5, 5);
        d.h3 = tra(0.4, 1.5);
        d.gamma = tra(16, 21);
        const int n = 1 + static_cast<int>(u(g) * 5);
        d.lati.clear();
        double x = -d.H * d.i / 100;
        for (int j = 1; j <= n; ++j) {
            LatoTerreno l{};
            if (j < n && u(g) < 0.15) {
                l.dx = 0;
                l.dy = tra(-3, 3);
                // A drop at the backwall top would fall into a battered stem.
                if (x <= 0) l.dy = std::fabs(l.dy);
            } else {
                l.dx = tra(0.5, 10);
                l.dy = static_cast<float>(l.dx * std::tan(RadFB(tra(-35, 60))));
            }
            l.q = u(g) < 0.4 ? 0 : tra(0, 50);
            x += l.dx;
            d.lati.push_back(l);
        }
        // The wall's closing point must lie beyond the last given point.
        if (x > 10 * (d.h1 + d.H + d.h3) - 1) continue;
        m.phi = tra(20, 40);
        m.delta = tra(0, 2 * m.phi / 3);
        m.gGS = u(g) < 0.5 ? 1 : 1.1;
        m.gQ = u(g) < 0.5 ? 1 : 1.5;
        if (u(g) < 0.5) {
            m.kh = tra(0, 0.3);
            m.kv = (u(g) < 0.5 ? 0.5 : -0.5) * m.kh;
            // Keep the search's 2° floor out of reach: φ − ψ ≥ 3°.
            if (m.phi - test::DegFB(std::atan(m.kh / (1 + m.kv))) < 3) continue;
        }
        return m;
    }
}

TEST(SpintaMassimaForzaBruta, PopulationOfPlausibleWallsAgreesWithTheBruteForce) {
    std::mt19937 g(20240522);
    int casi = 0, alMargine = 0, sotto = 0, sopra = 0, rifiutiErrati = 0, accettatiErrati = 0, altri = 0;
    double peggiore = 0;
    std::string primi;
    int mostrati = 0;
    for (int n = 0; n < 1000; ++n) {
        const MuroCasuale m = Estrae(g);
        for (Paramento quale : {Paramento::Parete, Paramento::Fondazione}) {
            VariabiliPubbliche v = test::CostruisceMuro(m.d);
            v.GammaCuneo = static_cast<float>(m.gGS);
            v.GammaSovraccarico = static_cast<float>(m.gQ);
            const AngoliFB a = AngoliNTC(m.phi, m.delta, Scarpa(m.d, quale), m.kh, m.kv);
            // Walls on the edge of the rule (a last side within 0.001° of
            // φ − ψ, a ground point within 1 mm of the line through the foot
            // at its slope) are left to the table above: rounding decides them.
            const DorsoFB dorso(v, quale);
            const double beta = dorso.PendenzaUltima();
            if (std::fabs(beta - (a.phi - a.psi)) < 1e-3 ||
                (beta > a.phi - a.psi && std::fabs(dorso.DistanzaDallaRetta(beta)) < 1e-3)) {
                ++alMargine;
                continue;
            }
            const Esito e = Giudica(v, quale, a);
            ++casi;
            if (e.ok) continue;
            if (e.rifiutata && !e.attesoRifiuto) ++rifiutiErrati;
            else if (!e.rifiutata && e.attesoRifiuto) ++accettatiErrati;
            else if (!e.rifiutata && e.P < e.bruta * (1 - 1e-4)) {
                ++sotto;
                peggiore = std::max(peggiore, (e.bruta - e.P) / e.bruta);
            } else if (!e.rifiutata && e.P > e.bruta * (1 + 1e-4)) ++sopra;
            else ++altri;
            if (mostrati++ < 12) primi += "\n  " + Descrivi(m, quale) + ":\n    " + e.difetto;
        }
    }
    EXPECT_EQ(sotto + sopra + rifiutiErrati + accettatiErrati + altri, 0)
        << "of " << casi << " searches (" << alMargine << " on the edge left out): " << sotto << " below the brute force (worst by "
        << 100 * peggiore << " %), " << sopra << " above it, " << rifiutiErrati
        << " refused with a maximum, " << accettatiErrati << " computed without one, " << altri
        << " other; the first:" << primi;
}

}  // namespace
}  // namespace tavo
