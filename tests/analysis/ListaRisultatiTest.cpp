// The result listing in the main window's boxes and the reinforcement
// defaults.

#include "analysis/ListaRisultati.h"
#include "fileio/Separatori.h"
#include "tests/support/RecordingFinestraPrincipale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <tuple>

namespace tavo {
namespace {

class ListaRisultatiTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Each triple element k holds a value whose digits tell the
        // quantity (tens) and the combination (units): box texts then show
        // which value landed where.
        Terna* terne[] = {&v.StRibaltamento, &v.SqRibaltamento, &v.SsRibaltamento, &v.SiRibaltamento,
                          &v.MRibaltante,    &v.MStabilizzante, &v.FsRibaltamento, &v.StScorrimento,
                          &v.SqScorrimento,  &v.SsScorrimento,  &v.SiScorrimento,  &v.TScorrimento,
                          &v.NScorrimento,   &v.FsScorrimento,  &v.StPortata,      &v.SqPortata,
                          &v.SsPortata,      &v.SiPortata,      &v.MPortata,       &v.NPortata,
                          &v.TPortata,       &v.StParete,       &v.SqParete,       &v.SsParete,
                          &v.SiParete,       &v.MParete,        &v.NParete,        &v.VParete};
        float decina = 10;
        for (Terna* t : terne) {
            for (int k = 1; k <= 3; ++k) (*t)(k) = decina + static_cast<float>(k);
            decina += 10;
        }
        v.SigmaValle = 185000;
        v.SigmaMonte = 42000;
        v.LarghezzaCompressa = -5.25f;
        v.BaseFondazione = 7;
        v.MSuolaValle = 123.4f;
        v.MSuolaMonte = -0.0005f;
    }

    VariabiliPubbliche v;
    test::RecordingFinestraPrincipale f;
    SeparatoriInstallati separatori{{U'.', U','}};
};

TEST_F(ListaRisultatiTest, OgniGruppoMostraLaSuaCombinazione) {
    ScriveRisultatiStabilita(v, f, 1, 2, 3);
    ScriveRisultatiParete(v, f, 2);
    // Overturning in combination 1: St 11, Sq 21, Ss 31, Si 41, MRib 51, MStab 61, Fs 71.
    EXPECT_EQ(f.txtMNfondazione[0], " 11.00");
    EXPECT_EQ(f.txtMNfondazione[13], " 21.00");
    EXPECT_EQ(f.txtMNfondazione[9], " 31.00");
    EXPECT_EQ(f.txtMNfondazione[14], " 41.00");
    EXPECT_EQ(f.txtMNfondazione[3], " 51.00");
    EXPECT_EQ(f.txtMNfondazione[17], " 61.00");
    EXPECT_EQ(f.txtMNfondazione[4], " 71.00");
    // Sliding in combination 2: St 82, Sq 92, Ss 102, Si 112, T 122, N 132, Fs 142.
    EXPECT_EQ(f.txtScorr[0], " 82.00");
    EXPECT_EQ(f.txtScorr[1], " 92.00");
    EXPECT_EQ(f.txtScorr[2], " 102.0");
    EXPECT_EQ(f.txtScorr[3], " 112.0");
    EXPECT_EQ(f.txtMNfondazione[10], " 122.0");
    EXPECT_EQ(f.txtMNfondazione[15], " 132.0");
    EXPECT_EQ(f.txtMNfondazione[5], " 142.0");
    // Soil pressure in combination 3: St 153, Sq 163, Ss 173, Si 183, M 193, N 203, T 213.
    EXPECT_EQ(f.txtScorr[4], " 153.0");
    EXPECT_EQ(f.txtScorr[5], " 163.0");
    EXPECT_EQ(f.txtScorr[6], " 173.0");
    EXPECT_EQ(f.txtScorr[7], " 183.0");
    EXPECT_EQ(f.txtMNfondazione[1], " 193.0");
    EXPECT_EQ(f.txtMNfondazione[2], " 203.0");
    EXPECT_EQ(f.txtMNfondazione[16], " 213.0");
    // The governing pressures in N/mm², the compressed part of the base in
    // percent (5.25 of 7 m) and the footing moments.
    EXPECT_EQ(f.txtMNfondazione[6], " 185.0");
    EXPECT_EQ(f.txtMNfondazione[7], " 42.00");
    EXPECT_EQ(f.txtMNfondazione[8], " 75.00");
    EXPECT_EQ(f.txtMNfondazione[11], " 123.4");
    EXPECT_EQ(f.txtMNfondazione[12], "0");
    // Stem in combination 2: St 222, M 262, N 272, Ss 242, V 282, Sq 232, Si 252.
    EXPECT_EQ(f.txtMNparete,
              (std::array<std::string, 7>{" 222.0", " 262.0", " 272.0", " 242.0", " 282.0", " 232.0", " 252.0"}));
    EXPECT_EQ(f.lblTipoVerifica, (std::array<std::string, 4>{"?1", "?2", "?3", "?2"}));
}

