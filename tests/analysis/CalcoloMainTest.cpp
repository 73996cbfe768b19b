// The calculation driver: its refusals, the errors it turns into its
// message, and what a run leaves in the project state.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "analysis/Combinazioni.h"
#include "analysis/GeometriaSezione.h"
#include "analysis/TensioniTerreno.h"
#include "ports/ErroreCalcolo.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo {
namespace {

constexpr const auto& TutteLeTerne = TerneRisultati;

constexpr const char* Errore = "ERRORE! Controllare i dati";

// The abutment of the hand calculation, with whatever a case changes in its
// fields on top.
struct CasoSezione;

class CalcoloMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoefficientiParzialiDefault(v);
        usaCampi([](VariabiliPubbliche&, NTC&) {});
    }
    void usaCampi(std::function<void(VariabiliPubbliche&, NTC&)> modifica) {
        finestra.campi = [modifica](VariabiliPubbliche& v, NTC& s) {
            test::CompilaMuroAMano(v, s);
            modifica(v, s);
        };
    }
    static void Lati(VariabiliPubbliche& v, std::vector<float> dx, std::vector<float> dy = {}) {
        v.nLatiTerreno = static_cast<std::int16_t>(dx.size());
        v.dxProfilo.ridimensiona(v.nLatiTerreno);
        v.dyProfilo.ridimensiona(v.nLatiTerreno);
        v.qProfilo.ridimensiona(v.nLatiTerreno);
        for (int j = 1; j <= v.nLatiTerreno; ++j) v.dxProfilo(j) = dx[static_cast<std::size_t>(j - 1)];
        for (std::size_t j = 0; j < dy.size(); ++j) v.dyProfilo(static_cast<int>(j) + 1) = dy[j];
    }
    void attendeSoloMessaggio(const std::string& testo) {
        ASSERT_EQ(messaggi.conta(), 1u) << ::testing::PrintToString(messaggi.testi());
        EXPECT_EQ(messaggi.registrati()[0].testo, testo);
        EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
        EXPECT_EQ(messaggi.registrati()[0].titolo, "");
    }
    // Each case on top of the computed abutment: accepted without a
    // message, or refused with its one message, the results cleared and the
    // state derived from the inputs as it was.
    void attendeCasiSezione(std::span<const CasoSezione> casi);

    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    VariabiliPubbliche v;
    NTC sisma;
};

// ---- Refusals of the ground profile ----------------------------------------

struct CasoProfilo {
    const char* nome;
    std::vector<float> dx;  // runs of the sides; h1 + H + h3 = 6, threshold 0.06
    const char* messaggio;  // nullptr: accepted
    std::vector<float> dy = {};
};

TEST_F(CalcoloMainTest, GroundProfileIsCheckedOnItsLastSideOnly) {
    const CasoProfilo casi[] = {
        {"no side", {}, "Inserire profilo terreno"},
        {"last side too short", {10, 10, 0.05f}, "Lunghezza del segmento 3 del profilo terreno troppo piccola"},
        {"last side exactly at the threshold", {10, 6.0f / 100}, nullptr},
        {"negative last run", {10, 10, -1}, "Lunghezza del segmento 3 del profilo terreno troppo piccola"},
        {"vertical step in the middle", {10, 0, 10}, nullptr},
        // Beyond 1000 km the drawing's geometry overflows (a fuzzed export
        // failed on a rise of -3.16e38 m).
        {"a rise beyond 1000 km", {12, 10},
         "Il segmento 1 del profilo terreno arriva a più di 1000 km dal tavo: controllare dx e dy",
         {-3.16e38f, 0}},
        {"runs adding up beyond 1000 km", {6e5f, 6e5f, 10},
         "Il segmento 2 del profilo terreno arriva a più di 1000 km dal tavo: controllare dx e dy"},
        {"a run of 1000 km", {1e6f - 10, 10}, nullptr},
    };
    for (const CasoProfilo& c : casi) {
        SCOPED_TRACE(c.nome);
        VariabiliPubbliche calcolato;
        CoefficientiParzialiDefault(calcolato);
        usaCampi([](VariabiliPubbliche&, NTC&) {});
        ASSERT_TRUE(CalcoloMain(calcolato, sisma, finestra));
        messaggi.svuota();
        finestra = test::RecordingFinestraPrincipale{};
        const std::vector<float> dx = c.dx, dy = c.dy;
        usaCampi([dx, dy](VariabiliPubbliche& w, NTC&) { Lati(w, dx, dy); });

        VariabiliPubbliche w = calcolato;
        const bool esito = CalcoloMain(w, sisma, finestra);
        if (c.messaggio == nullptr) {
            EXPECT_TRUE(esito) << ::testing::PrintToString(messaggi.testi());
            EXPECT_EQ(messaggi.conta(), 0u);
            continue;
        }
        EXPECT_FALSE(esito);
        attendeSoloMessaggio(c.messaggio);
        EXPECT_EQ(finestra.fuochiNumeroLati, c.dx.empty() ? 1 : 0);
        EXPECT_TRUE(finestra.vociFileAbilitate.empty());
        // Nothing derived changes.
        for (auto t : TutteLeTerne) EXPECT_EQ(w.*t, calcolato.*t);
        EXPECT_EQ(w.ProfiloTerreno.nVertici, calcolato.ProfiloTerreno.nVertici);
        EXPECT_EQ(w.SigmaValle, calcolato.SigmaValle);
    }
}

