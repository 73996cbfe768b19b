// Any bytes as the hazard grid searched around a site. Input: the site's
// longitude and latitude (two little-endian floats), then the grid file.
// Whether the scan reaches the end or stops at a damaged record, each of
// the four nodes is still zero or a whole record of the grid, with finite
// values, in its own quadrant and within 1 degree of the site.

#include "fuzz/support/SupportoFuzz.h"
#include "seismic/ByteLE.h"
#include "seismic/ReticoloNTC.h"

#include <array>
#include <sstream>

namespace tavo {
namespace {

bool RecordDi(std::string_view griglia, const std::string& record) {
    for (std::size_t p = 0; p + DimensioneRecordNodo <= griglia.size(); p += DimensioneRecordNodo)
        if (griglia.substr(p, DimensioneRecordNodo) == record) return true;
    return false;
}

bool NelQuadrante(const NodoReticolo& nodo, int q, float lon, float lat) {
    const bool ovest = q == NordOvest || q == SudOvest;
    const bool nord = q == NordOvest || q == NordEst;
    return (nodo.Longitudine <= lon) == ovest && (nodo.Latitudine >= lat) == nord;
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    const std::string_view byte = fuzz::Testo(dati, n);
    if (byte.size() < 8) return 0;
    const float lon = LeggeFloatLE(byte.data());
    const float lat = LeggeFloatLE(byte.data() + 4);
    const std::string_view griglia = byte.substr(8);

    std::istringstream in{std::string(griglia)};
    NodiSito nodi;
    AzzeraNodi(nodi);
    if (const auto errore = CercaNodiReticolo(in, lon, lat, nodi))
        fuzz::Verifica(errore->starts_with("Record ") &&
                           (errore->ends_with(": dati troncati.") || errore->ends_with(": valore non valido.")),
                       "un file rifiutato dà un messaggio inatteso: " + *errore);

    const std::string zero = CodificaNodo(NodoReticolo{});
    for (int q = 0; q < 4; ++q) {
        const NodoReticolo& nodo = nodi[static_cast<std::size_t>(q)];
        const std::string record = CodificaNodo(nodo);
        if (record == zero) continue;
        fuzz::Verifica(RecordDi(griglia, record), "un nodo trovato non è un record del file");
        fuzz::Verifica(fuzz::Finiti(std::array{nodo.Longitudine, nodo.Latitudine}) && fuzz::Finiti(nodo.Ag) &&
                           fuzz::Finiti(nodo.F0) && fuzz::Finiti(nodo.Tc),
                       "un nodo trovato contiene un numero non finito");
        fuzz::Verifica(NelQuadrante(nodo, q, lon, lat), "un nodo trovato sta in un altro quadrante");
        fuzz::Verifica(DistanzaNodo(lon, lat, nodo) < 1.0, "un nodo trovato dista un grado o più dal sito");
    }
    return 0;
}
