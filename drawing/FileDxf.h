#pragma once
// The DXF file: one ENTITIES section of LINE, CIRCLE, POLYLINE and TEXT
// entities, lines ended by CR LF, group codes right-aligned in three
// characters, layer "0", z always "0.0". Numbers are written in their
// shortest round-trip form with a point whatever the locale; texts in
// ASCII, the degree sign as "%%d" and every other character beyond ASCII as
// its escape "\U+XXXX", so that every reader shows the same letters, with
// line breaks and control characters written as blanks (a break inside a
// value would end the group).
//
// The file is built in memory and put on disk by Chiude through the atomic
// writer: nothing exists on disk until the closing lines are written, and a
// failed write leaves the old file as it was.

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tavo {

class FileDxf {
public:
    // Starts the file with "  0", "SECTION", "  2", "ENTITIES".
    explicit FileDxf(std::filesystem::path percorso);

    const std::filesystem::path& percorso() const { return percorso_; }
    // The bytes written so far.
    const std::string& contenuto() const { return byte_; }

    void LineaDxf(double x1, double y1, double x2, double y2, long colore);
    void CerchioDxf(double x, double y, double r, long colore);
    // Open polyline of points 1..n (element i-1 is point i).
    void PoligonaleDxf(int n, std::span<const double> x, std::span<const double> y, long colore);
    // Closed outline: points 1..n, then point 1 again.
    void PoligonoDxf(int n, std::span<const double> x, std::span<const double> y, long colore);
    // The outline of the first n - 1 points (a solid is not filled in the file).
    void SolidDxf(int n, std::span<const double> x, std::span<const double> y, long colore);
    void TestoDxf(double x, double y, double h, std::string_view testo, long colore);

    // Writes "  0", "ENDSEC", "  0", "EOF" and puts the file on disk. Throws
    // ErroreFile when it cannot; the target is then as it was.
    void Chiude();

    // For tests: called with the temporary file once it is written, before
    // it replaces the target; an exception thrown here is a failed write.
    std::function<void(const std::filesystem::path&)> primaDiSostituire;

private:
    void Riga(std::string_view testo);
    void Numero(double v);
    void Colore6(long colore);
    void Vertici(int n, std::span<const double> x, std::span<const double> y, bool chiuso, long colore);

    std::filesystem::path percorso_;
    std::string byte_;
};

// A number as the file holds it: the shortest text that reads back as the
// same double, point as separator, no padding.
std::string NumeroDxf(double v);

}  // namespace tavo
