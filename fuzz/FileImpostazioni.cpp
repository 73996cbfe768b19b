// Any bytes read as the settings file Tavo.ini. A refused file puts the
// default tables in force and ends with the defaults' message; an accepted
// one holds finite numbers, and saves and reopens to the same tables.

#include "analysis/CoefficientiParziali.h"
#include "app/FileImpostazioni.h"
#include "fuzz/support/SupportoFuzz.h"

#include <cmath>
#include <filesystem>

namespace tavo {
namespace {

// Tables that no default holds, so that a table left unread would show.
VariabiliPubbliche Iniziali() {
    VariabiliPubbliche v;
    for (int i = 1; i <= TabellaCoefficienti::dimensione(); ++i) {
        v.CoefParzStatici(i) = 7.5f + i;
        v.CoefParzSismici(i) = -3.25f - i;
    }
    return v;
}

bool Finite(const TabellaCoefficienti& t) {
    for (int i = 1; i <= TabellaCoefficienti::dimensione(); ++i) {
        if (!std::isfinite(t(i))) return false;
    }
    return true;
}

std::filesystem::path Cartella(const char* nome) {
    const auto cartella = fuzz::cartellaDiLavoro() / nome;
    std::filesystem::create_directories(cartella);
    return cartella;
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    static const auto letta = Cartella("letta");
    static const auto salvata = Cartella("salvata");
    static const VariabiliPubbliche predefinite = [] {
        VariabiliPubbliche v;
        CoefficientiParzialiDefault(v);
        return v;
    }();
    fuzz::PortaMuta& porta = fuzz::portaMuta();
    porta.testi.clear();

    fuzz::ScriveFile(letta / NomeFileImpostazioni, fuzz::Testo(dati, n));
    VariabiliPubbliche v = Iniziali();
    if (!FileIniLeggeScrive(Modo::Lettura, letta, v)) {
        fuzz::Verifica(v.CoefParzStatici == predefinite.CoefParzStatici &&
                           v.CoefParzSismici == predefinite.CoefParzSismici,
                       "un file rifiutato non mette in vigore i valori di default");
        fuzz::Verifica(!porta.testi.empty() && porta.testi.back().starts_with("Il File Tavo.ini non esiste"),
                       "un file rifiutato non dà il messaggio dei valori di default");
        return 0;
    }
    fuzz::Verifica(porta.testi.empty(), "un file accettato ha dato un messaggio");
    fuzz::Verifica(Finite(v.CoefParzStatici) && Finite(v.CoefParzSismici),
                   "un file accettato contiene un numero non finito");

    fuzz::Verifica(FileIniLeggeScrive(Modo::Scrittura, salvata, v), "un file accettato non si salva");
    VariabiliPubbliche riletto = Iniziali();
    fuzz::Verifica(FileIniLeggeScrive(Modo::Lettura, salvata, riletto), "un file salvato non si rilegge");
    fuzz::Verifica(riletto.CoefParzStatici == v.CoefParzStatici && riletto.CoefParzSismici == v.CoefParzSismici,
                   "un file salvato e riletto non dà le stesse tabelle");
    return 0;
}
