// The drawing of the computed wall, read back from the recording targets:
// the CAD connection (one entity per primitive, in order), the DXF file and
// the recording screen surface.

#include "walldrawing/DisegnoTavo.h"

#include "analysis/CoefficientiParziali.h"
#include "analysis/VerificaParete.h"
#include "analysis/VerificheStabilita.h"
#include "drawing/Cad.h"
#include "fileio/NumeriRegionali.h"
#include "fileio/Separatori.h"
#include "geometry/Rette.h"
#include "tests/support/RecordingCad.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"
#include "tests/walldrawing/EsempioCalcolato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace tavo {
namespace {

using test::EntitaRegistrata;
using test::Progetto;

// The entities the CAD program receives for the drawing of `p`.
std::vector<EntitaRegistrata> SuCad(const Progetto& p) {
    test::RecordingMessagePort messaggi;  // the fonts of the text styles may be missing
    test::ConnettoreRegistrato connettore;
    Grafica g;
    g.Connettore = &connettore;
    EXPECT_TRUE(AvviaCad(g));
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::DWG);
    std::vector<EntitaRegistrata> e;
    for (const auto& x : connettore.app->documento->modello->entita) e.push_back(*x);
    return e;
}

// The bytes of the DXF file of the drawing of `p`.
std::string InDxf(const Progetto& p) {
    Grafica g;
    ApreDxf(g, "disegno.dxf");
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::DXF);
    return g.Dxf->contenuto();
}

std::vector<EntitaRegistrata> DiTipo(const std::vector<EntitaRegistrata>& e, const std::string& tipo,
                                     long colore = -1) {
    std::vector<EntitaRegistrata> r;
    for (const auto& x : e)
        if (x.tipo == tipo && (colore < 0 || x.colore == colore)) r.push_back(x);
    return r;
}

std::vector<std::string> Testi(const std::vector<EntitaRegistrata>& e) {
    std::vector<std::string> t;
    for (const auto& x : DiTipo(e, "TEXT")) t.push_back(x.testo);
    return t;
}

// The lines of text as a DXF file holds them: a Greek letter piece joined
// with the piece that follows it.
std::vector<std::string> RigheDiTesto(const std::vector<EntitaRegistrata>& e) {
    const std::vector<std::string> t = Testi(e);
    std::vector<std::string> righe;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if ((t[i] == "j" || t[i] == "d" || t[i] == "g" || t[i] == "s") && i + 1 < t.size()) {
            righe.push_back(t[i] + t[i + 1]);
            ++i;
        } else
            righe.push_back(t[i]);
    }
    return righe;
}

bool TuttiFiniti(const std::vector<EntitaRegistrata>& e) {
    for (const auto& x : e)
        for (double c : x.coordinate)
            if (!std::isfinite(c)) return false;
    return true;
}

// Each arrowhead is one solid.
std::size_t Frecce(const std::vector<EntitaRegistrata>& e, long colore = -1) {
    return DiTipo(e, "SOLID", colore).size();
}

Progetto Modificato(const Progetto& p, const std::function<void(Progetto&)>& modifica) {
    Progetto q = p;
    modifica(q);
    return q;
}

// ---- Forces -----------------------------------------------------------------

struct CasoFrecceParete {
    const char* nome;
    std::function<void(Progetto&)> modifica;
    std::size_t frecce;  // arrowheads in the stem's colour
};

class FrecceParete : public ::testing::TestWithParam<CasoFrecceParete> {};

// The stem's thrusts are drawn in colour 1 (red), the heel's and every
// other force in colour 5 (blue).
TEST_P(FrecceParete, NumeroDiFrecceSullaParete) {
    const Progetto p = Modificato(test::SpallaCalcolata(), GetParam().modifica);
    EXPECT_EQ(Frecce(SuCad(p), 1), GetParam().frecce);
}

