#include "drawing/Grafica.h"

#include "drawing/Cad.h"
#include "drawing/ErroreUscita.h"
#include "drawing/Tratteggio.h"

#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace tavo {

namespace {

bool Finiti(std::initializer_list<double> valori) {
    for (double v : valori)
        if (!std::isfinite(v)) return false;
    return true;
}

bool PuntiFiniti(int n, std::span<const double> x, std::span<const double> y) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
    return true;
}

void VerificaPunti(int n, std::span<const double> x, std::span<const double> y) {
    if (n < 0 || static_cast<std::size_t>(n) > x.size() || static_cast<std::size_t>(n) > y.size())
        throw std::out_of_range("Indice non compreso nell'intervallo");
}

// The surface of the screen-and-printer workers: the target object for
// "VIDEO", the printer for every other keyword.
SuperficieDisegno& Superficie(const Grafica& g) {
    SuperficieDisegno* s = g.Uscita == UscitaGrafica::VIDEO ? g.Oggetto.superficie : g.Stampante;
    if (!s) throw ErroreOggettoNonImpostato();
    return *s;
}

FileDxf& Dxf(const Grafica& g) {
    if (!g.Dxf) throw ErroreFileDxfNonAperto();
    return *g.Dxf;
}

SpazioCad& Modello(const Grafica& g) {
    if (!g.SpazioModello) throw ErroreOggettoNonImpostato();
    return *g.SpazioModello;
}

SpazioCad& Blocco(const Grafica& g) {
    if (!g.Oggetto.blocco) throw ErroreOggettoNonImpostato();
    return *g.Oggetto.blocco;
}

// Lines and circles are drawn in the current colour; the surface's own
// foreground colour stays as it was.
class ColoreTemporaneo {
public:
    ColoreTemporaneo(SuperficieDisegno& s, long colore) : s_(s), salvato_(s.ForeColor()) {
        s_.ForeColor(static_cast<std::int32_t>(colore));
    }
    ~ColoreTemporaneo() { s_.ForeColor(salvato_); }
    ColoreTemporaneo(const ColoreTemporaneo&) = delete;
    ColoreTemporaneo& operator=(const ColoreTemporaneo&) = delete;

private:
    SuperficieDisegno& s_;
    std::int32_t salvato_;
};

void LineaVideo(const Grafica& g, double x1, double y1, double x2, double y2) {
    SuperficieDisegno& s = Superficie(g);
    ColoreTemporaneo c(s, g.ColoreCorrente);
    s.Line(x1, y1, x2, y2);
}

void CerchioVideo(const Grafica& g, double x, double y, double r) {
    SuperficieDisegno& s = Superficie(g);
    ColoreTemporaneo c(s, g.ColoreCorrente);
    s.Circle(x, y, r);
}

void PoligonaleVideo(const Grafica& g, int n, std::span<const double> x,
                     std::span<const double> y) {
    for (std::size_t i = 1; i < static_cast<std::size_t>(n); ++i)
        LineaVideo(g, x[i - 1], y[i - 1], x[i], y[i]);
}

void PoligonoVideo(const Grafica& g, int n, std::span<const double> x, std::span<const double> y) {
    if (n < 1) return;
    PoligonaleVideo(g, n, x, y);
    const auto u = static_cast<std::size_t>(n - 1);
    LineaVideo(g, x[u], y[u], x[0], y[0]);
}

// A solid on screen or paper: the outline of the first n - 1 points and 19
// horizontal hatch lines.
void SolidVideo(Grafica& g, int n, std::span<const double> x, std::span<const double> y) {
    PoligonoVideo(g, n - 1, x, y);
    TratteggiaPoligono(g, n - 1, x, y, 0, 20);
}

