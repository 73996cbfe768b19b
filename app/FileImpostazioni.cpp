#include "app/FileImpostazioni.h"

#include "analysis/CoefficientiParziali.h"
#include "fileio/FileSuDisco.h"
#include "ports/MessagePort.h"

namespace tavo {
namespace {

void Tabelle(FileRighe& file, TabellaCoefficienti& statici, TabellaCoefficienti& sismici) {
    for (int i = 1; i <= TabellaCoefficienti::dimensione(); ++i) file.FileInOut(statici(i));
    for (int i = 1; i <= TabellaCoefficienti::dimensione(); ++i) file.FileInOut(sismici(i));
}

void CaricaDefault(VariabiliPubbliche& v) {
    CoefficientiParzialiDefault(v);
    messaggi().mostra(
        "Il File Tavo.ini non esiste o è incompleto.\r\n"
        "Vengono caricati valori di Default per i coefficienti parziali di sicurezza.\r\n"
        "Usare il menu Impostazioni per cambiarli e salvarli.\r\n"
        "I valori dei coefficienti parziali di sicurezza vengono anche salvati\r\n"
        "nel file dei dati.",
        Icona::Informazione);
}

}  // namespace

bool FileIniLeggeScrive(Modo modo, const std::filesystem::path& cartellaProgramma, VariabiliPubbliche& v) {
    const std::filesystem::path percorso = cartellaProgramma / NomeFileImpostazioni;
    TabellaCoefficienti statici = v.CoefParzStatici;
    TabellaCoefficienti sismici = v.CoefParzSismici;
    if (modo == Modo::Scrittura) {
        return ScriveFileRighe(percorso, [&](FileRighe& f) { Tabelle(f, statici, sismici); });
    }
    std::error_code ec;
    if (!std::filesystem::exists(percorso, ec) ||
        !LeggeFileRighe(percorso, [&](FileRighe& f) { Tabelle(f, statici, sismici); })) {
        CaricaDefault(v);
        return false;
    }
    v.CoefParzStatici = statici;
    v.CoefParzSismici = sismici;
    return true;
}

}  // namespace tavo
