// A site found in the site window survives the project file: saved, opened
// again, and shown by the window in the same place with the same values.

#include "app/DatiForm.h"
#include "app/FileProgetto.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/app/ProgettiDiEsempio.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/CartellaDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tavo {
namespace {

using test::NodoModerato;

// The cell of four test nodes around Tivoli (12.8, 41.96).
const std::vector<NodoReticolo> Griglia{NodoModerato(1, 12.75f, 42.0f), NodoModerato(2, 12.75f, 41.9f),
                                        NodoModerato(3, 12.85f, 42.0f), NodoModerato(4, 12.85f, 41.9f)};

std::string Scritto(const test::Progetto& p) {
    FileRighe f;
    auto copia = p;
    FileLeggeScrive(f, copia.v, copia.ntc);
    return f.contenuto();
}

TEST(SitoNelProgetto, UnComuneTrovatoSiRitrovaDopoSalvataggioERiapertura) {
    test::RecordingMessagePort porta;
    test::CartellaDati dati("SitoNelProgetto");
    dati.scriveTutti(Griglia);
    test::DisegniRegistrati disegni;

    test::Progetto p = test::Spalla();
    FinestraSpettroNTC f{p.ntc, dati.percorso(), Separatori{}, disegni, [] {}};
    f.Form_Load();
    f.Form_Activate();
    f.optTipoRicerca_Click(1);
    f.c.cmbComune[0].posizione = 0;  // Lazio, Roma (off the test grid), then Tivoli
    f.cmbComune_Click(0);
    porta.svuota();
    f.c.cmbComune[2].posizione = 1;
    f.cmbComune_Click(2);
    f.cmdOK_Click(0);
    ASSERT_TRUE(porta.testi().empty()) << ::testing::PrintToString(porta.testi());
    ASSERT_EQ(p.ntc.NomeComune, "Tivoli (RM)");
    ASSERT_GT(p.ntc.KhNTC, 0.0f);
    const auto griglia = f.c.GridNTC;

    const auto file = NuovaCartellaDiProva("tavo_sito_progetto_") / "Tivoli.Tav";
    ASSERT_TRUE(SalvaFileProgetto(file, p.v, p.ntc));
    test::Progetto q;
    ASSERT_TRUE(ApreFileProgetto(file, q.v, q.ntc));
    EXPECT_EQ(Scritto(q), Scritto(p));
    EXPECT_EQ(q.ntc.NomeComune, "Tivoli (RM)");
    EXPECT_EQ(q.ntc.TipoRicerca, p.ntc.TipoRicerca);
    EXPECT_EQ(q.ntc.AgTR, p.ntc.AgTR);
    EXPECT_EQ(q.ntc.KhNTC, p.ntc.KhNTC);
    EXPECT_EQ(q.ntc.KvNTC, p.ntc.KvNTC);

    // The window opened on the reopened project shows the same municipality,
    // the same coordinates and the same table, and says nothing.
    porta.svuota();
    FinestraSpettroNTC g{q.ntc, dati.percorso(), Separatori{}, disegni, [] {}};
    g.Form_Load();
    g.Form_Activate();
    EXPECT_EQ(g.c.cmbComune[2].testo(), "Tivoli");
    EXPECT_EQ(g.c.txtCoord, f.c.txtCoord);
    EXPECT_EQ(g.c.GridNTC, griglia);
    EXPECT_TRUE(porta.testi().empty()) << ::testing::PrintToString(porta.testi());
}

TEST(SitoNelProgetto, UnProgettoApertoMostraIlSuoSitoNonQuelloDelPrecedente) {
    test::RecordingMessagePort porta;
    test::CartellaDati dati("SitoProgettoAperto");
    test::DisegniRegistrati disegni;
    const auto esempi = test::CartellaSorgenti() / "examples";
    const auto mostra = [&](NTC& ntc) {
        FinestraSpettroNTC f{ntc, dati.percorso(), Separatori{U',', U'.'}, disegni, [] {}};
        f.Form_Load();
        return f;
    };

    // The abutment, its site accepted with OK: SS and ST derived from it.
    test::Progetto p;
    ASSERT_TRUE(ApreFileProgetto(esempi / "Spalla.Tav", p.v, p.ntc));
    FinestraSpettroNTC sitoSpalla = mostra(p.ntc);
    sitoSpalla.cmdOK_Click(0);
    ASSERT_GT(p.ntc.Ss, 1.0f);
    const std::string ssSpalla = sitoSpalla.c.txtNTC[1];

    // The wall, which has no site, opened over it shows what it shows
    // when it is the first project of the session.
    ASSERT_TRUE(ApreFileProgetto(esempi / "Muro.Tav", p.v, p.ntc));
    test::Progetto primo;
    ASSERT_TRUE(ApreFileProgetto(esempi / "Muro.Tav", primo.v, primo.ntc));
    EXPECT_EQ(p.ntc, primo.ntc);
    const FinestraSpettroNTC sitoMuro = mostra(p.ntc);
    const FinestraSpettroNTC sitoPrimo = mostra(primo.ntc);
    EXPECT_EQ(sitoMuro.c.txtNTC, sitoPrimo.c.txtNTC);
    EXPECT_EQ(sitoMuro.c.GridNTC, sitoPrimo.c.GridNTC);
    EXPECT_NE(sitoMuro.c.txtNTC[1], ssSpalla);
}

// Opening "Dati Sisma" on a bundled example and pressing OK without touching
// anything searches the site again on the shipped grid: the example must
// already hold what that search gives, so that neither kh nor kv nor the
// stored block moves. kh and kv come back through the main window's boxes
// (four decimals), as the next calculation and Salva read them.
TEST(SitoNelProgetto, GliEsempiTengonoCioCheIlReticoloDaPerIlLoroSito) {
    const auto datiNTC = test::CartellaDatiConvertiti();
    ASSERT_FALSE(datiNTC.empty()) << "TAVO_DATI_NTC not set";
    for (const char* nome : {"Spalla.Tav", "Muro.Tav"}) {
        SCOPED_TRACE(nome);
        test::RecordingMessagePort porta;
        const auto percorso = test::CartellaSorgenti() / "examples" / nome;
        std::ifstream in(percorso, std::ios::binary);
        const std::string memorizzato(std::istreambuf_iterator<char>(in), {});
        test::Progetto p;
        CoefficientiParzialiDefault(p.v);
        ASSERT_TRUE(ApreFileProgetto(percorso, p.v, p.ntc));
        const NTC aperto = p.ntc;

        test::DisegniRegistrati disegni;
        FinestraSpettroNTC f{p.ntc, datiNTC, Separatori{}, disegni, [] {}};
        f.Form_Load();
        f.Form_Activate();
        f.cmdOK_Click(0);
        ASSERT_TRUE(f.DaChiudere());
        const Separatori sep{U',', U'.'};
        LeggeDatiDaForm(ScriveDatiInForm(p.v, p.ntc, sep), p.v, p.ntc, sep);

        EXPECT_TRUE(porta.testi().empty()) << ::testing::PrintToString(porta.testi());
        EXPECT_EQ(p.ntc.AgTR, aperto.AgTR);
        EXPECT_EQ(p.ntc.F0TR, aperto.F0TR);
        EXPECT_EQ(p.ntc.TcTR, aperto.TcTR);
        EXPECT_EQ(p.ntc.KhNTC, aperto.KhNTC);
        EXPECT_EQ(p.ntc.KvNTC, aperto.KvNTC);
        const std::string scritto = Scritto(p);
        if (scritto != memorizzato) {
            std::ofstream(std::string(nome) + ".nuovo", std::ios::binary) << scritto;
            ADD_FAILURE() << nome << " differs from what the program stores for its site; written bytes left in "
                          << nome << ".nuovo";
        }
    }
}

}  // namespace
}  // namespace tavo
