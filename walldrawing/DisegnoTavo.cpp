#include "walldrawing/DisegnoTavo.h"

#include "analysis/DisegnoProfTerra.h"
#include "analysis/RetteSpinta.h"
#include "drawing/DisegnoPoligono.h"
#include "drawing/Forme.h"
#include "fileio/NumeriRegionali.h"
#include "geometry/Estremi.h"
#include "ports/ErroreCalcolo.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavo {

namespace {

// The plot window puts back the shared length tolerance when the drawing
// ends, however it ends.
class FineDisegno {
public:
    explicit FineDisegno(Plottaggio& p) : p_(p) {}
    ~FineDisegno() { p_.ConcludeDisegno(); }
    FineDisegno(const FineDisegno&) = delete;
    FineDisegno& operator=(const FineDisegno&) = delete;

private:
    Plottaggio& p_;
};

// The surface's font size put back when the drawing ends.
class DimensioneFontSalvata {
public:
    explicit DimensioneFontSalvata(SuperficieDisegno* s) : s_(s), punti_(s ? s->FontSize() : 0) {}
    ~DimensioneFontSalvata() {
        if (s_) s_->FontSize(punti_);
    }
    DimensioneFontSalvata(const DimensioneFontSalvata&) = delete;
    DimensioneFontSalvata& operator=(const DimensioneFontSalvata&) = delete;

private:
    SuperficieDisegno* s_;
    double punti_;
};

}  // namespace

void DisegnoTavo::PlottaTavo(UscitaGrafica uscita, OggettoUscita oggetto) {
    uscita_ = uscita;
    oggetto_ = oggetto;
    ImpostaUscita(g_, 1, uscita_, oggetto_);
    if (!plt_) plt_ = std::make_unique<Plottaggio>();
    const FineDisegno fine(*plt_);
    // The printer's size is set by every drawing; the screen's is its own.
    const DimensioneFontSalvata font(uscita_ == UscitaGrafica::VIDEO ? oggetto_.superficie : nullptr);
    const VariabiliPubbliche& v = v_;
    if (v.PolTavo.nVertici() < 3) return;  // no section computed: nothing to draw

    // Extents: the wall, and the top of the wedge drawn behind the heel
    // where it reaches further; room on the left for the toe's ground line.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    v.PolTavo.MaxMin(xMin, xMax, yMin, yMax);
    if (const Poligono& c = CuneoTallone().cuneo; c.nVertici() > 0) {
        xMax = std::max(xMax, c.x(c.nVertici()));
        yMax = std::max(yMax, c.y(c.nVertici()));
    }
    xMin = xMin - (xMax - xMin) / 8;

    // Room under the footing for the resultant on its base.
    const std::optional<double> scala = ScalaForze(yMin, yMax);
    if (scala) {
        const double yConRisultante = yMin - v.NPortata(v.CombGravosaPortata) / *scala;
        if (std::isfinite(yConRisultante)) yMin = std::min(yMin, yConRisultante);
    }

    PltInizializza(xMin, xMax, yMin, yMax, 0);

    const double dx = xMax - xMin, dy = yMax - yMin;
    const Misure m{xMin, xMax, yMin, yMax, xMax + 0.1 * dx, xMax + 0.05 * dx, dx / 100, dy / 30, scala};
    ImpostaAltezzaTestoInScala(g_, 0);
    const Impaginazione imp = Impagina(m);
    if (SuperficieDisegno* s = SuperficieCorrente(); s && imp.fattoreTesto != 1)
        s->FontSize(s->FontSize() * imp.fattoreTesto);

    {
        // The labels of the section placed off lines and other texts.
        struct FinePosa {
            Grafica& g;
            ~FinePosa() { g.PosaTesto = nullptr; }
        } finePosa{g_};
        if (SuperficieCorrente())
            g_.PosaTesto = [this](double& x, double& y, std::string_view t) { PosaEtichetta(x, y, t); };
        DisegnaSezione(m);
    }
    DisegnaTitolo(m, imp);
    DisegnaRisultati(imp.xRisultati, imp.yRisultati, m.h, imp.passo, imp.righePerColonna,
                     imp.passoColonne);
}

