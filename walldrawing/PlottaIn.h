#pragma once
// The File menu of the drawing window: print the drawing, export it as a
// DXF file, draw it into the CAD program, close the window. The commands run
// the platform's dialogs and printer through a port, let the window redraw
// itself on the chosen target, and turn every failure of the output into one
// message (information icon). What the drawing's own routines complain of
// on the way is held and said once, when the output is done; a command
// that fails says only its failure. A cancelled dialog does nothing and
// says nothing. The process's current folder is never changed: the data folder
// is a variable, where the save dialog starts and which it updates.

#include "drawing/Grafica.h"
#include "drawing/SuperficieDisegno.h"

#include <array>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavo {

// The entries of the File menu, in order.
enum class VoceFilePlotta { Stampa = 0, EsportaDxf = 1, DisegnaInCad = 2, Separatore = 3, Chiudi = 4 };
inline constexpr std::array<const char*, 5> DidascalieFilePlotta{
    "&Stampa", "&Eporta Dxf", "&Disegna in Autocad", "-", "&Chiudi"};

inline constexpr const char* FiltroDxf = "All Files (*.*)|*.*|Files per Autocad (*.dxf)|*.dxf";

// What the save dialog is asked.
struct RichiestaSalvaDxf {
    std::filesystem::path cartella;  // where it starts
    std::string nomeFile;            // proposed name
    std::string filtro;              // description|pattern pairs
    int indiceFiltro = 1;            // 1-based pattern shown first
    bool confermaSovrascrittura = true;
};

// What is platform in the commands: the printer and its dialog, the save
// dialog. Failures are thrown as ErroreUscita with the run-time error
// number of the output (68 when no printer can be used).
class PiattaformaUscita {
public:
    virtual ~PiattaformaUscita() = default;
    // The printer dialog: the number of copies chosen; nothing when cancelled.
    virtual std::optional<int> DialogoStampante() = 0;
    // Starts the printer's document; its drawing surface, valid until the
    // document ends.
    virtual SuperficieDisegno& IniziaStampa() = 0;
    virtual void NuovaPagina() = 0;
    // Ends the document: the pages go to the printer.
    virtual void FineStampa() = 0;
    // Drops a document that an error interrupted.
    virtual void AnnullaStampa() = 0;
    // The save dialog: the chosen file; nothing when cancelled.
    virtual std::optional<std::filesystem::path> DialogoSalva(const RichiestaSalvaDxf& r) = 0;
};

// The drawing window as its File menu sees it.
class FinestraPlotta {
public:
    virtual ~FinestraPlotta() = default;
    // Redraws the whole drawing on the target.
    virtual void PlottaInOggetto(UscitaGrafica uscita) = 0;
    // Closes the window.
    virtual void Scarica() = 0;
};

// Carries out File menu entry `indice` (VoceFilePlotta) of the drawing of
// project `nomeFile` (the proposed DXF name is nomeFile + ".dxf").
void PlottaIn(int indice, std::string_view nomeFile, FinestraPlotta& finestra,
              PiattaformaUscita& piattaforma, Grafica& g, std::filesystem::path& percorsoDati);

// The message of an output failure: by its run-time error number the
// printer's messages, otherwise "Si è verificato durante il processo di
// stampa il seguente errore: " number CR LF description.
std::string MessaggioErroreUscita(int numero, std::string_view descrizione);
// The run-time error number and description of an exception of the output.
std::pair<int, std::string> NumeroErroreUscita(const std::exception& e);

}  // namespace tavo