void TestoVideo(const Grafica& g, double x, double y, double h, std::string_view testo) {
    SuperficieDisegno& s = Superficie(g);
    ColoreTemporaneo c(s, g.ColoreCorrente);
    if (g.AltezzaTestoInScala != 0) {
        const double dimensione = s.FontSize() * h / std::abs(s.TextHeight(testo));
        if (std::isfinite(dimensione) && dimensione > 0) s.FontSize(dimensione);
    }
    s.Print(x, y, testo);
}

bool VersoCad(UscitaGrafica u) {
    return u == UscitaGrafica::DXF || u == UscitaGrafica::DWG || u == UscitaGrafica::BLOCCO;
}

std::vector<double> TrasformaY(const Grafica& g, int n, std::span<const double> y, double s) {
    std::vector<double> yt(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < yt.size(); ++i) yt[i] = y[i] / s + g.OffsetY;
    return yt;
}

}  // namespace

std::string_view ParolaUscita(UscitaGrafica u) {
    switch (u) {
        case UscitaGrafica::VIDEO: return "VIDEO";
        case UscitaGrafica::STAMPANTE: return "STAMPANTE";
        case UscitaGrafica::DXF: return "DXF";
        case UscitaGrafica::DWG: return "DWG";
        case UscitaGrafica::BLOCCO: return "BLOCCO";
    }
    return "STAMPANTE";
}

UscitaGrafica UscitaDaParola(std::string_view parola) {
    for (UscitaGrafica u : {UscitaGrafica::VIDEO, UscitaGrafica::STAMPANTE, UscitaGrafica::DXF,
                            UscitaGrafica::DWG, UscitaGrafica::BLOCCO})
        if (parola == ParolaUscita(u)) return u;
    return UscitaGrafica::STAMPANTE;
}

std::filesystem::path Grafica::CartellaFontDiSistema() {
    std::error_code ec;
    for (const char* c : {"/usr/share/fonts/truetype", "/usr/share/fonts", "/usr/local/share/fonts"})
        if (std::filesystem::is_directory(c, ec)) return c;
    return "/usr/share/fonts";
}

void ImpostaUscita(Grafica& g, double scala, UscitaGrafica uscita, OggettoUscita oggetto) {
    g.ScalaVerticale = scala;
    g.Uscita = uscita;
    g.Oggetto = oggetto;
}

void UscitaCorrente(Grafica& g, std::optional<double> scala, std::optional<UscitaGrafica> uscita,
                    std::optional<OggettoUscita> oggetto) {
    ImpostaUscita(g, scala.value_or(g.ScalaVerticale), uscita.value_or(g.Uscita),
                  oggetto.value_or(g.Oggetto));
}

void ImpostaOffsetY(Grafica& g, float offset) { g.OffsetY = offset; }
void ImpostaFattoreAspetto(Grafica& g, double fattore) { g.FattoreAspetto = fattore; }
void ImpostaAltezzaTestoInScala(Grafica& g, int flag) { g.AltezzaTestoInScala = flag; }

long ColoreRGB(int indice) {
    switch (indice) {
        case 0: return 0xFFFFFF;
        case 1: return 0x0000FF;
        case 2: return 0x00FFFF;
        case 3: return 0x00FF00;
        case 4: return 0xFFFF00;
        case 5: return 0xFF0000;
        case 6: return 0xFF00FF;
        case 8: return 0x808080;
        case 11: return 0x000080;
        case 13: return 0x00C000;
        default: return 0x000000;
    }
}

void ImpostaColore(Grafica& g, int indice, std::optional<UscitaGrafica> uscita) {
    g.ColoreCorrente = VersoCad(uscita.value_or(g.Uscita)) ? indice : ColoreRGB(indice);
}

void ImpostaSpessore(Grafica& g, int spessore, std::optional<UscitaGrafica> uscita,
                     std::optional<OggettoUscita> oggetto) {
    UscitaCorrente(g, std::nullopt, uscita, oggetto);
    if (g.Uscita == UscitaGrafica::VIDEO) {
        Superficie(g).DrawWidth(spessore);
    } else if (g.Uscita == UscitaGrafica::STAMPANTE) {
        SuperficieDisegno& s = Superficie(g);
        // Width 1 is 0.2 mm: 5.67 twips per tenth of a millimetre.
        const double pixel = 2.0 * spessore * 5.67 / s.TwipsPerPixel();
        if (std::isfinite(pixel)) s.DrawWidth(static_cast<int>(std::lrint(pixel)));
    }
}

