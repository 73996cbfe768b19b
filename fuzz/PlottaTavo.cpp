// The whole road of the drawing button: a wall typed into the main window,
// computed by the calculation driver and, when it computes, painted on the
// screen and exported as a DXF file through the drawing window's File menu.
//
// The bytes change one of the bundled examples as a user would in the main
// window: the code in force, any input box (the seismic ones included),
// the side count, any cell of the ground-profile grid, the title; numbers
// from an edge table (0, tiny, huge, negative), typed with two decimals,
// scaled from the value shown, or any single-precision value, and now and
// then a text that is not a number at all.
//
// What must hold:
// - a refused calculation says why in a critical-stop message, draws
//   nothing and leaves no file;
// - a computed wall is painted and exported with no message box at all;
// - the export leaves exactly the chosen file, a well-formed DXF with no
//   number that is not finite (ControlloDxf.h); the title, the user's
//   own text, may say anything.
//
// A broken promise prints the wall typed; with TAVO_FUZZ_DESCRIVI set
// every input prints it, so that any reproducer can be read.

#include "analysis/CalcoloMain.h"
#include "analysis/CoefficientiParziali.h"
#include "app/DatiForm.h"
#include "app/FileProgetto.h"
#include "fileio/NumeriRegionali.h"
#include "fuzz/support/ControlloDxf.h"
#include "fuzz/support/SupportoFuzz.h"
#include "walldrawing/DisegnoTavo.h"
#include "walldrawing/PlottaIn.h"

#include <array>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {
namespace {

namespace fs = std::filesystem;

// The input boxes of the main window, by index (DatiForm.h).
constexpr std::array<const char*, NumeroCampiDati> NomiCampi{
    "AltezzaParaghiaia", "SpessoreParaghiaia", "InclinazioneParete", "AltezzaParete",
    "SpessoreTestaParete", "SpessoreBaseParete", "AltezzaFondazione", "SbalzoFondazione",
    "LarghezzaFondazione", "AngoloAttritoInterno", "AngoloAttritoTerraTavo", "AngoloAttritoFondazione",
    "PesoSpecificoTerreno", "PesoSpecificoTavo", "GradoSismicita/KhNTC", "NImpalcato", "VImpalcato",
    "DistanzaImpalcato", "KvNTC"};

// Values at the edges of what a box can hold.
constexpr std::array<double, 36> ValoriLimite{
    0, -0.0, 1e-45, 1.17549435e-38, 1e-7, 1e-4, 0.001, 0.01, 0.1, 0.5, 1, 2, 5, 10, 45, 89.99, 90, 100,
    180, 1000, 1e6, 1e10, 1e20, 1e30, FLT_MAX, -FLT_MAX, -1e30, -1000, -10, -1, -0.5, -0.01, -1e-7,
    3.5e38, 1e-50, 1e300};

// The bytes, read from the front; an exhausted input reads zeros.
class Lettore {
public:
    Lettore(const std::uint8_t* dati, std::size_t n) : dati_(dati), n_(n) {}
    bool finito() const { return i_ >= n_; }
    std::uint8_t byte() { return i_ < n_ ? dati_[i_++] : 0; }
    template <class T>
    T valore() {
        std::array<std::uint8_t, sizeof(T)> b{};
        for (auto& x : b) x = byte();
        T v;
        std::memcpy(&v, b.data(), sizeof v);
        return v;
    }
    std::string testo(std::size_t massimo) {
        const std::size_t n = byte() % (massimo + 1);
        std::string s;
        while (s.size() < n && !finito()) s += static_cast<char>(byte());
        return s;
    }

private:
    const std::uint8_t* dati_;
    std::size_t n_, i_ = 0;
};

std::string Testo(double x) {
    char b[40];
    std::snprintf(b, sizeof b, "%.9g", x);
    return b;
}

// A number for a box that shows `attuale`.
std::string NumeroDaDigitare(Lettore& in, const std::string& attuale) {
    switch (in.byte() % 4) {
        case 0: return Testo(ValoriLimite[in.byte() % ValoriLimite.size()]);
        case 1: return Testo(in.valore<std::int16_t>() / 100.0);
        case 2: {
            const double fattore = static_cast<std::int8_t>(in.byte()) / 16.0;
            return Testo(NumeroDigitato(attuale).value_or(1) * fattore);
        }
        default: return Testo(in.valore<float>());
    }
}

struct Progetto {
    VariabiliPubbliche v;
    NTC ntc;
};

// The bundled examples as opened, with the default partial coefficients
// (those of a fresh settings file).
const Progetto& Esempio(bool spalla) {
    static const std::array<Progetto, 2> esempi = [] {
        std::array<Progetto, 2> e;
        const std::array<const char*, 2> nomi{"Muro.Tav", "Spalla.Tav"};
        for (std::size_t i = 0; i < e.size(); ++i) {
            const fs::path percorso = fuzz::cartellaDiLavoro() / nomi[i];
            fuzz::ScriveFile(percorso, fuzz::FileSorgente(std::string("examples/") + nomi[i]));
            fuzz::Verifica(ApreFileProgetto(percorso, e[i].v, e[i].ntc), "un esempio non si apre");
            fs::remove(percorso);
            CoefficientiParzialiDefault(e[i].v);
        }
        return e;
    }();
    return esempi[spalla ? 1 : 0];
}

// The main window: the example with the code chosen, its boxes as they
// show it, then the user's changes.
struct Finestra {
    const char* esempio;
    Progetto progetto;
    TestiForm prima;  // as the example shows it
    TestiForm testi;  // as the user leaves it
};

// The first byte chooses the example (bit 0: the abutment) and the code
// (the rest modulo 3: as the file says, NTC 2008, DM 1996); then each
// byte, modulo 6, is one change: 0 and 1 a number in a box, 2 the side
// count, 3 a number in a grid cell, 4 any text in a box, 5 the title.
Finestra Digita(Lettore& in) {
    const std::uint8_t intestazione = in.byte();
    const bool spalla = intestazione & 1;
    Finestra f{spalla ? "Spalla.Tav" : "Muro.Tav", Esempio(spalla), {}, {}};
    switch ((intestazione >> 1) % 3) {
        case 1: f.progetto.v.Normativa = NormativaNTC2008; break;
        case 2: f.progetto.v.Normativa = NormativaDM1996; break;
        default: break;  // as the file says
    }
    f.prima = ScriveDatiInForm(f.progetto.v, f.progetto.ntc);
    f.testi = f.prima;
    TestiForm& t = f.testi;
    while (!in.finito()) {
        switch (in.byte() % 6) {
            case 0:
            case 1: {
                std::string& box = t.dati[in.byte() % NumeroCampiDati];
                box = NumeroDaDigitare(in, box);
                break;
            }
            case 2: {  // the side count; the grid gets rows for the new sides
                const int lati = static_cast<std::int8_t>(in.byte());
                t.lati = std::to_string(lati);
                const std::array<std::string, 3> nuova =
                    t.profilo.empty() ? std::array<std::string, 3>{"1", "0", "0"} : t.profilo.back();
                while (static_cast<int>(t.profilo.size()) < lati) t.profilo.push_back(nuova);
                break;
            }
            case 3: {
                if (t.profilo.empty()) break;
                auto& riga = t.profilo[in.byte() % t.profilo.size()];
                std::string& cella = riga[in.byte() % 3];
                cella = NumeroDaDigitare(in, cella);
                break;
            }
            case 4: {  // any text in a box, a number or not
                std::string& box = t.dati[in.byte() % NumeroCampiDati];
                box = in.testo(12);
                break;
            }
            default: t.titolo = in.testo(48); break;
        }
    }
    return f;
}

// A text as C would write it: control and non-ASCII bytes as \xNN.
std::string Leggibile(std::string_view testo) {
    std::string s;
    for (unsigned char c : testo) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            s += static_cast<char>(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02x", c);
            s += b;
        }
    }
    return "\"" + s + "\"";
}

