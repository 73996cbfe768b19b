// Any bytes as the municipality file NTCcomuni.dat. A refused file leaves
// the lists empty with one message; an accepted one has a province list and
// a key list for each region, of one length, finite coordinates, and writes
// and reads back to the same lists.

#include "fuzz/support/SupportoFuzz.h"
#include "seismic/ComuniNTC.h"

#include <array>

namespace tavo {
namespace {

bool Coerente(const ElencoComuni& e) {
    if (e.ProvinceRegione.size() != e.Regioni.size() || e.ChiaviRegione.size() != e.Regioni.size()) return false;
    for (std::size_t r = 0; r < e.Regioni.size(); ++r)
        if (e.ProvinceRegione[r].size() != e.ChiaviRegione[r].size()) return false;
    return true;
}

bool Finiti(const ElencoComuni& e) {
    for (const auto& [chiave, comuni] : e.ComuniProvincia)
        for (const ComuneNTC& c : comuni)
            if (!fuzz::Finiti(std::array{c.Longitudine, c.Latitudine})) return false;
    return true;
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    static const fuzz::FileDiElenco<ElencoComuni> file{NomeFileComuni, LeggeFileComuni, LeggeComuni, CodificaComuni};
    static const ElencoComuni prima = [] {
        ElencoComuni e;
        e.Regioni = {"Lazio"};
        e.ProvinceRegione = {{"Roma"}};
        e.ChiaviRegione = {{"RM"}};
        e.ComuniProvincia["RM"] = {{"Roma", 12.5f, 41.9f}};
        return e;
    }();
    const auto letto = fuzz::LeggeElenco(file, fuzz::Testo(dati, n), prima);
    if (!letto) return 0;
    fuzz::Verifica(Coerente(*letto), "le liste di regioni, province e chiavi non si corrispondono");
    fuzz::Verifica(Finiti(*letto), "un comune letto ha una coordinata non finita");
    return 0;
}