TEST_F(ListaRisultatiTest, UnaCombinazioneInesistenteNonScriveNulla) {
    for (auto [kMR, kS, kP] : {std::tuple{0, 1, 1}, std::tuple{1, 4, 1}, std::tuple{1, 1, 0}}) {
        EXPECT_THROW(ScriveRisultatiStabilita(v, f, kMR, kS, kP), std::out_of_range);
    }
    EXPECT_THROW(ScriveRisultatiParete(v, f, 4), std::out_of_range);
    EXPECT_EQ(f.txtMNfondazione[0], "");
    EXPECT_EQ(f.txtMNparete[0], "");
    EXPECT_EQ(f.lblTipoVerifica[0], "");
}

struct CasoColore {
    std::int16_t normativa;
    float fsRibaltamento, fsScorrimento;
    bool ribaltamentoRosso, scorrimentoRosso;
};

TEST_F(ListaRisultatiTest, ColoriDeiCoefficientiDiSicurezza) {
    const CasoColore casi[] = {
        {NormativaNTC2008, 0.99f, 0.99f, true, true},   {NormativaNTC2008, 1.0f, 1.0f, false, false},
        {NormativaDM1996, 1.49f, 1.29f, true, true},    {NormativaDM1996, 1.5f, 1.3f, false, false},
        {NormativaDM1996, 1.3f, 1.49f, true, false},    {NormativaNTC2008, 0, 0, true, true},
        // The weights themselves overturn the wall: failing, not passing.
        {NormativaNTC2008, -2.5f, 3, true, false},      {NormativaDM1996, -0.5f, -1, true, true},
    };
    for (const auto& c : casi) {
        v.Normativa = c.normativa;
        v.FsRibaltamento(1) = c.fsRibaltamento;
        v.FsScorrimento(1) = c.fsScorrimento;
        ScriveRisultatiStabilita(v, f, 1, 1, 1);
        EXPECT_EQ(f.coloreMNfondazione[4], c.ribaltamentoRosso ? ColoreRosso : ColoreNero)
            << c.normativa << " " << c.fsRibaltamento;
        EXPECT_EQ(f.coloreMNfondazione[5], c.scorrimentoRosso ? ColoreRosso : ColoreNero)
            << c.normativa << " " << c.fsScorrimento;
    }
}

// A combination whose overturning moment is not positive cannot overturn:
// the box says so in place of its negative factor, in black, under either
// code; a combination that can overturn shows its factor, coloured as before.
struct CasoNonRibaltabile {
    std::int16_t normativa;
    float mRibaltante, fs;
    const char* testo;
    bool rosso;
};

TEST_F(ListaRisultatiTest, UnaCombinazioneCheNonPuoRibaltareLoDice) {
    const CasoNonRibaltabile casi[] = {
        {NormativaNTC2008, -5, -82.6f, "non ribaltabile", false},
        {NormativaDM1996, -5, -82.6f, "non ribaltabile", false},
        {NormativaNTC2008, 0, 0, "non ribaltabile", false},
        {NormativaDM1996, 10, -2.5f, "-2.500", true},
        {NormativaNTC2008, 10, 0.5f, " 0.5000", true},
        {NormativaDM1996, 10, 32.6f, " 32.60", false},
    };
    for (const auto& c : casi) {
        v.Normativa = c.normativa;
        v.MRibaltante(2) = c.mRibaltante;
        v.FsRibaltamento(2) = c.fs;
        ScriveRisultatiStabilita(v, f, 2, 1, 1);
        EXPECT_EQ(f.txtMNfondazione[4], c.testo) << c.normativa << " " << c.mRibaltante;
        EXPECT_EQ(f.coloreMNfondazione[4], c.rosso ? ColoreRosso : ColoreNero) << c.normativa << " " << c.mRibaltante;
        EXPECT_EQ(TestoSicurezzaRibaltamento(v, 2), c.testo);
    }
    // The moment itself is still listed with its sign.
    EXPECT_EQ(f.txtMNfondazione[3], " 10.00");
}

// A combination whose sliding force is not positive (a deck force toward
// the backfill) cannot slide: the box says so in place of its negative
// factor, in black; one that can slide shows its factor, coloured as before.
struct CasoNonScorrevole {
    std::int16_t normativa;
    float T, fs;
    const char* testo;
    bool rosso;
};

