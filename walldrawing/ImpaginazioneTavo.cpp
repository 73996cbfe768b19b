// Where the title, the code line and the results go, fitted to the page:
// the Part's places wherever everything already lies on the device, else
// the world box grows to take in the surcharges, the title and the
// pressure block, and the results block closes up (step and text size in
// proportion) until its last line is on the page.

#include "walldrawing/DisegnoTavo.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tavo {

namespace {

// Room left free at the device's edges, as a fraction of its size.
constexpr double MargineBordo = 0.01;

// The device in world units, as the plot window has fitted it.
struct Pagina {
    double sinistra, destra, basso, alto;
};

Pagina PaginaCorrente(const SuperficieDisegno& s) {
    const double x1 = s.ScaleLeft(), x2 = s.ScaleLeft() + s.ScaleWidth();
    const double y1 = s.ScaleTop(), y2 = s.ScaleTop() + s.ScaleHeight();
    return {std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

}  // namespace

SuperficieDisegno* DisegnoTavo::SuperficieCorrente() const {
    if (uscita_ == UscitaGrafica::VIDEO) return oggetto_.superficie;
    if (uscita_ == UscitaGrafica::STAMPANTE) return g_.Stampante;
    return nullptr;
}

double DisegnoTavo::GammaSovraccarichi() const {
    // A negligible soil unit weight: the wall's gives the surcharge heights.
    return v_.PesoSpecificoTavo / 100 >= v_.PesoSpecificoTerreno ? v_.PesoSpecificoTavo
                                                                  : v_.PesoSpecificoTerreno;
}

std::optional<DisegnoTavo::Sommita> DisegnoTavo::SommitaSovraccarichi(double yQ1,
                                                                       double xLimite) const {
    const double gamma = GammaSovraccarichi();
    if (!(gamma > 0)) return std::nullopt;
    std::optional<Sommita> r;
    auto blocco = [&](double x, float q) {
        if (!(q > 0)) return;
        const double y = yQ1 + q / gamma;
        if (!std::isfinite(y)) return;  // a block no page can hold is not laid out
        if (!r) r = Sommita{y, x};
        r->y = std::max(r->y, y);
        r->x = std::min(r->x, x);
    };
    const ProfTerra& p = v_.ProfiloTerreno;
    for (int i = 1; i <= p.nVertici - 1; ++i)
        if (const double x = p.CoordX()[static_cast<std::size_t>(i - 1)]; x < xLimite) blocco(x, p.qi(i));
    for (const ProfTerra* q : {&CuneoParete().profilo, &CuneoTallone().profilo})
        for (int i = 1; i <= q->nqPrisma; ++i)
            if (q->LunghezzaCaricata(i) > 0) blocco(q->CoordX()[static_cast<std::size_t>(i - 1)], q->qi(i));
    return r;
}

DisegnoTavo::Impaginazione DisegnoTavo::Impagina(double xMin, double xMax, double yMin,
                                                 double yMax, double h, double xRisultati,
                                                 double xLimite) {
    Impaginazione imp{yMax + 4.4 * h, yMax + 4.4 * h, 1.2 * h, 1};
    const std::optional<Sommita> carichi = SommitaSovraccarichi(yMax + h, xLimite);
    SuperficieDisegno* s = SuperficieCorrente();
    if (!s) {
        // A DXF file or the CAD program: the text stands on its insertion
        // point, so the code line only has to start above the blocks.
        if (carichi) imp.yNormativa = std::max(imp.yNormativa, carichi->y + h / 5);
        return imp;
    }

    // Screen and paper: the text hangs below its point.
    auto altezzaTesto = [&] { return std::abs(s->TextHeight("Ag")); };
    auto sopraICarichi = [&] {
        if (!carichi) return;
        const double larghezza = std::max(std::abs(s->TextWidth(v_.TitoloTavo)),
                                          std::abs(s->TextWidth("Normativa: NTC 2008")));
        if (xMin + larghezza > carichi->x)
            imp.yNormativa = std::max(imp.yNormativa, carichi->y + altezzaTesto());
    };
    sopraICarichi();

    // The pressure block reaches half the drawing's height below the base.
    double yBasso = yMin;
    if (v_.LarghezzaCompressa != 0 && std::max(v_.SigmaValle, v_.SigmaMonte) > 0 &&
        v_.iBaseFondazione >= 1 && v_.iBaseFondazione <= v_.PolFondazione.nVertici())
        yBasso = std::min(yBasso, v_.PolFondazione.y(v_.iBaseFondazione) - (yMax - yMin) / 2);
    auto yAlto = [&] {
        return std::max({yMax, carichi ? carichi->y : yMax, imp.yNormativa + 1.2 * h});
    };
    const Pagina p0 = PaginaCorrente(*s);
    if (yAlto() > p0.alto || yBasso < p0.basso) {
        PltInizializza(xMin, xMax, yBasso, yAlto() + h, 0);
        imp.yNormativa = yMax + 4.4 * h;
        sopraICarichi();
    }

    // The results: every line above the bottom edge and inside the right one.
    const Pagina p = PaginaCorrente(*s);
    MisuraRisultati m;
    {
        // Back to drawing, in the surface's font, even when the measure throws.
        struct FineMisura {
            MisuraRisultati*& misura;
            SuperficieDisegno& s;
            const std::string font;
            ~FineMisura() {
                misura = nullptr;
                s.FontName(font);
            }
        } fine{misura_, *s, s->FontName()};
        misura_ = &m;
        DisegnaRisultati(xRisultati, imp.yRisultati, h, imp.passo);
    }
    const double th = altezzaTesto();
    const double yLimite = p.basso + MargineBordo * (p.alto - p.basso);
    const double xLimitePagina = p.destra - MargineBordo * (p.destra - p.sinistra);
    const double altezza = (m.righe - 1) * imp.passo + th;
    double f = 1;
    if (imp.yRisultati - altezza < yLimite && altezza > 0)
        f = std::max(0.0, imp.yRisultati - yLimite) / altezza;
    imp.passo *= f;
    if (m.larghezza > 0 && xRisultati + f * m.larghezza > xLimitePagina)
        f = std::max(0.0, xLimitePagina - xRisultati) / m.larghezza;
    // A text size of 0 would fall back to the surface's default one.
    imp.fattoreTesto = std::max(f, 0.05);
    return imp;
}

}  // namespace tavo
