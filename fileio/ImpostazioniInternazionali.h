#pragma once
// Start-up of the program's environment: its folders and the check of the
// regional number settings, which warns about settings that would make
// typed numbers ambiguous.

#include "fileio/Separatori.h"

#include <filesystem>

namespace tavo {

struct Ambiente {
    std::filesystem::path PercorsoProgramma;  // the program's folder (data files, Tavo.ini)
    std::filesystem::path PercorsoDati;       // initial folder of the project dialogs
};

// The program's environment, set by InizializzaAmbiente.
Ambiente& ambiente();

// PercorsoProgramma := cartellaProgramma, PercorsoDati := the current folder,
// then the check of the separators. The current folder itself is left where
// the user started the program, so that a relative path on the command line
// names the file the user means; the data files are found through
// PercorsoProgramma.
void InizializzaAmbiente(const std::filesystem::path& cartellaProgramma, const Separatori& daSistema);

// Checks the system's separators and installs them (separatoriRegionali);
// returns what was installed. A grouping character that is missing, a digit
// or the decimal character itself cannot be told from the number and is not
// used (migliaia = 0), with the critical message "Errore nelle impostazioni
// internazionali..."; a grouping and decimal pair that does not read back
// 1,234,567.8 gives the "Errore sconosciuto..." message; a comma grouping
// with a point decimal gives the "ATTENZIONE " warning unless suppressed.
// Also clears a pending keypad decimal key.
Separatori VerificaImpostazioniInternazionali(const Separatori& daSistema, bool sopprimiAvviso = false);

}  // namespace tavo
