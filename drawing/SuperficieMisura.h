#pragma once
// A surface that paints nothing and records what it is given: every line
// in user coordinates, the extent of every line and circle, and every
// text as its box, in device pixels measured with the font of a real
// device. A drawing's page layout runs the real drawing routines into it
// before the real paint, so that it lays out what will be painted, text
// boxes included, with no second copy of any drawing rule.

#include "drawing/SuperficieDisegno.h"

#include <string>
#include <vector>

namespace tavo {

class SuperficieMisura final : public SuperficieDisegno {
public:
    // Measures as `dispositivo` paints: its size, its user scale, its font
    // and its text metrics. The device lends its font to each metric and
    // has its own back when the measure ends.
    explicit SuperficieMisura(SuperficieDisegno& dispositivo);
    // No device: one pixel per user unit, y as the user's, texts of no size.
    SuperficieMisura();
    ~SuperficieMisura() override;
    SuperficieMisura(const SuperficieMisura&) = delete;
    SuperficieMisura& operator=(const SuperficieMisura&) = delete;

    double LarghezzaDispositivo() const override;
    double AltezzaDispositivo() const override;
    double TwipsPerPixel() const override;

    struct Segmento {
        double x1, y1, x2, y2;  // user coordinates
    };
    struct TestoMisurato {
        std::string testo;
        double x, y;          // top-left corner, user coordinates
        double u, v, w, h;    // its box in device pixels: top-left corner and size
    };
    struct Estensione {
        double xMin, xMax, yMin, yMax;  // user coordinates
        bool vuota() const { return xMin > xMax; }
    };

    const std::vector<Segmento>& Segmenti() const { return segmenti_; }
    const std::vector<TestoMisurato>& Testi() const { return testi_; }
    // The extent of the lines and circles (not of the texts).
    const Estensione& Tratti() const { return tratti_; }
    // User coordinates of a device pixel.
    double UtenteX(double u) const;
    double UtenteY(double v) const;
    // Forgets what was recorded.
    void Azzera();

protected:
    void LineaDispositivo(double x1, double y1, double x2, double y2) override;
    void CerchioDispositivo(double x, double y, double r) override;
    void TestoDispositivo(double x, double y, std::string_view testo) override;
    double LarghezzaTestoDispositivo(std::string_view testo) const override;
    double AltezzaTestoDispositivo(std::string_view testo) const override;

private:
    void estende(double x, double y);
    // The device with this surface's font, for one text metric.
    SuperficieDisegno* conFont() const;

    SuperficieDisegno* dispositivo_ = nullptr;
    std::string fontDispositivo_;
    double dimensioneDispositivo_ = 0;
    std::vector<Segmento> segmenti_;
    std::vector<TestoMisurato> testi_;
    Estensione tratti_{1, 0, 1, 0};
};

}  // namespace tavo