INSTANTIATE_TEST_SUITE_P(
    PerNormativa, FrecceParete,
    ::testing::Values(
        // NTC 2008: static and seismic thrust as one arrow, and the surcharge's.
        CasoFrecceParete{"NTC", [](Progetto&) {}, 2},
        // DM 1996: static, seismic and surcharge thrust each on its line.
        CasoFrecceParete{"DM", [](Progetto& p) { p.v.Normativa = NormativaDM1996; }, 3},
        // A zero seismic thrust draws no arrow.
        CasoFrecceParete{"DMSenzaSisma",
                         [](Progetto& p) {
                             p.v.Normativa = NormativaDM1996;
                             p.v.SsParete(p.v.CombGravosaParete) = 0;
                         },
                         2},
        // NTC 2008 with no static thrust: the combined arrow has no length
        // to scale from and is left out; nothing non-finite is drawn.
        CasoFrecceParete{"NTCSenzaSpintaStatica",
                         [](Progetto& p) { p.v.StParete(p.v.CombGravosaParete) = 0; }, 1},
        // A surcharge thrust of 0.0005 is above the threshold (208.8 / 1e6)
        // but its label reads 0: an arrow labelled 0 is not drawn.
        CasoFrecceParete{"NTCSovraccaricoScrittoZero",
                         [](Progetto& p) { p.v.SqParete(p.v.CombGravosaParete) = 0.0005f; }, 1}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(DisegnoTavo, LaFrecciaNTCSommaLeDueSpinteSullaRettaStatica) {
    const Progetto& p = test::SpallaCalcolata();
    const VariabiliPubbliche& v = p.v;
    const int w = v.CombGravosaParete;
    const auto testi = Testi(SuCad(p));
    const std::string somma = FormattaValore(v.StParete(w) + v.SsParete(w));
    EXPECT_NE(std::find(testi.begin(), testi.end(), somma), testi.end()) << somma;
    EXPECT_EQ(std::find(testi.begin(), testi.end(), FormattaValore(v.StParete(w))), testi.end());
}

TEST(DisegnoTavo, NessunaFrecciaPerUnaForzaNulla) {
    const Progetto& p = test::SpallaCalcolata();
    const std::size_t tutte = Frecce(SuCad(p));
    // The horizontal deck force of 0 is not above the threshold.
    EXPECT_EQ(Frecce(SuCad(Modificato(p, [](Progetto& q) { q.v.VImpalcato = 0; }))), tutte - 1);
    // No axial force on the footing base: no eccentricity, no resultant.
    const Progetto senzaN = Modificato(p, [](Progetto& q) { q.v.NPortata(q.v.CombGravosaPortata) = 0; });
    const auto e = SuCad(senzaN);
    EXPECT_EQ(Frecce(e), tutte - 1);
    EXPECT_TRUE(TuttiFiniti(e));
}

// Every force that the force scale looks at set to 0.
void SenzaForze(Progetto& q) {
    VariabiliPubbliche& v = q.v;
    for (Terna* t : {&v.StParete, &v.SqParete, &v.SsParete, &v.StRibaltamento, &v.SqRibaltamento,
                     &v.SsRibaltamento, &v.NPortata})
        *t = Terna{};
    v.NImpalcato = v.VImpalcato = 0;
}

TEST(DisegnoTavo, SenzaForzePositiveNessunaFrecciaEIlMuroResta) {
    const Progetto p = Modificato(test::SpallaCalcolata(), SenzaForze);
    const auto e = SuCad(p);
    EXPECT_EQ(Frecce(e), 0u);
    EXPECT_TRUE(TuttiFiniti(e));
    EXPECT_GT(DiTipo(e, "LINE").size(), 30u);  // the hatched section is still there
    const std::string dxf = InDxf(p);
    EXPECT_EQ(dxf.find("nan"), std::string::npos);
    EXPECT_EQ(dxf.find("inf"), std::string::npos);
}

TEST(DisegnoTavo, ScalaForzeMetaAltezzaPerLaForzaMaggiore) {
    // Hand calculation: with the deck load of 350 kN/m the largest of the
    // nine forces, over a drawing 10 m high the scale is 2 * 350 / 10 = 70 kN/m.
    Progetto p = Modificato(test::SpallaCalcolata(), SenzaForze);
    p.v.NImpalcato = 350;
    p.v.StParete(p.v.CombGravosaRibaltamento) = 120;
    Grafica g;
    DisegnoTavo d(g, p.v, p.ntc);
    ASSERT_TRUE(d.ScalaForze(0, 10).has_value());
    EXPECT_NEAR(*d.ScalaForze(0, 10), 70.0, 1e-9);
    // No force above 0 (a negative one does not count).
    Progetto nulla = Modificato(p, SenzaForze);
    nulla.v.VImpalcato = -5;
    DisegnoTavo z(g, nulla.v, nulla.ntc);
    EXPECT_FALSE(z.ScalaForze(0, 10).has_value());
}

// Where the example abutment's arrows, title and results go. Hand
// calculation from its computed state (NTC 2008; governing combinations:
// overturning 3, soil pressure 2, stem 2), in double precision from the
// stored single-precision values:
//   extent x -3.5 .. 10.1278143 (wedge top), y -1.2 .. 7.40639067 (wedge top);
//   xMin = -3.5 - 13.6278143 / 8 = -5.20347679;
//   largest force NPortata(3) = 1360.85974: scale = 2 * 1360.85974 / 8.60639072
//   = 316.244007 kN per metre; yMin = -1.2 - NPortata(2) / scale = -5.71010358;
//   dy = 13.1164943, h = dy / 30 = 0.437216475, dx = 15.3312911.
struct CasoFreccia {
    const char* nome;
    double x1, y1, x2, y2;  // the shaft
    bool puntaAlSecondo = false;  // the head at the second point
};

void PrintTo(const CasoFreccia& c, std::ostream* os) { *os << c.nome; }

class FrecceDellaSpalla : public ::testing::TestWithParam<CasoFreccia> {};

TEST_P(FrecceDellaSpalla, PuntiDelFusto) {
    const SeparatoriInstallati italiani({U',', U'.'});
    const CasoFreccia c = GetParam();
    const auto e = SuCad(test::SpallaCalcolata());
    const auto etichetta = std::find_if(e.begin(), e.end(), [&](const auto& x) {
        return x.tipo == "TEXT" && x.testo == c.nome;
    });
    ASSERT_NE(etichetta, e.end()) << c.nome;
    ASSERT_GE(etichetta - e.begin(), 2);
    // Shaft, head, label: the label at the shaft's second point.
    const EntitaRegistrata& fusto = *(etichetta - 2);
    ASSERT_EQ(fusto.tipo, "LWPOLYLINE");
    ASSERT_EQ(fusto.coordinate.size(), 4u);
    EXPECT_NEAR(fusto.coordinate[0], c.x1, 1e-6);
    EXPECT_NEAR(fusto.coordinate[1], c.y1, 1e-6);
    EXPECT_NEAR(fusto.coordinate[2], c.x2, 1e-6);
    EXPECT_NEAR(fusto.coordinate[3], c.y2, 1e-6);
    EXPECT_NEAR(etichetta->coordinate[0], c.x2, 1e-6);
    EXPECT_NEAR(etichetta->coordinate[1], c.y2, 1e-6);
    const EntitaRegistrata& punta = *(etichetta - 1);
    ASSERT_EQ(punta.tipo, "SOLID");
    EXPECT_NEAR(punta.coordinate[0], c.puntaAlSecondo ? c.x2 : c.x1, 1e-6);
    EXPECT_NEAR(punta.coordinate[1], c.puntaAlSecondo ? c.y2 : c.y1, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    ManoACalcolo, FrecceDellaSpalla,
    ::testing::Values(
        // Stem, combination 2: S = 154.110977 + 34.6243324 = 188.735309 along
        // the static line (0, 2.4333334) - (154.110977, 68.8040009), S / scale
        // = 0.596802803 long: (154.110977, 66.3706675) / 167.79528 times that.
        CasoFreccia{" 188,7", 0, 2.4333334, 0.548131384, 2.66939604},
        // Heel, combination 3: S = 208.81665 + 26.3670807 = 235.183731 on the
        // line (3.5, 1.63333321) - (195.286896, 84.2298126).
        CasoFreccia{" 235,2", 3.5, 1.63333321, 4.18302842, 1.92749169},
        // Resultant, combination 2: e = 467.149323 / 1426.29321 = 0.327526850,
        // point 1 at -3.5 + 7 / 2 - e on the base; point 2 lower by
        // (T, N) / scale = (357.522766, 1426.29321) / 316.244007: down to yMin.
        // Label sqrt(T^2 + N^2) = 1470.41996.
        CasoFreccia{" 1.470", -0.327526850, -1.2, -1.45805504, -5.71010358},
        // Deck load: head on the seat at vertex 6 (-1.6, 5.5) + 0.6, 350 / scale long.
        CasoFreccia{"350", -1.0, 5.5, -1.0, 6.60674034},
        // Deck force: from vertex 6 toward the toe, 25 / scale long, head at the far end.
        CasoFreccia{"25", -1.6, 5.5, -1.67905291, 5.5, true}),
    [](const auto& info) { return "Freccia" + std::to_string(info.index); });

TEST(DisegnoTavo, TitoloNormativaERisultatiSopraIlMuro) {
    const auto e = SuCad(test::SpallaCalcolata());
    auto testo = [&](const std::string& t) {
        const auto i = std::find_if(e.begin(), e.end(), [&](const auto& x) { return x.tipo == "TEXT" && x.testo == t; });
        EXPECT_NE(i, e.end()) << t;
        return i == e.end() ? EntitaRegistrata{} : *i;
    };
    // Hand calculation above: title at (xMin, yMax + 5.6 h) = (-5.20347679,
    // 9.85480293); the code 1.2 h lower at 9.33014316; the results at
    // x = xMax + 0.1 dx = 11.6609434, "Dati" on the code's line and every
    // line 1.2 h = 0.524659770 lower.
    const EntitaRegistrata titolo = testo(test::SpallaCalcolata().v.TitoloTavo);
    EXPECT_NEAR(titolo.coordinate[0], -5.20347679, 1e-6);
    EXPECT_NEAR(titolo.coordinate[1], 9.85480293, 1e-6);
    EXPECT_NEAR(titolo.valore, 0.437216475, 1e-8);
    const EntitaRegistrata normativa = testo("Normativa: NTC 2008");
    EXPECT_NEAR(normativa.coordinate[0], -5.20347679, 1e-6);
    EXPECT_NEAR(normativa.coordinate[1], 9.33014316, 1e-6);
    const EntitaRegistrata dati = testo("Dati");
    EXPECT_NEAR(dati.coordinate[0], 11.6609434, 1e-6);
    EXPECT_NEAR(dati.coordinate[1], 9.33014316, 1e-6);
    const EntitaRegistrata ni = testo("Ni = 350");  // the eighth line below "Dati"
    EXPECT_NEAR(ni.coordinate[0], 11.6609434, 1e-6);
    EXPECT_NEAR(ni.coordinate[1], 9.33014316 - 7 * 0.524659770, 1e-6);
}

// ---- Soil pressures -------------------------------------------------------------

struct CasoPressioni {
    const char* nome;
    std::int16_t normativa;
    float larghezza;      // LarghezzaCompressa
    double rapporto;      // depth at the toe side / depth at the heel side
    bool controTallone;   // the block ends at the heel edge
};

class BloccoPressioni : public ::testing::TestWithParam<CasoPressioni> {};

TEST_P(BloccoPressioni, FormaEPosizione) {
    const CasoPressioni c = GetParam();
    const Progetto p = Modificato(test::SpallaCalcolata(), [&](Progetto& q) {
        q.v.Normativa = c.normativa;
        q.v.SigmaValle = 100;
        q.v.SigmaMonte = 50;
        q.v.LarghezzaCompressa = c.larghezza;
    });
    const auto e = SuCad(p);
    // The block is the outline drawn just before its label, sigma max / 1000.
    const auto etichetta = std::find_if(e.begin(), e.end(), [](const auto& x) {
        return x.tipo == "TEXT" && x.testo == FormattaValore(0.1);
    });
    ASSERT_NE(etichetta, e.end());
    ASSERT_NE(etichetta, e.begin());
    const EntitaRegistrata& blocco = *(etichetta - 1);
    ASSERT_EQ(blocco.tipo, "LWPOLYLINE");
    ASSERT_EQ(blocco.coordinate.size(), 10u);  // four corners and the first again
    EXPECT_EQ(blocco.colore, 5);
    const auto& k = blocco.coordinate;
    const double xBase = p.v.PolFondazione.x(p.v.iBaseFondazione), y0 = p.v.PolFondazione.y(p.v.iBaseFondazione);
    EXPECT_NEAR(k[1], y0, 1e-6);
    EXPECT_NEAR(k[7], y0, 1e-6);
    EXPECT_NEAR((y0 - k[3]) / (y0 - k[5]), c.rapporto, 1e-6);
    EXPECT_NEAR(k[4] - k[0], std::abs(c.larghezza), 1e-5);
    const double xAtteso = c.controTallone ? xBase + p.v.BaseFondazione - std::abs(c.larghezza) : xBase;
    EXPECT_NEAR(k[0], xAtteso, 1e-5);
    // The label halfway down the toe side.
    EXPECT_NEAR(etichetta->coordinate[0], xAtteso, 1e-5);
    EXPECT_NEAR(etichetta->coordinate[1], (y0 + k[3]) / 2, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, BloccoPressioni,
    ::testing::Values(
        // DM 1996, the whole footing compressed: a trapezium from 100 to 50.
        CasoPressioni{"TrapezioDM", NormativaDM1996, 7, 2.0, false},
        // NTC 2008: a rectangle at the larger pressure.
        CasoPressioni{"RettangoloNTC", NormativaNTC2008, 7, 1.0, false},
        // A negative width is measured from the heel edge.
        CasoPressioni{"ControIlTallone", NormativaDM1996, -2.5f, 2.0, true}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(DisegnoTavo, NessunBloccoSenzaLarghezzaOPressione) {
    for (const auto& [larghezza, sigma] : {std::pair{0.0f, 100.0f}, std::pair{7.0f, 0.0f}}) {
        const Progetto p = Modificato(test::SpallaCalcolata(), [&](Progetto& q) {
            q.v.SigmaValle = q.v.SigmaMonte = sigma;
            q.v.LarghezzaCompressa = larghezza;
        });
        const auto e = SuCad(p);
        EXPECT_TRUE(TuttiFiniti(e));
        const auto testi = Testi(e);
        EXPECT_EQ(std::find(testi.begin(), testi.end(), FormattaValore(sigma / 1000.0)), testi.end());
    }
}

// ---- Surcharges -----------------------------------------------------------------

TEST(DisegnoTavo, SovraccaricoAltoQSuGamma) {
    const Progetto& p = test::SpallaCalcolata();
    // The first side of the profile carries 20 kN/m2.
    struct Caso {
        float terreno, muro;
        double altezza;  // q / gamma
    };
    // The soil's unit weight; one of 0 (below a hundredth of the wall's):
    // the wall's 25 gives the heights.
    for (const Caso c : {Caso{19, 25, 20.0 / 19}, Caso{0, 25, 20.0 / 25}}) {
        const Progetto q = Modificato(p, [&](Progetto& r) {
            r.v.PesoSpecificoTerreno = c.terreno;
            r.v.PesoSpecificoTavo = c.muro;
        });
        const auto e = SuCad(q);
        bool trovato = false;
        for (const auto& x : DiTipo(e, "LWPOLYLINE", 5))
            if (x.coordinate.size() == 10 && std::abs(x.coordinate[1] - x.coordinate[3]) < 1e-9 &&
                std::abs((x.coordinate[5] - x.coordinate[1]) - c.altezza) < 1e-5)
                trovato = true;
        EXPECT_TRUE(trovato) << c.terreno;
    }
    // No unit weight at all: no surcharge drawn, nothing non-finite.
    const auto e = SuCad(Modificato(p, [](Progetto& r) { r.v.PesoSpecificoTerreno = r.v.PesoSpecificoTavo = 0; }));
    EXPECT_TRUE(TuttiFiniti(e));
}

// ---- Texts --------------------------------------------------------------------------

TEST(DisegnoTavo, TitoloENormativa) {
    for (const Progetto* p : {&test::SpallaCalcolata(), &test::MuroCalcolato()}) {
        const auto testi = Testi(SuCad(*p));
        ASSERT_GE(testi.size(), 3u);
        const auto titolo = std::find(testi.begin(), testi.end(), p->v.TitoloTavo);
        ASSERT_NE(titolo, testi.end());
        EXPECT_EQ(*(titolo + 1), p->v.Normativa == NormativaDM1996 ? "Normativa: DM 1996" : "Normativa: NTC 2008");
        EXPECT_EQ(*(titolo + 2), "Dati");
    }
}

// The block of results up to each " = ".
std::vector<std::string> Etichette(const std::vector<std::string>& righe) {
    std::vector<std::string> r;
    const auto dati = std::find(righe.begin(), righe.end(), "Dati");
    for (auto i = dati; i != righe.end(); ++i) r.push_back(i->substr(0, i->find(" = ")));
    return r;
}

TEST(DisegnoTavo, BloccoRisultatiPerNormativa) {
    const SeparatoriInstallati italiani({U',', U'.'});
    const std::vector<std::string> comuni{"Dati", "j", "d", "j f", "g t", "g m"};
    const std::vector<std::string> ntc{
        "kh", "Ni", "dN", "Vi", "Sollecitazioni Parete", "St", "Sq", "Ss", "Si", "M", "N", "V",
        "Sollecitazioni Fondazione per Ribaltamento", "St", "Sq", "Ss", "Si", "Mr",
        "Verifiche Fondazione", "Sicurezza ribaltamento", "Sicurezza scorrimento", "M", "N",
        "s t,valle", "s t,monte", "M sbalzo valle", "M sbalzo monte"};
    const std::vector<std::string> dm{
        "S", "Ni", "dN", "Vi", "Sollecitazioni Parete", "St", "Sq", "Ss", "Si", "M", "N", "V",
        "Sollecitazioni Fondazione", "St", "Sq", "Ss", "Si", "M", "N", "V", "Mr",
        "Verifiche Fondazione", "Sicurezza ribaltamento", "Sicurezza scorrimento",
        "s t,valle", "s t,monte", "M sbalzo valle", "M sbalzo monte"};
    auto atteso = [&](const std::vector<std::string>& coda) {
        std::vector<std::string> r = comuni;
        r.insert(r.end(), coda.begin(), coda.end());
        return r;
    };
    EXPECT_EQ(Etichette(RigheDiTesto(SuCad(test::SpallaCalcolata()))), atteso(ntc));
    EXPECT_EQ(Etichette(RigheDiTesto(SuCad(test::MuroCalcolato()))), atteso(dm));
}

TEST(DisegnoTavo, RigheDeiDatiEValoriQuasiNulli) {
    const SeparatoriInstallati italiani({U',', U'.'});
    const Progetto p = Modificato(test::SpallaCalcolata(), [](Progetto& q) {
        q.ntc.KhNTC = 0.1f;
        q.ntc.KvNTC = 0.05f;
        q.v.SiParete(q.v.CombGravosaParete) = 0.0009f;  // at most 0.001: written as 0
        q.v.SigmaValle = 123.4f;
    });
    const auto righe = RigheDiTesto(SuCad(p));
    auto contiene = [&](const std::string& r) { return std::find(righe.begin(), righe.end(), r) != righe.end(); };
    EXPECT_TRUE(contiene("kh = 0,1; kv = 0,05"));
    EXPECT_TRUE(contiene("j = 35°"));
    EXPECT_TRUE(contiene("d = 23,3°"));
    EXPECT_TRUE(contiene("g t = 19 kN/m3"));
    EXPECT_TRUE(contiene("Ni = 350"));
    EXPECT_TRUE(contiene("Si = 0"));
    EXPECT_TRUE(contiene("s t,valle =  0,1234 N/mm2"));
}

// Each result line reads its triple at its own governing combination:
// stem [parete], overturning [ribaltamento], soil pressure [portata],
// sliding [scorrimento]. Element k of the triple number t holds 100 k + t,
// so that a line read at the wrong combination shows another hundred.
struct CasoGovernanti {
    int r, p, s, w;  // CombGravosaRibaltamento, Portata, Scorrimento, Parete
};

class RisultatiGovernanti : public ::testing::TestWithParam<CasoGovernanti> {};

TEST_P(RisultatiGovernanti, OgniRigaAllaSuaCombinazione) {
    const SeparatoriInstallati italiani({U',', U'.'});
    const CasoGovernanti c = GetParam();
    Progetto q = test::SpallaCalcolata();
    VariabiliPubbliche& v = q.v;
    v.CombGravosaRibaltamento = c.r;
    v.CombGravosaPortata = c.p;
    v.CombGravosaScorrimento = c.s;
    v.CombGravosaParete = c.w;
    const std::vector<Terna*> terne{&v.StParete, &v.SqParete, &v.SsParete, &v.SiParete, &v.MParete,
                                    &v.NParete, &v.VParete, &v.StRibaltamento, &v.SqRibaltamento,
                                    &v.SsRibaltamento, &v.SiRibaltamento, &v.MRibaltante,
                                    &v.FsRibaltamento, &v.FsScorrimento, &v.MPortata, &v.NPortata};
    for (std::size_t t = 0; t < terne.size(); ++t)
        for (int k = 1; k <= 3; ++k) (*terne[t])(k) = static_cast<float>(100 * k + t + 1);
    auto valore = [](int k, int t) { return FormattaValore(100.0 * k + t); };
    const std::vector<std::string> attese{
        "St = " + valore(c.w, 1), "Sq = " + valore(c.w, 2), "Ss = " + valore(c.w, 3),
        "Si = " + valore(c.w, 4), "M = " + valore(c.w, 5), "N = " + valore(c.w, 6),
        "V = " + valore(c.w, 7), "Sollecitazioni Fondazione per Ribaltamento",
        "St = " + valore(c.r, 8), "Sq = " + valore(c.r, 9), "Ss = " + valore(c.r, 10),
        "Si = " + valore(c.r, 11), "Mr = " + valore(c.r, 12), "Verifiche Fondazione",
        "Sicurezza ribaltamento = " + valore(c.r, 13), "Sicurezza scorrimento = " + valore(c.s, 14),
        "M = " + valore(c.p, 15), "N = " + valore(c.p, 16)};
    const auto righe = RigheDiTesto(SuCad(q));
    const auto inizio = std::find(righe.begin(), righe.end(), "Sollecitazioni Parete");
    ASSERT_GE(righe.end() - inizio, static_cast<std::ptrdiff_t>(attese.size() + 1));
    EXPECT_EQ(std::vector<std::string>(inizio + 1, inizio + 1 + static_cast<std::ptrdiff_t>(attese.size())), attese);
}

// Two sets of governing combinations between them tell every pair of
// checks apart.
INSTANTIATE_TEST_SUITE_P(Combinazioni, RisultatiGovernanti,
                         ::testing::Values(CasoGovernanti{1, 2, 3, 1}, CasoGovernanti{1, 2, 3, 2}));

TEST(DisegnoTavo, LettereGrecheSulloSchermoLatineNelDxf) {
    const Progetto& p = test::SpallaCalcolata();
    test::RecordingSuperficie schermo(1000, 700);
    Grafica g;
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::VIDEO, &schermo);
    std::vector<std::string> aVideo;
    for (const auto& t : schermo.testi()) aVideo.push_back(t.testo);
    // Screen and CAD receive the same texts in the same order; only the
    // Greek letters differ (the CAD program's Symbol font makes them Greek).
    std::vector<std::string> cad = Testi(SuCad(p));
    for (std::string& t : cad) {
        if (t == "j") t = "φ";
        if (t == "d") t = "δ";
        if (t == "g") t = "γ";
        if (t == "s") t = "σ";
    }
    EXPECT_EQ(aVideo, cad);
    const auto fonts = schermo.testi();
    const auto phi = std::find_if(fonts.begin(), fonts.end(), [](const auto& t) { return t.testo == "φ"; });
    ASSERT_NE(phi, fonts.end());
    // In the text's own font: any font with Greek letters serves.
    EXPECT_EQ(phi->font, "Arial");
    // The DXF file keeps one text per line with the Latin letter.
    const std::string dxf = InDxf(p);
    EXPECT_NE(dxf.find("\r\nj = 35%%d\r\n"), std::string::npos);
    EXPECT_EQ(dxf.find("\xCF\x86"), std::string::npos);
}

// ---- One stream for every target ----------------------------------------------------------

TEST(DisegnoTavo, DxfECadRicevonoGliStessiElementi) {
    const Progetto& p = test::SpallaCalcolata();
    const auto cad = SuCad(p);
    const std::string dxf = InDxf(p);
    auto conta = [&](const std::string& tipo) {
        std::size_t n = 0;
        for (std::size_t i = dxf.find("  0\r\n" + tipo + "\r\n"); i != std::string::npos;
             i = dxf.find("  0\r\n" + tipo + "\r\n", i + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(conta("LINE"), DiTipo(cad, "LINE").size());
    // A polygon, a polyline or a solid: one POLYLINE in the file.
    EXPECT_EQ(conta("POLYLINE"), DiTipo(cad, "LWPOLYLINE").size() + DiTipo(cad, "SOLID").size());
    // The composite lines: two CAD texts, one DXF text.
    EXPECT_EQ(conta("TEXT"), RigheDiTesto(cad).size());
    EXPECT_EQ(dxf.find("nan"), std::string::npos);
}

// ---- Extent and shared state ------------------------------------------------------------------

TEST(DisegnoTavo, IlTitoloStaSopraIlMuroAncheColTerrenoInDiscesa) {
    // Ground falling away behind the heel: the wedge's top lies 3 m below
    // the wall's top; the drawing still reaches the wall's top.
    const Progetto p = Modificato(test::SpallaCalcolata(), [](Progetto& q) {
        Poligono& c = q.v.CuneiRibaltamento(q.v.CombGravosaRibaltamento).cuneo;
        const int n = c.nVertici();
        double xMin, xMax, yMin, yMax;
        q.v.PolTavo.MaxMin(xMin, xMax, yMin, yMax);
        c.y(n, yMax - 3);
    });
    double xMin, xMax, yMin, yTop;
    p.v.PolTavo.MaxMin(xMin, xMax, yMin, yTop);
    const auto e = SuCad(p);
    const auto titolo = std::find_if(e.begin(), e.end(), [&](const auto& x) { return x.testo == p.v.TitoloTavo; });
    ASSERT_NE(titolo, e.end());
    // Title at yMax + 5.6 h, h = dy / 30.
    EXPECT_GT(titolo->coordinate[1], yTop + titolo->valore * 5);
}

// ---- Wedges ----------------------------------------------------------------------------------

// The abutment under a road surcharge of 200 kN/m² that the seismic
// combinations leave out (their surcharge factors 0), kh = 0.2, kv = 0.1:
// the static combination governs overturning and the stem, while the last
// combination computed, the seismic one with kv < 0, finds wedges that
// reach much further (behind the heel to x = 14.2 m against 9.7 m).
const Progetto& SpallaStaticaGravosa() {
    static const Progetto p = [] {
        Progetto q = test::Spalla();
        q.v.qProfilo(1) = q.v.qProfilo(2) = 200;
        q.ntc.KhNTC = 0.2f;
        q.ntc.KvNTC = 0.1f;
        for (int c = 17; c <= 20; ++c) q.v.CoefParzSismici(c) = 0;
        test::RecordingFinestraPrincipale finestra;
        if (!CalcoloMain(q.v, q.ntc, finestra)) throw std::runtime_error("calcolo non riuscito");
        return q;
    }();
    return p;
}

// The static combination's own wedges: the overturning and the stem check
// run once more for it alone, on a copy.
struct CuneiStatici {
    VariabiliPubbliche v;
};

CuneiStatici CuneiDellaCombinazioneStatica(const Progetto& p) {
    CuneiStatici c{p.v};
    NTC ntc = p.ntc;
    c.v.CombinazioneSismica = false;
    c.v.Kh = KhCombinazione(c.v, ntc);
    float r[7];
    VerificaRibaltamento(c.v, ntc, r[0], r[1], r[2], r[3], r[4], r[5], r[6]);
    VerificaParete(c.v, ntc, r[0], r[1], r[2], r[3], r[4], r[5], r[6]);
    return c;
}

// The right end of the surcharge loaded on the wedge of the profile `p`.
double FineCarico(const ProfTerra& p) {
    double x = -1e9;
    for (int i = 1; i <= p.nqPrisma; ++i)
        if (p.qi(i) > 0 && p.LunghezzaCaricata(i) > 0)
            x = std::max(x, p.CoordX()[static_cast<std::size_t>(i - 1)] + p.LunghezzaCaricata(i));
    return x;
}

TEST(DisegnoTavo, ICuneiDisegnatiSonoQuelliDelleSpinteMostrate) {
    const Progetto& p = SpallaStaticaGravosa();
    ASSERT_EQ(p.v.CombGravosaRibaltamento, 1);
    ASSERT_EQ(p.v.CombGravosaParete, 1);
    const CuneiStatici statici = CuneiDellaCombinazioneStatica(p);
    const Poligono& tallone = statici.v.PolCuneoFondazione;
    const Poligono& parete = statici.v.PolCuneoParete;
    // The wedges the last search left reach further: the fault drew those.
    const int nt = tallone.nVertici(), np = parete.nVertici();
    ASSERT_GT(p.v.PolCuneoFondazione.x(p.v.PolCuneoFondazione.nVertici()), tallone.x(nt) + 3);
    ASSERT_GT(p.v.PolCuneoParete.x(p.v.PolCuneoParete.nVertici()), parete.x(np) + 2);

    test::RecordingSuperficie s(1000, 700);
    Grafica g;
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::VIDEO, &s);
    const auto tratto = [&](long colore, const Poligono& c, int i, int j) {
        const double x1 = s.DispositivoX(c.x(i)), y1 = s.DispositivoY(c.y(i));
        const double x2 = s.DispositivoX(c.x(j)), y2 = s.DispositivoY(c.y(j));
        return std::count_if(s.tratti.begin(), s.tratti.end(), [&](const auto& t) {
            return t.tipo == 'L' && t.colore == ColoreRGB(static_cast<int>(colore)) &&
                   std::hypot(t.x1 - x1, t.y1 - y1) < 0.5 && std::hypot(t.x2 - x2, t.y2 - y2) < 0.5;
        });
    };
    // Behind the heel (blue) its failure line and its vertical, behind the
    // stem (red) its failure line, each to the static wedge's own top.
    EXPECT_EQ(tratto(5, tallone, 1, nt), 1);
    EXPECT_EQ(tratto(5, tallone, 1, 2), 1);
    EXPECT_EQ(tratto(1, parete, 1, np), 1);

    // The hatched surcharge on each wedge ends where the static wedge's
    // top does: the right end of the hatch lines above the blocks' base.
    const double yBase = s.DispositivoY(std::max(p.v.PolTavo.y(3), tallone.y(nt)));
    const auto fineTratteggio = [&](long colore) {
        double x = -1e9;
        for (const auto& t : s.tratti)
            if (t.tipo == 'L' && t.colore == ColoreRGB(static_cast<int>(colore)) && t.y1 < yBase &&
                t.y2 < yBase && t.x1 != t.x2 && t.y1 != t.y2)
                x = std::max({x, t.x1, t.x2});
        return x;
    };
    EXPECT_NEAR(fineTratteggio(5), s.DispositivoX(FineCarico(statici.v.ProfiloTerrenoFondazione)), 0.5);
    EXPECT_NEAR(fineTratteggio(1), s.DispositivoX(FineCarico(statici.v.ProfiloTerreno)), 0.5);
}

TEST(DisegnoTavo, IlDisegnoNonCambiaLaTolleranzaDelCalcolo) {
    const Progetto& p = test::SpallaCalcolata();
    ImpostaZeroMaxDimen(0.000123);
    Grafica g;
    ApreDxf(g, "x.dxf");
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::DXF);
    EXPECT_EQ(ZeroMaxDimen(), 0.000123);
    // The plot window is kept: a second drawing after a calculation has
    // changed the tolerance puts back the new value.
    ImpostaZeroMaxDimen(0.000456);
    d.PlottaTavo(UscitaGrafica::DXF);
    EXPECT_EQ(ZeroMaxDimen(), 0.000456);
}

TEST(DisegnoTavo, StampanteInTimesNewRoman8) {
    const Progetto& p = test::SpallaCalcolata();
    test::RecordingSuperficie carta(4000, 5600, 2.4);
    Grafica g;
    g.Stampante = &carta;
    DisegnoTavo d(g, p.v, p.ntc);
    d.PlottaTavo(UscitaGrafica::STAMPANTE);
    EXPECT_EQ(carta.FontSize(), 8);
    ASSERT_FALSE(carta.testi().empty());
    // Width 2 of the outline: 2 * 2 * 5.67 / 2.4 twips per pixel = 9 pixels.
    EXPECT_EQ(carta.linee().front().spessore, 9);
}

}  // namespace
}  // namespace tavo
