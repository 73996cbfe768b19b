#pragma once
// What every fuzz target shares: a message port that keeps the messages
// instead of printing them, a private folder for the files that a target
// opens by name, and the check that stops the run, with a reason, when the
// code under test breaks its promise.

#include "fileio/ErroreFile.h"
#include "ports/MessagePort.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::fuzz {

class PortaMuta final : public MessagePort {
public:
    void mostra(std::string_view testo, Icona icona, std::string_view) override { tiene(testo, icona); }
    bool chiedi(std::string_view testo, Icona icona, std::string_view) override {
        tiene(testo, icona);
        return false;
    }
    std::vector<std::string> testi;
    Icona ultimaIcona = Icona::Nessuna;  // of the last message kept
    // While set, a message stops the run at once, so that the stack shows
    // the routine that raised it.
    bool vietata = false;

private:
    void tiene(std::string_view testo, Icona icona);
};

// The port in use by every routine of the process; emptied by the caller.
PortaMuta& portaMuta();

// A folder of this process alone, removed when it ends normally.
const std::filesystem::path& cartellaDiLavoro();

std::string_view Testo(const std::uint8_t* dati, std::size_t n);
void ScriveFile(const std::filesystem::path& percorso, std::string_view byte);
std::string LeggeFile(const std::filesystem::path& percorso);
// The bytes of a file of the source tree (an example project).
std::string FileSorgente(std::string_view relativo);

// What the current input stands for, in words: printed with a broken
// promise, and at once when TAVO_FUZZ_DESCRIVI is set.
void DescriveInput(std::string testo);

// Prints the broken promise and aborts, so that the fuzzer keeps the input.
[[noreturn]] void Violazione(std::string_view cosa);
inline void Verifica(bool condizione, std::string_view cosa) {
    if (!condizione) Violazione(cosa);
}

template <class Numeri>
bool Finiti(const Numeri& numeri) {
    return std::ranges::all_of(numeri, [](auto x) { return std::isfinite(x); });
}

// A list file of the site window (municipalities, islands): its reader by
// name, its reader of bytes, its writer, and what a list read keeps when
// written and read back.
template <class Elenco>
struct FileDiElenco {
    const char* nome;
    bool (*leggeFile)(const std::filesystem::path&, Elenco&);
    Elenco (*legge)(std::string_view);
    std::string (*codifica)(const Elenco&);
    bool (*stesso)(const Elenco& letto, const Elenco& riletto) = [](const Elenco& a, const Elenco& b) {
        return a == b;
    };
};

// Any bytes as the list file `f`, read by name into a list that held
// `prima`. A refused file leaves the list empty with one message; an
// accepted one gives no message, and writes and reads back to the same
// list (as `f.stesso` judges). Returns the accepted list.
template <class Elenco>
std::optional<Elenco> LeggeElenco(const FileDiElenco<Elenco>& f, std::string_view byte, const Elenco& prima) {
    PortaMuta& porta = portaMuta();
    porta.testi.clear();
    const auto percorso = cartellaDiLavoro() / f.nome;
    ScriveFile(percorso, byte);
    Elenco letto = prima;
    if (!f.leggeFile(percorso, letto)) {
        Verifica(letto == Elenco{}, "un file rifiutato non lascia l'elenco vuoto");
        Verifica(porta.testi.size() == 1 && porta.testi[0].starts_with("Lettura incompleta del file "),
                 "un file rifiutato non dà un solo messaggio");
        return std::nullopt;
    }
    Verifica(porta.testi.empty(), "un file accettato ha dato un messaggio");
    std::optional<Elenco> riletto;
    try {
        riletto = f.legge(f.codifica(letto));
    } catch (const ErroreFile& e) {
        Violazione(std::string("un elenco letto non si scrive e rilegge: ") + e.what());
    }
    Verifica(f.stesso(letto, *riletto), "un elenco scritto e riletto non è lo stesso");
    return letto;
}

}  // namespace tavo::fuzz