// ---- Errors turned into the driver's message ------------------------------

struct CasoErrore {
    const char* nome;
    bool campoIlleggibile;
    std::function<void(VariabiliPubbliche&, NTC&)> campi;
    std::function<void(VariabiliPubbliche&)> tabelle;  // before the run
    std::string messaggio;
};

TEST_F(CalcoloMainTest, EveryCalculationErrorEndsInItsMessageAndFalse) {
    // Sides too steep for any active wedge: no maximum down to 2°.
    auto ripido = [](VariabiliPubbliche& v, NTC&) {
        v.dyProfilo(1) = 10;
        v.dyProfilo(2) = 10;
    };
    const std::string troppoRipido =
        "Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto: la spinta "
        "cresce fino al cuneo di 2° senza raggiungere un massimo.";
    const CasoErrore casi[] = {
        {"a field that is not a number", true, nullptr, nullptr, Errore},
        {"1 + kv = 0 in combination 2", false, [](VariabiliPubbliche&, NTC& s) { s.KvNTC = -1; }, nullptr, Errore},
        {"1 + kv = 0 in combination 3", false, [](VariabiliPubbliche&, NTC& s) { s.KvNTC = 1; }, nullptr, Errore},
        {"zero factor on tan phi", false, nullptr,
         [](VariabiliPubbliche& v) { v.CoefParzStatici(VoceCoefficiente(1, 2)) = 0; }, Errore},
        {"a result beyond the Single range", false,
         [](VariabiliPubbliche& v, NTC&) { v.VImpalcato = 3e38f; }, nullptr, Errore},
        {"more profile points than an Integer counts", false,
         [](VariabiliPubbliche& v, NTC&) { Lati(v, std::vector<float>(32767, 1.0f)); }, nullptr, Errore},
        {"fewer profile cells than sides", false, [](VariabiliPubbliche& v, NTC&) { v.nLatiTerreno = 3; },
         nullptr, Errore},
        {"ground too steep", false, ripido, nullptr, troppoRipido},
    };
    for (const CasoErrore& c : casi) {
        SCOPED_TRACE(c.nome);
        messaggi.svuota();
        finestra = test::RecordingFinestraPrincipale{};
        VariabiliPubbliche w;
        CoefficientiParzialiDefault(w);
        if (c.tabelle) c.tabelle(w);
        NTC s;
        if (c.campi)
            usaCampi(c.campi);
        else
            usaCampi([](VariabiliPubbliche&, NTC&) {});
        finestra.campoIlleggibile = c.campoIlleggibile;

        EXPECT_FALSE(CalcoloMain(w, s, finestra));
        attendeSoloMessaggio(c.messaggio);
        // Nothing is listed, and under NTC 2008 the combination list stays as it was.
        EXPECT_EQ(finestra.txtMNfondazione[4], "");
        EXPECT_EQ(finestra.combinazioniAbilitate, 0);
        if (c.campi) {
            NTC sito;
            c.campi(w, sito);
            EXPECT_EQ(s.KvNTC, sito.KvNTC == 0 ? 0.05f : sito.KvNTC) << "KvNTC restored";
        }
    }
}

