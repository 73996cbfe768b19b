// The hazard-grid files that the build converts from data/hazard, read back
// with the program's own readers, and the site search on the real grid.

#include "seismic/InterpolazioneSito.h"
#include "tests/seismic/DatiSitoDiProva.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <array>

#include <fstream>
#include <set>

namespace tavo {
namespace {

namespace fs = std::filesystem;

fs::path Convertito(const char* nome) {
    const fs::path cartella = test::CartellaDatiConvertiti();
    EXPECT_FALSE(cartella.empty()) << "TAVO_DATI_NTC is not set";
    return cartella / nome;
}

std::vector<NodoReticolo> TuttiINodi() {
    const std::string byte = LeggeFileIntero(Convertito(NomeFileReticolo));
    EXPECT_EQ(byte.size() % DimensioneRecordNodo, 0u);
    std::vector<NodoReticolo> nodi;
    for (std::size_t p = 0; p + DimensioneRecordNodo <= byte.size(); p += DimensioneRecordNodo)
        nodi.push_back(DecodificaNodo(byte.data() + p));
    return nodi;
}

TEST(DatiNTCConvertiti, IlReticoloHaTuttiINodiInOrdineDiLongitudine) {
    const auto nodi = TuttiINodi();
    ASSERT_EQ(nodi.size(), 10751u);
    std::set<std::int32_t> id;
    for (std::size_t k = 0; k < nodi.size(); ++k) {
        id.insert(nodi[k].ID);
        if (k > 0) {
            const auto& a = nodi[k - 1];
            const auto& b = nodi[k];
            ASSERT_TRUE(a.Longitudine < b.Longitudine || (a.Longitudine == b.Longitudine && a.ID < b.ID)) << k;
        }
    }
    EXPECT_EQ(id.size(), 10751u);
    // Source row of node 7663: 13.78 46.585, ag 0.296 at 30 years ... Tc 0.38 at 2475.
    const auto n = *std::find_if(nodi.begin(), nodi.end(), [](const auto& x) { return x.ID == 7663; });
    EXPECT_FLOAT_EQ(n.Longitudine, 13.78f);
    EXPECT_FLOAT_EQ(n.Latitudine, 46.585f);
    EXPECT_FLOAT_EQ(n.Ag[0], 0.296f);
    EXPECT_FLOAT_EQ(n.F0[6], 2.53f);
    EXPECT_FLOAT_EQ(n.Tc[8], 0.38f);
    // The westernmost node of the source, 13111 at 6.545 E, comes first.
    EXPECT_EQ(nodi.front().ID, 13111);
    EXPECT_FLOAT_EQ(nodi.front().Ag[8], 1.767f);
}

TEST(DatiNTCConvertiti, ComuniPerRegioneProvinciaENome) {
    test::RecordingMessagePort porta;
    ElencoComuni e;
    ASSERT_TRUE(LeggeFileComuni(Convertito(NomeFileComuni), e));
    ASSERT_EQ(e.Regioni.size(), 20u);
    EXPECT_EQ(e.Regioni.front(), "Piemonte");  // ISTAT code 01
    EXPECT_EQ(e.Regioni[12], "Abruzzo");       // 13
    EXPECT_EQ(e.Regioni.back(), "Sardegna");   // 20
    std::size_t province = 0, comuni = 0;
    for (std::size_t r = 0; r < e.Regioni.size(); ++r) {
        province += e.ChiaviRegione[r].size();
        EXPECT_TRUE(std::is_sorted(e.ProvinceRegione[r].begin(), e.ProvinceRegione[r].end())) << e.Regioni[r];
    }
    for (const auto& [chiave, elenco] : e.ComuniProvincia) comuni += elenco.size();
    EXPECT_EQ(province, 107u);
    EXPECT_EQ(e.ComuniProvincia.size(), 107u);
    EXPECT_EQ(comuni, 7896u);
    EXPECT_EQ(e.ProvinceRegione[12], (std::vector<std::string>{"Chieti", "L'Aquila", "Pescara", "Teramo"}));
    // Source row: 13,Abruzzo,L'Aquila,AQ,066001,Acciano,42.1766810,13.7183677.
    const ComuneNTC& acciano = e.ComuniProvincia.at("AQ").front();
    EXPECT_EQ(acciano.Nome, "Acciano");
    EXPECT_FLOAT_EQ(acciano.Longitudine, 13.7183677f);
    EXPECT_FLOAT_EQ(acciano.Latitudine, 42.1766810f);
    EXPECT_TRUE(porta.testi().empty());
}

TEST(DatiNTCConvertiti, VentiIsoleConIValoriDellaTabella) {
    ElencoIsole e;
    ASSERT_TRUE(LeggeFileIsole(Convertito(NomeFileIsole), e));
    ASSERT_EQ(e.Nomi.size(), 20u);
    EXPECT_EQ(e.Nomi[3], "Sardegna");
    EXPECT_EQ(e.Nomi[11], "Ustica");
    // Source row of Ustica: 0.429, 2.50, 0.400 at 30 years; ag 1.500 at 475.
    EXPECT_FLOAT_EQ(e.AgIsole[11][0], 0.429f);
    EXPECT_FLOAT_EQ(e.F0Isole[11][0], 2.5f);
    EXPECT_FLOAT_EQ(e.TcIsole[11][0], 0.4f);
    EXPECT_FLOAT_EQ(e.AgIsole[11][6], 1.5f);
}

class SitoRealeTest : public ::testing::Test {
protected:
    FinestraSpettroNTC f{modulo, test::CartellaDatiConvertiti(), Separatori{}, disegni, {}};
    test::RecordingMessagePort porta;
    test::DisegniRegistrati disegni;
    NTC modulo;
};

struct CasoSito {
    const char* nome;
    float lon, lat;
    const char* ag475;  // the figures of the hazard grid's publishers
    std::array<std::int32_t, 4> nodi;  // NW, SW, NE, SE
    double ag475Esatto;
};

TEST_F(SitoRealeTest, AgA475AnniSulReticolo) {
    // The nodes and the exact means recomputed by hand from the rows of
    // ntc2008_grid.tsv (weights 1/d, ag at 475 years in tenths of g):
    //   Roma: 1.044/0.037029 + 1.201/0.013010 + 1.213/0.075724 + 1.461/0.063002
    //         over 1/0.037029 + 1/0.013010 + 1/0.075724 + 1/0.063002 = 1.201342;
    //   L'Aquila: 2.606/0.057899 + 2.604/0.048606 + 2.608/0.040625 + 2.610/0.026520
    //         over the sum of the four 1/d = 2.607586.
    for (const CasoSito& caso :
         {CasoSito{"Roma", 12.4835f, 41.8930f, "0.120", {28290, 28512, 28291, 28734}, 0.1201342},
          CasoSito{"L'Aquila", 13.4012f, 42.3501f, "0.261", {26305, 26527, 26306, 26528}, 0.2607586}}) {
        SCOPED_TRACE(caso.nome);
        f.CercaSito(caso.lon, caso.lat);
        EXPECT_EQ((std::array<std::int32_t, 4>{f.Nodi[0].ID, f.Nodi[1].ID, f.Nodi[2].ID, f.Nodi[3].ID}),
                  caso.nodi);
        EXPECT_EQ(f.c.GridNTC[6][0], caso.ag475);
        EXPECT_NEAR(modulo.AgTR[6], caso.ag475Esatto, 2e-7);
    }
    EXPECT_TRUE(porta.testi().empty());
}

TEST_F(SitoRealeTest, LaSardegnaEFuoriDalReticoloELaDanLeIsole) {
    modulo.TipoRicerca = RicercaCoordinate;
    modulo.Longitudine = 9.33f;  // Nuoro
    modulo.Latitudine = 40.32f;
    f.Form_Load();
    f.Form_Activate();
    EXPECT_EQ(porta.testi(), std::vector<std::string>{"Sito esterno al reticolo"});
    EXPECT_EQ(f.c.GridNTC[6][0], "0.000");
    f.optTipoRicerca_Click(RicercaIsola);
    f.c.cmbIsole.posizione = 3;
    f.cmbIsole_Click();
    EXPECT_EQ(f.c.cmbIsole.testo(), "Sardegna");
    EXPECT_EQ(f.c.GridNTC[6][0], "0.050");  // Table 2: ag 0.500 tenths of g at 475 years
    EXPECT_EQ(f.c.GridNTC[6][1], "2.880");
    EXPECT_EQ(f.c.GridNTC[6][2], "0.340");
}

}  // namespace
}  // namespace tavo
