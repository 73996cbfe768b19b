// Any bytes opened as a project file. A refused file leaves the project in
// memory as it was and says so in one message; an accepted one can be saved,
// and the saved file reopens and saves again to the same bytes.

#include "app/FileProgetto.h"
#include "fuzz/support/SupportoFuzz.h"

namespace tavo {
namespace {

struct Progetto {
    VariabiliPubbliche v;
    NTC ntc;
};

// What the writer makes of a state: every stored value, exactly.
std::string Contenuto(const Progetto& p) {
    Progetto copia = p;
    FileRighe file;
    FileLeggeScrive(file, copia.v, copia.ntc);
    return file.contenuto();
}

// The project in memory before each open: the bundled example, so that a
// value changed by a refused file would show.
const Progetto& Iniziale() {
    static const Progetto iniziale = [] {
        Progetto p;
        const auto percorso = fuzz::cartellaDiLavoro() / "Esempio.Tav";
        fuzz::ScriveFile(percorso, fuzz::FileSorgente("examples/Muro.Tav"));
        fuzz::Verifica(ApreFileProgetto(percorso, p.v, p.ntc), "l'esempio non si apre");
        return p;
    }();
    return iniziale;
}

std::string SalvaELeggi(const Progetto& p, const char* nome) {
    const auto percorso = fuzz::cartellaDiLavoro() / nome;
    fuzz::Verifica(SalvaFileProgetto(percorso, p.v, p.ntc), "un progetto accettato non si salva");
    return fuzz::LeggeFile(percorso);
}

}  // namespace
}  // namespace tavo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    using namespace tavo;
    const Progetto& iniziale = Iniziale();
    fuzz::PortaMuta& porta = fuzz::portaMuta();
    porta.testi.clear();

    const auto percorso = fuzz::cartellaDiLavoro() / "Aperto.Tav";
    fuzz::ScriveFile(percorso, fuzz::Testo(dati, n));
    Progetto p = iniziale;
    if (!ApreFileProgetto(percorso, p.v, p.ntc)) {
        fuzz::Verifica(porta.testi.size() == 1 && porta.testi[0].starts_with("Lettura incompleta del file "),
                       "un file rifiutato non dà un solo messaggio di lettura incompleta");
        fuzz::Verifica(p.v.VersioneFile == iniziale.v.VersioneFile && Contenuto(p) == Contenuto(iniziale),
                       "un file rifiutato ha cambiato il progetto");
        return 0;
    }
    fuzz::Verifica(porta.testi.empty(), "un file accettato ha dato un messaggio");

    const std::string salvato = SalvaELeggi(p, "Salvato.Tav");
    Progetto riaperto = iniziale;
    fuzz::Verifica(ApreFileProgetto(fuzz::cartellaDiLavoro() / "Salvato.Tav", riaperto.v, riaperto.ntc),
                   "un progetto salvato non si riapre");
    fuzz::Verifica(SalvaELeggi(riaperto, "Risalvato.Tav") == salvato,
                   "un progetto salvato e riaperto non si salva con gli stessi byte");
    return 0;
}
