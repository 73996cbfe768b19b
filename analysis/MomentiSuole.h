#pragma once
// Bending moment and shear of the two footing cantilevers, fixed at the
// faces of the stem: the toe, pushed up by the soil pressure and down by its
// own weight; the heel, loaded by its own weight and the soil resting on it
// and pushed up by the soil pressure. The pressures are those last computed
// (SigmaValle, SigmaMonte, LarghezzaCompressa of the state, factors
// included); the footing weight g = γm·h3 per unit area and the soil on the
// heel carry no partial factor, and the ground surcharges over the heel add
// nothing.
//
// Signs: toe moment positive with the bottom fibres in tension, heel moment
// positive with the top fibres in tension; shears kN/m, moments kN·m/m.

#include "analysis/VariabiliPubbliche.h"
#include "geometry/Poligono.h"

namespace tavo {

// MValle, MMonte: the moments at the stem faces (toe length B − L2 − s3,
// heel length L2 with the whole PolZavorra).
void CalcolaMomentiSuole(const VariabiliPubbliche& v, float& MValle, float& MMonte);

// Toe section at distance x from the toe edge: returns M, V := the shear.
float MomentoSuolaValle(const VariabiliPubbliche& v, float x, float& V);

// Heel section at distance x from the heel end; P is the soil standing on
// the heel beyond the section, its section properties computed. Returns M,
// V := the shear.
float MomentoSuolaMonte(const VariabiliPubbliche& v, const Poligono& P, float x, float& V);

// Moment and shear at distance x from a free edge of a pressure diagram
// that starts there with value sa and spans the compressed width w (sb the
// value at w, used by the linear model of DM 1996 only).
float MomentoPressioniSuola(const VariabiliPubbliche& v, float x, float sa, float sb, float w,
                            float& V);

}  // namespace tavo
