#include "fuzz/support/SupportoFuzz.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tavo::fuzz {

void PortaMuta::tiene(std::string_view testo, Icona icona) {
    if (vietata) Violazione("un messaggio dove nessuno è ammesso: \"" + std::string(testo) + "\"");
    testi.emplace_back(testo);
    ultimaIcona = icona;
}

PortaMuta& portaMuta() {
    static PortaMuta porta;
    static PortaMessaggiInstallata installata(porta);
    return porta;
}

const std::filesystem::path& cartellaDiLavoro() {
    static const std::filesystem::path cartella = [] {
        std::string modello = (std::filesystem::temp_directory_path() / "tavo-fuzz-XXXXXX").string();
        if (!mkdtemp(modello.data())) Violazione("impossibile creare la cartella di lavoro");
        std::atexit([] { std::error_code ec; std::filesystem::remove_all(cartellaDiLavoro(), ec); });
        return std::filesystem::path(modello);
    }();
    return cartella;
}

std::string_view Testo(const std::uint8_t* dati, std::size_t n) {
    return {reinterpret_cast<const char*>(dati), n};
}

void ScriveFile(const std::filesystem::path& percorso, std::string_view byte) {
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
    if (!out) Violazione("impossibile scrivere " + percorso.string());
}

std::string LeggeFile(const std::filesystem::path& percorso) {
    std::ifstream in(percorso, std::ios::binary);
    if (!in) Violazione("impossibile leggere " + percorso.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string FileSorgente(std::string_view relativo) {
    return LeggeFile(std::filesystem::path(TAVO_SOURCE_DIR) / relativo);
}

namespace {
std::string& descrizioneInput() {
    static std::string d;
    return d;
}
}  // namespace

void DescriveInput(std::string testo) {
    if (std::getenv("TAVO_FUZZ_DESCRIVI")) std::fputs(testo.c_str(), stderr);
    descrizioneInput() = std::move(testo);
}

void Violazione(std::string_view cosa) {
    std::fputs(descrizioneInput().c_str(), stderr);
    std::fprintf(stderr, "\n*** Promessa non mantenuta: %.*s\n", static_cast<int>(cosa.size()),
                 cosa.data());
    std::abort();
}

}  // namespace tavo::fuzz