// The main window may fail in its own way while it hands its fields over:
// that is a run-time error inside the calculation as well, never one that
// escapes the driver.
TEST_F(CalcoloMainTest, AnyOtherErrorInsideTheRunEndsInItsMessage) {
    finestra.campi = [](VariabiliPubbliche&, NTC&) { throw std::invalid_argument("stof"); };
    EXPECT_FALSE(CalcoloMain(v, sisma, finestra));
    attendeSoloMessaggio(Errore);
    EXPECT_TRUE(finestra.vociFileAbilitate.empty());
}

// Values chosen so that the sums are exact in a Single: stem 3.25 m², footing
// 4.5 m², soil on the heel 12.5 m²; DM 1996 with no seismic action and δ = 0.
TEST_F(CalcoloMainTest, ZeroDenominatorsOfTheChecksThrow) {
    v.Normativa = NormativaDM1996;
    test::CompilaMuroAMano(v, sisma);
    v.GradoSismicita = 2;
    v.AngoloAttritoTerraTavo = 0;
    CalcolaGeometria(v);

    // Sliding: a deck force that cancels the thrust leaves T = 0; nothing
    // pushes the wall along its base, and the factor is the largest Single.
    CombinazioniScorrimento(v, sisma);
    v.VImpalcato = -(v.StScorrimento(1) + v.SqScorrimento(1) + v.SsScorrimento(1));
    CombinazioniScorrimento(v, sisma);
    EXPECT_EQ(v.TScorrimento(1), 0.0f);
    EXPECT_EQ(v.FsScorrimento(1), std::numeric_limits<float>::max());

    // Soil pressure: a deck load that lifts the whole weight leaves N = 0.
    v.VImpalcato = 10;
    v.NImpalcato = -(25 * 3.25f + 25 * 4.5f + 18 * 12.5f);
    try {
        CombinazioniPortata(v, sisma);
        FAIL() << "N = 0 accepted";
    } catch (const ErroreCalcolo& e) {
        EXPECT_STREQ(e.what(), "Divisione per zero in TensioniTerreno: sforzo normale nullo");
    }

    // Through the driver it ends in its message.
    const float nImpalcato = v.NImpalcato;
    usaCampi([nImpalcato](VariabiliPubbliche& w, NTC&) {
        w.GradoSismicita = 2;
        w.AngoloAttritoTerraTavo = 0;
        w.NImpalcato = nImpalcato;
    });
    VariabiliPubbliche w;
    w.Normativa = NormativaDM1996;
    EXPECT_FALSE(CalcoloMain(w, sisma, finestra));
    attendeSoloMessaggio(Errore);
}

// ---- Refusals of a section that cannot exist --------------------------------

// Everything a calculation derives, for comparing a state before and after a
// refused run.
void AttendeStessoDerivato(const VariabiliPubbliche& w, const VariabiliPubbliche& prima) {
    for (auto t : TutteLeTerne) EXPECT_EQ(w.*t, prima.*t);
    EXPECT_EQ(w.CombGravosaRibaltamento, prima.CombGravosaRibaltamento);
    EXPECT_EQ(w.CombGravosaScorrimento, prima.CombGravosaScorrimento);
    EXPECT_EQ(w.CombGravosaPortata, prima.CombGravosaPortata);
    EXPECT_EQ(w.CombGravosaParete, prima.CombGravosaParete);
    for (float VariabiliPubbliche::*x :
         {&VariabiliPubbliche::SigmaValle, &VariabiliPubbliche::SigmaMonte, &VariabiliPubbliche::LarghezzaCompressa,
          &VariabiliPubbliche::MSuolaValle, &VariabiliPubbliche::MSuolaMonte, &VariabiliPubbliche::PesoZavorra,
          &VariabiliPubbliche::xZavorra, &VariabiliPubbliche::yZavorra, &VariabiliPubbliche::xImpalcato,
          &VariabiliPubbliche::yImpalcato, &VariabiliPubbliche::xBaseParete, &VariabiliPubbliche::Kh})
        EXPECT_EQ(w.*x, prima.*x);
    for (Poligono VariabiliPubbliche::*p : {&VariabiliPubbliche::PolParete, &VariabiliPubbliche::PolFondazione,
                                           &VariabiliPubbliche::PolTavo, &VariabiliPubbliche::PolZavorra,
                                           &VariabiliPubbliche::PolCuneoParete})
        for (int i = 1; i <= (prima.*p).nVertici(); ++i) {
            ASSERT_EQ((w.*p).nVertici(), (prima.*p).nVertici());
            EXPECT_EQ((w.*p).Xi(i), (prima.*p).Xi(i));
            EXPECT_EQ((w.*p).Yi(i), (prima.*p).Yi(i));
        }
    EXPECT_EQ(w.ProfiloTerreno.nVertici, prima.ProfiloTerreno.nVertici);
    EXPECT_EQ(w.xRettaStFondazione, prima.xRettaStFondazione);
    EXPECT_EQ(w.yRettaSsParete, prima.yRettaSsParete);
}

