// The grid search around a site and the interpolation of its parameters,
// on small grid files written for each case.

#include "seismic/InterpolazioneSito.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavo {
namespace {

using test::Nodo;

NodiSito Cerca(const std::vector<NodoReticolo>& nodi, float lon, float lat) {
    std::istringstream in(test::Reticolo(nodi));
    NodiSito trovati{};
    EXPECT_EQ(CercaNodiReticolo(in, lon, lat, trovati), std::nullopt);
    return trovati;
}

std::array<std::int32_t, 4> Id(const NodiSito& n) { return {n[0].ID, n[1].ID, n[2].ID, n[3].ID}; }

TEST(CercaNodiReticolo, IlPiuVicinoDiOgniQuadranteEntroUnGrado) {
    // Site (12, 42). Node 5 lies 1.5 degrees north: beyond the bound of 1 degree.
    const auto n = Cerca({Nodo(1, 11.9f, 42.1f), Nodo(2, 11.95f, 42.05f), Nodo(3, 11.9f, 41.9f),
                          Nodo(4, 12.1f, 41.9f), Nodo(5, 12.05f, 43.5f)},
                         12.0f, 42.0f);
    EXPECT_EQ(Id(n), (std::array<std::int32_t, 4>{2, 3, 0, 4}));
}

TEST(CercaNodiReticolo, UnRecordSulSitoENordOvest) {
    EXPECT_EQ(Id(Cerca({Nodo(7, 12.0f, 42.0f)}, 12.0f, 42.0f)), (std::array<std::int32_t, 4>{7, 0, 0, 0}));
}

TEST(CercaNodiReticolo, ADistanzaUgualeRestaIlPrimoDelFile) {
    // Nodes 8 and 9 both lie in the north-east, at (0.125, 0.0625) and
    // (0.0625, 0.125) degrees from the site: exact binary fractions, so the
    // two distances are the same number. Either file order keeps the first.
    const NodoReticolo a = Nodo(8, 12.125f, 42.0625f), b = Nodo(9, 12.0625f, 42.125f);
    ASSERT_EQ(DistanzaNodo(12.0f, 42.0f, a), DistanzaNodo(12.0f, 42.0f, b));
    EXPECT_EQ(Cerca({a, b}, 12.0f, 42.0f)[NordEst].ID, 8);
    EXPECT_EQ(Cerca({b, a}, 12.0f, 42.0f)[NordEst].ID, 9);
    const auto m = Cerca({Nodo(9, 12.05f, 42.0f), Nodo(8, 12.05f, 42.0f)}, 12.0f, 42.0f);
    EXPECT_EQ(m[NordEst].ID, 9);
}

TEST(CercaNodiReticolo, SiFermaAlPrimoRecordAEstDellaFascia) {
    // Node 2 lies 0.25 degrees east, beyond lon + 0.2: it is considered, then
    // the scan stops, so the cut-short bytes after it are never read.
    std::istringstream in(test::Reticolo({Nodo(1, 11.9f, 42.0f), Nodo(2, 12.25f, 42.0f)}) + "xyz");
    NodiSito n{};
    EXPECT_EQ(CercaNodiReticolo(in, 12.0f, 42.0f, n), std::nullopt);
    EXPECT_EQ(Id(n), (std::array<std::int32_t, 4>{1, 0, 2, 0}));
}

TEST(CercaNodiReticolo, UnRecordTroncatoOGuastoFermaLaLettura) {
    NodiSito n{};
    std::istringstream troncato(test::Reticolo({Nodo(1, 11.9f, 42.0f)}) + std::string(50, '\0'));
    EXPECT_EQ(CercaNodiReticolo(troncato, 12.0f, 42.0f, n), "Record 2: dati troncati.");
    EXPECT_EQ(n[NordOvest].ID, 1);

    NodoReticolo guasto = Nodo(2, 11.95f, 42.0f);
    guasto.F0[3] = std::numeric_limits<float>::quiet_NaN();
    std::istringstream nan(test::Reticolo({Nodo(1, 11.9f, 42.0f), guasto}));
    EXPECT_EQ(CercaNodiReticolo(nan, 12.0f, 42.0f, n), "Record 2: valore non valido.");
}

// Values that no site can have would reach the spectrum's logarithms and
// divisions: the record is refused like a damaged one.
TEST(CercaNodiReticolo, UnNodoConValoriImpossibiliPerUnSitoFermaLaLettura) {
    struct Caso {
        const char* nome;
        void (*guasta)(NodoReticolo&);
    };
    const Caso casi[] = {
        {"ag negativo", [](NodoReticolo& r) { r.Ag[6] = -1.62f; }},
        {"ag nullo", [](NodoReticolo& r) { r.Ag[0] = 0; }},
        {"ag di 1e30 decimi di g", [](NodoReticolo& r) { r.Ag[8] = 1e30f; }},
        {"F0 nullo", [](NodoReticolo& r) { r.F0[2] = 0; }},
        {"Tc* negativo", [](NodoReticolo& r) { r.Tc[4] = -0.3f; }},
        {"Tc* di un miliardo di secondi", [](NodoReticolo& r) { r.Tc[4] = 1e9f; }},
        {"Tc* infinito", [](NodoReticolo& r) { r.Tc[0] = std::numeric_limits<float>::infinity(); }},
        {"latitudine fuori dal globo", [](NodoReticolo& r) { r.Latitudine = 1e30f; }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        NodoReticolo guasto = Nodo(2, 11.95f, 42.0f);
        c.guasta(guasto);
        std::istringstream in(test::Reticolo({Nodo(1, 11.9f, 42.0f), guasto}));
        NodiSito n{};
        EXPECT_EQ(CercaNodiReticolo(in, 12.0f, 42.0f, n), "Record 2: valore non valido.");
        EXPECT_EQ(n[NordOvest].ID, 1);
    }
    // The largest values a test node holds (node 12: ag up to 20 tenths) pass.
    EXPECT_EQ(Id(Cerca({Nodo(12, 11.95f, 42.0f)}, 12.0f, 42.0f)), (std::array<std::int32_t, 4>{12, 0, 0, 0}));
}

TEST(InterpolaParametriSito, SulNodoPrendeISuoiValori) {
    // Within 1e-5 degrees of node 3: its own 27 values, ag divided by 10.
    NodiSito n{};
    n[SudOvest] = Nodo(2, 11.9f, 41.9f);
    n[NordEst] = Nodo(3, 12.000005f, 42.0f);
    NTC s;
    InterpolaParametriSito(12.0f, 42.0f, n, s);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_FLOAT_EQ(s.AgTR[i], (3.0f + static_cast<float>(i)) / 10);
        EXPECT_FLOAT_EQ(s.F0TR[i], 2.03f);
        EXPECT_FLOAT_EQ(s.TcTR[i], 0.203f);
    }
}

TEST(InterpolaParametriSito, NellaCellaPesaConUnoSuD) {
    // Hand calculation, site (11.96, 42.03): d = 0.02236, 0.08062, 0.09220,
    // 0.12041 to nodes 1..4; weights 44.72, 12.40, 10.85, 8.30 (sum 76.27);
    // ag(i) = i + (44.72·1 + 12.40·2 + 10.85·3 + 8.30·4)/76.27 = i + 1.77365 tenths of g.
    const auto n = Cerca({Nodo(1, 11.95f, 42.05f), Nodo(2, 11.95f, 41.95f), Nodo(3, 12.05f, 42.05f),
                          Nodo(4, 12.05f, 41.95f)},
                         11.96f, 42.03f);
    ASSERT_EQ(NumeroNodi(n), 4);
    NTC s;
    InterpolaParametriSito(11.96f, 42.03f, n, s);
    EXPECT_NEAR(s.AgTR[0], 0.177365, 1e-5);
    EXPECT_NEAR(s.AgTR[6], 0.777365, 1e-5);
    EXPECT_NEAR(s.F0TR[0], 2.0177365, 1e-6);
    EXPECT_NEAR(s.TcTR[8], 0.2017737, 1e-6);
}

// The whole search of the window: when the nodes found are enough, and
// what the user is told when they are not.
class CercaSitoTest : public ::testing::Test {
protected:
    CercaSitoTest() : cartella(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

    FinestraSpettroNTC Finestra() { return FinestraSpettroNTC(modulo, cartella.percorso(), Separatori{}, disegni, {}); }

    test::CartellaDati cartella;
    test::RecordingMessagePort porta;
    test::DisegniRegistrati disegni;
    NTC modulo;
};

struct CasoCosta {
    const char* nome;
    float distanza;  // of the nearer of two nodes, west of the site
    bool dentro;
};

TEST_F(CercaSitoTest, PressoLaCostaDueNodiBastanoSoloEntro0_009Gradi) {
    for (const CasoCosta& caso : {CasoCosta{"0.005", 0.005f, true}, CasoCosta{"0.02", 0.02f, false}}) {
        SCOPED_TRACE(caso.nome);
        porta.svuota();
        disegni.chiamate.clear();
        cartella.scrive(NomeFileReticolo,
                        test::Reticolo({Nodo(1, 11.9f, 41.95f), Nodo(2, 12.0f - caso.distanza, 42.0f)}));
        modulo.AgTR.fill(9);
        auto f = Finestra();
        f.CercaSito(12.0f, 42.0f);
        if (caso.dentro) {
            EXPECT_TRUE(porta.testi().empty());
            EXPECT_GT(modulo.AgTR[0], 0.1f);
            EXPECT_LT(modulo.AgTR[0], 0.2f);
        } else {
            EXPECT_EQ(porta.testi(), std::vector<std::string>{"Sito esterno al reticolo"});
            EXPECT_EQ(modulo.AgTR, (std::array<float, 9>{}));
            EXPECT_EQ(f.c.GridNTC[6][0], "0.000");
        }
        EXPECT_EQ(disegni.chiamate,
                  (std::vector<std::string>{"nodi cancellati", "nodi", "mappa 12.000000 42.000000"}));
    }
}

TEST_F(CercaSitoTest, ConLongitudineOLatitudineZeroNonCercaNulla) {
    cartella.scrive(NomeFileReticolo, test::Reticolo({Nodo(1, 11.9f, 41.95f)}));
    modulo.AgTR.fill(9);
    auto f = Finestra();
    f.CercaSito(0, 42.0f);
    EXPECT_EQ(modulo.AgTR[0], 9);
    EXPECT_TRUE(disegni.chiamate.empty());
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(CercaSitoTest, UnFileDelReticoloMancanteOGuastoLoDiceEAzzeraLaTabella) {
    modulo.AgTR.fill(9);
    auto f = Finestra();
    f.CercaSito(12.0f, 42.0f);
    const std::string file = (cartella.percorso() / NomeFileReticolo).string();
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"File " + file + " non trovato "});
    EXPECT_EQ(modulo.AgTR, (std::array<float, 9>{}));