// What the user changed in the example's window.
std::string Descrizione(const Finestra& f) {
    std::string d = std::string("Muro digitato: esempio ") + f.esempio + ", normativa " +
                    (f.progetto.v.Normativa == NormativaDM1996 ? "DM 1996" : "NTC 2008") + "; cambiati:\n";
    const TestiForm &a = f.prima, &t = f.testi;
    auto cambio = [&](const std::string& nome, const std::string& prima, const std::string& dopo) {
        if (prima != dopo) d += "  " + nome + ": " + Leggibile(prima) + " -> " + Leggibile(dopo) + "\n";
    };
    cambio("titolo", a.titolo, t.titolo);
    for (std::size_t i = 0; i < t.dati.size(); ++i)
        cambio("casella " + std::to_string(i) + " " + NomiCampi[i], a.dati[i], t.dati[i]);
    cambio("lati", a.lati, t.lati);
    auto riga = [](const TestiForm& x, std::size_t i) {
        return i < x.profilo.size() ? x.profilo[i][0] + "; " + x.profilo[i][1] + "; " + x.profilo[i][2] : "";
    };
    for (std::size_t i = 0; i < t.profilo.size(); ++i)
        cambio("lato " + std::to_string(i + 1) + " (dx; dy; q)", riga(a, i), riga(t, i));
    return d;
}

// The main window as the calculation sees it: its boxes are the texts.
class FinestraPrincipale final : public FinestraPrincipalePort {
public:
    explicit FinestraPrincipale(const TestiForm& testi) : testi_(testi) {}
    void LeggeDatiDaForm(VariabiliPubbliche& v, NTC& sisma) override { tavo::LeggeDatiDaForm(testi_, v, sisma); }
    void FuocoSuNumeroLati() override {}
    void AbilitaVoceFile(int) override {}
    void AbilitaCombinazioni() override {}
    void SelezionaCombinazione(int) override {}
    void TipoVerificaSettaggi(bool) override {}
    void ScriveCasella(CasellaRisultato, int, std::string_view) override {}
    void ColoraCasella(CasellaRisultato, int, ColoreTesto) override {}
    void ScriveEtichettaTipoVerifica(int, std::string_view) override {}

private:
    const TestiForm& testi_;
};

