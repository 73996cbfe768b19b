#pragma once
// The drawing of the computed wall: the section hatched, the ground, the
// trial wedges, the thrusts and deck loads as labelled arrows, the
// surcharges, the soil-pressure block, the resultant on the footing base,
// the title, the code in force and the block of results. Everything goes
// through the current output target, so the screen, the printer, a DXF
// file and the CAD program receive the same primitives.
//
// DisegnoTavo is the drawing window's state: the keyword and target of the
// current drawing and one plot window, made on first use and kept. The
// drawing reads the project state and never changes it; the shared length
// tolerance that the plot window sets is put back when each drawing ends,
// so that drawing never changes a later calculation.
//
// Where a scale would need a division by zero (no positive force, a zero
// static thrust under NTC 2008, a zero axial force, no unit weight, no soil
// pressure) that element is left out and the rest is drawn.

#include "analysis/VariabiliPubbliche.h"
#include "drawing/Grafica.h"
#include "drawing/Plottaggio.h"
#include "seismic/NTC.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

class DisegnoTavo {
public:
    DisegnoTavo(Grafica& g, const VariabiliPubbliche& v, const NTC& sisma)
        : g_(g), v_(v), sisma_(sisma) {}

    // The whole drawing on `uscita` (`oggetto`: the surface of "VIDEO").
    void PlottaTavo(UscitaGrafica uscita, OggettoUscita oggetto = {});

    // Sets up the plot window: on screen and paper the section takes the
    // left 60 % of the page; the printer writes in Times New Roman, 8 points.
    void PltInizializza(double xMin, double xMax, double yMin, double yMax, double yOffset);
    // Force per drawing unit, so that the largest force is drawn half as
    // long as the drawing is high; nothing when there is no positive force.
    std::optional<double> ScalaForze(double yMin, double yMax) const;

    void DisegnaSpinte(double scala, double soglia, double L, double h);
    // DM 1996: S1 on line 1 and S2 on line 2; NTC 2008: S1 + S2 on line 1.
    // Each arrow is as long, at the force scale, as the force it shows.
    void DisegnaSpinteSub(double S1, double S2, const CoppiaRetta& x1, const CoppiaRetta& y1,
                          const CoppiaRetta& x2, const CoppiaRetta& y2, double scala,
                          double soglia, double L, double h);
    void DisegnaNimpalcato(double scala, double soglia, double L, double h);
    void DisegnaForzaFondazione(double scala, double soglia, double L, double h);
    void DisegnaProfiloTerrenoMonte(double xLimite);
    void DisegnaSovraccarichi(double yMax, double h, double passo, double xLimite);
    void DisegnaSigmaTerreno(double dy, double h);
    // The vertex numbers of the heel wedge (no drawing step calls them).
    void NumeraVertici(double h);
    void NumeraVertici1(const Poligono& p, double h);
    // The block of input data and governing results, first line at (x, y),
    // each line `passo` below the one before; with `righePerColonna` > 0 a
    // new column starts `passoColonne` to the right after so many lines.
    void DisegnaRisultati(double x, double y, double h, double passo, int righePerColonna = 0,
                          double passoColonne = 0);

    UscitaGrafica Uscita() const { return uscita_; }

private:
    // The extents and sizes of one drawing.
    struct Misure {
        double xMin, xMax, yMin, yMax;  // the section with the resultant under it
        double xRisultati, xLimite;     // the results block; the ground's limit
        double L, h;                    // arrowhead length; text height
        std::optional<double> scala;    // force per drawing unit
    };
    // Where the title, the code line and the results go, and the factor of
    // the font size on screen and paper.
    struct Impaginazione {
        double xTitolo, yTitolo, yNormativa;
        double xRisultati, yRisultati, passo;
        int righePerColonna = 0;
        double passoColonne = 0;
        double fattoreTesto = 1;
    };
    // The section with its ground, wedges, forces, surcharges and soil
    // pressures: everything but the title, the code and the results.
    void DisegnaSezione(const Misure& m);
    void DisegnaTitolo(const Misure& m, const Impaginazione& imp);
    // The layout (ImpaginazioneTavo.cpp): the places of the Part wherever
    // on the device no text there overlaps another, is struck through by a
    // line or leaves the device; otherwise the section, the title and the
    // results in areas of their own, the results one line of the real font
    // apart, beside the section or below it, in columns where one is too
    // long. It measures by drawing into a measuring surface, and may set
    // the plot window again.
    Impaginazione Impagina(const Misure& m);
    // On screen and paper a label of the section goes where the Part puts
    // it unless it would overlap a text or be struck through by a line
    // there; then to the first free place around its point on the device.
    void PosaEtichetta(double& x, double& y, std::string_view testo);
    // What the labels must keep clear of: the section's lines (user
    // coordinates, from the layout's measure, and in device pixels), and
    // the boxes of the title, the results and the labels placed so far.
    struct Ingombri {
        std::vector<std::array<double, 4>> segmenti, segmentiPixel, riquadri;
    };
    Ingombri ingombri_;
    // The surcharge per drawing unit of height.
    double GammaSovraccarichi() const;
    // The surface of a screen or printer drawing; nullptr on the others.
    SuperficieDisegno* SuperficieCorrente() const;

    // The arrow of the force S, labelled S, from the application point of
    // the line (x, y) along it, toward its second point for a positive S.
    void FrecciaSullaRetta(double S, const CoppiaRetta& x, const CoppiaRetta& y, double scala,
                           double soglia, double L, double h);
    // The lines of action of the static, surcharge and seismic thrusts on
    // the stem's back (parete) or on the vertical through the heel end, as
    // the checks place them, each with its second point at a unit run, the
    // way a positive thrust points. A line is the same in every combination
    // (a fixed point on the back, the angle δ + ε), so the drawing builds it
    // here and needs no copy per combination. Nothing on a back of no height.
    struct Retta {
        CoppiaRetta x, y;
    };
    std::optional<std::array<Retta, 3>> RetteUnitarie(bool parete) const;
    // The wedges drawn beside the backs with the surcharge loaded on them:
    // those of the combinations whose thrusts the arrows show, the governing
    // stem combination's behind the stem, the governing overturning one's
    // behind the heel.
    const VariabiliPubbliche::CuneoSpinta& CuneoParete() const {
        return v_.CuneiParete(v_.CombGravosaParete);
    }
    const VariabiliPubbliche::CuneoSpinta& CuneoTallone() const {
        return v_.CuneiRibaltamento(v_.CombGravosaRibaltamento);
    }
    // One labelled arrow: head at point `tipo`, label at point 2.
    void Freccia(int tipo, double soglia, double scala, double h, const std::string& etichetta,
                 double x1, double y1, double x2, double y2, double L);

    Grafica& g_;
    const VariabiliPubbliche& v_;
    const NTC& sisma_;
    UscitaGrafica uscita_ = UscitaGrafica::VIDEO;
    OggettoUscita oggetto_;
    std::unique_ptr<Plottaggio> plt_;
};

}  // namespace tavo