void DisegnoTavo::DisegnaSezione(const Misure& m) {
    const VariabiliPubbliche& v = v_;
    const double dy = m.yMax - m.yMin, h = m.h, L = m.L;

    // Wall.
    ImpostaColore(g_, 1);
    ImpostaSpessore(g_, 2);
    Plotta(g_, v.PolTavo, 1, false);
    ImpostaSpessore(g_, 1);
    Tratteggia(g_, v.PolTavo, 45, 30, 1);

    // Ground behind the wall and in front of the toe.
    ImpostaColore(g_, 3);
    ImpostaSpessore(g_, 2);
    DisegnaProfiloTerrenoMonte(m.xLimite);
    if (v.iBaseFondazione >= 1 && v.iBaseFondazione <= v.PolFondazione.nVertici()) {
        const double xb = v.PolFondazione.x(v.iBaseFondazione), yb = v.PolFondazione.y(v.iBaseFondazione);
        DisegnaLinea(g_, xb, yb, m.xMin, yb, 1);
    }
    ImpostaSpessore(g_, 1);

    // Wedges: beside each back the one of the combination whose thrusts it shows.
    ImpostaColore(g_, 1);
    if (const Poligono& c = CuneoParete().cuneo; c.nVertici() >= 2)
        DisegnaLinea(g_, c.x(1), c.y(1), c.x(c.nVertici()), c.y(c.nVertici()), 1);
    ImpostaColore(g_, 5);
    if (const Poligono& c = CuneoTallone().cuneo; c.nVertici() >= 2) {
        DisegnaLinea(g_, c.x(1), c.y(1), c.x(2), c.y(2), 1);
        DisegnaLinea(g_, c.x(1), c.y(1), c.x(c.nVertici()), c.y(c.nVertici()), 1);
    }

    // Forces: arrows of forces below a millionth of the static thrust are not drawn.
    const double soglia = v.StRibaltamento(v.CombGravosaRibaltamento) / 1000000.0;
    if (m.scala) {
        DisegnaSpinte(*m.scala, soglia, L, h);
        DisegnaNimpalcato(*m.scala, soglia, L, h);
    }
    DisegnaSovraccarichi(m.yMax, h, dy / 100, m.xLimite);
    DisegnaSigmaTerreno(dy, h);
    if (m.scala) DisegnaForzaFondazione(*m.scala, soglia, L, h);
}

void DisegnoTavo::DisegnaTitolo(const Misure& m, const Impaginazione& imp) {
    ImpostaColore(g_, 1);
    DisegnaTesto(g_, imp.xTitolo, imp.yTitolo, m.h, v_.TitoloTavo, 1);
    DisegnaTesto(g_, imp.xTitolo, imp.yNormativa, m.h,
                 v_.Normativa == NormativaDM1996 ? "Normativa: DM 1996" : "Normativa: NTC 2008", 1);
}

void DisegnoTavo::PltInizializza(double xMin, double xMax, double yMin, double yMax,
                                 double yOffset) {
    if (uscita_ == UscitaGrafica::VIDEO || uscita_ == UscitaGrafica::STAMPANTE) {
        if (uscita_ == UscitaGrafica::STAMPANTE && g_.Stampante) {
            g_.Stampante->FontName("Times New Roman");
            g_.Stampante->FontSize(8);
        }
        plt_->EstremiFinestra(0.05f, 0.1f, 0.6f, 0.8f);
    }
    plt_->Inizializza(g_, static_cast<float>(xMin), static_cast<float>(xMax),
                      static_cast<float>(yMin), static_cast<float>(yMax), uscita_, oggetto_, 1,
                      true, static_cast<float>(yOffset));
}

std::optional<double> DisegnoTavo::ScalaForze(double yMin, double yMax) const {
    const VariabiliPubbliche& v = v_;
    const int r = v.CombGravosaRibaltamento;
    const std::array<double, 9> forze{
        v.StParete(r),       v.SqParete(r),       v.SsParete(r),
        v.StRibaltamento(r), v.SqRibaltamento(r), v.SsRibaltamento(r),
        v.NImpalcato,        v.VImpalcato,        v.NPortata(r)};
    const double fMax = MassimoArray(forze);
    const double scala = 2 * fMax / (yMax - yMin);
    if (!(fMax > 0) || !std::isfinite(scala) || !(scala > 0)) return std::nullopt;
    return scala;
}

