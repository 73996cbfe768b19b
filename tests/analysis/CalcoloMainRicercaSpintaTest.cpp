// The thrust search seen through the whole calculation on two walls of
// broken or steep ground: the largest wedge carried into the overturning and
// sliding checks, and a ground too steep for the seismic combination refused
// from its data.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "tests/analysis/CuneoForzaBruta.h"
#include "tests/analysis/MuroAMano.h"
#include "tests/support/RecordingFinestraPrincipale.h"
#include "tests/support/RecordingMessagePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace tavo {
namespace {

struct Lato {
    float dx, dy, q;
};

// The main window's boxes of a wall: geometry, soil and sides; no deck load.
struct Muro {
    std::int16_t normativa;
    float h1, s1, i, H, s2, s3, h3, L2, B;
    float phi, delta, phib, gammaT, gammaM;
    float kh, kv;   // NTC 2008
    std::int16_t S; // DM 1996
    std::vector<Lato> lati;
};

bool Calcola(const Muro& m, VariabiliPubbliche& v, test::RecordingFinestraPrincipale& finestra) {
    CoefficientiParzialiDefault(v);
    v.Normativa = m.normativa;
    NTC sisma;
    finestra.campi = [m](VariabiliPubbliche& w, NTC& s) {
        test::CompilaMuroAMano(w, s);
        w.AltezzaParaghiaia = m.h1;
        w.SpessoreParaghiaia = m.s1;
        w.InclinazioneParete = m.i;
        w.AltezzaParete = m.H;
        w.SpessoreTestaParete = m.s2;
        w.SpessoreBaseParete = m.s3;
        w.AltezzaFondazione = m.h3;
        w.SbalzoFondazione = m.L2;
        w.LarghezzaFondazione = m.B;
        w.AngoloAttritoInterno = m.phi;
        w.AngoloAttritoTerraTavo = m.delta;
        w.AngoloAttritoFondazione = m.phib;
        w.PesoSpecificoTerreno = m.gammaT;
        w.PesoSpecificoTavo = m.gammaM;
        w.GradoSismicita = m.S;
        w.NImpalcato = 0;
        w.VImpalcato = 0;
        w.DistanzaImpalcato = 0;
        s.KhNTC = m.kh;
        s.KvNTC = m.kv;
        w.nLatiTerreno = static_cast<std::int16_t>(m.lati.size());
        w.dxProfilo.ridimensiona(w.nLatiTerreno);
        w.dyProfilo.ridimensiona(w.nLatiTerreno);
        w.qProfilo.ridimensiona(w.nLatiTerreno);
        for (int j = 1; j <= w.nLatiTerreno; ++j) {
            w.dxProfilo(j) = m.lati[j - 1].dx;
            w.dyProfilo(j) = m.lati[j - 1].dy;
            w.qProfilo(j) = m.lati[j - 1].q;
        }
    };
    return CalcoloMain(v, sisma, finestra);
}

// The brute force's largest heel thrust on the computed wall with the
// wedge factors γGS, γQ of a check.
double SpintaFondazioneFB(const VariabiliPubbliche& calcolato, double gGS, double gQ,
                          const test::AngoliFB& a) {
    VariabiliPubbliche v = calcolato;
    v.GammaCuneo = static_cast<float>(gGS);
    v.GammaSovraccarico = static_cast<float>(gQ);
    return test::DorsoFB(v, Paramento::Fondazione).Massimo(a).P;
}

// NTC 2008: a ditch 3.05 m deep, a bank 2.73 m high, then flat ground.
const Muro EsempioNTC{NormativaNTC2008, 0, 0.3f, 0, 3.04f, 0.4f, 0.4f, 1.03f, 5.87f, 6.27f,
                      25.9f, 9.9f, 25.9f, 18, 24.5f, 0.253f, 0.1265f, 0,
                      {{7.85f, -3.05f, 32}, {4.46f, 2.73f, 43.5f}, {5.87f, 0, 2.5f}}};

// The static combination's heel thrust is the largest wedge's, and the
// sliding factor follows from it.
TEST(CalcoloMainRicercaSpinta, BrokenGroundCarriesTheLargestWedgeIntoTheChecks) {
    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    VariabiliPubbliche v;
    ASSERT_TRUE(Calcola(EsempioNTC, v, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u);

    // The default static factors of the overturning and the sliding check
    // (γφ, γGS, ..., γQ as the hand calculation's table has them).
    const test::CombinazioneAMano statica = test::CombinazioniNTCAMano()[0];
    const auto angoli = [](const std::array<double, 7>& f) {
        const double phid = test::DegFB(std::atan(std::tan(test::RadFB(25.9f)) / f[0]));
        return test::AngoliFB{static_cast<float>(phid), 9.9f, 0, 0, 1};
    };

    // Overturning: the brute force, and the 47.0 kN/m (today 39.7).
    const double ribaltamento =
        SpintaFondazioneFB(v, statica.mr[1], statica.mr[4], angoli(statica.mr));
    EXPECT_NEAR(ribaltamento, 47.0, 0.1);
    const float S1 = v.StRibaltamento(1) + v.SqRibaltamento(1) + v.SsRibaltamento(1);
    EXPECT_NEAR(S1, ribaltamento, 1e-4 * ribaltamento);

    // Sliding: the brute force's thrust in place of the one computed, by hand
    // (static, no deck load, no inertia): Fs = (N − S sin δ + Sb sin δ)·tan φb,d
    // / (T − S cos δ + Sb cos δ); the figure 3.81 (today 4.47).
    const double scorrimento =
        SpintaFondazioneFB(v, statica.scorr[1], statica.scorr[4], angoli(statica.scorr));
    const double S = v.StScorrimento(1) + v.SqScorrimento(1) + v.SsScorrimento(1);
    EXPECT_NEAR(S, scorrimento, 1e-4 * scorrimento);
    const double d = test::RadFB(9.9f);
    const double Fs = (v.NScorrimento(1) + (scorrimento - S) * std::sin(d)) *
                      (std::tan(test::RadFB(25.9f)) / statica.scorr[0]) /
                      (v.TScorrimento(1) + (scorrimento - S) * std::cos(d));
    EXPECT_NEAR(Fs, 3.81, 0.01);
    EXPECT_NEAR(v.FsScorrimento(1), Fs, 1e-4 * Fs);
}

// DM 1996, grade S = 9: kh = 0.07, ψ = atan 0.07 = 4.00°, φ − ψ = 21.20°.
// One side 13.27 m long rising 5.5 m (22.51°): the seismic thrust has no
// maximum, and the wall is refused with its message. A rise of 5 m (20.65°)
// leaves it one: computed, the heel's thrust the brute force's.
TEST(CalcoloMainRicercaSpinta, GroundSteeperThanTheSeismicAngleAllowsIsRefused) {
    Muro m{NormativaDM1996, 0, 0, 3.6f, 1.64f, 0.54f, 0.54f, 0.91f, 2.74f, 4.67f,
           25.2f, 10.7f, 33.1f, 20.2f, 24.9f, 0, 0, 9,
           {{13.27f, 5.5f, 49}}};
    {
        test::RecordingMessagePort messaggi;
        test::RecordingFinestraPrincipale finestra;
        VariabiliPubbliche v;
        EXPECT_FALSE(Calcola(m, v, finestra));
        EXPECT_EQ(messaggi.conta(), 1u) << "overturning factor " << v.FsRibaltamento(1);
        if (messaggi.conta() == 1) {
            EXPECT_EQ(messaggi.registrati()[0].testo,
                      "Il profilo del terreno è troppo ripido per l'angolo di attrito di progetto "
                      "ridotto dell'angolo sismico: la spinta cresce fino al cuneo di 2° senza "
                      "raggiungere un massimo.");
            EXPECT_EQ(messaggi.registrati()[0].icona, Icona::Critico);
        }
    }
    m.lati[0].dy = 5;
    test::RecordingMessagePort messaggi;
    test::RecordingFinestraPrincipale finestra;
    VariabiliPubbliche v;
    ASSERT_TRUE(Calcola(m, v, finestra)) << ::testing::PrintToString(messaggi.testi());
    EXPECT_EQ(messaggi.conta(), 0u);
    // Static part and seismic thrust (every factor 1 under DM 1996).
    const float psi = static_cast<float>(test::DegFB(std::atan(static_cast<double>(0.07f))));
    const double P0 = SpintaFondazioneFB(v, 1, 1, {25.2f, 10.7f, 0, 0, 1});
    const double P1 = SpintaFondazioneFB(v, 1, 1, {25.2f, 10.7f, 0, psi, 1});
    const float St = v.StRibaltamento(1) + v.SqRibaltamento(1);
    EXPECT_NEAR(St, P0, 1e-4 * P0);
    EXPECT_NEAR(St + v.SsRibaltamento(1), P1, 1e-4 * P1);
}

}  // namespace
}  // namespace tavo
