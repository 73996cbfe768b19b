#pragma once
// The polygon class Poligono (data, vertex accessors, section properties),
// with its extent (MaxMin) and its cut by a line.
//
// Indexing convention: vertices are numbered 1..nVertici() in every public
// member, as the wall numbers its vertices (Xi(1) is the first vertex; edge i runs from vertex
// i to vertex i+1, edge n closes the outline). Arrays handed in or out
// (Coordinate, CoordX, CoordY) hold vertex i at 0-based element i-1.
//
// Errors: an index outside the bounds of the vertex arrays (Xi, Yi, x, y),
// any vertex access before the arrays exist, or a count larger than the
// arrays a member reads (Coordinate with n < 1 or longer than its inputs,
// Copia / Perimetro / MaxMin of a polygon whose arrays are too short) throws
// std::out_of_range: a subscript error left to the caller, who then stops.
// CaratteristicheStatiche traps its own errors and reports them (messages
// through tavo::messaggi()).
//
// The polygon is a value type: copying it with = copies everything; Copia()
// is the class's own copy member, which does not copy nRettangolini_.

#include "geometry/Rette.h"
#include "geometry/Tagli.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavo {

class Poligono {
public:
    // ---- Public fields, in the order of their accessors; a new polygon has all 0 / false.
    double Area = 0.0;      // area, never negative after CaratteristicheStatiche / AreaCalcola
    double xG = 0.0;        // centroid
    double yG = 0.0;
    double stat_x = 0.0;    // integral of y dA
    double stat_y = 0.0;    // integral of x dA
    double jota_x = 0.0;    // integral of y^2 dA
    double jota_y = 0.0;    // integral of x^2 dA
    double jota_xy = 0.0;   // integral of x y dA
    double jota_xG = 0.0;   // about the centroidal axes
    double jota_yG = 0.0;
    double jota_xyG = 0.0;
    double jota_IG = 0.0;   // larger principal moment
    double jota_IIG = 0.0;  // smaller principal moment
    double AngoloJotaI = 0.0;   // direction (radians) of the axis of jota_IG
    double AngoloJotaII = 0.0;  // direction (radians) of the axis of jota_IIG
    double iX = 0.0;            // sqrt(jota_IG / Area)
    double iY = 0.0;            // sqrt(jota_IIG / Area)
    double WxSuperiore = 0.0;   // jota_xG / (yMax - yG)
    double WxInferiore = 0.0;   // jota_xG / (yG - yMin)
    double WyDestra = 0.0;      // jota_yG / (xMax - xG)
    double WySinistra = 0.0;    // jota_yG / (xG - xMin)
    double Wplx = 0.0;          // plastic moduli; CaratteristicheStatiche only zeroes them
    double Wply = 0.0;
    std::int16_t nRettangolini_ = 0;            // strips of the last discretisation
    bool NumerazioneVerticiAntioraria = false;  // set only by AreaCalcola

    // ---- Vertex data ------------------------------------------------------

    // A new polygon whose vertices are set by Coordinate(x, y, nVertici), then
    // fields 1-23 and NumerazioneVerticiAntioraria copied; nRettangolini_ is
    // not copied; nothing is recomputed. Throws for a polygon without vertices.
    Poligono Copia() const;

    int nVertici() const { return nVertici_; }
    // Sets the count; when > 0 the arrays are re-created with v zeros (old
    // coordinates are lost); 0 or less only sets the count.
    void nVertici(int v);

    // A copy of the whole x (y) array.
    std::vector<double> CoordX() const { return x_; }
    std::vector<double> CoordY() const { return y_; }
    // x (y) re-created from xIn (yIn), nVertici = its size; the other array is
    // not touched. An empty input (an array never filled)
    // sets nVertici = 0 without a message and leaves the array as it was.
    void CoordX(std::span<const double> xIn);
    void CoordX(std::span<const float> xIn);
    void CoordY(std::span<const double> yIn);
    void CoordY(std::span<const float> yIn);

    // x, y re-created as n vertices from xIn(1..n), yIn(1..n); nVertici = n.
    // n < 1 or an input shorter than n throws std::out_of_range.
    void Coordinate(std::span<const double> xIn, std::span<const double> yIn, int n);
    void Coordinate(std::span<const float> xIn, std::span<const float> yIn, int n);

    // Vertex i (1-based): get and set. Out of the arrays' bounds: std::out_of_range.
    double Xi(int i) const;
    void Xi(int i, double v);
    double Yi(int i) const;
    void Yi(int i, double v);
    // Second names of the same accessors.
    double x(int i) const { return Xi(i); }
    void x(int i, double v) { Xi(i, v); }
    double y(int i) const { return Yi(i); }
    void y(int i, double v) { Yi(i, v); }