void DisegnoTavo::Freccia(int tipo, double soglia, double scala, double h,
                          const std::string& etichetta, double x1, double y1, double x2,
                          double y2, double L) {
    const std::array<double, 2> X{x1, x2}, Y{y1, y2};
    // The threshold looks at the force as its label shows it: a force that
    // reads 0 gets no arrow.
    DisegnaFreccia(g_, tipo, 2, soglia, scala, h, ValLocale(etichetta), etichetta, X, Y, L, "",
                   false);
}

void DisegnoTavo::DisegnaSpinte(double scala, double soglia, double L, double h) {
    const VariabiliPubbliche& v = v_;
    const int w = v.CombGravosaParete, r = v.CombGravosaRibaltamento;
    ImpostaColore(g_, 1);
    if (const auto rette = RetteUnitarie(true)) {
        const auto& [t, q, s] = *rette;
        DisegnaSpinteSub(v.StParete(w), v.SsParete(w), t.x, t.y, s.x, s.y, scala, soglia, L, h);
        FrecciaSullaRetta(v.SqParete(w), q.x, q.y, scala, soglia, L, h);
    }
    ImpostaColore(g_, 5);
    if (const auto rette = RetteUnitarie(false)) {
        const auto& [t, q, s] = *rette;
        DisegnaSpinteSub(v.StRibaltamento(r), v.SsRibaltamento(r), t.x, t.y, s.x, s.y, scala,
                         soglia, L, h);
        FrecciaSullaRetta(v.SqRibaltamento(r), q.x, q.y, scala, soglia, L, h);
    }
}

std::optional<std::array<DisegnoTavo::Retta, 3>> DisegnoTavo::RetteUnitarie(bool parete) const {
    const VariabiliPubbliche& v = v_;
    std::array<Retta, 3> r;
    const std::array<ComponenteSpinta, 3> tipi{ComponenteSpinta::StaticaT,
                                               ComponenteSpinta::StaticaQ, ComponenteSpinta::Sismica};
    // The heel's vertical reaches the ground where the wedges behind it start.
    if (!parete && v.PolCuneoFondazione.nVertici() < 2) return std::nullopt;
    double a = 0, b = 0, c = 0;
    try {
        for (std::size_t i = 0; i < 3; ++i) {
            if (parete)
                RettaSpintaParete(v, 1, r[i].x, r[i].y, a, b, c, v.AngoloAttritoTerraTavo,
                                  AngoloParamento(v), tipi[i]);
            else
                RettaSpintaFondazione(v, 1, r[i].x, r[i].y, a, b, c, v.AngoloAttritoTerraTavo, 0,
                                      tipi[i]);
        }
    } catch (const ErroreCalcolo&) {
        return std::nullopt;  // a back of no height: no line to draw on
    }
    return r;
}

void DisegnoTavo::DisegnaSpinteSub(double S1, double S2, const CoppiaRetta& x1,
                                   const CoppiaRetta& y1, const CoppiaRetta& x2,
                                   const CoppiaRetta& y2, double scala, double soglia, double L,
                                   double h) {
    if (v_.Normativa == NormativaDM1996) {
        FrecciaSullaRetta(S1, x1, y1, scala, soglia, L, h);
        FrecciaSullaRetta(S2, x2, y2, scala, soglia, L, h);
        return;
    }
    // The combined thrust on the static line, which it takes from the
    // static thrust: without one there is no arrow.
    if (S1 != 0) FrecciaSullaRetta(S1 + S2, x1, y1, scala, soglia, L, h);
}

void DisegnoTavo::FrecciaSullaRetta(double S, const CoppiaRetta& x, const CoppiaRetta& y,
                                    double scala, double soglia, double L, double h) {
    // The arrow takes the line's direction only, and is S long in force
    // units, so that its length at the force scale is the force its label
    // shows.
    const double ux = x(2) - x(1), uy = y(2) - y(1);
    const double k = S / std::hypot(ux, uy);
    if (!std::isfinite(k) || !std::isfinite(ux) || !std::isfinite(uy)) return;
    Freccia(1, soglia, scala, h, FormattaValore(S), x(1), y(1), x(1) + ux * k, y(1) + uy * k, L);
}

