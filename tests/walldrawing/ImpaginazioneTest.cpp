// Every line, circle and text of the drawing lies on the device, on a
// recording surface of the sizes of the targets the drawing meets: the
// default window, a wide window, a landscape and a portrait A4 page; for
// the abutment under NTC 2008, the wall under DM 1996 and a surcharge far
// taller than the wall. Where the Part's layout already fits, it stays.

#include "walldrawing/DisegnoTavo.h"

#include "tests/support/RecordingSuperficie.h"
#include "tests/walldrawing/EsempioCalcolato.h"
#include "tests/walldrawing/MuriDaImpaginare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace tavo {
namespace {

using test::Progetto;

struct Dispositivo {
    const char* nome;
    double larghezza, altezza;
    bool stampante;
};

// A4 at 1200 dpi is 9921 x 14031 pixels; the recording font is 12 pixels
// high at 8.25 points whatever the resolution, so the pages are given at
// the scale of a 96-dpi screen, where the text keeps its real proportion.
constexpr Dispositivo Dispositivi[] = {
    {"FinestraPredefinita", 960, 655, false},
    {"FinestraLarga", 1600, 500, false},
    {"A4Orizzontale", 1123, 794, true},
    {"A4Verticale", 794, 1123, true},
};

Progetto ConCaricoAlto() {
    Progetto p = test::Spalla();
    // 150 kN/m2 on the first side: a block about 8 m high over a 6.8 m abutment.
    p.v.qProfilo(1) = 150;
    return test::Calcolato(p);
}

const Progetto& Esempio(int i) {
    static const Progetto caricoAlto = ConCaricoAlto();
    return i == 0 ? test::SpallaCalcolata() : i == 1 ? test::MuroCalcolato() : caricoAlto;
}

std::string NomeCaso(int esempio, const Dispositivo& d) {
    const char* const esempi[] = {"SpallaNTC", "MuroDM", "CaricoAlto"};
    return std::string(esempi[esempio]) + d.nome;
}

class TuttoSullaPagina : public ::testing::TestWithParam<std::tuple<int, Dispositivo>> {};

TEST_P(TuttoSullaPagina, OgniTrattoEOgniTestoNelDispositivo) {
    const auto& [esempio, d] = GetParam();
    const Progetto& p = Esempio(esempio);
    test::RecordingSuperficie s(d.larghezza, d.altezza);
    Grafica g;
    DisegnoTavo disegno(g, p.v, p.ntc);
    if (d.stampante) {
        g.Stampante = &s;
        disegno.PlottaTavo(UscitaGrafica::STAMPANTE);
    } else {
        disegno.PlottaTavo(UscitaGrafica::VIDEO, &s);
    }
    ASSERT_GT(s.testi().size(), 30u);
    const double tolleranza = 0.5;  // half a pixel
    auto dentro = [&](double x, double y) {
        return x >= -tolleranza && x <= d.larghezza + tolleranza && y >= -tolleranza &&
               y <= d.altezza + tolleranza;
    };
    for (const auto& t : s.tratti) {
        if (t.tipo == 'L') {
            EXPECT_TRUE(dentro(t.x1, t.y1) && dentro(t.x2, t.y2))
                << "linea " << t.x1 << "," << t.y1 << " - " << t.x2 << "," << t.y2;
        } else if (t.tipo == 'T') {
            // The recording font: 6 by 12 pixels a character at 8.25 points.
            const double w = 6.0 * static_cast<double>(t.testo.size()) * t.dimensione / 8.25;
            const double h = 12.0 * t.dimensione / 8.25;
            EXPECT_TRUE(dentro(t.x1, t.y1) && dentro(t.x1 + w, t.y1 + h))
                << "testo \"" << t.testo << "\" a " << t.x1 << "," << t.y1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EsempiEDispositivi, TuttoSullaPagina,
    ::testing::Combine(::testing::Values(0, 1, 2), ::testing::ValuesIn(Dispositivi)),
    [](const auto& info) { return NomeCaso(std::get<0>(info.param), std::get<1>(info.param)); });

}  // namespace
}  // namespace tavo

namespace tavo {
namespace {

// The labels of the forces and pressures on the walls that are hard to lay
// out, on the default window and an A4 page: none lies on another, none is
// struck through by a line of the drawing (the pressure label under the
// resultant's arrow, the deck's labels on the stem's corner), since each
// has room nearby.
class EtichetteLibere : public ::testing::TestWithParam<std::tuple<std::size_t, Dispositivo>> {};

bool Attraversato(double u1, double v1, double u2, double v2, const test::TrattoRegistrato& l) {
    // Sampled along the line: a point well inside the box.
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        const double x = l.x1 + (l.x2 - l.x1) * t, y = l.y1 + (l.y2 - l.y1) * t;
        if (x > u1 + 1 && x < u2 - 1 && y > v1 + 1 && y < v2 - 1) return true;
    }
    return false;
}

TEST_P(EtichetteLibere, NessunaEtichettaSuUnaLineaOSuUnAltra) {
    const auto& [i, d] = GetParam();
    const auto& muro = test::MuriDaImpaginare()[i];
    test::RecordingSuperficie s(d.larghezza, d.altezza);
    Grafica g;
    DisegnoTavo disegno(g, muro.p.v, muro.p.ntc);
    if (d.stampante) {
        g.Stampante = &s;
        disegno.PlottaTavo(UscitaGrafica::STAMPANTE);
    } else {
        disegno.PlottaTavo(UscitaGrafica::VIDEO, &s);
    }
    // The labels: the texts drawn before the title.
    std::vector<test::TrattoRegistrato> etichette;
    for (const auto& t : s.testi()) {
        if (t.testo == muro.p.v.TitoloTavo) break;
        etichette.push_back(t);
    }
    ASSERT_GE(etichette.size(), 5u);
    const auto linee = s.linee();
    for (std::size_t a = 0; a < etichette.size(); ++a) {
        const auto& e = etichette[a];
        const double w = 6.0 * static_cast<double>(e.testo.size()) * e.dimensione / 8.25;
        const double h = 12.0 * e.dimensione / 8.25;
        for (const auto& l : linee)
            EXPECT_FALSE(Attraversato(e.x1, e.y1, e.x1 + w, e.y1 + h, l)) << "\"" << e.testo << "\"";
        for (std::size_t b = a + 1; b < etichette.size(); ++b) {
            const auto& f = etichette[b];
            const double wf = 6.0 * static_cast<double>(f.testo.size()) * f.dimensione / 8.25;
            const bool sovrapposte = std::min(e.x1 + w, f.x1 + wf) - std::max(e.x1, f.x1) > 0.5 &&
                                     std::min(e.y1 + h, f.y1 + h) - std::max(e.y1, f.y1) > 0.5;
            EXPECT_FALSE(sovrapposte) << "\"" << e.testo << "\" sopra \"" << f.testo << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Muri, EtichetteLibere,
    ::testing::Combine(::testing::Range<std::size_t>(0, test::MuriDaImpaginare().size()),
                       ::testing::Values(Dispositivi[0], Dispositivi[3])),
    [](const auto& info) {
        return test::MuriDaImpaginare()[std::get<0>(info.param)].nome + std::get<1>(info.param).nome;
    });

}  // namespace
}  // namespace tavo
