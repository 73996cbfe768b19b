#pragma once
// The drawing surface of the screen and of the printer: what the drawing
// routines ask of a picture box or of the printer (a line, a circle, a text
// whose top-left corner sits at a point, the size of a text, the pen colour
// and width, the font), in the user coordinates of the surface.
//
// The user scale works as on the original platform: RipristinaScala puts
// back the device default (origin at the top-left corner, one unit per
// pixel, y downward); the plot window then writes ScaleLeft, ScaleTop,
// ScaleWidth and ScaleHeight, and a negative ScaleHeight makes y grow
// upward. The mapping from user to device coordinates lives here, so that
// a device (QPainter, or a recording fake in the tests) only ever draws in
// pixels. A point whose device coordinates come out non-finite (a zero
// scale, a zero-size device) is not drawn.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

class SuperficieDisegno {
public:
    virtual ~SuperficieDisegno() = default;

    // ---- Device ----------------------------------------------------------
    // Size of the device in pixels.
    virtual double LarghezzaDispositivo() const = 0;
    virtual double AltezzaDispositivo() const = 0;
    // Device resolution: twips (1/1440 inch) per pixel.
    virtual double TwipsPerPixel() const = 0;

    // ---- User scale ------------------------------------------------------
    // Back to the device default: ScaleLeft = ScaleTop = 0, ScaleWidth and
    // ScaleHeight the device size in pixels.
    void RipristinaScala();
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }
    void ScaleLeft(double v) { left_ = v; }
    void ScaleTop(double v) { top_ = v; }
    void ScaleWidth(double v) { width_ = v; }
    void ScaleHeight(double v) { height_ = v; }

    // User coordinates to device pixels.
    double DispositivoX(double x) const;
    double DispositivoY(double y) const;

    // ---- Drawing, in user coordinates ------------------------------------
    void Line(double x1, double y1, double x2, double y2);
    // Radius in horizontal user units.
    void Circle(double x, double y, double r);
    // The text with its top-left corner at (x, y).
    void Print(double x, double y, std::string_view testo);
    // Size of the text in user units (signed as the scale: a negative
    // ScaleHeight gives a negative height).
    double TextWidth(std::string_view testo) const;
    double TextHeight(std::string_view testo) const;
    // Size of the text in device pixels, with the current font.
    double LarghezzaTestoPixel(std::string_view testo) const { return LarghezzaTestoDispositivo(testo); }
    double AltezzaTestoPixel(std::string_view testo) const { return AltezzaTestoDispositivo(testo); }

    // ---- Pen and font ----------------------------------------------------
    // RGB value with red in the low byte (00BBGGRR).
    std::int32_t ForeColor() const { return colore_; }
    void ForeColor(std::int32_t rgb) { colore_ = rgb; }
    // Pen width in device pixels.
    int DrawWidth() const { return spessore_; }
    void DrawWidth(int pixel) { spessore_ = pixel; }
    const std::string& FontName() const { return font_; }
    void FontName(std::string nome) { font_ = std::move(nome); }
    // Font size in points.
    double FontSize() const { return dimensioneFont_; }
    void FontSize(double punti) { dimensioneFont_ = punti; }

protected:
    // Device primitives, in pixels, with the current pen and font.
    virtual void LineaDispositivo(double x1, double y1, double x2, double y2) = 0;
    virtual void CerchioDispositivo(double x, double y, double r) = 0;
    virtual void TestoDispositivo(double x, double y, std::string_view testo) = 0;
    virtual double LarghezzaTestoDispositivo(std::string_view testo) const = 0;
    virtual double AltezzaTestoDispositivo(std::string_view testo) const = 0;

private:
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::int32_t colore_ = 0;
    int spessore_ = 1;
    std::string font_ = "Arial";
    double dimensioneFont_ = 8.25;
};

}  // namespace tavo