    // ---- Measures ------------------------------------------------------------

    // Sum of the edge lengths, closing edge included; needs a vertex.
    double Perimetro() const;
    // Area (>= 0) and NumerazioneVerticiAntioraria from the triangle fan; with
    // fewer than 3 vertices Area = 0 and the flag keeps its value.
    void AreaCalcola();
    // AreaCalcola, then Area <= tolerance (0, or Perimetro^2 / 1e20).
    bool AreaNulla(bool RispettoAlPerimetro = false);
    // Ring or full circle: Area, jota_xG, WxSuperiore, WxInferiore only.
    // Raggio = 0 (a division of jota_xG by the radius) or an overflow throws
    // ErroreCalcolo, the fields computed before it keeping their new values;
    // through CaratteristicheStatiche(..., true, ...) the same errors are
    // trapped like those of the polygon.
    void CaratteristicheStaticheCerchio(double Raggio, double RaggioInterno);
    // All section properties. Fewer than 3 vertices or SoloBarre:
    // only the six sums are cleared. Errors are trapped: an overflow sets
    // xG = yG = 0 silently; any other error shows
    // "Errore nella sub CaratteristicheStatiche. " + its description
    // ("Divisione per zero", "Chiamata di routine o argomento non validi",
    // "Indice non compreso nell'intervallo") and ends the routine.
    void CaratteristicheStatiche(bool SoloBarre = false, bool Cerchio = false, double Raggio = 0.0,
                                 double RaggioInterno = 0.0);

    // ---- Extent ------------------------------------------------------------------

    // Extremes of the vertex coordinates (single-precision seeds +-1e20, which
    // come back unchanged with no vertices); ZeroXY = larger span / 1e9.
    void MaxMin(double& xMin, double& xMax, double& yMin, double& yMax) const;
    void MaxMin(double& xMin, double& xMax, double& yMin, double& yMax, double& ZeroXY) const;

    // ---- Cut by a line a x + b y + c = 0 -------------------------------------------
    // No member here changes the polygon it is called on, except RotoTraslaVertici.

    // Crossings of the outline with the line (IntersezionePoligonoRetta, no
    // cleaning): edge by edge, at most one per edge, 1-based edge indexes.
    Incroci IntersezioneConRetta(double a, double b, double c) const;

    // A new polygon with the ni crossings (xInt, yInt on the 1-based edges L,
    // in edge order) inserted after the first vertex of their edge; Intersezione
    // becomes the n + ni flags (true for the inserted crossings). No property
    // is computed.
    Poligono PoligonoConIntersezioni(std::span<const double> xInt, std::span<const double> yInt,
                                     std::span<const int> L, int ni,
                                     std::vector<bool>& Intersezione) const;

    // Every vertex (x, y) becomes (M1 x + M2 y + M3, M4 x + M5 y + M6); then
    // CaratteristicheStatiche(false, false).
    void RotoTraslaVertici(const MatriceFrame& Mat);

    // The vertices with c yP > 0 (c = y(i), or x(i) with AsseVerticale) or a
    // true flag, in order, as a new polygon (no properties). Retaining no
    // vertex throws std::out_of_range (the array error of Coordinate).
    Poligono PoligonoSenzaPuntiOpposti(double yP, const std::vector<bool>& Intersezione,
                                       bool AsseVerticale = false) const;

    // The part on the side of the homogeneous reference point (xP, yP, zP)
    // (zP = 0: the side the direction (xP, yP) points into): the vertices
    // strictly on that side plus every crossing (held in single precision),
    // in outline order, in world coordinates, with all properties computed.
    // std::nullopt when the line does not cross the outline.
    std::optional<Poligono> PoligonoIntersezione(double a, double b, double c, double xP,
                                                 double yP, double zP) const;

    // The reacting part for the neutral axis (a, b, c) and the compressed side
    // (x_N, y_N, z_N): crossed, the cut part (properties computed twice) and
    // SezioneParzializzata = 1; not crossed, with z_N >= 0 a copy of the
    // vertices (no properties) and 0, otherwise std::nullopt and -1.
    // SoloBarre has no effect.
    std::optional<Poligono> PoligonoReagente(double x_N, double y_N, double z_N, double a,
                                             double b, double c, int& SezioneParzializzata,
                                             bool SoloBarre = false) const;

private:
    template <class T>
    void assegnaCoordinate(std::span<const T> xIn, std::span<const T> yIn, int n);
    template <class T>
    static void assegnaArray(std::vector<double>& dest, int& n, std::span<const T> in);
    void verificaVertici(const char* dove) const;
    void caratteristicheStatiche();
    void cerchio(double R, double r);

    std::vector<double> x_;
    std::vector<double> y_;
    int nVertici_ = 0;
};

}  // namespace tavo
