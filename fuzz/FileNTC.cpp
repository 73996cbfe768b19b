// Any bytes read as the seismic block of a project file. A block that reads
// holds finite numbers only, writes back, and its written form reads and
// writes again to the same bytes.

#include "fuzz/support/SupportoFuzz.h"
#include "seismic/FileNTC.h"

#include <array>
#include <cmath>

namespace tavo {
namespace {

struct Blocco {
    NTC ntc;
    float fyd = 0;
    std::array<float, 28> coefficienti{};

    void LeggeScrive(FileRighe& file) { FileLeggeScriveNTC(file, ntc, fyd, coefficienti); }

    bool Finito() const {
        auto finiti = [](const auto& valori) {
            for (float x : valori) {
                if (!std::isfinite(x)) return false;
            }
            return true;
        };
        return finiti(ntc.AgTR) && finiti(ntc.F0TR) && finiti(ntc.TcTR) && finiti(coefficienti) &&
               finiti(std::array{ntc.VR, ntc.hSuH, ntc.Longitudine, ntc.Latitudine, ntc.KhNTC, ntc.KvNTC, fyd});
    }
};

std::string Scritto(Blocco b) {
    FileRighe file;
    try {
        b.LeggeScrive(file);
    } catch (const ErroreFile& e) {
        fuzz::Violazione(std::string("un blocco letto non si scrive: ") + e.what());
    }
    return file.contenuto();
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    Blocco letto;
    try {
        FileRighe file(fuzz::Testo(dati, n));
        letto.LeggeScrive(file);
    } catch (const ErroreFile&) {
        return 0;
    }
    fuzz::Verifica(letto.Finito(), "il blocco letto contiene un numero non finito");

    const std::string scritto = Scritto(letto);
    Blocco riletto;
    try {
        FileRighe file(scritto);
        riletto.LeggeScrive(file);
    } catch (const ErroreFile& e) {
        fuzz::Violazione(std::string("un blocco scritto non si rilegge: ") + e.what());
    }
    fuzz::Verifica(Scritto(riletto) == scritto, "un blocco scritto e riletto non si riscrive uguale");
    return 0;
}
