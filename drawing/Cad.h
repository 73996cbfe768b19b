#pragma once
// The "DWG" and "BLOCCO" targets: every primitive becomes one entity added
// by automation to the CAD program's model space (or to the block object),
// its Color set to ColoreCorrente right after. The connection is made by
// AvviaCad and kept in Grafica for the rest of the run.

#include "drawing/Grafica.h"

#include <memory>
#include <span>
#include <string_view>

namespace tavo {

// Attaches to the running instance of `identificativo`, or creates one.
// False (and `oggetto` untouched) when neither works.
bool OggettoCom(ConnettoreCad& connettore, std::string_view identificativo,
                std::shared_ptr<ApplicazioneCad>& oggetto);

// Connects to the CAD program ("AutoCAD.Application.17", then
// "AutoCAD.Application"), makes it visible and takes its active document
// and model space. When none can be reached shows "Impossibile aprire
// Autocad." CR LF "Controllare che la versione di Autocad non sia LT"
// (stop icon) and returns false.
bool AvviaCad(Grafica& g);

// Brings the CAD window to the front and zooms to the drawing (after a
// drawing on "DWG").
void MostraDisegnoCad(Grafica& g);

// The workers; `spazio` is the model space for "DWG", the block for "BLOCCO".
void LineaDwg(Grafica& g, double x1, double y1, double x2, double y2, SpazioCad& spazio);
void CerchioDwg(Grafica& g, double x, double y, double r, SpazioCad& spazio);
// One lightweight polyline of n + 1 points, the last equal to the first.
void PoligonoDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                 SpazioCad& spazio);
void PoligonaleDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                   SpazioCad& spazio);
// A solid of points 1..4 in model space, y transformed by
// y / ScalaVerticale + OffsetY / abs(ScalaVerticale). When n is not 4 shows
// "Errore in Sub SolidDwg - I punti devono essere 4"; with fewer than 4
// points nothing is added.
void SolidDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y);
void TestoDwg(Grafica& g, double x, double y, double h, std::string_view testo, SpazioCad& spazio);
// The text style parts of StileTestoDwg and ImpostaFont on "DWG": style
// `indice` (1..10) created in the document with the font file
// <CartellaFont>/<font>.ttf ("Font file <path> not found" when the CAD
// program refuses it: the style stays, with its default font); the style
// made the active one.
void CreaStileTestoCad(Grafica& g, int indice, std::string_view nome, std::string_view font);
void AttivaStileTestoCad(Grafica& g, int indice);
// The last text entity added by TestoDwg.
std::shared_ptr<EntitaCad> UltimoTestoDwg(const Grafica& g);

}  // namespace tavo
