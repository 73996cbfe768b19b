#include "seismic/IsoleNTC.h"

#include "fileio/FileRighe.h"
#include "fileio/FileSuDisco.h"
#include "seismic/ReticoloNTC.h"

#include <cstdint>

namespace tavo {
namespace {

constexpr int ValoriPerIsola = 3 * NumeroPeriodiTabellati;
constexpr long MassimoIsole = 1000;

// One routine for both directions, so that the file has one layout.
void LeggeScriveIsole(FileRighe& file, ElencoIsole& e) {
    auto n = static_cast<std::int16_t>(e.Nomi.size());
    file.FileInOut(n);
    file.VerificaIntervallo(n, 0, MassimoIsole);
    const auto isole = static_cast<std::size_t>(n);
    e.Nomi.resize(isole);
    for (std::string& nome : e.Nomi) file.FileInOut(nome);
    e.AgIsole.resize(isole);
    e.F0Isole.resize(isole);
    e.TcIsole.resize(isole);
    for (std::size_t k = 0; k < isole; ++k) {
        std::vector<std::vector<float>> riga(1, std::vector<float>(ValoriPerIsola));
        for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
            riga[0][3 * i] = e.AgIsole[k][i];
            riga[0][3 * i + 1] = e.F0Isole[k][i];
            riga[0][3 * i + 2] = e.TcIsole[k][i];
        }
        file.FileInOutMat(riga);
        for (std::size_t i = 0; i < NumeroPeriodiTabellati; ++i) {
            e.AgIsole[k][i] = riga[0][3 * i];
            e.F0Isole[k][i] = riga[0][3 * i + 1];
            e.TcIsole[k][i] = riga[0][3 * i + 2];
        }
        if (file.inLettura() && !ParametriSitoPossibili(e.AgIsole[k], e.F0Isole[k], e.TcIsole[k]))
            file.Errore("i parametri dell'isola " + std::to_string(k + 1) + " non sono possibili per un sito.");
    }
}

}  // namespace

ElencoIsole LeggeIsole(std::string_view byte) {
    FileRighe file(byte, FileRighe::Lettura::Flusso);
    ElencoIsole e;
    LeggeScriveIsole(file, e);
    return e;
}

std::string CodificaIsole(const ElencoIsole& elenco) {
    FileRighe file;
    ElencoIsole copia = elenco;
    LeggeScriveIsole(file, copia);
    return file.contenuto();
}

bool LeggeFileIsole(const std::filesystem::path& file, ElencoIsole& elenco) {
    elenco = {};
    ElencoIsole letto;
    if (!LeggeFileRighe(file, [&](FileRighe& f) { LeggeScriveIsole(f, letto); }, FileRighe::Lettura::Flusso))
        return false;
    elenco = std::move(letto);
    return true;
}

}  // namespace tavo