void StileTestoDwg(Grafica& g, int indice, std::string_view nome, std::string_view font,
                   std::optional<UscitaGrafica> uscita, std::optional<OggettoUscita> oggetto) {
    UscitaCorrente(g, 1.0, uscita, oggetto);
    g.NomiStiliTesto.at(static_cast<std::size_t>(indice - 1)) = std::string(nome);
    if (g.Uscita == UscitaGrafica::DWG) CreaStileTestoCad(g, indice, nome, font);
}

void ImpostaFont(Grafica& g, int indice, std::optional<UscitaGrafica> uscita,
                 std::optional<OggettoUscita> oggetto) {
    UscitaCorrente(g, 1.0, uscita, oggetto);
    const std::string& nome = g.NomiStiliTesto.at(static_cast<std::size_t>(indice - 1));
    switch (g.Uscita) {
        case UscitaGrafica::DXF:
        case UscitaGrafica::BLOCCO: break;
        case UscitaGrafica::DWG: AttivaStileTestoCad(g, indice); break;
        case UscitaGrafica::VIDEO:
        case UscitaGrafica::STAMPANTE: Superficie(g).FontName(nome); break;
    }
}

void DisegnaLinea(Grafica& g, double x1, double y1, double x2, double y2, double s) {
    y1 = y1 / s + g.OffsetY;
    y2 = y2 / s + g.OffsetY;
    if (!Finiti({x1, y1, x2, y2})) return;
    switch (g.Uscita) {
        case UscitaGrafica::DXF: Dxf(g).LineaDxf(x1, y1, x2, y2, g.ColoreCorrente); break;
        case UscitaGrafica::DWG: LineaDwg(g, x1, y1, x2, y2, Modello(g)); break;
        case UscitaGrafica::BLOCCO: LineaDwg(g, x1, y1, x2, y2, Blocco(g)); break;
        default: LineaVideo(g, x1, y1, x2, y2); break;
    }
}

void DisegnaCerchio(Grafica& g, double x, double y, double r, double s) {
    y = y / s + g.OffsetY;
    if (!Finiti({x, y, r})) return;
    switch (g.Uscita) {
        case UscitaGrafica::DXF: Dxf(g).CerchioDxf(x, y, r, g.ColoreCorrente); break;
        case UscitaGrafica::DWG: CerchioDwg(g, x, y, r, Modello(g)); break;
        case UscitaGrafica::BLOCCO: CerchioDwg(g, x, y, r, Blocco(g)); break;
        default: CerchioVideo(g, x, y, r); break;
    }
}

void DisegnaPoligono(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                     double s) {
    VerificaPunti(n, x, y);
    const std::vector<double> yt = TrasformaY(g, n, y, s);
    if (n < 1 || !PuntiFiniti(n, x, yt)) return;
    switch (g.Uscita) {
        case UscitaGrafica::DXF: Dxf(g).PoligonoDxf(n, x, yt, g.ColoreCorrente); break;
        case UscitaGrafica::DWG: PoligonoDwg(g, n, x, yt, Modello(g)); break;
        case UscitaGrafica::BLOCCO: PoligonoDwg(g, n, x, yt, Blocco(g)); break;
        default: PoligonoVideo(g, n, x, yt); break;
    }
}