TEST_F(ListaRisultatiTest, UnaCombinazioneCheNonPuoScorrereLoDice) {
    const CasoNonScorrevole casi[] = {
        {NormativaNTC2008, -40, -17.3f, "non scorrevole", false},
        {NormativaDM1996, -40, -17.3f, "non scorrevole", false},
        {NormativaNTC2008, 10, 0.9f, " 0.9000", true},
        {NormativaDM1996, 10, 1.29f, " 1.290", true},
        {NormativaDM1996, 10, 1.3f, " 1.300", false},
    };
    for (const auto& c : casi) {
        v.Normativa = c.normativa;
        v.TScorrimento(3) = c.T;
        v.FsScorrimento(3) = c.fs;
        ScriveRisultatiStabilita(v, f, 1, 3, 1);
        EXPECT_EQ(f.txtMNfondazione[5], c.testo) << c.normativa << " " << c.T;
        EXPECT_EQ(f.coloreMNfondazione[5], c.rosso ? ColoreRosso : ColoreNero) << c.normativa << " " << c.T;
        EXPECT_EQ(TestoSicurezzaScorrimento(v, 3), c.testo);
    }
}

TEST_F(ListaRisultatiTest, UnaRisultanteFuoriDallaBaseNonMostraPressioniMaLaVerificaFallita) {
    // Combination 2 governs with its resultant outside the 7 m base
    // (e = M/N = 4 m), and the pressures of the state are 0.
    v.CombGravosaPortata = 2;
    v.MPortata(2) = 400;
    v.NPortata(2) = 100;
    v.SigmaValle = v.SigmaMonte = v.LarghezzaCompressa = 0;
    ScriveRisultatiStabilita(v, f, 2, 2, 2);
    for (int casella : {6, 7, 8}) {
        EXPECT_EQ(f.txtMNfondazione[static_cast<std::size_t>(casella)], "violato");
        EXPECT_EQ(f.coloreMNfondazione[static_cast<std::size_t>(casella)], ColoreRosso) << casella;
    }
    // Inside the base (e = 0.5 m) the same boxes are black again.
    v.MPortata(2) = 50;
    v.SigmaValle = 30000;
    ScriveRisultatiStabilita(v, f, 1, 1, 1);
    for (int casella : {6, 7, 8}) {
        EXPECT_EQ(f.coloreMNfondazione[static_cast<std::size_t>(casella)], ColoreNero) << casella;
    }
    EXPECT_EQ(f.txtMNfondazione[6], " 30.00");
}

TEST_F(ListaRisultatiTest, IRisultatiSiMostranoNeiSeparatoriRegionali) {
    SeparatoriInstallati italiano({U',', U'.'});
    v.MParete(1) = 12345.6f;
    ScriveRisultatiParete(v, f, 1);
    EXPECT_EQ(f.txtMNparete[1], " 12.346");
    EXPECT_EQ(f.txtMNparete[0], " 221,0");
}

struct CasoMateriali {
    std::int16_t normativa;
    float valore;
    float distanza, copriferro, sigma, fyd, omogeneizzazione;
};

TEST(DefaultMateriali, SostituisceSoloCioCheNonEPositivo) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const CasoMateriali casi[] = {
        {NormativaNTC2008, 0, 1, 3, 0, 391, 15},        {NormativaDM1996, 0, 1, 3, 255, 0, 15},
        {NormativaNTC2008, -2, 1, 3, -2, 391, 15},      {NormativaDM1996, nan, 1, 3, 255, nan, 15},
        {NormativaNTC2008, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f},
    };
    for (const auto& c : casi) {
        VariabiliPubbliche v;
        v.Normativa = c.normativa;
        v.DistanzaSezioni = v.Copriferro = v.SigmaAcciaioAmm = v.fyd = v.CoeffOmogeneizzazione = c.valore;
        DefaultMateriali(v);
        EXPECT_EQ(v.DistanzaSezioni, c.distanza);
        EXPECT_EQ(v.Copriferro, c.copriferro);
        EXPECT_EQ(v.CoeffOmogeneizzazione, c.omogeneizzazione);
        if (std::isnan(c.sigma)) EXPECT_TRUE(std::isnan(v.SigmaAcciaioAmm));
        else EXPECT_EQ(v.SigmaAcciaioAmm, c.sigma);
        if (std::isnan(c.fyd)) EXPECT_TRUE(std::isnan(v.fyd));
        else EXPECT_EQ(v.fyd, c.fyd);
    }
}

}  // namespace
}  // namespace tavo
