// Walls the calculation accepts whose drawing holds elements of no size (a
// wall a micron wide, a resultant so far away that its arrowhead collapses
// to one point): the drawing skips them and never raises a message, on the
// screen or through the File menu; an error of a drawing reaches the user
// once, from the File menu.

#include "walldrawing/DisegnoTavo.h"
#include "walldrawing/PlottaIn.h"

#include "analysis/CalcoloMain.h"
#include "tests/drawing/LettoreDxf.h"
#include "tests/support/CartellaDiProva.h"
#include "tests/support/RecordingMessagePort.h"
#include "tests/support/RecordingSuperficie.h"
#include "tests/walldrawing/EsempioCalcolato.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

namespace tavo {
namespace {

namespace fs = std::filesystem;
using test::Progetto;

// An example changed by `modifica`, computed: the calculation accepts it.
Progetto Accettato(Progetto p, const std::function<void(VariabiliPubbliche&)>& modifica) {
    modifica(p.v);
    test::RecordingFinestraPrincipale finestra;
    EXPECT_TRUE(CalcoloMain(p.v, p.ntc, finestra));
    return p;
}

struct CasoDegenere {
    const char* nome;
    std::function<Progetto()> progetto;
};

void PrintTo(const CasoDegenere& c, std::ostream* os) { *os << c.nome; }

class DisegnoDegenere : public ::testing::TestWithParam<CasoDegenere> {};

TEST_P(DisegnoDegenere, SulloSchermoESullaCartaNessunMessaggio) {
    const Progetto p = GetParam().progetto();
    for (const UscitaGrafica uscita : {UscitaGrafica::VIDEO, UscitaGrafica::STAMPANTE}) {
        test::RecordingMessagePort messaggi;
        test::RecordingSuperficie superficie(1000, 700);
        Grafica g;
        g.Stampante = &superficie;
        DisegnoTavo d(g, p.v, p.ntc);
        d.PlottaTavo(uscita, &superficie);
        EXPECT_EQ(messaggi.testi(), std::vector<std::string>{}) << ParolaUscita(uscita);
        // The rest of the drawing is there: the title among the texts.
        const auto testi = superficie.testi();
        EXPECT_NE(std::find_if(testi.begin(), testi.end(),
                               [&](const auto& t) { return t.testo == p.v.TitoloTavo; }),
                  testi.end());
    }
}

// The drawing window as the File menu sees it: the wall drawn on the target.
class FinestraDelMuro final : public FinestraPlotta {
public:
    FinestraDelMuro(Grafica& g, const Progetto& p) : disegno_(g, p.v, p.ntc) {}
    void PlottaInOggetto(UscitaGrafica uscita) override { disegno_.PlottaTavo(uscita); }
    void Scarica() override {}

private:
    DisegnoTavo disegno_;
};

class Piattaforma final : public PiattaformaUscita {
public:
    fs::path file;
    test::RecordingSuperficie carta{4000, 5600, 2.4};
    std::optional<int> DialogoStampante() override { return 1; }
    SuperficieDisegno& IniziaStampa() override { return carta; }
    void NuovaPagina() override {}
    void FineStampa() override {}
    void AnnullaStampa() override {}
    std::optional<fs::path> DialogoSalva(const RichiestaSalvaDxf&) override { return file; }
};

TEST_P(DisegnoDegenere, StampaEDxfSenzaMessaggiEDxfPulito) {
    const Progetto p = GetParam().progetto();
    const fs::path cartella = NuovaCartellaDiProva("tavo_degenere_");
    fs::path percorsoDati = cartella;
    test::RecordingMessagePort messaggi;
    Grafica g;
    FinestraDelMuro finestra(g, p);
    Piattaforma piattaforma;
    piattaforma.file = cartella / "muro.dxf";
    for (const VoceFilePlotta voce : {VoceFilePlotta::Stampa, VoceFilePlotta::EsportaDxf})
        PlottaIn(static_cast<int>(voce), "muro", finestra, piattaforma, g, percorsoDati);
    EXPECT_EQ(messaggi.testi(), std::vector<std::string>{});
    EXPECT_FALSE(piattaforma.carta.testi().empty());
    const test::DxfLetto letto = test::LeggeConEzdxf(piattaforma.file);
    EXPECT_EQ(letto.errori, 0);
    EXPECT_FALSE(letto.entita.empty());
    fs::remove_all(cartella);
}

INSTANTIATE_TEST_SUITE_P(
    Muri, DisegnoDegenere,
    ::testing::Values(
        // Widths of a micron on a stem of a micron, no backwall: the
        // whole wall is a point on the page.
        CasoDegenere{"LarghezzeMicron",
                     [] {
                         return Accettato(test::Spalla(), [](VariabiliPubbliche& v) {
                             v.SpessoreParaghiaia = v.SpessoreTestaParete = 1e-6f;
                             v.SpessoreBaseParete = v.AltezzaFondazione = 1e-6f;
                             v.SbalzoFondazione = 1e-6f;
                             v.LarghezzaFondazione = 2e-6f;
                             v.AltezzaParaghiaia = 0;
                             v.AltezzaParete = 1e-6f;
                         });
                     }},
        // A deck force of 1e20 kN/m puts the footing's resultant 1e18 m
        // away: there an arrowhead of 0.1 m collapses to one point.
        CasoDegenere{"RisultanteLontanissima",
                     [] {
                         return Accettato(test::Muro(),
                                          [](VariabiliPubbliche& v) { v.VImpalcato = 1e20f; });
                     }}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace tavo