struct CasoSezione {
    const char* nome;
    std::function<void(VariabiliPubbliche&)> campi;  // on top of the hand-calculation abutment
    const char* messaggio;                           // nullptr: accepted
};

void CalcoloMainTest::attendeCasiSezione(std::span<const CasoSezione> casi) {
    VariabiliPubbliche calcolato;
    CoefficientiParzialiDefault(calcolato);
    ASSERT_TRUE(CalcoloMain(calcolato, sisma, finestra));
    for (const CasoSezione& c : casi) {
        SCOPED_TRACE(c.nome);
        messaggi.svuota();
        finestra = test::RecordingFinestraPrincipale{};
        usaCampi([&c](VariabiliPubbliche& w, NTC&) { c.campi(w); });
        VariabiliPubbliche w = calcolato;
        const bool esito = CalcoloMain(w, sisma, finestra);
        if (c.messaggio == nullptr) {
            EXPECT_TRUE(esito);
            EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
            continue;
        }
        EXPECT_FALSE(esito);
        attendeSoloMessaggio(c.messaggio);
        EXPECT_TRUE(finestra.vociFileAbilitate.empty());
        EXPECT_EQ(finestra.txtMNfondazione[4], "");
        EXPECT_EQ(finestra.combinazioniAbilitate, 0);
        AttendeStessoDerivato(w, calcolato);
    }
}

