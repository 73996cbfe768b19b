#include "drawing/Cad.h"

#include "drawing/ErroreUscita.h"
#include "ports/MessagePort.h"

#include <cmath>
#include <vector>

namespace tavo {

namespace {

ConnettoreCad& Connettore(Grafica& g) {
    static ConnettoreCadAssente assente;
    return g.Connettore ? *g.Connettore : assente;
}

DocumentoCad& Documento(const Grafica& g) {
    if (!g.DocCad) throw ErroreOggettoNonImpostato();
    return *g.DocCad;
}

EntitaCad& Entita(const std::shared_ptr<EntitaCad>& e) {
    if (!e) throw ErroreOggettoNonImpostato();
    return *e;
}

void Colora(const Grafica& g, const std::shared_ptr<EntitaCad>& e) { Entita(e).Color(g.ColoreCorrente); }

std::vector<double> CoordinateLwPolyline(int n, std::span<const double> x,
                                         std::span<const double> y, bool chiuso) {
    std::vector<double> c;
    c.reserve(2 * static_cast<std::size_t>(n) + 2);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) c.insert(c.end(), {x[i], y[i]});
    if (chiuso && n > 0) c.insert(c.end(), {x[0], y[0]});
    return c;
}

}  // namespace

bool OggettoCom(ConnettoreCad& connettore, std::string_view identificativo,
                std::shared_ptr<ApplicazioneCad>& oggetto) {
    std::shared_ptr<ApplicazioneCad> trovato;
    try {
        trovato = connettore.Attiva(identificativo);
    } catch (const ErroreUscita&) {
    }
    if (!trovato) {
        try {
            trovato = connettore.Crea(identificativo);
        } catch (const ErroreUscita&) {
        }
    }
    if (!trovato) return false;
    oggetto = std::move(trovato);
    return true;
}

bool AvviaCad(Grafica& g) {
    ConnettoreCad& connettore = Connettore(g);
    if (!OggettoCom(connettore, "AutoCAD.Application.17", g.AppCad) &&
        !OggettoCom(connettore, "AutoCAD.Application", g.AppCad)) {
        messaggi().mostra("Impossibile aprire Autocad.\r\nControllare che la versione di Autocad non sia LT",
                          Icona::Critico);
        return false;
    }
    // Errors are trapped statement by statement, as the original did (an
    // error moves on to the next statement): a window that cannot be shown
    // still gives its document, and a missing document is met by the
    // drawing on its first entity.
    const auto passaOltre = [](auto&& istruzione) {
        try {
            istruzione();
        } catch (const ErroreUscita&) {
        }
    };
    passaOltre([&] { g.AppCad->Visible(true); });
    passaOltre([&] { g.DocCad = g.AppCad->ActiveDocument(); });
    passaOltre([&] { if (g.DocCad) g.SpazioModello = g.DocCad->ModelSpace(); });
    passaOltre([&] { connettore.AppActivate(g.AppCad->Caption()); });
    return true;
}

void MostraDisegnoCad(Grafica& g) {
    if (!g.AppCad) throw ErroreOggettoNonImpostato();
    Connettore(g).AppActivate(g.AppCad->Caption());
    g.AppCad->ZoomExtents();
}

void LineaDwg(Grafica& g, double x1, double y1, double x2, double y2, SpazioCad& spazio) {
    Colora(g, spazio.AddLine({x1, y1, 0}, {x2, y2, 0}));
}

void CerchioDwg(Grafica& g, double x, double y, double r, SpazioCad& spazio) {
    Colora(g, spazio.AddCircle({x, y, 0}, r));
}

void PoligonoDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                 SpazioCad& spazio) {
    Colora(g, spazio.AddLightWeightPolyline(CoordinateLwPolyline(n, x, y, true)));
}

void PoligonaleDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                   SpazioCad& spazio) {
    Colora(g, spazio.AddLightWeightPolyline(CoordinateLwPolyline(n, x, y, false)));
}

void SolidDwg(Grafica& g, int n, std::span<const double> x, std::span<const double> y) {
    if (n != 4) messaggi().mostra("Errore in Sub SolidDwg - I punti devono essere 4");
    if (n < 4) return;
    if (!g.SpazioModello) throw ErroreOggettoNonImpostato();
    const double s = g.ScalaVerticale;
    std::array<PuntoCad, 4> p{};
    for (std::size_t i = 0; i < 4; ++i) {
        p[i] = {x[i], y[i] / s + g.OffsetY / std::abs(s), 0};
        if (!std::isfinite(p[i][0]) || !std::isfinite(p[i][1])) return;
    }
    Colora(g, g.SpazioModello->AddSolid(p[0], p[1], p[2], p[3]));
}

void TestoDwg(Grafica& g, double x, double y, double h, std::string_view testo, SpazioCad& spazio) {
    g.UltimoTestoCad = spazio.AddText(testo, {x, y, 0}, h);
    Colora(g, g.UltimoTestoCad);
}

std::shared_ptr<EntitaCad> UltimoTestoDwg(const Grafica& g) {
    if (!g.UltimoTestoCad) throw ErroreOggettoNonImpostato();
    return g.UltimoTestoCad;
}

void CreaStileTestoCad(Grafica& g, int indice, std::string_view nome, std::string_view font) {
    auto& stile = g.StiliTestoCad.at(static_cast<std::size_t>(indice - 1));
    stile = Documento(g).AggiungeStileTesto(nome);
    if (!stile) throw ErroreOggettoNonImpostato();
    const std::string file = (g.CartellaFont / (std::string(font) + ".ttf")).string();
    try {
        stile->fontFile(file);
    } catch (const ErroreUscita&) {
        messaggi().mostra("Font file " + file + " not found", Icona::Informazione);
    }
}

void AttivaStileTestoCad(Grafica& g, int indice) {
    Documento(g).ActiveTextStyle(g.StiliTestoCad.at(static_cast<std::size_t>(indice - 1)));
}

}  // namespace tavo
