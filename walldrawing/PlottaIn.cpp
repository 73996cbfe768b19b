#include "walldrawing/PlottaIn.h"

#include "drawing/Cad.h"
#include "drawing/ErroreUscita.h"
#include "fileio/ErroreFile.h"
#include "ports/ErroreCalcolo.h"
#include "ports/MessagePort.h"

#include <stdexcept>

namespace tavo {

namespace {

// The first message that the routines of a command's drawings raised; the
// driver shows it once, when the command has ended.
using MessaggioDelDisegno = std::optional<MessaggiTrattenuti::Messaggio>;

void Disegna(FinestraPlotta& finestra, UscitaGrafica uscita, MessaggioDelDisegno& primo) {
    const MessaggiTrattenuti trattenuti;
    finestra.PlottaInOggetto(uscita);
    if (!primo) primo = trattenuti.primo();
}

void Stampa(FinestraPlotta& finestra, PiattaformaUscita& piattaforma, Grafica& g,
            MessaggioDelDisegno& primo) {
    const std::optional<int> copie = piattaforma.DialogoStampante();
    if (!copie) return;
    g.Stampante = &piattaforma.IniziaStampa();
    try {
        // Every copy on a page of its own; the document ends once.
        for (int c = 1; c <= *copie; ++c) {
            if (c > 1) piattaforma.NuovaPagina();
            Disegna(finestra, UscitaGrafica::STAMPANTE, primo);
        }
        g.Stampante = nullptr;
        piattaforma.FineStampa();
    } catch (...) {
        g.Stampante = nullptr;
        piattaforma.AnnullaStampa();
        throw;
    }
}

void EsportaDxf(std::string_view nomeFile, FinestraPlotta& finestra,
                PiattaformaUscita& piattaforma, Grafica& g, std::filesystem::path& percorsoDati,
                MessaggioDelDisegno& primo) {
    RichiestaSalvaDxf r;
    r.cartella = percorsoDati;
    r.nomeFile = std::string(nomeFile) + ".dxf";
    r.filtro = FiltroDxf;
    r.indiceFiltro = 2;
    r.confermaSovrascrittura = true;
    const std::optional<std::filesystem::path> file = piattaforma.DialogoSalva(r);
    if (!file) return;
    try {
        ApreDxf(g, *file);
        Disegna(finestra, UscitaGrafica::DXF, primo);
        ChiudeDxf(g);
    } catch (...) {
        // An interrupted export leaves nothing behind: the file is dropped
        // before it reaches the disk.
        g.Dxf.reset();
        throw;
    }
    percorsoDati = file->parent_path();
}

void DisegnaInCad(FinestraPlotta& finestra, Grafica& g, MessaggioDelDisegno& primo) {
    if (!AvviaCad(g)) return;
    Disegna(finestra, UscitaGrafica::DWG, primo);
    MostraDisegnoCad(g);
}

}  // namespace

std::string MessaggioErroreUscita(int numero, std::string_view descrizione) {
    switch (numero) {
        case 68: return "Stampante non presente o non disponibile.";
        case 57: return "La stampante potrebbe essere spenta.";
        case 482: return "Errore generico della stampante.";
        case 483: return "Il driver della stampante non supporta la proprietà specificata.";
        case 484:
            return "Problemi di recupero delle informazioni sulla stampante nel sistema.\r\n"
                   "Verificare che la stampante sia impostata correttamente.";
        default:
            return "Si è verificato durante il processo di stampa il seguente errore: " +
                   std::to_string(numero) + "\r\n" + std::string(descrizione);
    }
}

std::pair<int, std::string> NumeroErroreUscita(const std::exception& e) {
    if (const auto* u = dynamic_cast<const ErroreUscita*>(&e)) return {u->numero(), u->what()};
    // A file that cannot be written: the path/file access error.
    if (dynamic_cast<const ErroreFile*>(&e)) return {75, e.what()};
    if (dynamic_cast<const ErroreCalcolo*>(&e)) return {6, e.what()};
    if (dynamic_cast<const std::out_of_range*>(&e)) return {9, e.what()};
    if (dynamic_cast<const std::bad_alloc*>(&e)) return {7, "Memoria esaurita"};
    return {5, e.what()};
}

void PlottaIn(int indice, std::string_view nomeFile, FinestraPlotta& finestra,
              PiattaformaUscita& piattaforma, Grafica& g, std::filesystem::path& percorsoDati) {
    MessaggioDelDisegno primo;
    try {
        switch (indice) {
            case static_cast<int>(VoceFilePlotta::Stampa): Stampa(finestra, piattaforma, g, primo); break;
            case static_cast<int>(VoceFilePlotta::EsportaDxf):
                EsportaDxf(nomeFile, finestra, piattaforma, g, percorsoDati, primo);
                break;
            case static_cast<int>(VoceFilePlotta::DisegnaInCad): DisegnaInCad(finestra, g, primo); break;
            case static_cast<int>(VoceFilePlotta::Chiudi): finestra.Scarica(); break;
            default: break;  // the separator, or no entry
        }
    } catch (const std::exception& e) {
        // Every failure is reported, once; nothing is retried.
        const auto [numero, descrizione] = NumeroErroreUscita(e);
        messaggi().mostra(MessaggioErroreUscita(numero, descrizione), Icona::Informazione);
        return;
    }
    // The drawing went out; what its routines complained of is said once.
    if (primo) messaggi().mostra(primo->testo, primo->icona, primo->titolo);
}

}  // namespace tavo