// Section of the abutment: h1 1, s1 0.25, H 4, s2 = s3 = 0.75, h3 1, heel
// 2.5, B 4.5 (toe 1.25).
TEST_F(CalcoloMainTest, SectionThatCannotExistIsRefusedNamingItsField) {
    auto positivo = [](const char* campo) {
        return std::string("Dato non valido in \"") + campo + "\": deve essere maggiore di zero.";
    };
    auto nonNegativo = [](const char* campo) {
        return std::string("Dato non valido in \"") + campo + "\": non può essere minore di zero.";
    };
    auto angolo = [](const char* campo) {
        return std::string("Dato non valido in \"") + campo + "\": deve essere di almeno 0° e minore di 90°.";
    };
    const std::string puntaNegativa =
        "Dato non valido in \"Larghezza totale fond.\": è minore di \"Sbalzo fond. contro terra\" più "
        "\"Spessore alla base (m)\": la punta della fondazione sarebbe negativa.";
    const std::string attese[] = {
        positivo("Altezza parete (m)"),          nonNegativo("Altezza paraghiaia (m)"),
        nonNegativo("Spessore paraghiaia (m)"),  positivo("Spessore in testa (m)"),
        positivo("Spessore alla base (m)"),      positivo("Altezza fondazione (m)"),
        nonNegativo("Sbalzo fond. contro terra"), positivo("Larghezza totale fond."),
        angolo("Angolo attrito interno"),        angolo("Ang. attrito terra-tavo"),
        angolo("Ang. attrito fondazione"),
    };
    const CasoSezione casi[] = {
        {"negative stem height", [](VariabiliPubbliche& w) { w.AltezzaParete = -4.5f; }, attese[0].c_str()},
        {"stem of zero height", [](VariabiliPubbliche& w) { w.AltezzaParete = 0; }, attese[0].c_str()},
        {"negative backwall height", [](VariabiliPubbliche& w) { w.AltezzaParaghiaia = -1; }, attese[1].c_str()},
        {"negative backwall thickness", [](VariabiliPubbliche& w) { w.SpessoreParaghiaia = -0.25f; },
         attese[2].c_str()},
        {"stem of zero width at the top", [](VariabiliPubbliche& w) { w.SpessoreTestaParete = 0; },
         attese[3].c_str()},
        {"negative stem width at the base", [](VariabiliPubbliche& w) { w.SpessoreBaseParete = -0.75f; },
         attese[4].c_str()},
        {"negative footing thickness", [](VariabiliPubbliche& w) { w.AltezzaFondazione = -1; }, attese[5].c_str()},
        {"footing of zero thickness", [](VariabiliPubbliche& w) { w.AltezzaFondazione = 0; }, attese[5].c_str()},
        {"negative heel", [](VariabiliPubbliche& w) { w.SbalzoFondazione = -0.5f; }, attese[6].c_str()},
        {"footing of zero width", [](VariabiliPubbliche& w) { w.LarghezzaFondazione = 0; }, attese[7].c_str()},
        {"toe of -0.5 m", [](VariabiliPubbliche& w) { w.LarghezzaFondazione = 2.75f; }, puntaNegativa.c_str()},
        {"toe of -1 mm", [](VariabiliPubbliche& w) { w.LarghezzaFondazione = 3.249f; }, puntaNegativa.c_str()},
        {"negative internal friction", [](VariabiliPubbliche& w) { w.AngoloAttritoInterno = -1; },
         attese[8].c_str()},
        {"internal friction of 90°", [](VariabiliPubbliche& w) { w.AngoloAttritoInterno = 90; }, attese[8].c_str()},
        {"wall friction of 90°", [](VariabiliPubbliche& w) { w.AngoloAttritoTerraTavo = 90; }, attese[9].c_str()},
        {"negative footing friction", [](VariabiliPubbliche& w) { w.AngoloAttritoFondazione = -5; },
         attese[10].c_str()},
        // What the calculation computes on purpose.
        {"no backwall",
         [](VariabiliPubbliche& w) {
             w.AltezzaParaghiaia = 0;
             w.SpessoreParaghiaia = 0;
         },
         nullptr},
        {"toe of exactly 0", [](VariabiliPubbliche& w) { w.LarghezzaFondazione = 3.25f; }, nullptr},
        {"toe of 0 typed as 3.35 - 2.5 - 0.85, negative by rounding in Singles",
         [](VariabiliPubbliche& w) {
             w.LarghezzaFondazione = 3.35f;
             w.SpessoreBaseParete = 0.85f;
         },
         nullptr},
        {"heel of 0",
         [](VariabiliPubbliche& w) {
             w.SbalzoFondazione = 0;
             w.LarghezzaFondazione = 2;
         },
         nullptr},
        {"soil of zero unit weight under a surcharge", [](VariabiliPubbliche& w) { w.PesoSpecificoTerreno = 0; },
         nullptr},
        {"no wall friction", [](VariabiliPubbliche& w) { w.AngoloAttritoTerraTavo = 0; }, nullptr},
    };
    // The rounding case is what it claims to be.
    ASSERT_LT(0.0f - 0.85f, (0.0f + 2.5f) - 3.35f);

    attendeCasiSezione(casi);
}

// A side running back toward the wall or carrying a negative surcharge
// would put a negative surcharge thrust on the stem and a surcharge block on
// the valley side: every side is checked, not only the last one. The
// abutment's two sides run 10 m with 10 kN/m².
TEST_F(CalcoloMainTest, GroundSideThatCannotExistIsRefusedNamingSideAndColumn) {
    auto lato = [](int i, const char* colonna) {
        return "Dato non valido in \"" + std::string(colonna) + "\" del lato " + std::to_string(i) +
               " del profilo terreno: non può essere minore di zero.";
    };
    const std::string lunghezza1 = lato(1, "Lungh."), carico2 = lato(2, "q"), carico1 = lato(1, "q");
    const CasoSezione casi[] = {
        {"first side running back 6 m", [](VariabiliPubbliche& w) { w.dxProfilo(1) = -6; }, lunghezza1.c_str()},
        {"negative surcharge on the last side", [](VariabiliPubbliche& w) { w.qProfilo(2) = -2.5f; },
         carico2.c_str()},
        {"surcharge that is not a number",
         [](VariabiliPubbliche& w) { w.qProfilo(1) = std::numeric_limits<float>::quiet_NaN(); }, carico1.c_str()},
        {"both faults: the first side's run is named first",
         [](VariabiliPubbliche& w) {
             w.dxProfilo(1) = -0.01f;
             w.qProfilo(1) = -1;
         },
         lunghezza1.c_str()},
        // What the calculation computes on purpose.
        {"vertical step with no surcharge",
         [](VariabiliPubbliche& w) {
             w.dxProfilo(1) = 0;
             w.dyProfilo(1) = 2;
             w.qProfilo(1) = 0;
         },
         nullptr},
        {"ground falling away", [](VariabiliPubbliche& w) { w.dyProfilo(1) = -3; }, nullptr},
    };
    attendeCasiSezione(casi);
}

