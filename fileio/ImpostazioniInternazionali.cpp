#include "fileio/ImpostazioniInternazionali.h"

#include "fileio/NumeriRegionali.h"
#include "fileio/TastoDecimale.h"
#include "fileio/Utf8.h"
#include "ports/MessagePort.h"

namespace tavo {
namespace {

Ambiente ambienteProgramma;

std::string TraVirgolette(char32_t c) {
    std::string testo = "\"";
    AccodaUtf8(testo, c);
    return testo + "\"";
}

bool RaggruppamentoUsabile(const Separatori& s) {
    return s.migliaia != 0 && s.migliaia != s.decimale && !(s.migliaia >= U'0' && s.migliaia <= U'9');
}

}  // namespace

Ambiente& ambiente() { return ambienteProgramma; }

void InizializzaAmbiente(const std::filesystem::path& cartellaProgramma, const Separatori& daSistema) {
    ambienteProgramma.PercorsoProgramma = cartellaProgramma;
    std::error_code ec;
    ambienteProgramma.PercorsoDati = std::filesystem::current_path(ec);
    VerificaImpostazioniInternazionali(daSistema);
}

Separatori VerificaImpostazioniInternazionali(const Separatori& daSistema, bool sopprimiAvviso) {
    AnnullaTastoDecimale();
    Separatori s = daSistema;
    if (!RaggruppamentoUsabile(s)) {
        s.migliaia = 0;
        impostaSeparatoriRegionali(s);
        messaggi().mostra(
            "Errore nelle impostazioni internazionali del pannello di controllo.\r"
            "Il separatore decimale è stato impostato come " + TraVirgolette(s.decimale) + "\r"
            "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
            "Cambiare il simbolo raggruppamento cifre e riavviare il programma.",
            Icona::Critico, "ERRORE");
        return s;
    }
    impostaSeparatoriRegionali(s);
    if (ValLocale(FormattaConDecimali(1234567.8, 1, s), s) != 1234567.8) {
        messaggi().mostra(
            "Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\r"
            "Provare a cambiare i simboli del separatore decimale\r"
            "e del raggruppamento cifre e riavviare il programma.",
            Icona::Critico, "ERRORE");
    }
    if (s.migliaia == U',' && s.decimale == U'.' && !sopprimiAvviso) {
        messaggi().mostra(
            "E' impostato come separatore decimale " + TraVirgolette(s.decimale) +
                " e come separatore delle migliaia " + TraVirgolette(s.migliaia) + "\r\n"
                "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
                "Il programma funzionerà comunque correttamente se si usa "
                "come separatore delle migliaia lo spazio,\r\n"
                "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
                "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.",
            Icona::Esclamazione, "ATTENZIONE ");
    }
    return s;
}

}  // namespace tavo
