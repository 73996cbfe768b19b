#pragma once
// The two pictures of the site window, drawn through the drawing kernel in
// degrees (x = longitude, y = latitude): the map of the country with a
// marker at the site, and a close-up of the grid nodes found around the
// site with their IDs. The window hands each routine the surface of its
// picture, already reset (the map to its clean copy, the close-up blank);
// each drawing has a plot window of its own, so the shared length
// tolerance is back as it was once the drawing ends.

#include "drawing/Grafica.h"
#include "drawing/Plottaggio.h"
#include "drawing/SuperficieDisegno.h"
#include "seismic/ReticoloNTC.h"

namespace tavo {

// The extent of the map picture, edge to edge.
inline constexpr float LonMinMappa = 5.69f, LonMaxMappa = 20.4f;
inline constexpr float LatMinMappa = 35.5f, LatMaxMappa = 47.67f;

// The map with the site marker: a circle of 1/50 of the map's width and a
// cross of 1.5 times that, black, stretched over the whole picture.
void DisegnaMappa(Grafica& g, SuperficieDisegno& mappa, float lon, float lat);

// The close-up: the found nodes as small red circles with their IDs, and the
// site as a black circle and cross, with equal scales on both axes.
void DisegnaNodi(Grafica& g, SuperficieDisegno& quadro, float lon, float lat, const NodiSito& nodi);

// The box of the close-up: the found nodes, a side with no node 0.09
// degrees from the opposite one, widened by 0.09 degrees on each side to
// contain the site. With no node at all the box is the site ± 0.09.
void EstremiNodi(float& xmin, float& xmax, float& ymin, float& ymax, float lon, float lat,
                 const NodiSito& nodi);

// b when a is 0, a when b is 0, else the smaller (minimo) or the larger of the two.
float MinMaxNonNullo(float a, float b, bool minimo);

// Starts `p` on the close-up's box, isotropic, in the drawing area
// (0.05, 0.05, 0.9, 0.95) of the picture (left, bottom, right, top).
void InizializzaPlottaggioNodi(Plottaggio& p, Grafica& g, float xmin, float xmax, float ymin, float ymax,
                               float yOffset, UscitaGrafica uscita, OggettoUscita oggetto);

}  // namespace tavo
