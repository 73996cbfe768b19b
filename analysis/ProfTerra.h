#pragma once
// The ground surface upslope of the wall: an open polyline of points with a
// uniform vertical surcharge on each segment, per metre of horizontal run.
// The wall keeps two of them in the project state: the ground from the top
// of the backwall, and the same ground cut at the vertical through the heel
// end. The trial wedges ask it where their failure line meets the ground and
// how much surcharge stands on their top.
//
// Numbering: point i = 1..nVertici, segment i = 1..nVertici−1 (from point i
// to point i+1), as the callers number them; an index outside the allocated
// range throws std::out_of_range.

#include "geometry/Tagli.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tavo {

class ProfTerra {
public:
    // Number of points n; set by Coordinate.
    std::int16_t nVertici = 0;
    // Abscissa where the top of the current trial wedge ends; the caller
    // sets it before SovraccaricoPrisma.
    float xFinePrisma = 0;
    // Segments that the last SovraccaricoPrisma took into account, the last
    // one possibly cut.
    std::int16_t nqPrisma = 0;

    float Xi(int i) const;
    void Xi(int i, float xIn);
    float Yi(int i) const;
    void Yi(int i, float yIn);
    // Surcharge of segment i (kN/m² of horizontal run).
    float qi(int i) const;
    // All the points, point i at element i−1 (Singles held as doubles).
    std::span<const double> CoordX() const { return x_; }
    std::span<const double> CoordY() const { return y_; }

    // Replaces the whole profile with points 1..n of x, y (element i−1 is
    // point i) and the surcharges of segments 1..n−1 of q; nqPrisma becomes 0
    // and the loaded lengths 0 until the next SovraccaricoPrisma.
    void Coordinate(std::span<const float> x, std::span<const float> y, std::span<const float> q,
                    int n);

    // The crossings of the ground with the line a·x + b·y + c = 0, in the
    // order of the segments, a crossing at a shared point reported once (on
    // the earlier segment); when no segment holds one, the crossing with the
    // line of the last segment extended, with segment index nVertici. Sets
    // the shared length tolerance ZeroMaxDimen to the profile's extent / 1e6.
    IncrociPoligonale IntersezioneConRetta(double a, double b, double c) const;

    // The first crossing of the ground with the line a·x + b·y + c = 0, as
    // IntersezioneConRetta gives it (without building the list): on the first
    // segment (in index order, ends included) that holds one, `lato` its
    // index; when no segment holds one, on the line of the last segment
    // extended, with `lato` = nVertici. False, outputs untouched, when not
    // even that exists (the line parallel to the last segment, or fewer than
    // two points). Like every crossing of a polyline it sets the shared
    // length tolerance ZeroMaxDimen to the profile's extent / 1e6. It
    // allocates nothing: the trial wedges call it for every angle. The
    // segments before `primoLato` are not searched (a wedge whose top starts
    // further along the ground).
    bool PrimoIncrocio(double a, double b, double c, double& xc, double& yc, int& lato,
                       int primoLato = 1) const;

    // Resultant (kN/m) of the surcharges between point 1 and xFinePrisma,
    // over horizontal lengths; rewrites nqPrisma and the loaded lengths.
    float SovraccaricoPrisma();
    // The same from the abscissa xInizio on: the segments wholly before it
    // carry nothing, the one holding it only its part beyond (a wedge whose
    // top starts where the ground leaves the back, past point 1).
    float SovraccaricoPrisma(float xInizio);
    // Loaded horizontal length of segment i written by the last
    // SovraccaricoPrisma (1..n−1), which the wedge drawing reads.
    float LunghezzaCaricata(int i) const;

    // The shear that the ground surcharges add to the heel cantilever: none.
    float TaglioSovraccarico() const { return 0; }

private:
    // The line of each segment (as RettaPerDuePunti builds it at 1e-6) and
    // the extent tolerance of the points, kept in step with the points:
    // the trial wedges cross the same profile some seventy times per search.
    struct Lato {
        double a = 0, b = 0, c = 0;
        bool costruito = false;
    };
    void aggiornaLati();

    // Points held as doubles for the geometry routines; every value is a
    // Single converted exactly.
    std::vector<double> x_, y_;
    std::vector<Lato> lati_;
    double zero_ = 0;  // MaxDimensionePunti(x, y, nZero_, 1e6)
    int nZero_ = -1;
    std::vector<float> q_;
    std::vector<float> caricata_;
};

}  // namespace tavo
