// Any text read as a typed number, under any regional separators, and as a
// number field of a file. Typed text gives a finite number (0 for what is no
// number); a file field gives a finite number or none, and the file text of
// that number reads back to exactly it.
//
// Input: one byte with the lengths of the decimal and grouping texts of the
// locale (low and high four bits, up to 4 bytes each), the two texts, then
// the typed text.

#include "fileio/NumeriRegionali.h"
#include "fileio/NumeriTesto.h"
#include "fuzz/support/SupportoFuzz.h"

#include <algorithm>
#include <cmath>

namespace {

template <class T>
void VerificaCampo(const std::optional<T>& valore) {
    using namespace tavo;
    if (!valore) return;
    fuzz::Verifica(std::isfinite(*valore), "un campo numerico dà un numero non finito");
    const std::string testo = TestoNumero(*valore);
    std::optional<T> riletto;
    if constexpr (std::is_same_v<T, float>) riletto = NumeroFloat(testo);
    else riletto = NumeroDouble(testo);
    fuzz::Verifica(riletto && *riletto == *valore, "il testo di un numero non si rilegge uguale: " + testo);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    if (n < 1) return 0;
    std::string_view resto = fuzz::Testo(dati + 1, n - 1);
    const std::size_t lunghezzaDecimale = std::min<std::size_t>(dati[0] & 0x0F, 4);
    const std::size_t lunghezzaMigliaia = std::min<std::size_t>(dati[0] >> 4, 4);
    if (resto.size() < lunghezzaDecimale + lunghezzaMigliaia) return 0;
    const Separatori sep = SeparatoriDaLocale(resto.substr(0, lunghezzaDecimale),
                                              resto.substr(lunghezzaDecimale, lunghezzaMigliaia));
    const std::string_view testo = resto.substr(lunghezzaDecimale + lunghezzaMigliaia);

    fuzz::Verifica(std::isfinite(ValLocale(testo, sep)), "ValLocale dà un numero non finito");
    VerificaCampo(NumeroFloat(testo));
    VerificaCampo(NumeroDouble(testo));
    return 0;
}
