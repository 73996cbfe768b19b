#include "analysis/GeometriaSezione.h"

#include "analysis/Intero16.h"
#include "analysis/ZavorraSuola.h"
#include "geometry/Rette.h"

#include <vector>

namespace tavo {

namespace {

// Vertex i (1-based) of a polygon read back as a Single.
float xs(const Poligono& p, int i) { return static_cast<float>(p.Xi(i)); }
float ys(const Poligono& p, int i) { return static_cast<float>(p.Yi(i)); }

// First crossing of the ground with the vertical x = xv. The profile always
// has a crossing there (at worst on the extension of its last side, which
// is never vertical); a missing one means a broken profile and stops the
// calculation.
void IncrocioVerticale(ProfTerra& profilo, float xv, float& xc, float& yc, int& lato) {
    double x = 0, y = 0;
    if (!profilo.PrimoIncrocio(1, 0, -static_cast<double>(xv), x, y, lato))
        throw std::out_of_range("il profilo del terreno non incontra la verticale x = " +
                                std::to_string(xv));
    xc = static_cast<float>(x);
    yc = static_cast<float>(y);
}

}  // namespace

void CostruiscePoligonoParete(VariabiliPubbliche& v) {
    const float H = v.AltezzaParete;
    std::vector<float> x(7), y(7);  // vertex i is element i-1
    x[0] = 0;
    y[0] = 0;
    x[1] = x[0] - H * v.InclinazioneParete / 100;
    y[1] = y[0] + H;
    x[2] = x[1];
    y[2] = y[1] + v.AltezzaParaghiaia;
    x[3] = x[2] - v.SpessoreParaghiaia;
    y[3] = y[2];
    x[4] = x[3];
    y[4] = y[1];
    x[5] = x[1] - v.SpessoreTestaParete;
    y[5] = y[4];
    x[6] = x[0] - v.SpessoreBaseParete;
    y[6] = y[0];
    v.PolParete.Coordinate(std::span<const float>(x), std::span<const float>(y), 7);
    v.xBaseParete = (x[6] + x[0]) / 2;
    v.yBaseParete = (y[6] + y[0]) / 2;
    v.iBaseParete = 7;
}

void CostruiscePoligonoFondazione(VariabiliPubbliche& v) {
    std::vector<float> x(4), y(4);
    x[2] = xs(v.PolParete, 1) + v.SbalzoFondazione;
    y[2] = ys(v.PolParete, 1) - v.AltezzaFondazione;
    x[3] = x[2];
    y[3] = y[2] + v.AltezzaFondazione;
    x[0] = x[3] - v.LarghezzaFondazione;
    y[0] = y[3];
    x[1] = x[0];
    y[1] = y[2];
    v.PolFondazione.Coordinate(std::span<const float>(x), std::span<const float>(y), 4);
    v.iBaseFondazione = 2;
    v.xBaseFondazione = (x[2] + x[1]) / 2;
    v.yBaseFondazione = (y[2] + y[1]) / 2;
    v.BaseFondazione = v.LarghezzaFondazione;
}

void CostruiscePoligonoTavo(VariabiliPubbliche& v) {
    const int np = v.PolParete.nVertici();
    const int n =
        Intero16(static_cast<long>(np) + v.PolFondazione.nVertici(), "CostruiscePoligonoTavo");
    std::vector<double> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    for (int i = 1; i <= np; ++i) {
        x[i - 1] = xs(v.PolParete, i);
        y[i - 1] = ys(v.PolParete, i);
    }
    for (int i = 1; i <= v.PolFondazione.nVertici(); ++i) {
        x[np + i - 1] = xs(v.PolFondazione, i);
        y[np + i - 1] = ys(v.PolFondazione, i);
    }
    v.PolTavo.Coordinate(std::span<const double>(x), std::span<const double>(y), n);
    ImpostaZeroMaxDimen(MaxDimensionePunti(x, y, n, 1000000));
}

void CostruisceProfiloTerreno(VariabiliPubbliche& v) {
    const int N = v.nLatiTerreno;
    if (N < 1) throw ErroreCalcolo("CostruisceProfiloTerreno: profilo terreno senza lati");
    const int n = Intero16(static_cast<long>(N) + 2, "CostruisceProfiloTerreno");
    std::vector<float> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n)),
        q(static_cast<std::size_t>(n - 1));
    x[0] = xs(v.PolParete, 3);
    y[0] = ys(v.PolParete, 3);
    for (int j = 1; j <= N; ++j) {
        x[j] = x[j - 1] + v.dxProfilo(j);
        y[j] = y[j - 1] + v.dyProfilo(j);
        q[j - 1] = v.qProfilo(j);
    }
    // The closing point extends the last side to ten times the wall height.
    const float corsa = x[N] - x[N - 1];
    if (corsa == 0)
        throw ErroreCalcolo("CostruisceProfiloTerreno: ultimo lato del profilo senza sviluppo");
    x[N + 1] = 10 * (v.AltezzaParaghiaia + v.AltezzaParete + v.AltezzaFondazione);
    y[N + 1] = y[N] + (y[N] - y[N - 1]) / corsa * (x[N + 1] - x[N]);
    q[N] = 0;
    v.ProfiloTerreno.Coordinate(x, y, q, n);
}

