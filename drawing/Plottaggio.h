#pragma once
// The plot window: maps a world rectangle onto an output target. On the
// screen and the printer it sets the surface's user scale (y upward), with
// the drawing inside the area given as fractions of the device, equal
// scales on both axes when asked and the drawing centred along the axis
// that has room to spare; a DXF file or the CAD program take world
// coordinates as they are. Inizializza makes the target current in Grafica,
// with its vertical scale, offset and aspect factor, and sets the shared
// length tolerance ZeroMaxDimen for the drawing that follows.
//
// So that drawing never changes a later calculation, the plot window
// remembers the ZeroMaxDimen it found at its first Inizializza and puts it
// back at ConcludeDisegno (or when it is destroyed): a caller that keeps
// one plot window across drawings calls ConcludeDisegno when each drawing
// ends.

#include "drawing/Grafica.h"

#include <array>
#include <optional>

namespace tavo {

class Plottaggio {
public:
    Plottaggio() = default;
    ~Plottaggio();
    Plottaggio(const Plottaggio&) = delete;
    Plottaggio& operator=(const Plottaggio&) = delete;

    // World window (y already shifted and scaled by Inizializza).
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    // sy / sx of the world-per-device scales; 1 when isotropic and for DXF/DWG.
    float ScalaMantieneProporzioni = 0;

    // Drawing area as fractions of the device: left, bottom, right, top
    // (left and right from the left edge, bottom and top from the bottom edge).
    void EstremiFinestra(float f0, float f1, float f2, float f3);
    // World margins as fractions of the data extent: left, bottom, right, top.
    void Bordi(double b0, double b1, double b2, double b3);

    void Inizializza(Grafica& g, float x1, float x2, float y1, float y2, UscitaGrafica uscita,
                     OggettoUscita oggetto, float scala = 1, bool isotropo = true,
                     float yOffset = 0);
    // Fits the world window into the drawing area of a screen or printer target.
    void AdattaAfinestra(Grafica& g);
    void CentraPlottaggio(float devAsp, float worldAsp, float& left, float& top, float& right,
                          float& bottom);
    // The window's frame, pulled in by 1/500 of its height at the bottom and
    // 1/1000 of its width at the right.
    void PlottaFinestra(Grafica& g);
    // Makes this window's target current again.
    void RipristinaDefault(Grafica& g);
    // Puts back the ZeroMaxDimen found before the first Inizializza.
    void ConcludeDisegno();

    // Corners after fitting: 0 = (left, top), 1 = (left, bottom),
    // 2 = (right, bottom), 3 = (right, top).
    std::array<float, 4> xFinestraPlt() const { return xFinestra_; }
    std::array<float, 4> yFinestraPlt() const { return yFinestra_; }

private:
    SuperficieDisegno* superficie(const Grafica& g) const;

    std::array<double, 4> Margini_{};
    std::array<float, 4> xFinestra_{}, yFinestra_{};
    float ScalaPlt_ = 0;
    bool IsotropoPlt_ = false;
    UscitaGrafica UscitaPlt_ = UscitaGrafica::STAMPANTE;
    OggettoUscita OggettoPlt_;
    std::array<float, 4> FrazioniFinestra_{};
    std::optional<double> zeroSalvato_;
};

}  // namespace tavo
