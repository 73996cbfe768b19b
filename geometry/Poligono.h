#pragma once
// The polygon class Poligono: data, vertex accessors, section properties,
// extent and point queries, rigid moves, the cut by a line, the division into
// parts with the plastic moduli, the strip discretisation, the convex hull,
// the outline seen from the right and the offset outline through a point.
// The members live in one source file per job (Poligono.cpp, PoligonoQuery.cpp,
// PoligonoDivisione.cpp, PoligonoStrisce.cpp, PoligonoInviluppo.cpp); the
// drawing of a polygon is done by free functions of drawing/.
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

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavo {

struct PartiPoligono;
struct DivisionePoligono;

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

    // The larger of the two spans (the y span when they are equal); the seeds'
    // difference with no vertices.
    double MaxDimensione() const;
    // (xMin, yMin, xMax, yMax).
    std::array<double, 4> BoundingBox() const;
    // The point lies strictly inside the box shrunk by `zero` on every side
    // (a negative zero enlarges it).
    bool PuntoInBoundingBox(double xP, double yP, double zero) const;

    // ---- Point and segment queries ---------------------------------------------

    // 1 inside, -1 outside, for the homogeneous point (xPo, yPo, zPo);
    // |zPo| < ZeroF is a point at infinity, outside.
    int PuntoInPoligono(double xPo, double yPo, double zPo = 1.0, double ZeroF = 0.001) const;
    // Crossings of the segment (x_s, y_s) with every edge, strictly inside both
    // (a crossing at an end of either does not count), at the tolerance larger
    // span / 1e9. `incroci` receives them in edge order (lato = 1-based edge);
    // true when there is one at least.
    bool IntersezioneConSegmento(const Coppia& x_s, const Coppia& y_s, Incroci& incroci) const;
    // nP new points go in after the vertices that had the 1-based numbers
    // ip(k) before the insertion (ip ascending; 0 puts a point first).
    // No property is recomputed.
    void InseriscePunti(std::span<const double> xP, std::span<const double> yP, int nP,
                        std::span<const int> ip);

    // ---- Rigid moves ---------------------------------------------------------------

    // Moves the origin to (xO, yO): every vertex minus (xO, yO); no property recomputed.
    void Trasla(double xO, double yO);
    // Turns the outline about (xC, yC) by Angolo radians (counter-clockwise),
    // then CaratteristicheStatiche(false, false).
    void RuotaVertici(double xC, double yC, double Angolo);
    // x := -(x + xyAsse) (RispettoX: y := -(y + xyAsse)); the vertex order is
    // kept, so the orientation flips; no property recomputed.
    void SpecchiaXY(double xyAsse, bool RispettoX = false);

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

    // ---- Division by a horizontal (vertical) line and plastic moduli ---------------
    // "Sup" is the part above the line (right of it with AsseVerticale), "Inf"
    // the part below (left). The crossings are held in single precision.

    // Splits the outline at y = yDiv (x = yDiv with AsseVerticale). Crossed:
    // each part keeps the vertices strictly on its side plus the crossings, in
    // outline order (no property computed). Not crossed: the whole polygon is
    // Inf when yDiv >= the upper extent, else Sup.
    PartiPoligono DividiY(double yDiv, bool AsseVerticale = false) const;

    // The line that leaves the fraction Frazione of the area in Sup (root of
    // yEquazione at the tolerance Area / 10000) and the split there.
    // Sets the target fraction and Area. std::nullopt when the root finder
    // finds no dividing line (it has shown its message, e.g. for a fraction
    // outside 0..1): no split is made. A polygon of zero area throws
    // ErroreCalcolo "Dividi: il poligono ha area nulla".
    std::optional<DivisionePoligono> Dividi(double Frazione, bool AsseVerticale = false);
    // Area of Sup at yDiv minus the target fraction of the stored Area.
    double yEquazione(double yDiv, bool AsseVerticale = false) const;

    // 8 (R^3 - r^3) / 6, the plastic modulus of a ring (r = 0: a full circle).
    static double WplasticoCerchio(double Raggio, double RaggioInterno);
    // The plastic modulus for bending about the horizontal axis (the vertical
    // one with AsseVerticale): Area / 2 times the distance between the
    // centroids of the two halves of the equal-area split, whose level goes
    // to yNeut when given. Cerchio: WplasticoCerchio(Raggio, RaggioInterno).
    // std::nullopt when no equal-area line was found.
    std::optional<double> Wplastico(double* yNeut = nullptr, bool AsseVerticale = false,
                                    bool Cerchio = false, double Raggio = 0.0,
                                    double RaggioInterno = 0.0);
    // Wplx and Wply; both 0 when the stored Area is 0. False (both left as
    // they were) when either could not be computed.
    bool Wplastici();

    // ---- Strip discretisation ----------------------------------------------------------

    // At most this many rectangles in a strip.
    static constexpr int MaxRettangoliniStriscia = 20;
    struct Striscia {
        float altezza = 0.0f;  // height of the strip
        float livello = 0.0f;  // level (y) of its middle
        int nRettangoli = 0;   // rectangles 1..nRettangoli in use
        std::array<float, MaxRettangoliniStriscia> larghezza{};  // width of rectangle j
        std::array<float, MaxRettangoliniStriscia> centro{};     // x of its middle
    };

    // Overall height, width and top level; unless UsaFormuleSezioneRettangolare,
    // nMaxRettangolini_ horizontal strips of equal height from the top, each
    // cut into the rectangles between pairs of crossings of its mid-line with
    // the outline (counted half-open, so a mid-line through a vertex pairs
    // correctly). nMaxRettangolini_ outside 1..32767 throws std::out_of_range;
    // a strip with more than 20 rectangles throws ErroreCalcolo
    // "DiscretizzaPoligono: più di 20 rettangoli nella striscia <k>" and
    // leaves the strips as they were.
    void DiscretizzaPoligono(int nMaxRettangolini_, double& hTotale_, double& bTotale,
                             double& ySezMax_, bool UsaFormuleSezioneRettangolare = false);
    // The circle of radius Raggio centred on the origin in nMaxRettangolini_
    // strips of equal angle from the top, one rectangle each (its width the
    // mean of its two chords); replaces the strips and nRettangolini_.
    void DiscretizzaCerchio(int nMaxRettangolini_, double Raggio);
    // The strips of the last discretisation (nRettangolini_ of them, unless
    // a caller changed that field: readers stop at the smaller of the two).
    const std::vector<Striscia>& Strisce() const { return strisce_; }

    // Strip i (1-based): y := y + its height, clipped at yNeut; YGI := (yP + y) / 2;
    // the result is the sum of its rectangles' widths times (y - yP).
    double RettangolinoArea(double& y, double yNeut, double yP, double& YGI, int i) const;
    // As RettangolinoArea for y and YGI; Mx, My := the first moments of the
    // strip's rectangles (heights y - yP) about y = yPtoCalcM and x = xPtoCalcM.
    void RettangolinoMomenti(double& y, double yNeut, double yP, double& YGI, int i, double& Mx,
                             double& My, double xPtoCalcM, double yPtoCalcM) const;

    // ---- Hull, right-hand view and offset ---------------------------------------------

    // The convex hull by gift wrapping from the lowest vertex (the first on
    // ties), counter-clockwise, in single precision; no property computed.
    // Points that coincide with the walk's current or previous vertex are
    // skipped and the walk takes at most n steps, so it always ends.
    Poligono PoligonoConvessoCircoscritto() const;
    // The outline seen from the right: the vertices whose horizontal line
    // meets the outline more than 1e-10 to their right (with two crossings at
    // least) are left out. The polygon itself is not changed.
    void VistaDaDestra(std::vector<double>& x, std::vector<double>& y, int& n) const;
    // Sets ZeroMaxDimen to MaxDimensione / 1e6 and puts into PoligonoOffset
    // the offset outline through (xP, yP), in single precision. False, with
    // PoligonoOffset untouched, when no offset outline passes through the point.
    bool OffsetPerPunto(double xP, double yP, Poligono& PoligonoOffset) const;

private:
    int VerticeSuccessivoConvesso(int precedente, int corrente, bool conPrecedente) const;
    const Striscia& striscia(int i, const char* dove) const;
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
    float frazione_ = 0.0f;  // target fraction of the last division into parts
    std::vector<Striscia> strisce_;  // strips of the last discretisation
};

// The two parts of a polygon split by a horizontal (vertical) line.
struct PartiPoligono {
    std::optional<Poligono> Sup;  // no part when the line leaves nothing above
    std::optional<Poligono> Inf;  // no part when the line leaves nothing below
};

// A division at the line that leaves the wanted fraction of the area above.
struct DivisionePoligono {
    double yDiv = 0.0;
    PartiPoligono parti;
};

}  // namespace tavo
