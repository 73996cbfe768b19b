#pragma once
// The drawing state of the program and its primitives: one drawing routine
// draws the same picture on the screen, on the printer, into a DXF file or
// into a CAD program, since every primitive goes to the current output
// target. Each window that draws owns one Grafica (the drawing window, the
// site window), so that drawing in one never changes the target of the
// other; every routine takes it by reference.
//
// Coordinates are world units. The last argument s of the dispatchers is a
// vertical scale: every y becomes y / s + OffsetY; x and radii are never
// transformed. Arrays hold point i at element i-1 and are read for points
// 1..n. An element whose coordinates are not finite after the transform
// (a zero scale, a degenerate extent, an arrow of zero length) is skipped;
// the rest of the drawing is drawn.

#include "drawing/ConnessioneCad.h"
#include "drawing/FileDxf.h"
#include "drawing/SuperficieDisegno.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The output targets. Their keywords ("VIDEO", "STAMPANTE", "DXF", "DWG",
// "BLOCCO") are what the user and the callers see.
enum class UscitaGrafica { VIDEO, STAMPANTE, DXF, DWG, BLOCCO };

std::string_view ParolaUscita(UscitaGrafica u);
// Compared exactly; any other keyword (the empty one included) draws on the
// printer, as the original did.
UscitaGrafica UscitaDaParola(std::string_view parola);

// The target object: the surface of a "VIDEO" drawing, or the CAD block of
// "BLOCCO"; the other targets do not use it.
struct OggettoUscita {
    SuperficieDisegno* superficie = nullptr;
    SpazioCad* blocco = nullptr;
    OggettoUscita() = default;
    OggettoUscita(SuperficieDisegno* s) : superficie(s) {}  // NOLINT: a surface is a target object
    OggettoUscita(SpazioCad* b) : blocco(b) {}              // NOLINT: a block is a target object
};

// One piece of a composite text: its text and its style index (1..10).
struct PezzoTesto {
    std::string testo;
    int stile = 1;
};

struct Grafica {
    // ---- Target ----------------------------------------------------------
    UscitaGrafica Uscita = UscitaGrafica::STAMPANTE;  // the empty keyword of a fresh state
    OggettoUscita Oggetto;
    // The printer's surface, set by whoever prints.
    SuperficieDisegno* Stampante = nullptr;
    double ScalaVerticale = 0;
    float OffsetY = 0;
    double FattoreAspetto = 0;
    // A CAD colour index for "DXF", "DWG", "BLOCCO"; an RGB value otherwise.
    long ColoreCorrente = 0;
    int AltezzaTestoInScala = 0;
    // Text style names 1..10 (element i-1); on screen and printer the font name.
    std::array<std::string, 10> NomiStiliTesto;
    // While set, a plain text on screen or paper is placed through it: it
    // may move the text's point (user coordinates), off what it would hide.
    std::function<void(double& x, double& y, std::string_view testo)> PosaTesto;

    // ---- DXF file (open between ApreDxf and ChiudeDxf) --------------------
    std::unique_ptr<FileDxf> Dxf;

    // ---- CAD connection (kept once AvviaCad succeeded) --------------------
    ConnettoreCad* Connettore = nullptr;  // nullptr: the platform's, which finds none
    std::shared_ptr<ApplicazioneCad> AppCad;
    std::shared_ptr<DocumentoCad> DocCad;
    std::shared_ptr<SpazioCad> SpazioModello;
    std::array<std::shared_ptr<StileTestoCad>, 10> StiliTestoCad;
    std::shared_ptr<EntitaCad> UltimoTestoCad;
    // Where the TrueType font files of the text styles are looked for.
    std::filesystem::path CartellaFont = CartellaFontDiSistema();

    static std::filesystem::path CartellaFontDiSistema();
};

// ---- Target state ---------------------------------------------------------

void ImpostaUscita(Grafica& g, double scala, UscitaGrafica uscita, OggettoUscita oggetto = {});
// Each argument given becomes current; a missing one keeps the current value.
void UscitaCorrente(Grafica& g, std::optional<double> scala = {},
                    std::optional<UscitaGrafica> uscita = {},
                    std::optional<OggettoUscita> oggetto = {});
void ImpostaOffsetY(Grafica& g, float offset);
void ImpostaFattoreAspetto(Grafica& g, double fattore);
void ImpostaAltezzaTestoInScala(Grafica& g, int flag);

// RGB value (00BBGGRR) of a CAD colour index; black for an index not in the table.
long ColoreRGB(int indice);
// "DXF", "DWG", "BLOCCO": ColoreCorrente = index; any other target: its RGB value.
void ImpostaColore(Grafica& g, int indice, std::optional<UscitaGrafica> uscita = {});
// Pen width: "VIDEO" sets the surface's DrawWidth; "STAMPANTE" the printer's,
// CInt(2 * width * 5.67 / twips per pixel) so that width 1 is 0.2 mm; the
// other targets have no width.
void ImpostaSpessore(Grafica& g, int spessore, std::optional<UscitaGrafica> uscita = {},
                     std::optional<OggettoUscita> oggetto = {});
// Text style `indice` (1..10) named `nome`; for "DWG" also a CAD text style
// with the font file <CartellaFont>/<font>.ttf. ScalaVerticale becomes 1.
void StileTestoDwg(Grafica& g, int indice, std::string_view nome, std::string_view font,
                   std::optional<UscitaGrafica> uscita = {},
                   std::optional<OggettoUscita> oggetto = {});
// Makes style `indice` current: the font of the surface or of the printer,
// the active text style of the CAD program. ScalaVerticale becomes 1.
void ImpostaFont(Grafica& g, int indice, std::optional<UscitaGrafica> uscita = {},
                 std::optional<OggettoUscita> oggetto = {});

// ---- Primitives -------------------------------------------------------------

void DisegnaLinea(Grafica& g, double x1, double y1, double x2, double y2, double s = 1);
void DisegnaCerchio(Grafica& g, double x, double y, double r, double s = 1);
// Closed outline of points 1..n.
void DisegnaPoligono(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                     double s = 1);
// Open polyline of points 1..n.
void DisegnaPoligonale(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                       double s = 1);
// Filled solid of n points (a triangle as four points, point 4 = point 3).
// y is not transformed here: the CAD worker applies its own transform.
void DisegnaSolido(Grafica& g, int n, std::span<const double> x, std::span<const double> y);
// Text of height h whose insertion point is (x, y). With `abbassa` the
// text is lowered by 1.5 h on "DXF" and "DWG".
void DisegnaTesto(Grafica& g, double x, double y, double h, std::string_view testo, double s = 1,
                  bool abbassa = false);
// One line of text made of pieces in different styles; in a DXF file one
// text with the pieces joined.
void DisegnaTestoComposto(Grafica& g, double x, double y, double h,
                          std::span<const PezzoTesto> pezzi);

// ---- DXF file ---------------------------------------------------------------

// Starts the DXF file at `percorso` (nothing is written on disk yet).
void ApreDxf(Grafica& g, const std::filesystem::path& percorso);
// Closes the file and puts it on disk. Throws ErroreFile when it cannot
// (the old file is then as it was); the file is closed on every path.
void ChiudeDxf(Grafica& g);

}  // namespace tavo