void DisegnaPoligonale(Grafica& g, int n, std::span<const double> x, std::span<const double> y,
                       double s) {
    VerificaPunti(n, x, y);
    const std::vector<double> yt = TrasformaY(g, n, y, s);
    if (n < 1 || !PuntiFiniti(n, x, yt)) return;
    switch (g.Uscita) {
        case UscitaGrafica::DXF: Dxf(g).PoligonaleDxf(n, x, yt, g.ColoreCorrente); break;
        case UscitaGrafica::DWG: PoligonaleDwg(g, n, x, yt, Modello(g)); break;
        case UscitaGrafica::BLOCCO: PoligonaleDwg(g, n, x, yt, Blocco(g)); break;
        default: PoligonaleVideo(g, n, x, yt); break;
    }
}

void DisegnaSolido(Grafica& g, int n, std::span<const double> x, std::span<const double> y) {
    VerificaPunti(n, x, y);
    // The CAD worker reads points 1..4 with its own transform: it shows its
    // message for any count but 4 and checks its own numbers.
    if (g.Uscita == UscitaGrafica::DWG || g.Uscita == UscitaGrafica::BLOCCO) {
        SolidDwg(g, n, x, y);
        return;
    }
    // The file and the screen draw the outline of the first n - 1 points.
    if (n < 2 || !PuntiFiniti(n - 1, x, y)) return;
    if (g.Uscita == UscitaGrafica::DXF)
        Dxf(g).SolidDxf(n, x, y, g.ColoreCorrente);
    else
        SolidVideo(g, n, x, y);
}

void DisegnaTesto(Grafica& g, double x, double y, double h, std::string_view testo, double s,
                  bool abbassa) {
    y = y / s + g.OffsetY;
    if (abbassa && (g.Uscita == UscitaGrafica::DXF || g.Uscita == UscitaGrafica::DWG)) y -= 1.5 * h;
    if (!Finiti({x, y, h})) return;
    switch (g.Uscita) {
        case UscitaGrafica::DXF: Dxf(g).TestoDxf(x, y, h, testo, g.ColoreCorrente); break;
        case UscitaGrafica::DWG: TestoDwg(g, x, y, h, testo, Modello(g)); break;
        case UscitaGrafica::BLOCCO: TestoDwg(g, x, y, h, testo, Blocco(g)); break;
        default:
            if (g.PosaTesto) g.PosaTesto(x, y, testo);
            TestoVideo(g, x, y, h, testo);
            break;
    }
}

void DisegnaTestoComposto(Grafica& g, double x, double y, double h,
                          std::span<const PezzoTesto> pezzi) {
    y = y + g.OffsetY;
    if (!Finiti({x, y, h})) return;
    double xp = x;
    std::string unito;
    for (const PezzoTesto& pezzo : pezzi) {
        ImpostaFont(g, pezzo.stile);
        switch (g.Uscita) {
            case UscitaGrafica::DXF: unito += pezzo.testo; break;
            case UscitaGrafica::DWG:
            case UscitaGrafica::BLOCCO: {
                if (!std::isfinite(xp)) break;
                TestoDwg(g, xp, y, h, pezzo.testo, Modello(g));
                PuntoCad minimo{}, massimo{};
                UltimoTestoDwg(g)->GetBoundingBox(minimo, massimo);
                xp += massimo[0] - minimo[0];
                break;
            }
            case UscitaGrafica::VIDEO:
            case UscitaGrafica::STAMPANTE:
                if (!std::isfinite(xp)) break;
                TestoVideo(g, xp, y, h, pezzo.testo);
                xp += Superficie(g).TextWidth(pezzo.testo);
                break;
        }
    }
    if (g.Uscita == UscitaGrafica::DXF) Dxf(g).TestoDxf(x, y, h, unito, g.ColoreCorrente);
}

void ApreDxf(Grafica& g, const std::filesystem::path& percorso) {
    g.Dxf = std::make_unique<FileDxf>(percorso);
}

void ChiudeDxf(Grafica& g) {
    if (!g.Dxf) throw ErroreFileDxfNonAperto();
    const std::unique_ptr<FileDxf> file = std::move(g.Dxf);
    file->Chiude();
}

}  // namespace tavo
