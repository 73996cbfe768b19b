#pragma once
// What every fuzz target shares: a message port that keeps the readers'
// messages instead of printing them, a private folder for the files that a
// reader opens by name, and the check that stops the run, with a reason,
// when a reader breaks its promise.

#include "ports/MessagePort.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::fuzz {

class PortaMuta final : public MessagePort {
public:
    void mostra(std::string_view testo, Icona, std::string_view) override { testi.emplace_back(testo); }
    bool chiedi(std::string_view testo, Icona, std::string_view) override {
        testi.emplace_back(testo);
        return false;
    }
    std::vector<std::string> testi;
};

// The port in use by every reader of the process; emptied by the caller.
PortaMuta& portaMuta();

// A folder of this process alone, removed when it ends normally.
const std::filesystem::path& cartellaDiLavoro();

std::string_view Testo(const std::uint8_t* dati, std::size_t n);
void ScriveFile(const std::filesystem::path& percorso, std::string_view byte);
std::string LeggeFile(const std::filesystem::path& percorso);
// The bytes of a file of the source tree (an example project).
std::string FileSorgente(std::string_view relativo);

// Prints the broken promise and aborts, so that the fuzzer keeps the input.
[[noreturn]] void Violazione(std::string_view cosa);
inline void Verifica(bool condizione, std::string_view cosa) {
    if (!condizione) Violazione(cosa);
}

}  // namespace tavo::fuzz
