// Any bytes as the island file NTCisole.txt. A refused file leaves the list
// empty with one message; an accepted one holds 27 finite numbers for each
// name, and writes and reads back to the same numbers and names.

#include "fuzz/support/SupportoFuzz.h"
#include "seismic/IsoleNTC.h"

namespace tavo {
namespace {

// A name may change once on its way to the file, as every string of the
// line format does (a double quote becomes an apostrophe); then it stays.
bool Stesso(const ElencoIsole& letto, const ElencoIsole& riletto) {
    return letto.AgIsole == riletto.AgIsole && letto.F0Isole == riletto.F0Isole &&
           letto.TcIsole == riletto.TcIsole && letto.Nomi.size() == riletto.Nomi.size() &&
           LeggeIsole(CodificaIsole(riletto)).Nomi == riletto.Nomi;
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    static const fuzz::FileDiElenco<ElencoIsole> file{NomeFileIsole, LeggeFileIsole, LeggeIsole, CodificaIsole,
                                                      Stesso};
    static const ElencoIsole prima = [] {
        ElencoIsole e;
        e.Nomi = {"Ustica"};
        e.AgIsole.emplace_back().fill(0.5f);
        e.F0Isole.emplace_back().fill(2.5f);
        e.TcIsole.emplace_back().fill(0.3f);
        return e;
    }();
    const auto letto = fuzz::LeggeElenco(file, fuzz::Testo(dati, n), prima);
    if (!letto) return 0;
    const std::size_t isole = letto->Nomi.size();
    fuzz::Verifica(letto->AgIsole.size() == isole && letto->F0Isole.size() == isole && letto->TcIsole.size() == isole,
                   "le isole lette non hanno tutte i loro valori");
    for (std::size_t k = 0; k < isole; ++k)
        fuzz::Verifica(fuzz::Finiti(letto->AgIsole[k]) && fuzz::Finiti(letto->F0Isole[k]) &&
                           fuzz::Finiti(letto->TcIsole[k]),
                       "un'isola letta ha un numero non finito");
    return 0;
}
