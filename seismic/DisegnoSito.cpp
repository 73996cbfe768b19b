#include "seismic/DisegnoSito.h"

#include "drawing/Forme.h"

#include <string>

namespace tavo {

void DisegnaMappa(Grafica& g, SuperficieDisegno& mappa, float lon, float lat) {
    Plottaggio p;
    p.EstremiFinestra(0, 0, 1, 1);
    // Not isotropic: the picture is the extent, stretched.
    p.Inizializza(g, LonMinMappa, LonMaxMappa, LatMinMappa, LatMaxMappa, UscitaGrafica::VIDEO, &mappa, 1,
                  false, 0);
    ImpostaColore(g, 7);
    ImpostaSpessore(g, 2);
    const float r = (LonMaxMappa - LonMinMappa) / 50;
    DisegnaCerchio(g, lon, lat, r, 1);
    DisegnaCroce(g, lon, lat, 1.5 * r, 1);
}

void DisegnaNodi(Grafica& g, SuperficieDisegno& quadro, float lon, float lat, const NodiSito& nodi) {
    const UscitaGrafica UscitaNodi = UscitaGrafica::VIDEO;
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    EstremiNodi(xmin, xmax, ymin, ymax, lon, lat, nodi);
    Plottaggio p;
    InizializzaPlottaggioNodi(p, g, xmin, xmax, ymin, ymax, 0, UscitaNodi, &quadro);
    const double h = (ymax - ymin) / 40.0;

    ImpostaColore(g, 1);
    ImpostaSpessore(g, 2);
    for (Quadrante q : {NordOvest, NordEst, SudEst, SudOvest}) {
        const NodoReticolo& n = nodi[q];
        if (n.ID <= 0) continue;
        DisegnaCerchio(g, n.Longitudine, n.Latitudine, 0.0015, 1);
        DisegnaTesto(g, n.Longitudine, n.Latitudine, h, std::to_string(n.ID), 1);
    }
    ImpostaColore(g, 7);
    DisegnaCerchio(g, lon, lat, 0.002, 1);
    DisegnaCroce(g, lon, lat, 0.006, 1);
}

float MinMaxNonNullo(float a, float b, bool minimo) {
    if (a == 0) return b;
    if (b == 0) return a;
    if (minimo) return a < b ? a : b;
    return a > b ? a : b;
}

void EstremiNodi(float& xmin, float& xmax, float& ymin, float& ymax, float lon, float lat,
                 const NodiSito& nodi) {
    const NodoReticolo &NO = nodi[NordOvest], &SO = nodi[SudOvest];
    const NodoReticolo &NE = nodi[NordEst], &SE = nodi[SudEst];
    xmin = MinMaxNonNullo(NO.Longitudine, SO.Longitudine, true);
    xmax = MinMaxNonNullo(NE.Longitudine, SE.Longitudine, false);
    ymin = MinMaxNonNullo(SE.Latitudine, SO.Latitudine, true);
    ymax = MinMaxNonNullo(NE.Latitudine, NO.Latitudine, false);

    if (xmin == 0 && xmax == 0 && ymin == 0 && ymax == 0) {
        // No node found: the zero coordinates of the missing nodes are no
        // place, so the box starts at the site instead of at longitude 0,
        // latitude 0, and the widening below centres it on the site.
        xmin = lon - 0.09f;
        xmax = lon + 0.09f;
        ymin = lat - 0.09f;
        ymax = lat + 0.09f;
        return;
    }
    if (xmin == 0) xmin = xmax - 0.09f;
    if (xmax == 0) xmax = xmin + 0.09f;
    if (ymin == 0) ymin = ymax - 0.09f;
    if (ymax == 0) ymax = ymin + 0.09f;

    if (xmin > lon) xmin = lon - 0.09f;
    if (xmax < lon) xmax = lon + 0.09f;
    if (ymin > lat) ymin = lat - 0.09f;
    if (ymax < lat) ymax = lat + 0.09f;
}

void InizializzaPlottaggioNodi(Plottaggio& p, Grafica& g, float xmin, float xmax, float ymin, float ymax,
                               float yOffset, UscitaGrafica uscita, OggettoUscita oggetto) {
    p.EstremiFinestra(0.05f, 0.05f, 0.9f, 0.95f);
    p.Inizializza(g, xmin, xmax, ymin, ymax, uscita, oggetto, 1, true, yOffset);
}

}  // namespace tavo