// Under DM 1996 a seismicity grade of 0 is no seismic action at all.
TEST_F(CalcoloMainTest, SeismicityGradeZeroIsAccepted) {
    v.Normativa = NormativaDM1996;
    usaCampi([](VariabiliPubbliche& w, NTC&) { w.GradoSismicita = 0; });
    EXPECT_TRUE(CalcoloMain(v, sisma, finestra));
    EXPECT_EQ(messaggi.conta(), 0u) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(v.SsRibaltamento(1), 0.0f);
}

// ---- Resultant outside the footing base ------------------------------------

struct CasoFuoriBase {
    const char* nome;
    float vImpalcato, kh;
    std::array<bool, 3> violata;  // resultant outside the base, per combination
    int governante;
};

// The static deck factor on the soil pressure is 1.3, the seismic one 1. A
// deck force of 200 kN/m puts the static resultant beyond the toe edge while
// the seismic ones stay inside; with 150 kN/m and kh = 0.4 both seismic
// resultants leave the base and the static one (e ≈ 1.87 < B/2 = 2.25) has
// the largest toe pressure. The first failed combination governs, whereas a
// pressure of 0 would have hidden it; its pressure boxes are red.
TEST_F(CalcoloMainTest, ResultantOutsideTheBaseGovernsAndIsMarkedFailed) {
    const char* fuori = "Equilibrio violato !!\r\nN esterna in fondazione !!\r\nAllargare a valle";
    const CasoFuoriBase casi[] = {
        {"static combination outside", 200, 0.1f, {true, false, false}, 1},
        {"both seismic combinations outside", 150, 0.4f, {false, true, true}, 2},
    };
    for (const CasoFuoriBase& c : casi) {
        SCOPED_TRACE(c.nome);
        messaggi.svuota();
        finestra = test::RecordingFinestraPrincipale{};
        const float vi = c.vImpalcato, kh = c.kh;
        usaCampi([vi, kh](VariabiliPubbliche& w, NTC& s) {
            w.VImpalcato = vi;
            s.KhNTC = kh;
        });
        VariabiliPubbliche w;
        CoefficientiParzialiDefault(w);
        ASSERT_TRUE(CalcoloMain(w, sisma, finestra));

        // One message per calculation, however many combinations fail.
        ASSERT_EQ(messaggi.conta(), 1u) << ::testing::PrintToString(messaggi.testi());
        for (const auto& m : messaggi.registrati()) EXPECT_EQ(m.testo, fuori);
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(EquilibrioViolato(w, k), c.violata[static_cast<std::size_t>(k - 1)]) << "combination " << k;
        EXPECT_EQ(w.CombGravosaPortata, c.governante);
        EXPECT_EQ(finestra.lblTipoVerifica[2], "?" + std::to_string(c.governante));
        for (int casella : {6, 7, 8}) EXPECT_EQ(finestra.coloreMNfondazione[casella], ColoreRosso) << casella;
        EXPECT_EQ(w.SigmaValle, 0.0f);
        EXPECT_EQ(w.SigmaMonte, 0.0f);
        EXPECT_EQ(w.LarghezzaCompressa, 0.0f);
        // With no pressure the toe carries only its own weight: −γm·h3·x²/2.
        EXPECT_NEAR(w.MSuolaValle, -25 * 1.25 * 1.25 / 2, 1e-4);
    }
}

// DM 1996 on a footing with no toe (B = heel + stem base) and a resultant
// beyond the toe edge: the failed check is listed like any other, and a toe
// of length 0 carries no moment (no division by its length).
TEST_F(CalcoloMainTest, NoToeWithTheResultantOutsideTheBaseIsComputed) {
    usaCampi([](VariabiliPubbliche& w, NTC&) {
        w.Normativa = 1;
        w.LarghezzaFondazione = 3.25f;
        w.VImpalcato = 300;
    });
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra)) << ::testing::PrintToString(messaggi.testi());
    attendeSoloMessaggio("Equilibrio violato !!\r\nN esterna in fondazione !!\r\nAllargare a valle");
    EXPECT_TRUE(EquilibrioViolato(v, 1));
    EXPECT_EQ(v.MSuolaValle, 0.0f);
    for (int casella : {6, 7, 8}) EXPECT_EQ(finestra.coloreMNfondazione[casella], ColoreRosso) << casella;
}