    porta.svuota();
    modulo.AgTR.fill(9);
    cartella.scrive(NomeFileReticolo, test::Reticolo({Nodo(1, 11.99f, 42.0f), Nodo(2, 12.01f, 42.0f)}).substr(0, 200));
    f.CercaSito(12.0f, 42.0f);
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Lettura incompleta del file " + file + "\r\nRecord 2: dati troncati."});
    EXPECT_EQ(modulo.AgTR, (std::array<float, 9>{}));
    EXPECT_EQ(NumeroNodi(f.Nodi), 0);

    // A grid damaged with absurd values: the same one message, and the
    // table keeps none of them.
    porta.svuota();
    modulo.AgTR.fill(9);
    NodoReticolo assurdo = test::NodoModerato(2, 12.01f, 42.0f);
    assurdo.Tc.fill(-1e30f);
    cartella.scrive(NomeFileReticolo, test::Reticolo({test::NodoModerato(1, 11.99f, 42.0f), assurdo}));
    f.CercaSito(12.0f, 42.0f);
    EXPECT_EQ(porta.testi(),
              std::vector<std::string>{"Lettura incompleta del file " + file + "\r\nRecord 2: valore non valido."});
    EXPECT_EQ(modulo.AgTR, (std::array<float, 9>{}));
}

}  // namespace
}  // namespace tavo