void DisegnoTavo::DisegnaNimpalcato(double scala, double soglia, double L, double h) {
    const VariabiliPubbliche& v = v_;
    if (v.PolParete.nVertici() < 6) return;
    const double x6 = v.PolParete.x(6), y6 = v.PolParete.y(6);
    // The deck loads are input data: their labels are the plain numbers.
    const double xN = x6 + v.DistanzaImpalcato;
    Freccia(1, soglia, scala, h, TestoRegionale(v.NImpalcato), xN, y6, xN,
            y6 + v.NImpalcato, L);
    Freccia(2, soglia, scala, h, TestoRegionale(v.VImpalcato), x6, y6,
            x6 - v.VImpalcato, y6, L);
}

void DisegnoTavo::DisegnaForzaFondazione(double scala, double soglia, double L, double h) {
    const VariabiliPubbliche& v = v_;
    const int p = v.CombGravosaPortata;
    const double N = v.NPortata(p), T = v.TPortata(p);
    const double e = v.MPortata(p) / N;
    if (!std::isfinite(e) || v.iBaseFondazione < 1 || v.iBaseFondazione > v.PolFondazione.nVertici())
        return;
    const double x1 = v.PolFondazione.x(v.iBaseFondazione) + v.BaseFondazione / 2.0 - e;
    const double y1 = v.PolFondazione.y(v.iBaseFondazione);
    const double R = std::sqrt(T * T + N * N);
    Freccia(1, soglia, scala, h, FormattaValore(R), x1, y1, x1 - T, y1 - N, L);
}

void DisegnoTavo::DisegnaProfiloTerrenoMonte(double xLimite) {
    disegna(g_, v_.ProfiloTerreno, xLimite);
}

void DisegnoTavo::DisegnaSovraccarichi(double yMax, double h, double passo, double xLimite) {
    const VariabiliPubbliche& v = v_;
    const double gamma = GammaSovraccarichi();
    if (!(gamma > 0)) return;
    DisegnaCarichi(g_, v.ProfiloTerreno, gamma, yMax + h, xLimite);
    ImpostaColore(g_, 1);
    DisegnaSovraccarichiPrisma(g_, CuneoParete().profilo, gamma, yMax + h, 45, passo);
    ImpostaColore(g_, 5);
    DisegnaSovraccarichiPrisma(g_, CuneoTallone().profilo, gamma, yMax + h, -45, passo);
}

void DisegnoTavo::DisegnaSigmaTerreno(double dy, double h) {
    const VariabiliPubbliche& v = v_;
    if (v.LarghezzaCompressa == 0) return;
    double sv = v.SigmaValle, sm = v.SigmaMonte;
    const double sMax = std::max(sv, sm);
    // NTC 2008 shows a uniform block at the larger pressure.
    if (v.Normativa == NormativaNTC2008) sv = sm = sMax;
    const double k = 2 * sMax / dy;
    if (!(sMax > 0) || !std::isfinite(k) || !(k > 0)) return;
    if (v.iBaseFondazione < 1 || v.iBaseFondazione > v.PolFondazione.nVertici()) return;
    double x1 = v.PolFondazione.x(v.iBaseFondazione);
    // A negative width is measured from the heel edge.
    if (v.LarghezzaCompressa < 0) x1 = x1 + v.BaseFondazione + v.LarghezzaCompressa;
    const double y0 = v.PolFondazione.y(v.iBaseFondazione);
    const double x2 = x1 + std::abs(v.LarghezzaCompressa);

    ImpostaColore(g_, 5);
    const std::array<double, 4> x{x1, x1, x2, x2}, y{y0, y0 - sv / k, y0 - sm / k, y0};
    DisegnaPoligono(g_, 4, x, y, 1);
    DisegnaTesto(g_, x1, (y0 + y0 - sv / k) / 2, h, FormattaValore(sMax / 1000), 1);
}

void DisegnoTavo::NumeraVertici(double h) { NumeraVertici1(CuneoTallone().cuneo, h); }

void DisegnoTavo::NumeraVertici1(const Poligono& p, double h) { tavo::NumeraVertici(g_, p, h, 1); }

}  // namespace tavo
