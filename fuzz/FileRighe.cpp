// Any bytes read by the line reader with typed values, in the call pattern
// that the input chooses. Every number read is finite; every group of values
// read writes back, reads again to the same numbers and writes again to the
// same bytes.
//
// Input: one byte whose low bit chooses stream reading, eight bytes naming
// the calls (repeated in turn until the file ends or fails), then the file.

#include "fileio/FileRighe.h"
#include "fuzz/support/SupportoFuzz.h"

#include <array>
#include <cmath>
#include <tuple>
#include <type_traits>

namespace tavo {
namespace {

template <class T>
bool Finito(const T& x) {
    if constexpr (std::is_floating_point_v<T>) return std::isfinite(x);
    else return true;
}

// Strings may change once on their way to the file (a double quote becomes
// an apostrophe, a lone line break two characters of code 1); numbers never.
template <class T>
bool StessoNumero(const T& a, const T& b) {
    if constexpr (std::is_same_v<T, std::string>) return true;
    else return a == b;
}

// A group of values as one call reads and writes it.
template <class Valori, class Chiamata>
void Giro(FileRighe& file, Chiamata chiamata) {
    Valori letti{};
    chiamata(file, letti);  // ErroreFile ends the run of calls
    auto scrivi = [&](Valori valori) {
        FileRighe scritto;
        try {
            chiamata(scritto, valori);
        } catch (const ErroreFile& e) {
            fuzz::Violazione(std::string("valori letti che non si scrivono: ") + e.what());
        }
        return scritto.contenuto();
    };
    const std::string primo = scrivi(letti);
    Valori riletti{};
    try {
        FileRighe rilettura(primo);
        chiamata(rilettura, riletti);
    } catch (const ErroreFile& e) {
        fuzz::Violazione(std::string("valori scritti che non si rileggono: ") + e.what());
    }
    fuzz::Verifica(scrivi(riletti) == primo, "valori scritti e riletti che non si riscrivono uguali");
    if constexpr (requires { std::tuple_size<Valori>::value; }) {
        std::apply([](const auto&... x) { fuzz::Verifica((Finito(x) && ...), "un numero letto non è finito"); },
                   letti);
        std::apply(
            [&](const auto&... a) {
                std::apply([&](const auto&... b) {
                    fuzz::Verifica((StessoNumero(a, b) && ...), "un numero scritto non si rilegge uguale");
                }, riletti);
            },
            letti);
    }
}

template <class... T>
void Riga(FileRighe& file) {
    Giro<std::tuple<T...>>(file, [](FileRighe& f, std::tuple<T...>& valori) {
        std::apply([&](auto&... x) { f.FileInOut(x...); }, valori);
    });
}

void Chiamata(FileRighe& file, std::uint8_t quale) {
    switch (quale % 10) {
        case 0: return Riga<float>(file);
        case 1: return Riga<double>(file);
        case 2: return Riga<std::int16_t>(file);
        case 3: return Riga<bool>(file);
        case 4: return Riga<std::string>(file);
        case 5: return Riga<float, double, std::int16_t, bool, std::string>(file);
        case 6: return Riga<std::string, float, float>(file);  // a row of the island list
        case 7:
            return Giro<std::vector<std::string>>(
                file, [](FileRighe& f, std::vector<std::string>& c) { f.FileInOutStringColl(c); });
        case 8:
            return Giro<std::array<std::string, 2>>(file, [](FileRighe& f, std::array<std::string, 2>& due) {
                f.FileInOutDueValori(due[0], due[1], due[1]);
            });
        default:
            return Giro<std::vector<std::vector<float>>>(file, [](FileRighe& f, std::vector<std::vector<float>>& m) {
                if (f.inLettura()) m.assign(2, std::vector<float>(3));
                f.FileInOutMat(m);
                for (const auto& riga : m) {
                    for (float x : riga) fuzz::Verifica(std::isfinite(x), "un numero letto non è finito");
                }
            });
    }
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    constexpr std::size_t Intestazione = 9;
    if (n < Intestazione) return 0;
    const auto lettura = (dati[0] & 1) ? FileRighe::Lettura::Flusso : FileRighe::Lettura::PerRighe;
    try {
        FileRighe file(fuzz::Testo(dati + Intestazione, n - Intestazione), lettura);
        // Every call takes at least one field, so the file ends within n calls.
        for (std::size_t k = 0; k <= n; ++k) Chiamata(file, dati[1 + k % 8]);
        fuzz::Violazione("il file non finisce");
    } catch (const ErroreFile&) {
    }
    return 0;
}
