#pragma once
// The site's hazard parameters at the nine tabulated return periods, from
// the grid nodes found around it: the values of a node the site sits on, or
// else the inverse-distance mean (first power) over the nodes found.

#include "seismic/NTC.h"
#include "seismic/ReticoloNTC.h"

#include <array>

namespace tavo {

// Number of nodes found (ID > 0).
int NumeroNodi(const NodiSito& nodi);

// Smallest DistanzaNodo over the nodes found; 1000 when there is none.
double DistanzaMinimaNodi(float lon, float lat, const NodiSito& nodi);

// Parameter 1 ag, 2 F0, 3 Tc* of each node found at period `periodo`
// (0-based); the entries of missing nodes keep their values.
void ValoriNodi(const NodiSito& nodi, int parametro, std::array<double, 4>& p, int periodo);

// (Σ p(k)/d(k) over the nodes found) / sommaInversi.
double MediaPesataDistanze(const NodiSito& nodi, const std::array<double, 4>& d,
                           const std::array<double, 4>& p, double sommaInversi);

// AgTR, F0TR, TcTR := 0 at all nine periods.
void AzzeraParametriTR(NTC& s);

// Fills AgTR (in g), F0TR and TcTR of `s` from the nodes found: a node
// within 1e-5 degrees of the site gives its own values (the first such in
// the order NW, SW, NE, SE), otherwise the nodes are weighted by 1/d.
// Needs at least one node found.
void InterpolaParametriSito(float lon, float lat, const NodiSito& nodi, NTC& s);

}  // namespace tavo