// A window of 960 x 680 pixels that checks every point it is given.
class Schermo final : public SuperficieDisegno {
public:
    Schermo() { RipristinaScala(); }
    double LarghezzaDispositivo() const override { return 960; }
    double AltezzaDispositivo() const override { return 680; }
    double TwipsPerPixel() const override { return 15; }

protected:
    void LineaDispositivo(double x1, double y1, double x2, double y2) override {
        fuzz::Verifica(fuzz::Finiti(std::array{x1, y1, x2, y2}), "una linea non finita sullo schermo");
    }
    void CerchioDispositivo(double x, double y, double r) override {
        fuzz::Verifica(fuzz::Finiti(std::array{x, y, r}), "un cerchio non finito sullo schermo");
    }
    void TestoDispositivo(double x, double y, std::string_view) override {
        fuzz::Verifica(fuzz::Finiti(std::array{x, y}), "un testo in un punto non finito sullo schermo");
    }
    double LarghezzaTestoDispositivo(std::string_view testo) const override {
        return 6.0 * static_cast<double>(testo.size());
    }
    double AltezzaTestoDispositivo(std::string_view) const override { return 12; }
};

// The drawing window: it paints on show, and redraws on the target that
// its File menu asks for.
class FinestraDisegno final : public FinestraPlotta {
public:
    explicit FinestraDisegno(const Progetto& p) : disegno_(g, p.v, p.ntc) {}
    Grafica g;

    void Dipinge() {
        Schermo schermo;
        try {
            disegno_.PlottaTavo(UscitaGrafica::VIDEO, &schermo);
        } catch (const std::exception&) {
            // As the window: what was drawn stays; the export reports the failure.
        }
    }
    void PlottaInOggetto(UscitaGrafica uscita) override { disegno_.PlottaTavo(uscita); }
    void Scarica() override {}

private:
    DisegnoTavo disegno_;
};

// The save dialog chooses the proposed name in the data folder.
class Piattaforma final : public PiattaformaUscita {
public:
    std::optional<int> DialogoStampante() override { fuzz::Violazione("stampa non richiesta"); }
    SuperficieDisegno& IniziaStampa() override { fuzz::Violazione("stampa non richiesta"); }
    void NuovaPagina() override {}
    void FineStampa() override {}
    void AnnullaStampa() override {}
    std::optional<fs::path> DialogoSalva(const RichiestaSalvaDxf& r) override { return r.cartella / r.nomeFile; }
};

// The title as the DXF file writes it (the file is never closed, so
// nothing reaches the disk).
std::string TitoloInDxf(const std::string& titolo) {
    FileDxf f(fuzz::cartellaDiLavoro() / "Titolo.dxf");
    f.TestoDxf(0, 0, 1, titolo, 1);
    std::string_view s = f.contenuto();
    s.remove_suffix(2);
    return std::string(s.substr(s.rfind("\r\n") + 2));
}

std::vector<fs::path> FileDellaCartella() {
    std::vector<fs::path> file;
    for (const auto& e : fs::directory_iterator(fuzz::cartellaDiLavoro())) file.push_back(e.path());
    return file;
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    Lettore in(dati, n);
    Finestra f = Digita(in);
    fuzz::DescriveInput(Descrizione(f));
    auto messaggi = [](const std::vector<std::string>& testi) {
        std::string s;
        for (const auto& t : testi) s += "\n    \"" + t + "\"";
        return s;
    };

    fuzz::PortaMuta& porta = fuzz::portaMuta();
    porta.vietata = false;
    porta.testi.clear();
    porta.ultimaIcona = Icona::Nessuna;
    FinestraPrincipale principale(f.testi);
    Progetto& p = f.progetto;
    if (!CalcoloMain(p.v, p.ntc, principale)) {
        fuzz::Verifica(!porta.testi.empty() && porta.ultimaIcona == Icona::Critico,
                       "un calcolo rifiutato non finisce con un messaggio di stop critico:" + messaggi(porta.testi));
        fuzz::Verifica(FileDellaCartella().empty(), "un calcolo rifiutato ha lasciato un file");
        return 0;
    }

    // From here on any message is a fault: the port stops at the first.
    porta.vietata = true;
    FinestraDisegno finestra(p);
    finestra.Dipinge();
    fs::path percorsoDati = fuzz::cartellaDiLavoro();
    Piattaforma piattaforma;
    PlottaIn(static_cast<int>(VoceFilePlotta::EsportaDxf), "Disegno", finestra, piattaforma, finestra.g,
             percorsoDati);
    porta.vietata = false;

    const fs::path dxf = fuzz::cartellaDiLavoro() / "Disegno.dxf";
    fuzz::Verifica(FileDellaCartella() == std::vector<fs::path>{dxf},
                   "l'esportazione non lascia il solo file scelto");
    const std::string difetto = fuzz::DifettoDxf(fuzz::LeggeFile(dxf), TitoloInDxf(p.v.TitoloTavo));
    fs::remove(dxf);
    fuzz::Verifica(difetto.empty(), "DXF malformato: " + difetto);
    return 0;
}
