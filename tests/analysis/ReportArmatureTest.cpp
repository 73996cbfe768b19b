// The reinforcement report: the blocks of the bundled abutment, one stem
// row against a hand calculation, the section loops, and its failures.

#include "analysis/CalcoloMain.h"
#include "analysis/ReportArmature.h"
#include "fileio/Separatori.h"
#include "tests/analysis/EquilibrioSezione.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavo {
namespace {

std::vector<std::string> Dividi(const std::string& testo, const std::string& separatore) {
    std::vector<std::string> parti;
    std::size_t inizio = 0;
    for (std::size_t p; (p = testo.find(separatore, inizio)) != std::string::npos; inizio = p + separatore.size())
        parti.push_back(testo.substr(inizio, p - inizio));
    parti.push_back(testo.substr(inizio));
    return parti;
}

// The lines of one block: from its title to the blank line that ends it.
struct Blocco {
    std::string titolo, intestazione;
    std::vector<std::vector<std::string>> righe;  // cells
};

std::vector<Blocco> Blocchi(const std::string& testo) {
    std::vector<Blocco> blocchi;
    const std::vector<std::string> linee = Dividi(testo, "\r\n");
    for (std::size_t i = 0; i < linee.size(); ++i) {
        if (linee[i] == "  ") continue;
        Blocco b{linee[i], linee.at(i + 1), {}};
        for (i += 2; i < linee.size() && linee[i] != "  "; ++i) b.righe.push_back(Dividi(linee[i], "\t"));
        blocchi.push_back(b);
    }
    return blocchi;
}

class ReportSpalla : public ::testing::Test {
protected:
    test::Progetto p = test::Spalla();
    test::RecordingFinestraPrincipale finestra;
    test::RecordingMessagePort porta;
    SeparatoriInstallati separatori{Separatori{U'.', U','}};
};

const char* const Intestazione1 = "d [m]\tM [kNm]\tN [kN]\tV [kN]\tAs [cm2]\tsig c [MPa]    tau c [MPa]";
const char* const Intestazione2 = "d [m]\tM [kNm]\tV [kN]\tAs [cm2]\tsig c [MPa]    tau c [MPa]";

TEST_F(ReportSpalla, ListsEveryBlockWithItsColumnsAndPutsTheInputsBack) {
    const VariabiliPubbliche prima = p.v;
    const std::optional<std::string> testo = ListaArmature(p.v, p.ntc, finestra);
    ASSERT_TRUE(testo);
    EXPECT_EQ(porta.conta(), 0u) << porta.testi().front();
    EXPECT_EQ(testo->find('\n', 0) , testo->find("\r\n") + 1);
    EXPECT_NE(testo->substr(testo->size() - 2), "\r\n");
    EXPECT_EQ(testo->find("nan"), std::string::npos);

    // Spacing 0.5: stem 5.5 m, backwall 1.8 m, toe 7 - 3.5 - 1.6 = 1.9 m, heel 3.5 m.
    struct Atteso {
        const char* titolo;
        const char* intestazione;
        std::vector<std::string> d;
        std::size_t celle;
    };
    const std::vector<Atteso> attesi{
        {"PARETE (d=distanza sezione da base paraghiaia)", Intestazione1,
         {"5.5", "5", "4.5", "4", "3.5", "3", "2.5", "2", "1.5", "1", "0.5"}, 7},
        {"PARAGHIAIA  (d=distanza sezione da sommità)", Intestazione1, {"1.8", "1.3", "0.8", "0.3"}, 7},
        {"SUOLA A VALLE (d=distanza sezione da filo parete. As positiva per armatura inferiore)", Intestazione2,
         {"0", "0.5", "1", "1.5"}, 6},
        {"SUOLA A MONTE (d=distanza sezione da filo parete. As positiva per armatura superiore)", Intestazione2,
         {"0", "0.5", "1", "1.5", "2", "2.5", "3"}, 6},
    };
    const std::vector<Blocco> blocchi = Blocchi(*testo);
    ASSERT_EQ(blocchi.size(), attesi.size());
    for (std::size_t b = 0; b < attesi.size(); ++b) {
        EXPECT_EQ(blocchi[b].titolo, attesi[b].titolo);
        EXPECT_EQ(blocchi[b].intestazione, attesi[b].intestazione);
        ASSERT_EQ(blocchi[b].righe.size(), attesi[b].d.size()) << attesi[b].titolo;
        for (std::size_t r = 0; r < attesi[b].d.size(); ++r) {
            const auto& celle = blocchi[b].righe[r];
            ASSERT_EQ(celle.size(), attesi[b].celle) << attesi[b].titolo << " row " << r;
            EXPECT_EQ(celle[0], attesi[b].d[r]);
            EXPECT_EQ(celle[celle.size() - 2].substr(0, 4), "    ");
            EXPECT_EQ(celle.back().substr(0, 7), "       ");
        }
    }

    // The stem inputs are back, and the derived state is that of the whole wall.
    EXPECT_EQ(p.v.AltezzaParete, prima.AltezzaParete);
    EXPECT_EQ(p.v.SpessoreBaseParete, prima.SpessoreBaseParete);
    EXPECT_EQ(p.v.AltezzaParaghiaia, prima.AltezzaParaghiaia);
    EXPECT_EQ(p.v.NImpalcato, prima.NImpalcato);
    test::Progetto intero = test::Spalla();
    ASSERT_TRUE(CalcoloMain(intero.v, intero.ntc, finestra));
    EXPECT_EQ(p.v.MParete(1), intero.v.MParete(1));
    EXPECT_EQ(p.v.PolParete.nVertici(), intero.v.PolParete.nVertici());
    EXPECT_EQ(p.v.PolParete.y(3), intero.v.PolParete.y(3));
}

// A stem or backwall section of the abutment by hand: above the section a
// vertical stem of thickness t and height hi with, on its back face, a
// backwall hb × tb; flat ground with q = 20 at the top (the governing wedge
// stays on the first 8 m side); the soil on the heel a 3.5 × (hi + hb)
// rectangle, its inertia at half height; the deck loads 0.6 m behind the
// front corner of the seat. Thrusts by Coulomb and Mononobe-Okabe
// (tests/analysis/MuroAMano.h), their lines at h/3 and h/2, moments about
// the midpoint of the section. Combinations 1 static, 2 and 3 seismic with
// kv > 0 and kv < 0: the largest moment governs.
struct Muretto {
    double hi, t, hb, tb;
    bool impalcato;
};

struct AzioniAMano {
    double M, N, V;
};

AzioniAMano CombinazioneAMano(const Muretto& m, double kh, double kv, bool sismica) {
    using test::Rad;
    const std::array<double, 7> f = sismica ? std::array<double, 7>{1.25, 1, 1, 1, 1, 1, 1}
                                            : std::array<double, 7>{1.25, 1.1, 0.9, 0.9, 1.5, 0.9, 1.5};
    const double gt = 19, gm = 25, q = 20, delta = 23.3;
    const double Ni = m.impalcato ? 350 : 0, Vi = m.impalcato ? 25 : 0;
    const double h = m.hi + m.hb, xb = -m.t / 2;
    const double phid = test::Deg(std::atan(std::tan(Rad(35)) / f[0]));
    const double psi = sismica ? test::Deg(std::atan(kh / (1 + kv))) : 0;
    const double A = f[1] * gt * h * h / 2 + f[4] * q * h;
    const double ka = test::KaCoulomb(phid, delta);
    const double P0 = A * ka, Sq = f[4] * q * h * ka, St = P0 - Sq;
    const double Ss = sismica ? A * test::KaeMononobeOkabe(phid, delta, psi) * (1 + kv) - P0 : 0;
    auto momento = [&](double P, double y) {  // toward the toe and down at δ, from (0, y)
        return P * (std::cos(Rad(delta)) * y - std::sin(Rad(delta)) * (0 - xb));
    };
    const double area = m.t * m.hi + m.tb * m.hb;
    const double xG = (m.t * m.hi * -m.t / 2 + m.tb * m.hb * -m.tb / 2) / area;
    const double yG = (m.t * m.hi * m.hi / 2 + m.tb * m.hb * (m.hi + m.hb / 2)) / area;
    const double W = f[3] * gm * area;
    const double F = f[2] * gt * 3.5 * h * kh;
    const double xImp = -m.t + 0.6, yImp = m.hi;
    const double S = St + Sq + Ss;
    AzioniAMano r;
    r.M = momento(St, h / 3) + momento(Sq, h / 2) + momento(Ss, h / 3) - W * (xG - xb) + kh * W * yG +
          f[6] * Vi * yImp - f[5] * Ni * (xImp - xb) + F * h / 2;
    r.N = f[5] * Ni + (1 + kv) * W + S * std::sin(Rad(delta));
    r.V = kh * W + F + S * std::cos(Rad(delta)) + f[6] * Vi;
    return r;
}

AzioniAMano GovernanteAMano(const Muretto& m) {
    AzioniAMano g = CombinazioneAMano(m, 0, 0, false);
    for (double kv : {0.0318, -0.0318}) {
        const AzioniAMano s = CombinazioneAMano(m, 0.0635, kv, true);
        if (s.M > g.M) g = s;
    }
    return g;
}

void ConfrontaAzioni(const AzioniSezione& a, const AzioniAMano& atteso) {
    // Relative 1e-4: the wedge search and the Single arithmetic stay inside it.
    EXPECT_NEAR(a.M, atteso.M, 1e-4 * std::fabs(atteso.M));
    EXPECT_NEAR(a.N, atteso.N, 1e-4 * std::fabs(atteso.N));
    EXPECT_NEAR(a.V, atteso.V, 1e-4 * std::fabs(atteso.V));
}

// Mean shear stress V / (b · 0.9 d).
double TauAMano(const AzioniSezione& a, double H) { return a.V * 1e3 / (1000 * 0.9 * (H - 40)); }

TEST_F(ReportSpalla, StemRowMatchesTheHandCalculation) {
    SezioneCaRettangolare sez = SezioneDelReport(p.v);
    const AzioniSezione a = CalcolaAzioniParete(p.v, p.ntc, sez, 2.5f);
    ConfrontaAzioni(a, GovernanteAMano({2.5, 1.6, 1.8, 0.3, true}));
    // The 1600 mm section with its resultant well inside needs no steel;
    // the concrete stress is that of the cracked section without steel in
    // equilibrium with M and N.
    EXPECT_EQ(a.Ast, 0);
    const auto stato = test::risolviEquilibrio({1000, 1600, 40, 0, 0, 15, a.M * 1e6, a.N * 1e3});
    ASSERT_TRUE(stato);
    EXPECT_NEAR(a.SigmaC, stato->sigmaC, 1e-4 * stato->sigmaC);
    EXPECT_NEAR(a.TauC, TauAMano(a, 1600), 1e-4 * a.TauC);
    EXPECT_EQ(p.v.AltezzaParete, 5.5f);
    EXPECT_EQ(p.v.SpessoreBaseParete, 1.6f);
}

TEST_F(ReportSpalla, BackwallRowMatchesTheHandCalculation) {
    SezioneCaRettangolare sez = SezioneDelReport(p.v);
    const std::string riga = ListaParaghiaia(p.v, p.ntc, sez, 1.8f);
    const AzioniAMano atteso = GovernanteAMano({1.8, 0.3, 0, 0, false});
    // Steel of the 300 mm section (cover 40, n = 15, fyd = 391.3) from the
    // equilibrium of the cracked section: the area at which the steel
    // reaches fyd, by bisection.
    auto sigmaS = [&](double As) {
        return test::risolviEquilibrio({1000, 300, 40, As, 0, 15, atteso.M * 1e6, atteso.N * 1e3})->sigmaS;
    };
    double lo = 1, alto = 1e5;
    for (int i = 0; i < 200; ++i) (sigmaS((lo + alto) / 2) > 391.3 ? lo : alto) = (lo + alto) / 2;
    const std::vector<std::string> celle = Dividi(riga.substr(2), "\t");
    ASSERT_EQ(celle.size(), 7u);
    EXPECT_EQ(celle[0], "1.8");
    EXPECT_NEAR(std::stod(celle[1]), atteso.M, 5e-4 * atteso.M);  // four significant digits
    EXPECT_NEAR(std::stod(celle[2]), atteso.N, 5e-4 * atteso.N);
    EXPECT_NEAR(std::stod(celle[3]), atteso.V, 5e-4 * atteso.V);
    ASSERT_GT(lo, 100);
    EXPECT_NEAR(std::stod(celle[4]), lo / 100, 0.006);  // two decimals
    EXPECT_EQ(p.v.AltezzaParaghiaia, 1.8f);
    EXPECT_EQ(p.v.NImpalcato, 350.0f);
}

}  // namespace
}  // namespace tavo
