#include "app/OperazioniFile.h"

#include "app/NomiFile.h"
#include "app/RigaComando.h"
#include "fileio/FileSuDisco.h"
#include "ports/MessagePort.h"

#include <system_error>

namespace tavo {
namespace fs = std::filesystem;

namespace {

fs::path Assoluto(const fs::path& p) {
    std::error_code ec;
    auto a = fs::absolute(p, ec);
    return ec ? p : a.lexically_normal();
}

bool FileEsistente(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// The message of a project file that does not exist.
std::string MessaggioFileNonTrovato(const fs::path& file) {
    return "File " + TestoPercorso(file) + " non trovato ";
}

}  // namespace

GestioneFile::GestioneFile(std::string descrizione, std::string estensione,
                           Ambiente& cartelle, DocumentoFile& documento,
                           DialogoFile& dialogo)
    : descrizione_(std::move(descrizione)),
      estensione_(std::move(estensione)),
      cartelle_(cartelle),
      documento_(documento),
      dialogo_(dialogo) {}

bool GestioneFile::LeggeEAdotta(const fs::path& file) {
    if (!documento_.leggeProgetto(file)) return false;
    nomeFileBreve_ = NomeBaseFile(TestoPercorso(file));
    cartelle_.PercorsoDati = file.parent_path();
    return true;
}

bool GestioneFile::ApriFileRigaComando(std::string_view rigaComando) {
    const std::string percorso = PercorsoRigaComando(rigaComando);
    if (percorso.empty()) return false;
    const fs::path completo = Assoluto(percorso);
    if (!FileEsistente(completo)) {
        messaggi().mostra(MessaggioFileNonTrovato(completo), Icona::Critico);
        nomeFileBreve_.clear();
        return false;
    }
    if (LeggeEAdotta(completo)) return true;
    nomeFileBreve_.clear();
    return false;
}

RichiestaDialogoFile GestioneFile::Richiesta(const std::optional<fs::path>& cartella) const {
    RichiestaDialogoFile r;
    r.filtro = FiltroDialogoFile(descrizione_, estensione_);
    r.indiceFiltro = IndiceFiltroProgetti;
    r.cartella = cartella ? *cartella : cartelle_.PercorsoDati;
    // A data folder that no longer exists gives way to the current folder.
    std::error_code ec;
    if (!fs::is_directory(r.cartella, ec)) r.cartella = fs::current_path(ec);
    r.nomeIniziale = NomeInizialeDialogo(nomeFileBreve_, estensione_);
    r.estensione = estensione_;
    return r;
}

EsitoFile GestioneFile::OperazioneFile(OperazioneFileTipo op,
                                       const std::optional<fs::path>& cartella) {
    switch (op) {
    case OperazioneFileTipo::Nuovo: {
        nomeFileBreve_.clear();
        // A new project is saved from the current folder, not beside the last one.
        std::error_code ec;
        const fs::path corrente = fs::current_path(ec);
        if (!ec) cartelle_.PercorsoDati = corrente;
        return EsitoFile::Fatto;
    }
    case OperazioneFileTipo::Apri:
        return Apri(cartella);
    case OperazioneFileTipo::SalvaConNome:
        return SalvaConNome(cartella);
    case OperazioneFileTipo::Salva:
        return nomeFileBreve_.empty() ? SalvaConNome(cartella) : Salva();
    }
    return EsitoFile::Annullato;
}

EsitoFile GestioneFile::Apri(const std::optional<fs::path>& cartella) {
    const auto scelto = dialogo_.sceltaApertura(Richiesta(cartella));
    if (!scelto) return EsitoFile::Annullato;
    const fs::path file = Assoluto(*scelto);
    if (!FileEsistente(file)) {
        messaggi().mostra(MessaggioFileNonTrovato(file));
        return EsitoFile::Fallito;
    }
    return LeggeEAdotta(file) ? EsitoFile::Fatto : EsitoFile::Fallito;
}

EsitoFile GestioneFile::ApriFileEsempio() {
    const fs::path datiPrima = cartelle_.PercorsoDati;
    const EsitoFile esito = Apri(cartelle_.PercorsoProgramma);
    cartelle_.PercorsoDati = datiPrima;
    return esito;
}

EsitoFile GestioneFile::SalvaConNome(const std::optional<fs::path>& cartella) {
    const auto scelto = dialogo_.sceltaSalvataggio(Richiesta(cartella));
    if (!scelto) return EsitoFile::Annullato;
    const fs::path file = Assoluto(*scelto);
    if (!documento_.scriveProgetto(file)) return EsitoFile::Fallito;
    nomeFileBreve_ = NomeBaseFile(TestoPercorso(file));
    cartelle_.PercorsoDati = file.parent_path();
    return EsitoFile::Fatto;
}

EsitoFile GestioneFile::Salva() {
    const fs::path file = PercorsoSalvataggio(cartelle_.PercorsoDati, nomeFileBreve_, estensione_);
    return documento_.scriveProgetto(file) ? EsitoFile::Fatto : EsitoFile::Fallito;
}

}  // namespace tavo
