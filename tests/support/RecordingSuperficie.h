#pragma once
// Recording fake of the drawing surface: a device of a given size in
// pixels that stores every line, circle and text it is asked to draw, in
// device pixels, with the pen and font in force. A text is 6 pixels wide
// per character and 12 pixels high at 8.25 points, in proportion to the
// font size.

#include "drawing/SuperficieDisegno.h"

#include <string>
#include <vector>

namespace tavo::test {

struct TrattoRegistrato {
    char tipo;  // 'L' line, 'C' circle (x2 = radius), 'T' text
    double x1, y1, x2, y2;
    std::int32_t colore;
    int spessore;
    std::string testo, font;
    double dimensione;
};

class RecordingSuperficie final : public SuperficieDisegno {
public:
    RecordingSuperficie(double larghezza, double altezza, double twips = 15)
        : larghezza_(larghezza), altezza_(altezza), twips_(twips) {
        RipristinaScala();
    }
    double LarghezzaDispositivo() const override { return larghezza_; }
    double AltezzaDispositivo() const override { return altezza_; }
    double TwipsPerPixel() const override { return twips_; }

    std::vector<TrattoRegistrato> tratti;
    std::vector<TrattoRegistrato> linee() const { return filtra('L'); }
    std::vector<TrattoRegistrato> testi() const { return filtra('T'); }

protected:
    void LineaDispositivo(double x1, double y1, double x2, double y2) override { aggiunge('L', x1, y1, x2, y2, {}); }
    void CerchioDispositivo(double x, double y, double r) override { aggiunge('C', x, y, r, 0, {}); }
    void TestoDispositivo(double x, double y, std::string_view t) override { aggiunge('T', x, y, 0, 0, t); }
    double LarghezzaTestoDispositivo(std::string_view t) const override {
        return 6.0 * static_cast<double>(t.size()) * FontSize() / 8.25;
    }
    double AltezzaTestoDispositivo(std::string_view) const override { return 12.0 * FontSize() / 8.25; }

private:
    void aggiunge(char tipo, double a, double b, double c, double d, std::string_view t) {
        tratti.push_back({tipo, a, b, c, d, ForeColor(), DrawWidth(), std::string(t), FontName(), FontSize()});
    }
    std::vector<TrattoRegistrato> filtra(char tipo) const {
        std::vector<TrattoRegistrato> v;
        for (const auto& t : tratti)
            if (t.tipo == tipo) v.push_back(t);
        return v;
    }
    double larghezza_, altezza_, twips_;
};

}  // namespace tavo::test