void TagliaProfiloTerreno(VariabiliPubbliche& v) {
    const ProfTerra& p = v.ProfiloTerreno;
    const float xh = xs(v.PolFondazione, 3);
    float xc = 0, yc = 0;
    int s = 0;
    IncrocioVerticale(v.ProfiloTerreno, xh, xc, yc, s);
    int k = s - 1;
    // A vertical side standing on the heel end's vertical: the crossing is
    // the end of the side before it, but the wedge behind the heel rests on
    // the ground just beyond, which starts at the last point of the vertical
    // sides (the top of a step up, the foot of a step down). The cut starts
    // there, so that moving the step a hair toward the wall changes nothing.
    int ultimo = s + 1;
    while (ultimo + 1 < p.nVertici && p.Xi(ultimo) == xh && p.Xi(ultimo + 1) == xh) ++ultimo;
    if (ultimo > s + 1) {
        k = ultimo - 1;
        xc = p.Xi(ultimo);
        yc = p.Yi(ultimo);
    }
    const int m = p.nVertici - k;
    std::vector<float> x(static_cast<std::size_t>(m)), y(static_cast<std::size_t>(m)),
        q(static_cast<std::size_t>(m > 1 ? m - 1 : 0));
    x[0] = xc;
    y[0] = yc;
    for (int j = 2; j <= m; ++j) {
        x[j - 1] = p.Xi(k + j);
        y[j - 1] = p.Yi(k + j);
    }
    for (int j = 1; j <= m - 1; ++j) q[j - 1] = p.qi(k + j);
    v.ProfiloTerrenoFondazione.Coordinate(x, y, q, m);
}

void CostruiscePoligonoZavorra(VariabiliPubbliche& v) {
    float xc = 0, yc = 0;
    int k = 0;
    IncrocioVerticale(v.ProfiloTerreno, xs(v.PolFondazione, 4), xc, yc, k);
    const int m = Intero16(static_cast<long>(k) + 4, "CostruiscePoligonoZavorra");
    std::vector<float> x(static_cast<std::size_t>(m)), y(static_cast<std::size_t>(m));
    for (int i = 1; i <= 2; ++i) {
        x[i - 1] = xs(v.PolParete, i);
        y[i - 1] = ys(v.PolParete, i);
    }
    for (int j = 1; j <= k; ++j) {
        x[j + 1] = v.ProfiloTerreno.Xi(j);
        y[j + 1] = v.ProfiloTerreno.Yi(j);
    }
    x[k + 2] = xc;
    y[k + 2] = yc;
    x[k + 3] = xs(v.PolFondazione, 4);
    y[k + 3] = ys(v.PolFondazione, 4);
    Poligono contorno;
    contorno.Coordinate(std::span<const float>(x), std::span<const float>(y), m);
    v.PolZavorra = ParteSullaSuola(v, contorno);
}

void CalcolaPuntoImpalcato(VariabiliPubbliche& v) {
    v.xImpalcato = xs(v.PolParete, 6) + v.DistanzaImpalcato;
    v.yImpalcato = ys(v.PolParete, 6);
}

void CalcolaGeometria(VariabiliPubbliche& v) {
    CostruiscePoligonoParete(v);
    CostruiscePoligonoFondazione(v);
    CostruiscePoligonoTavo(v);
    CostruisceProfiloTerreno(v);
    TagliaProfiloTerreno(v);
    CostruiscePoligonoZavorra(v);
    AreaEBaricentro(v.PolZavorra);
    v.xZavorra = static_cast<float>(v.PolZavorra.xG);
    v.yZavorra = static_cast<float>(v.PolZavorra.yG);
    v.PesoZavorra = static_cast<float>(v.PesoSpecificoTerreno * v.PolZavorra.Area);
    CalcolaPuntoImpalcato(v);
}

}  // namespace tavo