// ---- What a run leaves in the state ----------------------------------------

// The critical wedge angle by brute force over the closed-form wedge thrust
// cot θ · sin(θ − φ + ψ) / cos(θ − φ − δ) (vertical back, flat ground).
double AngoloCritico(double phi, double delta, double psi) {
    using test::Rad;
    double migliore = 0, angolo = 0;
    for (int i = 1; i < 90000; ++i) {
        const double t = i / 1000.0;
        const double f = std::sin(Rad(t - phi + psi)) / std::tan(Rad(t)) / std::cos(Rad(t - phi - delta));
        if (f > migliore) migliore = f, angolo = t;
    }
    return angolo;
}

// The wedge angle of a wedge polygon whose last vertex is the crossing with
// the ground at y = 5, from the foot of its back at (x0, y0).
double AngoloCuneo(const Poligono& p, double x0, double y0) {
    const int n = p.nVertici();
    return test::Deg(std::atan2(p.Yi(n) - y0, p.Xi(n) - x0));
}

TEST_F(CalcoloMainTest, DMRunAfterNTCKeepsElementsTwoAndThreeAndLastWedges) {
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra));
    const VariabiliPubbliche ntc = v;
    const double delta = test::Rad(20);
    const double phid = test::Deg(std::atan(std::tan(test::Rad(30)) / 1.25));
    const double psi3 = test::Deg(std::atan(0.1 / 0.95));

    // Wedges and lines of combination 3, the last one computed.
    EXPECT_NEAR(AngoloCuneo(v.PolCuneoParete, 0, 0), AngoloCritico(phid, 20, psi3), 0.15);
    EXPECT_NEAR(AngoloCuneo(v.PolCuneoFondazione, 2.5, -1), AngoloCritico(phid, 20, psi3), 0.15);
    EXPECT_NEAR(v.xRettaSsParete(2) - v.xRettaSsParete(1), v.SsParete(3), 1e-4);
    EXPECT_NEAR(v.xRettaStFondazione(2) - v.xRettaStFondazione(1), v.StPortata(3) * std::cos(delta), 1e-3);
    EXPECT_NEAR(v.xRettaSsFondazione(2) - v.xRettaSsFondazione(1), v.SsPortata(3) * std::cos(delta), 1e-3);
    EXPECT_TRUE(v.CombinazioneSismica);

    v.Normativa = NormativaDM1996;
    ASSERT_TRUE(CalcoloMain(v, sisma, finestra));
    for (auto t : TutteLeTerne) {
        EXPECT_EQ((v.*t)(2), (ntc.*t)(2));
        EXPECT_EQ((v.*t)(3), (ntc.*t)(3));
        EXPECT_NE((v.*t)(1), (ntc.*t)(1));
    }
    EXPECT_EQ(v.CombGravosaRibaltamento, 1);
    EXPECT_EQ(v.CombGravosaScorrimento, 1);
    EXPECT_EQ(v.CombGravosaPortata, 1);
    EXPECT_EQ(v.CombGravosaParete, 1);
    EXPECT_FALSE(v.CombinazioneSismica);

    // Now the wedges and lines of the single DM combination (grade 9, ψ = atan 0.07).
    const double psiDM = test::Deg(std::atan(0.07));
    EXPECT_NEAR(AngoloCuneo(v.PolCuneoParete, 0, 0), AngoloCritico(30, 20, psiDM), 0.15);
    EXPECT_NEAR(AngoloCuneo(v.PolCuneoFondazione, 2.5, -1), AngoloCritico(30, 20, psiDM), 0.15);
    EXPECT_NEAR(v.xRettaSsParete(2) - v.xRettaSsParete(1), v.SsParete(1), 1e-4);
    EXPECT_NEAR(v.xRettaSsFondazione(2) - v.xRettaSsFondazione(1), v.SsPortata(1) * std::cos(delta), 1e-3);
    // The seismic increment acts at 2/3 of the back under DM 1996.
    EXPECT_NEAR(v.yRettaSsParete(1), 10.0 / 3, 1e-5);
}

}  // namespace
}  // namespace tavo
